#include "Datenbank.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace dbtest {

std::string liesDatei(const std::string& name) {
    std::ifstream in(std::string(QUANTORA_DATEN_DIR) + "/" + name, std::ios::binary);
    if (!in) return {};
    std::ostringstream inhalt;
    inhalt << in.rdbuf();
    return inhalt.str();
}

double faktor(const std::string& datei, const std::string& einheit) {
    // Factor by unit name (code page 1252), read once per file.
    static std::map<std::string, std::map<std::string, double>> cache;
    auto& f = cache[datei];
    if (f.empty()) {
        const std::string daten = liesDatei(datei);
        for (std::size_t off = 0; off + qnt::kSatzGroesse <= daten.size(); off += qnt::kSatzGroesse) {
            qnt::TEinheitSatz s;
            std::copy_n(daten.data() + off, qnt::kSatzGroesse, reinterpret_cast<char*>(s.bytes.data()));
            f[s.Name()] = s.Faktor();
        }
    }
    const auto it = f.find(einheit);
    if (it != f.end()) return it->second;
    ADD_FAILURE() << datei << ": keine Einheit '" << einheit << "'";
    return std::nan("");
}

testing::AssertionResult relativGleich(double ist, double soll) {
    if (std::fabs(ist - soll) <= 1e-12 * std::max(std::fabs(ist), std::fabs(soll)))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "ist " << ist << ", soll " << soll << ", relativ " << std::fabs(ist - soll) / std::fabs(soll);
}

} // namespace dbtest

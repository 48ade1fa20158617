#include "Datenbank.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace dbtest {

std::string liesDatei(const std::string& name) {
    std::ifstream in(std::string(QUANTORA_DATEN_DIR) + "/" + name, std::ios::binary);
    if (!in) return {};
    std::ostringstream inhalt;
    inhalt << in.rdbuf();
    return inhalt.str();
}

std::vector<std::string> crLfZeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    for (std::size_t a = 0, b; (b = text.find("\r\n", a)) != std::string::npos; a = b + 2)
        zeilen.push_back(text.substr(a, b - a));
    return zeilen;
}

std::vector<qnt::TEinheitSatz> liesSaetze(const std::string& datei) {
    const std::string daten = liesDatei(datei);
    std::vector<qnt::TEinheitSatz> saetze(daten.size() / qnt::kSatzGroesse);
    for (std::size_t i = 0; i < saetze.size(); ++i)
        std::copy_n(daten.data() + i * qnt::kSatzGroesse, qnt::kSatzGroesse,
                    reinterpret_cast<char*>(saetze[i].bytes.data()));
    return saetze;
}

double faktor(const std::string& datei, const std::string& einheit) {
    // Factor by unit name (code page 1252), read once per file.
    static std::map<std::string, std::map<std::string, double>> cache;
    auto& f = cache[datei];
    if (f.empty())
        for (const auto& s : liesSaetze(datei)) f[s.Name()] = s.Faktor();
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

const qnt::TGebiete& gebiete() {
    static const qnt::TGebiete g =
        qnt::zerlegeGebiete(crLfZeilen(liesDatei(std::string(qnt::kGruppenDatei))));
    return g;
}

const std::string& gebietsinfo() {
    static const std::string info =
        qnt::gebietsinfoAusZeilen(crLfZeilen(liesDatei(std::string(qnt::kGebietDatei))));
    return info;
}

} // namespace dbtest

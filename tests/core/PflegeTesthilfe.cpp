#include "PflegeTesthilfe.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pflegetest {

TempOrdner::TempOrdner() : alt_(fs::current_path()) {
    std::random_device zufall;
    for (;;) {
        huelle_ = fs::temp_directory_path() /
                  ("qnt_test_" + std::to_string(getpid()) + "_" + std::to_string(zufall()));
        if (fs::create_directory(huelle_)) break;
    }
    pfad_ = huelle_ / "innen";
    fs::create_directory(pfad_);
    fs::current_path(pfad_);
}

TempOrdner::~TempOrdner() {
    std::error_code ec;
    fs::current_path(alt_, ec);
    fs::permissions(pfad_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(huelle_, ec);
    qnt::setzeFehlerHaken(nullptr);
}

std::vector<std::string> TempOrdner::dateien() const {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(pfad_))
        if (e.is_regular_file()) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

qnt::TEinheitSatz satz(std::string_view name, std::uint8_t angezeigt, std::uint8_t landNr, double faktor) {
    qnt::TEinheitSatz s;
    for (std::size_t i = 0; i < s.bytes.size(); ++i)
        s.bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    s.setzeAngezeigt(angezeigt);
    s.setzeLandNr(landNr);
    s.setzeName(name);
    s.setzeKurzzeichen(name.substr(0, 2));
    s.setzeFaktor(faktor);
    return s;
}

std::string bytesAus(const std::vector<qnt::TEinheitSatz>& saetze) {
    std::string b;
    for (const auto& s : saetze)
        b.append(reinterpret_cast<const char*>(s.bytes.data()), s.bytes.size());
    return b;
}

void schreibeSaetze(std::string_view datei, const std::vector<qnt::TEinheitSatz>& saetze) {
    schreibeBytes(datei, bytesAus(saetze));
}

void schreibeBytes(std::string_view datei, std::string_view bytes) {
    std::FILE* f = std::fopen(std::string(datei).c_str(), "wb");
    ASSERT_NE(f, nullptr) << datei;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string bytesVon(std::string_view datei) {
    std::string b;
    if (std::FILE* f = std::fopen(std::string(datei).c_str(), "rb")) {
        char puffer[65536];
        std::size_t n = 0;
        while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
            b.append(puffer, n);
        std::fclose(f);
    }
    return b;
}

std::vector<std::string> namenIn(std::string_view datei) {
    const std::string b = bytesVon(datei);
    std::vector<std::string> namen;
    for (std::size_t i = 0; i + qnt::kSatzGroesse <= b.size(); i += qnt::kSatzGroesse) {
        qnt::TEinheitSatz s;
        std::copy_n(b.data() + i, qnt::kSatzGroesse, reinterpret_cast<char*>(s.bytes.data()));
        namen.push_back(s.Name());
    }
    return namen;
}

int offeneDateien() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

} // namespace pflegetest

// The shipped currency and world-time files, read as the program reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/Einheit.h"

namespace {

using qnt::TEinheitSatz;

std::vector<TEinheitSatz> liesDaten(const std::string& name) {
    std::ifstream in(std::string(QUANTORA_DATEN_DIR) + "/" + name, std::ios::binary);
    std::vector<TEinheitSatz> saetze;
    TEinheitSatz s;
    while (in.read(reinterpret_cast<char*>(s.bytes.data()), qnt::kSatzGroesse)) saetze.push_back(s);
    return saetze;
}

std::map<std::string, TEinheitSatz> nachKurzzeichen(const std::vector<TEinheitSatz>& saetze) {
    std::map<std::string, TEinheitSatz> m;
    for (const auto& s : saetze) m.emplace(s.Kurzzeichen(), s);
    return m;
}

const std::vector<TEinheitSatz>& waehrungen() {
    static const auto w = liesDaten("WAEHRUNG.DAT");
    return w;
}

bool istIsoDatum(const std::string& s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

TEST(Waehrungen, HatDenEuroAlsBezugUndAlleWaehrungenDerKurstabelle) {
    const auto w = nachKurzzeichen(waehrungen());
    ASSERT_GT(waehrungen().size(), 150u);
    EXPECT_EQ(w.size(), waehrungen().size()) << "Kurzzeichen doppelt";
    ASSERT_TRUE(w.count("EUR"));
    EXPECT_EQ(w.at("EUR").Name(), "Euro");
    EXPECT_EQ(w.at("EUR").Faktor(), 1.0);
}

// The stored factors of the fixed-rate table: the double nearest to 1 / rate.
TEST(Waehrungen, FestkurseSindGenauDieGespeichertenFaktoren) {
    struct Fall {
        const char* code;
        int land;
        double kurs;
        double faktor;
    };
    const Fall faelle[] = {
        {"BEF", 28, 40.3399, 0.02478935247732394},    {"DEM", 36, 1.95583, 0.5112918811962185},
        {"FIM", 50, 5.94573, 0.16818792646151104},    {"FRF", 51, 6.55957, 0.1524490172374104},
        {"ITL", 62, 1936.27, 0.0005164568990894864},  {"NLG", 71, 2.20371, 0.4537802160901389},
        {"ATS", 73, 13.7603, 0.07267283416785972},    {"PTE", 78, 200.482, 0.00498797897068066},
        {"ESP", 84, 166.386, 0.0060101210438378225},
    };
    const auto w = nachKurzzeichen(waehrungen());
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.code);
        ASSERT_TRUE(w.count(f.code));
        const auto& s = w.at(f.code);
        EXPECT_EQ(s.LandNr(), f.land);
        EXPECT_EQ(s.Faktor(), f.faktor);
        EXPECT_NEAR(s.Faktor() * f.kurs, 1.0, 1e-15);
    }
}

// Saving the rate table forces the fixed factor onto every currency of these countries,
// so no other currency may stand there with a different rate.
TEST(Waehrungen, JedeWaehrungEinesFestkurslandesHatDessenFaktor) {
    const std::map<int, double> fest = {{28, 0.02478935247732394},    {36, 0.5112918811962185},
                                        {50, 0.16818792646151104},    {51, 0.1524490172374104},
                                        {62, 0.0005164568990894864},  {71, 0.4537802160901389},
                                        {73, 0.07267283416785972},    {78, 0.00498797897068066},
                                        {84, 0.0060101210438378225}};
    for (const auto& s : waehrungen()) {
        const auto it = fest.find(s.LandNr());
        if (it != fest.end()) {
            EXPECT_EQ(s.Faktor(), it->second) << s.Kurzzeichen();
        }
    }
}

TEST(Waehrungen, JederKursNenntSeinenStand) {
    int marktkurse = 0;
    for (const auto& s : waehrungen()) {
        SCOPED_TRACE(s.Kurzzeichen());
        if (s.Kurzzeichen() == "EUR" || s.Faktor() == 0) continue;
        const auto stand = s.Uebersetzung();
        if (stand.rfind("Festkurs seit ", 0) == 0) {
            EXPECT_TRUE(istIsoDatum(stand.substr(14))) << stand;
        } else {
            EXPECT_EQ(stand, "2022-09-05");
            ++marktkurse;
        }
    }
    EXPECT_GT(marktkurse, 140);
}

TEST(Waehrungen, BekannteKurse) {
    struct Fall {
        const char* code;
        double faktor;
    };
    // euro per unit from the dollar rates of the table: unit in USD / 0.99109457265249
    const Fall faelle[] = {
        {"USD", 1 / 0.99109457265249},
        {"GBP", 1.1483879047529 / 0.99109457265249},
        {"JPY", 0.0071191241433089 / 0.99109457265249},
        {"CHF", 1.0173142760669 / 0.99109457265249},
        {"XOF", 1 / 655.957},
        {"LUF", 1 / 40.3399},
        {"IEP", 1 / 0.787564},
        {"GRD", 1 / 340.75},
    };
    const auto w = nachKurzzeichen(waehrungen());
    for (const auto& f : faelle) {
        ASSERT_TRUE(w.count(f.code)) << f.code;
        EXPECT_NEAR(w.at(f.code).Faktor(), f.faktor, 1e-15 * f.faktor) << f.code;
    }
}

TEST(Waehrungen, WaehrungOhneKursHatFaktorNull) {
    const auto w = nachKurzzeichen(waehrungen());
    ASSERT_TRUE(w.count("KPW"));
    EXPECT_EQ(w.at("KPW").Faktor(), 0.0);
    EXPECT_EQ(w.at("KPW").LandNr(), 66);
}

} // namespace

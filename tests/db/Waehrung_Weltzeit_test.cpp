// The shipped currency and world-time files, read as the program reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Datenbank.h"

namespace {

using qnt::TEinheitSatz;

std::map<std::string, TEinheitSatz> nachKurzzeichen(const std::vector<TEinheitSatz>& saetze) {
    std::map<std::string, TEinheitSatz> m;
    for (const auto& s : saetze) m.emplace(s.Kurzzeichen(), s);
    return m;
}

const std::vector<TEinheitSatz>& waehrungen() {
    static const auto w = dbtest::liesSaetze("WAEHRUNG.DAT");
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

const std::vector<TEinheitSatz>& weltzeit() {
    static const auto w = dbtest::liesSaetze("WELTZEIT.DAT");
    return w;
}

std::map<std::string, TEinheitSatz> nachName(const std::vector<TEinheitSatz>& saetze) {
    std::map<std::string, TEinheitSatz> m;
    for (const auto& s : saetze) m.emplace(s.Name(), s);
    return m;
}

TEST(Weltzeit, HatDieWeltzeitAlsBezugUndMindestens150Orte) {
    const auto w = nachName(weltzeit());
    EXPECT_GE(weltzeit().size(), 150u);
    ASSERT_TRUE(w.count("Koordinierte Weltzeit (UTC)"));
    EXPECT_EQ(w.at("Koordinierte Weltzeit (UTC)").Faktor(), 0.0);
}

TEST(Weltzeit, VersatzIstGanzeViertelstundeZwischenMinus12UndPlus14) {
    for (const auto& s : weltzeit()) {
        SCOPED_TRACE(s.Name());
        const double viertel = s.Faktor() * 4;
        EXPECT_EQ(viertel, std::round(viertel));
        EXPECT_GE(s.Faktor(), -12.0);
        EXPECT_LE(s.Faktor(), 14.0);
        EXPECT_FALSE(s.Uebersetzung().empty()) << "Sommerzeit fehlt";
    }
}

TEST(Weltzeit, BekannteVersaetzeUndSommerzeiten) {
    struct Fall {
        const char* ort;
        double versatz;
        const char* sommerzeit;
    };
    const Fall faelle[] = {
        {"Berlin", 1, "letzter Sonntag im M\xE4rz/Oktober"},
        {"London", 0, "letzter Sonntag im M\xE4rz/Oktober"},
        {"New York", -5, "2. So. M\xE4rz - 1. So. Nov."},
        {"St. John's", -3.5, "2. So. M\xE4rz - 1. So. Nov."},
        {"Sydney", 10, "1. Sonntag im Oktober/April"},
        {"Adelaide", 9.5, "1. Sonntag im Oktober/April"},
        {"Auckland", 12, "letzter So. Sep. - 1. So. Apr."},
        {"Chatham-Inseln", 12.75, "letzter So. Sep. - 1. So. Apr."},
        {"Kathmandu", 5.75, "keine"},
        {"Mumbai", 5.5, "keine"},
        {"Teheran", 3.5, "keine"},
        {"Kabul", 4.5, "keine"},
        {"Eucla", 8.75, "keine"},
        {"Marquesas-Inseln", -9.5, "keine"},
        {"Tokio", 9, "keine"},
        {"Kiritimati", 14, "keine"},
        {"Bakerinsel", -12, "keine"},
        {"Honolulu", -10, "keine"},
    };
    const auto w = nachName(weltzeit());
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ort);
        ASSERT_TRUE(w.count(f.ort));
        EXPECT_EQ(w.at(f.ort).Faktor(), f.versatz);
        EXPECT_EQ(w.at(f.ort).Uebersetzung(), f.sommerzeit);
    }
}

// Every present-day country of the country table has at least one place, its capital among them.
TEST(Weltzeit, JedesLandDerTabelleHatSeineHauptstadt) {
    const std::map<int, const char*> hauptstadt = {
        {21, "Kairo"},     {23, "Addis Abeba"}, {24, "Kabul"},       {25, "Algier"},   {27, "Buenos Aires"},
        {28, "Br\xFCssel"}, {29, "Sucre"},     {30, "Bras\xEDlia"}, {31, "Sofia"},    {32, "Santiago de Chile"},
        {33, "Peking"},    {34, "San Jos\xE9"}, {35, "Kopenhagen"},  {36, "Berlin"},   {50, "Helsinki"},
        {51, "Paris"},     {52, "Athen"},       {54, "London"},      {55, "Guatemala-Stadt"},
        {56, "Port-au-Prince"}, {57, "Neu-Delhi"}, {58, "Jakarta"},  {60, "Teheran"},  {62, "Rom"},
        {63, "Tokio"},     {65, "Bogot\xE1"},   {66, "Seoul"},       {67, "Havanna"},  {68, "Tripolis"},
        {69, "Rabat"},     {70, "Mexiko-Stadt"}, {71, "Amsterdam"},  {72, "Oslo"},     {73, "Wien"},
        {74, "Asunci\xF3n"}, {75, "Lima"},      {76, "Manila"},      {77, "Warschau"}, {78, "Lissabon"},
        {80, "Bukarest"},  {81, "Moskau"},      {82, "Stockholm"},   {83, "Bern"},     {84, "Madrid"},
        {85, "Bangkok"},   {86, "Ankara"},      {87, "Tunis"},       {88, "Budapest"}, {89, "Montevideo"},
        {90, "Washington"}, {91, "Hanoi"},
    };
    const auto w = nachName(weltzeit());
    for (const auto& [land, stadt] : hauptstadt) {
        SCOPED_TRACE(stadt);
        ASSERT_TRUE(w.count(stadt));
        EXPECT_EQ(w.at(stadt).LandNr(), land);
    }
}

} // namespace

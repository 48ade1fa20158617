// The shipped currency and world-time files, read as the program reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>

#include "Datenbank.h"

namespace {

using qnt::TEinheitSatz;

std::map<std::string, TEinheitSatz> nach(const std::string& datei,
                                         std::string (TEinheitSatz::*schluessel)() const) {
    std::map<std::string, TEinheitSatz> m;
    for (const auto& s : dbtest::liesSaetze(datei))
        EXPECT_TRUE(m.emplace((s.*schluessel)(), s).second) << s.Name();
    return m;
}

// The legal euro conversion rates. Saving the rate table forces the fixed factor onto every currency of
// these countries, so no other currency may stand there with a different rate.
TEST(Waehrungen, FestkurseGeltenFuerJedeWaehrungIhresLandes) {
    const std::map<int, std::pair<const char*, double>> fest = {
        {28, {"BEF", 40.3399}}, {36, {"DEM", 1.95583}}, {50, {"FIM", 5.94573}},  {51, {"FRF", 6.55957}},
        {62, {"ITL", 1936.27}}, {71, {"NLG", 2.20371}}, {73, {"ATS", 13.7603}},  {78, {"PTE", 200.482}},
        {84, {"ESP", 166.386}}};
    const auto w = nach("WAEHRUNG.DAT", &TEinheitSatz::Kurzzeichen);
    ASSERT_TRUE(w.count("EUR"));
    EXPECT_EQ(w.at("EUR").Faktor(), 1.0);
    for (const auto& [land, festkurs] : fest) {
        ASSERT_TRUE(w.count(festkurs.first)) << festkurs.first;
        EXPECT_EQ(w.at(festkurs.first).LandNr(), land);
    }
    for (const auto& [code, s] : w) {
        SCOPED_TRACE(code);
        const auto it = fest.find(s.LandNr());
        if (it != fest.end()) {
            EXPECT_NEAR(s.Faktor() * it->second.second, 1.0, 1e-15);
        }
        // Every rate names the day it stands for.
        const std::string stand = s.Uebersetzung();
        if (code == "EUR" || s.Faktor() == 0) continue;
        if (stand.rfind("Festkurs seit ", 0) == 0)
            EXPECT_TRUE(std::regex_match(stand.substr(14), std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2}")))
                << stand;
        else
            EXPECT_EQ(stand, "2022-09-05");
    }
    EXPECT_NEAR(w.at("XOF").Faktor() * 655.957, 1.0, 1e-15); // CFA franc, fixed to the euro
}

TEST(Weltzeit, VersatzIstGanzeViertelstundeZwischenMinus12UndPlus14) {
    const auto w = nach("WELTZEIT.DAT", &TEinheitSatz::Name);
    ASSERT_TRUE(w.count("Koordinierte Weltzeit (UTC)"));
    EXPECT_EQ(w.at("Koordinierte Weltzeit (UTC)").Faktor(), 0.0);
    for (const auto& [name, s] : w) {
        SCOPED_TRACE(name);
        EXPECT_EQ(s.Faktor() * 4, std::round(s.Faktor() * 4));
        EXPECT_TRUE(s.Faktor() >= -12.0 && s.Faktor() <= 14.0);
        EXPECT_FALSE(s.Uebersetzung().empty()) << "Sommerzeit fehlt";
    }
    const struct {
        const char* ort;
        double versatz;
        const char* sommerzeit;
    } faelle[] = {
        {"Berlin", 1, "letzter Sonntag im M\xE4rz/Oktober"},
        {"St. John's", -3.5, "2. So. M\xE4rz - 1. So. Nov."},
        {"Adelaide", 9.5, "1. Sonntag im Oktober/April"},
        {"Chatham-Inseln", 12.75, "letzter So. Sep. - 1. So. Apr."},
        {"Kathmandu", 5.75, "keine"},
        {"Marquesas-Inseln", -9.5, "keine"},
        {"Kiritimati", 14, "keine"},
        {"Bakerinsel", -12, "keine"},
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(w.count(f.ort)) << f.ort;
        EXPECT_EQ(w.at(f.ort).Faktor(), f.versatz) << f.ort;
        EXPECT_EQ(w.at(f.ort).Uebersetzung(), f.sommerzeit) << f.ort;
    }
}

// Every present-day country of the country table has at least one place, its capital among them.
TEST(Weltzeit, JedesLandDerTabelleHatSeineHauptstadt) {
    const std::map<int, const char*> hauptstadt = {
        {21, "Kairo"}, {23, "Addis Abeba"}, {24, "Kabul"}, {25, "Algier"}, {27, "Buenos Aires"},
        {28, "Br\xFCssel"}, {29, "Sucre"}, {30, "Bras\xEDlia"}, {31, "Sofia"}, {32, "Santiago de Chile"},
        {33, "Peking"}, {34, "San Jos\xE9"}, {35, "Kopenhagen"}, {36, "Berlin"}, {50, "Helsinki"}, {51,
         "Paris"},
        {52, "Athen"}, {54, "London"}, {55, "Guatemala-Stadt"}, {56, "Port-au-Prince"}, {57, "Neu-Delhi"},
        {58, "Jakarta"}, {60, "Teheran"}, {62, "Rom"}, {63, "Tokio"}, {65, "Bogot\xE1"}, {66, "Seoul"},
        {67, "Havanna"}, {68, "Tripolis"}, {69, "Rabat"}, {70, "Mexiko-Stadt"}, {71, "Amsterdam"}, {72,
         "Oslo"},
        {73, "Wien"}, {74, "Asunci\xF3n"}, {75, "Lima"}, {76, "Manila"}, {77, "Warschau"}, {78, "Lissabon"},
        {80, "Bukarest"}, {81, "Moskau"}, {82, "Stockholm"}, {83, "Bern"}, {84, "Madrid"}, {85, "Bangkok"},
        {86, "Ankara"}, {87, "Tunis"}, {88, "Budapest"}, {89, "Montevideo"}, {90, "Washington"}, {91,
         "Hanoi"},
    };
    const auto w = nach("WELTZEIT.DAT", &TEinheitSatz::Name);
    for (const auto& [land, stadt] : hauptstadt) {
        ASSERT_TRUE(w.count(stadt)) << stadt;
        EXPECT_EQ(w.at(stadt).LandNr(), land) << stadt;
    }
}

} // namespace

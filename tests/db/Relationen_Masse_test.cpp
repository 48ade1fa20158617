// Relations between shipped units of "Masse (Gewichte)" and "Volumen (Hohlmaße)", read from the compiled
// data files, so that a slip in a source line or in the factor expressions shows up here.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "Datenbank.h"

namespace {

using namespace dbtest;

constexpr const char* kMasse = "MASSE.DAT";
constexpr const char* kVolumen = "VOLUMEN.DAT";

// 1 `einheit` = `anzahl` `bezug`
struct Relation {
    const char* datei;
    const char* einheit;
    double anzahl;
    const char* bezug;
};

const Relation kRelationen[] = {
    {kMasse, "Pfund (avdp.)", 0.45359237, "Kilogramm"},
    {kMasse, "Unze (avdp.)", 1.0 / 16, "Pfund (avdp.)"},
    {kMasse, "Grain", 1.0 / 7000, "Pfund (avdp.)"},
    {kMasse, "Troy-Unze", 480, "Grain"},
    {kMasse, "Troy-Pfund", 12, "Troy-Unze"},
    {kMasse, "Pennyweight", 1.0 / 20, "Troy-Unze"},
    {kMasse, "Stone", 14, "Pfund (avdp.)"},
    {kMasse, "Long Ton", 2240, "Pfund (avdp.)"},
    {kMasse, "Short Ton", 2000, "Pfund (avdp.)"},
    {kMasse, "Hundredweight (brit.)", 8, "Stone"},
    {kMasse, "Karat (metrisch)", 0.2, "Gramm"},
    {kMasse, "Tonne", 1000, "Kilogramm"},
    {kMasse, "Zentner", 50, "Kilogramm"},
    {kMasse, "Doppelzentner", 2, "Zentner"},
    {kMasse, "Pud", 40, "Funt"},
    {kMasse, "Funt", 96, "Solotnik"},
    {kMasse, "Zentner (preu\xDF" "isch)", 110, "Pfund (preu\xDF" "isch)"},
    {kMasse, "K\xF6" "lner Mark", 0.5, "Pfund (preu\xDF" "isch)"},
    {kMasse, "Zentner (bayerisch)", 56, "Kilogramm"},
    {kMasse, "Quintal (kastilisch)", 4, "Arroba (kastilisch)"},
    {kMasse, "Arroba (portugiesisch)", 32, "Arr\xE1" "tel"},
    {kMasse, "Livre (poids de marc)", 9216, "Grain (Paris)"},
    {kMasse, "Jin", 500, "Gramm"},
    {kMasse, "Kin (Japan)", 160, "Monme"},
    {kMasse, "Maund", 100, "Troy-Pfund"},
    {kMasse, "Tola", 180, "Grain"},
    {kMasse, "Kantar", 44, "Okka"},
    {kMasse, "Talent (hebr\xE4" "isch)", 60, "Mine (hebr\xE4" "isch)"},
    {kMasse, "Libra (r\xF6" "misch)", 288, "Scripulum"},
    {kMasse, "Skeppund (schwedisch)", 400, "Sk\xE5" "lpund"},
    {kMasse, "Dalton", 1, "Atomare Masseneinheit"},
    {kVolumen, "Liter", 0.001, "Kubikmeter"},
    {kVolumen, "Gallone (brit.)", 4.54609, "Liter"},
    {kVolumen, "Pint (brit.)", 1.0 / 8, "Gallone (brit.)"},
    {kVolumen, "Fl\xFC" "ssigunze (brit.)", 1.0 / 160, "Gallone (brit.)"},
    {kVolumen, "Bushel (brit.)", 8, "Gallone (brit.)"},
    {kVolumen, "US-Gallone", 231, "Kubikzoll"},
    {kVolumen, "US-Fl\xFC" "ssigunze", 1.0 / 128, "US-Gallone"},
    {kVolumen, "US-Pint", 16, "US-Fl\xFC" "ssigunze"},
    {kVolumen, "US-Gill", 1.0 / 4, "US-Pint"},
    {kVolumen, "US-Tasse", 16, "Essl\xF6" "ffel (US)"},
    {kVolumen, "Essl\xF6" "ffel (US)", 3, "Teel\xF6" "ffel (US)"},
    {kVolumen, "Teel\xF6" "ffel (US, legal)", 5, "Milliliter"},
    {kVolumen, "US-Bushel", 2150.42, "Kubikzoll"},
    {kVolumen, "US-Bushel", 8, "US-Trockengallone"},
    {kVolumen, "Barrel (Erd\xF6" "l)", 42, "US-Gallone"},
    {kVolumen, "Kubikfu\xDF", 1728, "Kubikzoll"},
    {kVolumen, "Acre-Foot", 43560, "Kubikfu\xDF"},
    {kVolumen, "Registertonne", 100, "Kubikfu\xDF"},
    {kVolumen, "Kubikfu\xDF (preu\xDF" "isch)", 27, "Quart (preu\xDF" "isch)"},
    {kVolumen, "Scheffel (preu\xDF" "isch)", 3072, "Kubikzoll (preu\xDF" "isch)"},
    {kVolumen, "Oxhoft (preu\xDF" "isch)", 180, "Quart (preu\xDF" "isch)"},
    {kVolumen, "Eimer (Wien)", 40, "Ma\xDF (Wien)"},
    {kVolumen, "Tschetwert", 64, "Garnez"},
    {kVolumen, "Botschka", 40, "Wedro"},
    {kVolumen, "Koku", 100, "Sho"},
    {kVolumen, "Muid (Wein)", 288, "Pinte (Paris)"},
    {kVolumen, "Amphora (r\xF6" "misch)", 48, "Sextarius"},
    {kVolumen, "Kor", 10, "Bat"},
    {kVolumen, "Ohm (badisch)", 150, "Liter"},
    {kVolumen, "Korzec", 128, "Liter"},
};

TEST(MasseVolumenRelationen, GeltenAufZwoelfStellen) {
    for (const auto& r : kRelationen) {
        SCOPED_TRACE(std::string(r.datei) + ": 1 " + r.einheit + " = " + std::to_string(r.anzahl) + " " + r.bezug);
        EXPECT_TRUE(relativGleich(faktor(r.datei, r.einheit), r.anzahl * faktor(r.datei, r.bezug)));
    }
}

// Historical units against the value their law gave them, in base units (kg or m³).
struct Festlegung {
    const char* datei;
    const char* einheit;
    double wert;
};

const Festlegung kFestlegungen[] = {
    {kMasse, "Pfund (preu\xDF" "isch)", 0.467711},        // Preußische Maß- und Gewichtsordnung 1816
    {kMasse, "Pfund (bayerisch)", 0.560},                  // Bayern 1809
    {kMasse, "Pfund (badisch)", 0.500},                    // Baden 1810
    {kMasse, "Zollpfund", 0.500},                          // Zollverein 1858
    {kMasse, "Pfund (Wien)", 0.560012},                    // Österreich, Umrechnung 1871
    {kMasse, "Funt", 0.40951241},                          // Rußland 1899
    {kMasse, "Libra (kastilisch)", 0.460093},              // Spanien, Real Orden 1852
    {kMasse, "Kan (Japan)", 3.75},                         // Japan 1891
    {kMasse, "Livre (poids de marc)", 9216 / 18827.15},    // Frankreich, Gesetz 19 frimaire an VIII
    {kMasse, "Pikol", 61.7613025},                         // Niederländisch-Indien
    {kMasse, "Funt (polnisch)", 0.405504},                 // Kongreßpolen 1819
    {kMasse, "Catty (Hongkong)", 0.60478982},              // Hongkong, Cap. 68
    {kVolumen, "Quart (preu\xDF" "isch)", std::pow(0.31385, 3) / 27}, // Preußen 1816: 27 Quart = 1 Kubikfuß
    {kVolumen, "Ma\xDF (bayerisch)", 1.069e-3},          // Bayern 1869
    {kVolumen, "Ma\xDF (badisch)", 1.5e-3},              // Baden 1810
    {kVolumen, "Ma\xDF (schweizerisch)", 1.5e-3},        // Schweiz 1835
    {kVolumen, "Ma\xDF (Wien)", 1.414724e-3},           // Österreich, Umrechnung 1871
    {kVolumen, "Wedro", 12.29941e-3},                    // Rußland 1899
    {kVolumen, "Sho", 2401.0 / 1331000},                 // Japan 1891
    {kVolumen, "Pinte (Paris)", 48 * std::pow(12 / 443.296, 3)}, // Paris 1742, Meter nach dem Gesetz von 1799
    {kVolumen, "Fanega (kastilisch)", 55.5e-3},          // Spanien, Real Orden 1852
    {kVolumen, "Garniec", 4e-3},                         // Kongreßpolen 1819
    {kVolumen, "Scheffel", 50e-3},                       // Norddeutscher Bund 1868
    {kVolumen, "Pot (d\xE4" "nisch)", std::pow(0.31385, 3) / 32}, // Dänemark: 1/32 Kubikfuß
};

TEST(MasseVolumenRelationen, HistorischeEinheitenHabenIhrenGesetzlichenWert) {
    for (const auto& f : kFestlegungen) {
        SCOPED_TRACE(std::string(f.datei) + ": " + f.einheit);
        EXPECT_TRUE(relativGleich(faktor(f.datei, f.einheit), f.wert));
    }
}

TEST(MasseVolumenRelationen, JedesGebietHatMindestens210EinheitenAus35Laendern) {
    for (const char* datei : {kMasse, kVolumen}) {
        SCOPED_TRACE(datei);
        const auto saetze = liesSaetze(datei);
        std::set<int> laender;
        for (const auto& s : saetze) laender.insert(s.LandNr());
        EXPECT_GE(saetze.size(), 210u);
        EXPECT_GE(laender.size(), 35u);
        EXPECT_EQ(faktoren(datei).size(), saetze.size()) << "Namen doppelt";
    }
}

} // namespace

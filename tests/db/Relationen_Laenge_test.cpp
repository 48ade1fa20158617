// The shipped length and area units: stated relations between units hold to 1e-12, historical units
// keep the values of their laws, and the categories are as large and as international as intended.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "Datenbank.h"

namespace {

using namespace qnt;
using namespace dbtest;

constexpr double kPi = 3.14159265358979323846;

struct Relation {
    const char* was;
    const char* datei;
    double mengeA;
    const char* a; // unit name, code page 1252
    double mengeB;
    const char* b;
};

// mengeA × a = mengeB × b
const Relation kRelationen[] = {
    {"Meile hat 1760 Yard", "LAENGE.DAT", 1, "Meile", 1760, "Yard"},
    {"Fuss ist 0,3048 m", "LAENGE.DAT", 1, "Fu\xDF", 0.3048, "Meter"},
    {"Zoll ist 2,54 cm", "LAENGE.DAT", 1, "Zoll", 2.54, "Zentimeter"},
    {"acht Furlong sind eine Meile", "LAENGE.DAT", 8, "Furlong", 1, "Meile"},
    {"Chain hat 100 Link", "LAENGE.DAT", 1, "Chain", 100, "Link"},
    {"Seemeile ist 1852 m", "LAENGE.DAT", 1, "Seemeile", 1.852, "Kilometer"},
    {"Lichtjahr nach IAU", "LAENGE.DAT", 1, "Lichtjahr", 9460730472580800.0, "Meter"},
    {"Parsec ist 648000/pi AE", "LAENGE.DAT", kPi, "Parsec", 648000, "Astronomische Einheit"},
    {"Survey Foot ist 1200/3937 m", "LAENGE.DAT", 3937, "Fu\xDF (US Survey)", 1200, "Meter"},
    {"Survey Mile hat 8 Furlong", "LAENGE.DAT", 1, "Meile (US Survey)", 8, "Furlong (US Survey)"},
    {"preussische Rute hat 12 Fuss", "LAENGE.DAT", 1, "Rute (preu\xDFisch)", 12, "Fu\xDF (preu\xDFisch)"},
    {"preussische Meile hat 24000 Fuss", "LAENGE.DAT", 1, "Meile (preu\xDFisch)", 24000, "Fu\xDF (preu\xDFisch)"},
    {"preussische Elle hat 25,5 Zoll", "LAENGE.DAT", 2, "Elle (preu\xDFisch)", 51, "Zoll (preu\xDFisch)"},
    {"Wiener Klafter hat 6 Fuss", "LAENGE.DAT", 1, "Klafter (Wien)", 6, "Fu\xDF (Wien)"},
    {"oesterreichische Meile hat 4000 Klafter", "LAENGE.DAT", 1, "Meile (\xF6sterreichisch)", 4000, "Klafter (Wien)"},
    {"Toise hat 864 Pariser Linien", "LAENGE.DAT", 1, "Toise", 864, "Linie (Paris)"},
    {"Saschen hat 48 Werschok", "LAENGE.DAT", 1, "Saschen", 48, "Werschok"},
    {"Werst hat 500 Saschen", "LAENGE.DAT", 1, "Werst", 500, "Saschen"},
    {"drei Chi sind ein Meter", "LAENGE.DAT", 3, "Chi (China)", 1, "Meter"},
    {"Li ist 500 m", "LAENGE.DAT", 1, "Li (China)", 500, "Meter"},
    {"japanisches Ri hat 12960 Shaku", "LAENGE.DAT", 1, "Ri (Japan)", 12960, "Shaku"},
    {"33 Shaku sind 10 m", "LAENGE.DAT", 33, "Shaku", 10, "Meter"},
    {"Mille passus hat 5000 Pes", "LAENGE.DAT", 1, "Mille passus", 5000, "Pes"},
    {"attisches Stadion hat 600 Pous", "LAENGE.DAT", 1, "Stadion (attisch)", 600, "Pous"},
    {"Koenigselle hat 28 Finger", "LAENGE.DAT", 1, "K\xF6nigselle (\xC4gypten)", 28, "Finger (\xC4gypten)"},
    {"Vara hat drei Pies", "LAENGE.DAT", 1, "Vara (Spanien)", 3, "Pie (Spanien)"},
    {"badische Meile hat zwei Wegstunden", "LAENGE.DAT", 1, "Meile (badisch)", 2, "Wegstunde (badisch)"},
    {"Schweizer Wegstunde ist 4,8 km", "LAENGE.DAT", 1, "Wegstunde (Schweiz)", 4.8, "Kilometer"},
    {"daenische Meile hat 12000 Alen", "LAENGE.DAT", 1, "Mil (D\xE4nemark)", 12000, "Alen (D\xE4nemark)"},
    {"polnische Meile hat 14816 Ellen", "LAENGE.DAT", 1, "Meile (Polen)", 14816, "Elle (Polen)"},
    {"Yot hat 8000 Wa", "LAENGE.DAT", 1, "Yot", 8000, "Wa"},
    {"skandinavische Meile ist 10 km", "LAENGE.DAT", 1, "Mil (skandinavisch)", 10, "Kilometer"},
    {"Acre hat 4840 Quadratyard", "FLAECHE.DAT", 1, "Acre", 4840, "Quadratyard"},
    {"Quadratmeile hat 640 Acre", "FLAECHE.DAT", 1, "Quadratmeile", 640, "Acre"},
    {"Hektar hat 100 Ar", "FLAECHE.DAT", 1, "Hektar", 100, "Ar"},
    {"Quadratkilometer hat 100 Hektar", "FLAECHE.DAT", 1, "Quadratkilometer", 100, "Hektar"},
    {"preussischer Morgen hat 180 Quadratruten", "FLAECHE.DAT", 1, "Morgen (preu\xDFisch)", 180,
     "Quadratrute (preu\xDFisch)"},
    {"preussische Quadratrute hat 144 Quadratfuss", "FLAECHE.DAT", 1, "Quadratrute (preu\xDFisch)", 144,
     "Quadratfu\xDF (preu\xDFisch)"},
    {"bayerisches Tagwerk hat 40000 Quadratfuss", "FLAECHE.DAT", 1, "Tagwerk (bayerisch)", 40000,
     "Quadratfu\xDF (bayerisch)"},
    {"badischer Morgen ist 36 Ar", "FLAECHE.DAT", 1, "Morgen (badisch)", 36, "Ar"},
    {"Joch hat 1600 Quadratklafter", "FLAECHE.DAT", 1, "Joch (\xF6sterreichisch)", 1600, "Quadratklafter (Wien)"},
    {"Schweizer Juchart ist 36 Ar", "FLAECHE.DAT", 1, "Juchart (Schweiz)", 36, "Ar"},
    {"Arpent von Paris hat 32400 Quadratfuss", "FLAECHE.DAT", 1, "Arpent (Paris)", 32400, "Quadratfu\xDF (Paris)"},
    {"Desjatine hat 2400 Quadratsaschen", "FLAECHE.DAT", 1, "Desjatine", 2400, "Quadratsaschen"},
    {"Iugerum hat 28800 Quadratpes", "FLAECHE.DAT", 1, "Iugerum", 28800, "Pes quadratus"},
    {"drei Mu sind 2000 Quadratmeter", "FLAECHE.DAT", 3, "Mu (China)", 2000, "Quadratmeter"},
    {"japanisches Cho hat 3000 Tsubo", "FLAECHE.DAT", 1, "Cho (Japan)", 3000, "Tsubo"},
    {"121 Tsubo sind 400 Quadratmeter", "FLAECHE.DAT", 121, "Tsubo", 400, "Quadratmeter"},
    {"Rai ist 16 Ar", "FLAECHE.DAT", 1, "Rai", 16, "Ar"},
    {"Section hat 640 Survey Acre", "FLAECHE.DAT", 1, "Section", 640, "Acre (US Survey)"},
    {"Fanega hat 9216 Quadratvaras", "FLAECHE.DAT", 1, "Fanega de tierra", 9216, "Quadratvara (Spanien)"},
    {"Sitio de ganado mayor hat 25 Millionen Quadratvaras", "FLAECHE.DAT", 1, "Sitio de ganado mayor", 25e6,
     "Quadratvara (Mexiko)"},
    {"Tonde land hat 14000 Quadratellen", "FLAECHE.DAT", 1, "T\xF8nde land", 14000, "Kvadratalen (D\xE4nemark)"},
    {"Feddan hat 24 Qirat", "FLAECHE.DAT", 1, "Feddan", 24, "Qirat (Fl\xE4" "che)"},
    {"Alqueire mineiro sind zwei Alqueires paulistas", "FLAECHE.DAT", 1, "Alqueire mineiro", 2, "Alqueire paulista"},
};

TEST(RelationenLaenge, GeltenAufZwoelfStellen) {
    for (const auto& r : kRelationen) {
        SCOPED_TRACE(r.was);
        EXPECT_TRUE(gleichViel(r.datei, r.mengeA, r.a, r.mengeB, r.b));
    }
}

struct Definition {
    const char* was; // the law or standard
    const char* datei;
    const char* einheit;
    double wert; // base units, as the law states it
};

const Definition kDefinitionen[] = {
    {"Preussen 1816: 139,13 Pariser Linien, 1 m = 443,296 Linien", "LAENGE.DAT", "Fu\xDF (preu\xDFisch)",
     139.13 / 443.296},
    {"Bayern, Gesetz 1869", "LAENGE.DAT", "Fu\xDF (bayerisch)", 0.291859206},
    {"Baden 1810: drei Dezimeter", "LAENGE.DAT", "Fu\xDF (badisch)", 0.3},
    {"Schweiz 1838: drei Dezimeter", "LAENGE.DAT", "Fu\xDF (Schweiz)", 0.3},
    {"Oesterreich, Gesetz 1871", "LAENGE.DAT", "Klafter (Wien)", 1.89648384},
    {"Wuerttemberg 1806: 127 Pariser Linien", "LAENGE.DAT", "Fu\xDF (w\xFCrttembergisch)", 127 / 443.296},
    {"Hannover 1836: 23/24 englische Fuss", "LAENGE.DAT", "Fu\xDF (hannoversch)", 0.2921},
    {"pied du roi: 144 Linien", "LAENGE.DAT", "Fu\xDF (Paris)", 144 / 443.296},
    {"Russland 1835: sieben englische Fuss", "LAENGE.DAT", "Saschen", 2.1336},
    {"Japan 1891: 10/33 m", "LAENGE.DAT", "Shaku", 10.0 / 33},
    {"China 1929: 1/3 m", "LAENGE.DAT", "Chi (China)", 1.0 / 3},
    {"Vara de Burgos", "LAENGE.DAT", "Vara (Spanien)", 0.835905},
    {"Kongresspolen 1819", "LAENGE.DAT", "Elle (Polen)", 0.576},
    {"Thailand 1923: zwei Meter", "LAENGE.DAT", "Wa", 2},
    {"geographische Meile: 1/15 Aequatorgrad auf dem Bessel-Ellipsoid", "LAENGE.DAT", "Geographische Meile",
     2 * kPi * 6377397.155 / 5400},
    {"Imperial Yard nach der Order von 1898", "LAENGE.DAT", "Yard (britisch, 1898)", 36 / 39.370113},
    {"Acre: 4046,8564224 m2", "FLAECHE.DAT", "Acre", 4046.8564224},
    {"Survey Acre nach NIST Handbook 44", "FLAECHE.DAT", "Acre (US Survey)", 4046.872609874252},
    {"preussischer Morgen 1816", "FLAECHE.DAT", "Morgen (preu\xDFisch)", 180 * 144 * (139.13 / 443.296) * (139.13 / 443.296)},
    {"oesterreichisches Joch nach dem Gesetz von 1871", "FLAECHE.DAT", "Joch (\xF6sterreichisch)",
     1600 * 1.89648384 * 1.89648384},
    {"Desjatine nach dem Ukas von 1835", "FLAECHE.DAT", "Desjatine", 2400 * 2.1336 * 2.1336},
    {"Tsubo nach dem Gesetz von 1891", "FLAECHE.DAT", "Tsubo", 400.0 / 121},
    {"Mu nach dem Gesetz von 1929", "FLAECHE.DAT", "Mu (China)", 2000.0 / 3},
    {"Rai nach dem Gesetz von 1923", "FLAECHE.DAT", "Rai", 1600},
    {"Feddan nach dem Kataster von 1907", "FLAECHE.DAT", "Feddan", 1000.0 / 3 * 3.55 * 3.55},
    {"bayerisches Tagwerk", "FLAECHE.DAT", "Tagwerk (bayerisch)", 40000 * 0.291859206 * 0.291859206},
};

// An area unit built on a length unit is the square of that length as shipped in the length file.
struct Quadrat {
    const char* flaeche;
    const char* laenge;
};

const Quadrat kQuadrate[] = {
    {"Quadratzoll", "Zoll"},
    {"Quadratyard", "Yard"},
    {"Quadratmeile", "Meile"},
    {"Quadratfu\xDF (US Survey)", "Fu\xDF (US Survey)"},
    {"Quadratvara (Texas)", "Vara (Texas)"},
    {"Quadratfu\xDF (preu\xDFisch)", "Fu\xDF (preu\xDFisch)"},
    {"Quadratrute (preu\xDFisch)", "Rute (preu\xDFisch)"},
    {"Quadratfu\xDF (bayerisch)", "Fu\xDF (bayerisch)"},
    {"Quadratrute (bayerisch)", "Rute (bayerisch)"},
    {"Quadratrute (badisch)", "Rute (badisch)"},
    {"Quadratrute (s\xE4" "chsisch)", "Rute (s\xE4" "chsisch)"},
    {"Quadratrute (w\xFCrttembergisch)", "Rute (w\xFCrttembergisch)"},
    {"Quadratrute (hannoversch)", "Rute (hannoversch)"},
    {"Quadratklafter (hessisch)", "Klafter (hessisch)"},
    {"Quadratmeile (geographisch)", "Geographische Meile"},
    {"Quadratklafter (Wien)", "Klafter (Wien)"},
    {"Quadratrute (Schweiz)", "Rute (Schweiz)"},
    {"Quadratfu\xDF (Paris)", "Fu\xDF (Paris)"},
    {"Perche carr\xE9" "e (Paris)", "Perche (Paris)"},
    {"Pes quadratus", "Pes"},
    {"Quadratelle (\xC4gypten)", "K\xF6nigselle (\xC4gypten)"},
    {"Quadratelle (hebr\xE4isch)", "Elle (hebr\xE4isch)"},
    {"Quadratsaschen", "Saschen"},
    {"Quadratchi (China)", "Chi (China)"},
    {"Tsubo", "Ken"},
    {"Quadratvara (Spanien)", "Vara (Spanien)"},
    {"Quadratvara (Mexiko)", "Vara (Mexiko)"},
    {"Quadratvara (Argentinien)", "Vara (Argentinien)"},
    {"Quadratvara (Kuba)", "Vara (Kuba)"},
    {"Bra\xE7" "a quadrada", "Bra\xE7" "a (Portugal)"},
    {"Quadratroede (Rijnland)", "Roede (Rijnland)"},
    {"Kvadratalen (D\xE4nemark)", "Alen (D\xE4nemark)"},
    {"Kvadratstang (Norwegen)", "Stang (Norwegen)"},
    {"Kvadratfot (Schweden)", "Fot (Schweden)"},
    {"Quadratrute (Polen)", "Rute (Polen)"},
    {"Quadratzira", "Zira (osmanisch)"},
    {"Quadrat-Qasaba", "Qasaba (\xC4gypten)"},
};

TEST(RelationenLaenge, FlaechenSindQuadrateDerLaengen) {
    for (const auto& q : kQuadrate) {
        SCOPED_TRACE(q.flaeche);
        const double l = faktor("LAENGE.DAT", q.laenge);
        EXPECT_TRUE(relativGleich(faktor("FLAECHE.DAT", q.flaeche), l * l));
    }
}

TEST(RelationenLaenge, HistorischeEinheitenFolgenIhrenGesetzen) {
    for (const auto& d : kDefinitionen) {
        SCOPED_TRACE(d.was);
        EXPECT_TRUE(relativGleich(faktor(d.datei, d.einheit), d.wert));
    }
}

struct Umfang {
    const char* datei;
    std::size_t mindestens;
};

const Umfang kUmfaenge[] = {{"LAENGE.DAT", 270}, {"FLAECHE.DAT", 130}};

TEST(RelationenLaenge, GebieteSindGrossUndInternational) {
    std::set<int> laender;
    for (const auto& u : kUmfaenge) {
        SCOPED_TRACE(u.datei);
        const int nr = gebietNr(u.datei);
        ASSERT_GT(nr, 0);
        const std::string& bezug = gebiete()[static_cast<std::size_t>(nr - 1)].Bezug;
        const auto saetze = liesSaetze(u.datei);
        EXPECT_GE(saetze.size(), u.mindestens);
        std::set<std::string> namen;
        for (const auto& s : saetze) {
            EXPECT_TRUE(std::isfinite(s.Faktor()) && s.Faktor() > 0) << s.Name();
            EXPECT_TRUE(namen.insert(s.Name()).second) << "doppelt: " << s.Name();
            laender.insert(s.LandNr());
        }
        ASSERT_EQ(faktoren(u.datei).count(bezug), 1u) << bezug;
        EXPECT_EQ(faktoren(u.datei).at(bezug), 1.0);
        const std::string text = gebietsBeschreibung(gebietsinfo(), nr);
        EXPECT_NE(text.find("Bezugseinheit: " + bezug), std::string::npos) << text;
    }
    EXPECT_GE(laender.size(), 35u);
}

} // namespace

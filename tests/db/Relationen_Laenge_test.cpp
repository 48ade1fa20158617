// The shipped length and area units: stated relations between units hold to 1e-12, historical units
// keep the values of their laws, and the categories are as large and as international as intended.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"

namespace {

using namespace qnt;

constexpr double kPi = 3.14159265358979323846;

std::string liesDatei(const std::string& name) {
    std::ifstream in(std::string(QUANTORA_DATEN_DIR) + "/" + name, std::ios::binary);
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

std::vector<TEinheitSatz> liesSaetze(const std::string& datei) {
    const std::string daten = liesDatei(datei);
    std::vector<TEinheitSatz> saetze(daten.size() / kSatzGroesse);
    for (std::size_t i = 0; i < saetze.size(); ++i)
        std::copy_n(daten.data() + i * kSatzGroesse, kSatzGroesse, reinterpret_cast<char*>(saetze[i].bytes.data()));
    return saetze;
}

const std::map<std::string, double>& faktoren(const std::string& datei) {
    static std::map<std::string, std::map<std::string, double>> cache;
    auto it = cache.find(datei);
    if (it == cache.end()) {
        std::map<std::string, double> f;
        for (const auto& s : liesSaetze(datei)) f[s.Name()] = s.Faktor();
        it = cache.emplace(datei, std::move(f)).first;
    }
    return it->second;
}

bool nahe(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b)); }

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
};

TEST(RelationenLaenge, GeltenAufZwoelfStellen) {
    for (const auto& r : kRelationen) {
        SCOPED_TRACE(r.was);
        const auto& f = faktoren(r.datei);
        const auto a = f.find(r.a);
        const auto b = f.find(r.b);
        ASSERT_NE(a, f.end()) << r.datei << ": " << r.a;
        ASSERT_NE(b, f.end()) << r.datei << ": " << r.b;
        EXPECT_TRUE(nahe(r.mengeA * a->second, r.mengeB * b->second))
            << r.mengeA * a->second << " != " << r.mengeB * b->second;
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
};

TEST(RelationenLaenge, HistorischeEinheitenFolgenIhrenGesetzen) {
    for (const auto& d : kDefinitionen) {
        SCOPED_TRACE(d.was);
        const auto& f = faktoren(d.datei);
        const auto e = f.find(d.einheit);
        ASSERT_NE(e, f.end()) << d.einheit;
        EXPECT_TRUE(nahe(e->second, d.wert)) << e->second << " != " << d.wert;
    }
}

struct Umfang {
    const char* datei;
    std::size_t mindestens;
};

const Umfang kUmfaenge[] = {{"LAENGE.DAT", 270}};

TEST(RelationenLaenge, GebieteSindGrossUndInternational) {
    const TGebiete gebiete = zerlegeGebiete(crLfZeilen(liesDatei(std::string(kGruppenDatei))));
    const std::string info = gebietsinfoAusZeilen(crLfZeilen(liesDatei(std::string(kGebietDatei))));
    std::set<int> laender;
    for (const auto& u : kUmfaenge) {
        SCOPED_TRACE(u.datei);
        const auto g = std::find_if(gebiete.begin(), gebiete.end(),
                                    [&](const TGebietEintrag& e) { return e.Dateiname == u.datei; });
        ASSERT_NE(g, gebiete.end());
        const auto saetze = liesSaetze(u.datei);
        EXPECT_GE(saetze.size(), u.mindestens);
        std::set<std::string> namen;
        for (const auto& s : saetze) {
            EXPECT_TRUE(std::isfinite(s.Faktor()) && s.Faktor() > 0) << s.Name();
            EXPECT_TRUE(namen.insert(s.Name()).second) << "doppelt: " << s.Name();
            laender.insert(s.LandNr());
        }
        ASSERT_EQ(faktoren(u.datei).count(g->Bezug), 1u) << g->Bezug;
        EXPECT_EQ(faktoren(u.datei).at(g->Bezug), 1.0);
        const std::string text = gebietsBeschreibung(info, static_cast<int>(g - gebiete.begin()) + 1);
        EXPECT_NE(text.find("Bezugseinheit: " + g->Bezug), std::string::npos) << text;
    }
    EXPECT_GE(laender.size(), 35u);
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "PflegeTesthilfe.h"
#include "data/Cp1252.h"
#include "data/Fehler.h"
#include "reference/Elementdaten.h"
#include "reference/Stoffwerte.h"
#include "reference/Tabellendaten.h"

using namespace qnt;

namespace {

using pflegetest::schreibeBytes;
using Ordner = pflegetest::TempOrdner;

std::string fehlertext(const std::function<void()>& f) {
    try {
        f();
    } catch (const LaufzeitFehler& e) {
        return e.what();
    }
    return "(kein Fehler)";
}

// Fields 1..12 of "Stoffw1.nfo": name, (unread), density, heat capacity, melting, boiling, fusion,
// vaporisation, conductivity, linear and volume expansion, resistivity. Mixed line ends on purpose.
const std::string kStoffw1 = "Eisen\tFe\t7860\t0,45\t1535\t2750\t277\t6340\t80\t0,012\t0,036\t0,1\r\n"
                             "Wasser\t\t998\t4,18\t0\t100\t334\t2257\t0,6\r"
                             "\t\t1000\n"
                             "Luft\r\n"
                             "Quecksilber\t\t\t\t-38,8\r\n";

} // namespace

// ---- substance data -------------------------------------------------------------------------------

TEST(StoffThemen, JedesThemaListetNurZeilenMitWertInDateiordnung) {
    Ordner o;
    schreibeBytes("Stoffw1.nfo", kStoffw1);
    struct Fall {
        const char* thema;
        std::vector<std::string> eintraege;
    };
    const Fall faelle[] = {
        {"Dichte", {"Eisen\t7860", "Wasser\t998", "\t1000"}}, // the name-less line shows tab + value
        {"Schmelzpunkte", {"Eisen\t1535", "Wasser\t0", "Quecksilber\t-38,8"}},
        {"Siedepunkte", {"Eisen\t2750", "Wasser\t100"}},
        {"W\xE4rmeleitf\xE4higkeit", {"Eisen\t80", "Wasser\t0,6"}},
        {"L\xE4ngenausdehnungskoeffizient", {"Eisen\t0,012"}}, // Wasser's line ends before field 10
        {"Spez. elektrischer Widerstand", {"Eisen\t0,1"}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zeigeStoffThema(f.thema).Eintraege, f.eintraege) << f.thema;
}

TEST(StoffThemen, ZweiThemenEinerDateiListenVerschiedeneTeilmengen) {
    Ordner o;
    schreibeBytes("Stoffw4.nfo", "Holz\t\t15\r\nKohle\t30\t29\r\nGas\t50\r\n");
    schreibeBytes("Stoffw3.nfo", "Ammoniak\t20\t14\r\nBlei\t\t0,1\r\n");
    EXPECT_EQ(zeigeStoffThema("Brennwert").Eintraege, (std::vector<std::string>{"Kohle\t30", "Gas\t50"}));
    EXPECT_EQ(zeigeStoffThema("Heizwert").Eintraege, (std::vector<std::string>{"Holz\t15", "Kohle\t29"}));
    EXPECT_EQ(zeigeStoffThema("MAK-Werte in ppm").Eintraege, (std::vector<std::string>{"Ammoniak\t20"}));
    EXPECT_EQ(zeigeStoffThema("MAK-Werte in mg/m\xB3").Eintraege,
              (std::vector<std::string>{"Ammoniak\t14", "Blei\t0,1"}));
    const StoffAnzeige ppm = zeigeStoffThema("MAK-Werte in ppm");
    EXPECT_EQ(ppm.Ueberschrift, "MAK-Werte in ppm");
    EXPECT_EQ(ppm.Bedingungszeile, "");
}

// An empty file lists nothing under heading and condition; a missing one is named; an unknown topic reads no file.
TEST(StoffThemen, LeereFehlendeUndUnbekannte) {
    Ordner o;
    schreibeBytes("Stoffw1.nfo", "");
    const StoffAnzeige a = zeigeStoffThema("Siedepunkte");
    EXPECT_TRUE(a.Eintraege.empty());
    EXPECT_EQ(a.Ueberschrift, "Siedepunkte in \xB0" "C");
    EXPECT_EQ(a.Bedingungszeile, "(bei 1013 mbar)");
    EXPECT_EQ(a.Tabweite, 120);
    EXPECT_EQ(fehlertext([] { zeigeStoffThema("Historische Bez. von Stoffen und Handelsnamen"); }),
              "Datei Stoffw7.nfo kann nicht ge\xF6" "ffnet werden");
    EXPECT_EQ(zeigeStoffThema("Dicht").Ueberschrift, "");
}

// ---- chemical elements ----------------------------------------------------------------------------

TEST(Elementblatt, Gruppentext) {
    struct Fall {
        const char* name;
        const char* code;
        const char* text;
    };
    const Fall faelle[] = {
        {"Actinoide", "A", "Actinoide"},          {"Lanthanoide", "L", "Lanthanoide"},
        {"Hauptgruppe", "H3", "3. Hauptgruppe"},  {"nur eine Ziffer zaehlt", "N12", "1. Nebengruppe"},
        {"klein h ist keine Hauptgruppe", "h2", "2. Nebengruppe"},
        {"A mit Zusatz ist kein Actinoid", "A3", "3. Nebengruppe"},
        {"H ohne Nummer", "H", ". Hauptgruppe"},  {"leeres Feld", "", ". Nebengruppe"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(gruppenText(f.code), f.text) << f.name;
}

TEST(Elementblatt, ZustandUndDichtebeschriftung) {
    struct Fall {
        const char* code;
        const char* zustand;
        std::string_view dichte;
    };
    const Fall faelle[] = {
        {"fest", "fest", elementtext::DichteFestFluessig}, {"fl", "fl\xFCssig", elementtext::DichteFestFluessig},
        {"gas", "gasf\xF6rmig", elementtext::DichteGas},   {"Fest", "", elementtext::DichteGas},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zustandsText(f.code), f.zustand) << f.code;
        EXPECT_EQ(elementblatt(std::string("X\tX\t=\t") + f.code).DichteBeschriftung, f.dichte) << f.code;
    }
}

TEST(Elementblatt, DatenblattAusAllenSechzehnFeldern) {
    const Elementblatt b =
        elementblatt("Eisen\tFe\tiron\tfest\t55,845\t26\tN8\t2, 3\t[Ar] 3d6 4s2\t7,874\t1538\t2862"
                     "\t0,449\t25,1\tunbekannt\tAltertum");
    EXPECT_EQ(b.Name, "Eisen");
    EXPECT_EQ(b.Symbol, "Fe");
    EXPECT_EQ(b.EnglischerName, "iron");
    EXPECT_EQ(b.Zustand, "fest");
    EXPECT_EQ(b.Atommasse, "55,845");
    EXPECT_EQ(b.Ordnungszahl, "26");
    EXPECT_EQ(b.Gruppe, "8. Nebengruppe");
    EXPECT_EQ(b.Oxidationszahl, "2, 3");
    EXPECT_EQ(b.Elektronenkonfig, "[Ar] 3d6 4s2");
    EXPECT_EQ(b.Dichte, "7,874");
    EXPECT_EQ(b.DichteBeschriftung, elementtext::DichteFestFluessig);
    EXPECT_EQ(b.Schmelzpunkt, "1538");
    EXPECT_EQ(b.Siedepunkt, "2862");
    EXPECT_EQ(b.WaermeJeGramm, "0,449");
    EXPECT_EQ(b.WaermeJeMol, "25,1");
    EXPECT_EQ(b.Entdeckung, "Entdeckt Altertum von unbekannt");
}

// "=" stands for the element's own name; empty fields still give the discovery line; empty lines keep their place.
TEST(Elementblatt, RandfaelleDerFelder) {
    EXPECT_EQ(elementblatt("Helium\tHe\t=\tgas").EnglischerName, "Helium");
    EXPECT_EQ(elementblatt("Helium\tHe\t= \tgas").EnglischerName, "= ");
    EXPECT_EQ(elementblatt("").Entdeckung, "Entdeckt  von ");
    EXPECT_EQ(elementblatt("a\t\t\t\t\t\t\t\t\t\t\t\t\t\tCurie\t1898").Entdeckung, "Entdeckt 1898 von Curie");
    EXPECT_EQ(elementNamen({"Wasserstoff\tH", "", "Lithium\tLi"}),
              (std::vector<std::string>{"Wasserstoff", "", "Lithium"}));
}

// ---- miscellaneous tables -------------------------------------------------------------------------

TEST(TabellenThemen, JedesThemaZeigtGenauSeinenBereich) {
    std::vector<std::string> datei;
    for (int i = 1; i <= 153; ++i)
        datei.push_back("Zeile " + std::to_string(i) + "\tB");
    for (const auto& t : kTabellenThemen) {
        const TabellenAuszug a = tabellenZeilen(datei, t);
        EXPECT_FALSE(a.FehlendeZeile.has_value()) << t.Text;
        ASSERT_EQ(static_cast<int>(a.Zeilen.size()), t.zeilenzahl()) << t.Text;
        EXPECT_EQ(a.Zeilen.front(), "Zeile " + std::to_string(t.Von) + "\tB");
        EXPECT_EQ(a.Zeilen.back(), "Zeile " + std::to_string(t.Bis) + "\tB");
    }
}

TEST(TabellenThemen, FehlendeZeilenMeldenDenNullbasiertenIndexDerErsten) {
    struct Fall {
        const char* name;
        int zeilenInDatei;
        const char* thema;
        std::size_t gezeigt;
        int fehlend;
    };
    const Fall faelle[] = {
        {"Sieberg halb da", 150, "Seebebenst\xE4rken (Sieberg-Skala)", 3, 150},
        {"Sieberg ohne Zeile", 147, "Seebebenst\xE4rken (Sieberg-Skala)", 0, 147},
        {"leere Datei, Buchformate", 0, "Buchformate", 0, 137},
        {"leere Datei, Beaufort", 0, "Windst\xE4rken (Beaufort-Skala)", 0, 0},
        {"Beaufort bis auf die letzte", 17, "Windst\xE4rken (Beaufort-Skala)", 17, 17},
    };
    for (const auto& f : faelle) {
        const std::vector<std::string> datei(static_cast<std::size_t>(f.zeilenInDatei), "x");
        const TabellenAuszug a = tabellenZeilen(datei, *findeTabellenThema(f.thema));
        EXPECT_EQ(a.Zeilen.size(), f.gezeigt) << f.name;
        ASSERT_TRUE(a.FehlendeZeile.has_value()) << f.name;
        EXPECT_EQ(*a.FehlendeZeile, f.fehlend) << f.name;
    }
    EXPECT_STREQ(listenIndexFehler(150).what(), "Der Index der Liste \xFC"
                                                "berschreitet das Maximum (150)");
}

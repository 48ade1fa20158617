// Hidden units, own units and factor changes.
#include <gtest/gtest.h>

#include <cstring>

#include "PflegeTesthilfe.h"
#include "data/Laender.h"
#include "maintain/AusgeblendeteEinheiten.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/Laenderauswahl.h"

using namespace qnt;
using namespace pflegetest;

namespace {

// The bytes of a record built from scratch: zero everywhere but where the test writes.
struct Erwartet {
    std::array<std::uint8_t, kSatzGroesse> b{};
    Erwartet& byte(std::size_t o, std::uint8_t v) { return b[o] = v, *this; }
    Erwartet& text(std::size_t o, std::string_view s) {
        b[o] = static_cast<std::uint8_t>(s.size());
        std::memcpy(b.data() + o + 1, s.data(), s.size());
        return *this;
    }
    Erwartet& faktor(double f) { return std::memcpy(b.data() + 68, &f, 8), *this; }
};

// Shown, marked as the user's own, with country, symbol, name and factor.
Erwartet eigen(std::uint8_t land, std::string_view kurz, std::string_view name, double f) {
    return Erwartet{}.byte(0, 1).byte(1, 'j').byte(8, land).text(9, kurz).text(30, name).faktor(f);
}

} // namespace

// ---------------------------------------------------------------- hidden units

class Ausgeblendete : public OrdnerTest {};

TEST_F(Ausgeblendete, ListeZeigtNameUndLandMitSatzNr) {
    schreibeSaetze("D.DAT", {satz("Elle", 1, 36), satz("Fuss", 0, 37), satz("Klafter", 2, 1),
                             satz("Rute", 0, 73), satz("Zoll", 0, 99)});
    std::vector<TAusgeblendeteEinheit> liste;
    ASSERT_TRUE(ladeAusgeblendete("D.DAT", liste));
    ASSERT_EQ(liste.size(), 3u) << "only Angezeigt 0 is hidden";
    EXPECT_EQ(liste[0].Zeile, "Fuss - Deutschland - Baden");
    EXPECT_EQ(liste[0].Daten.SatzNr, 1);
    EXPECT_EQ(liste[1].Zeile, "Rute - \xD6sterreich");
    EXPECT_EQ(liste[1].Daten.SatzNr, 3);
    EXPECT_EQ(liste[2].Zeile, "Zoll - ") << "a country outside the table has no name";
    EXPECT_EQ(liste[2].Daten.SatzNr, 4);
}

TEST_F(Ausgeblendete, DreiVonFuenfEinblendenAendertNurByteNull) {
    std::vector<TEinheitSatz> saetze;
    for (const char* n : {"A", "B", "C", "D", "E"})
        saetze.push_back(satz(n, 0));
    schreibeSaetze("D.DAT", saetze);
    ASSERT_TRUE(einblenden("D.DAT", {0, 2, 4}));
    for (int i : {0, 2, 4})
        saetze[static_cast<std::size_t>(i)].setzeAngezeigt(1);
    EXPECT_EQ(bytesVon("D.DAT"), bytesAus(saetze));
    std::vector<TAusgeblendeteEinheit> rest;
    ASSERT_TRUE(ladeAusgeblendete("D.DAT", rest));
    ASSERT_EQ(rest.size(), 2u);
    EXPECT_EQ(rest[0].Daten.SatzNr, 1);
    EXPECT_EQ(rest[1].Daten.SatzNr, 3);
}

TEST_F(Ausgeblendete, OhneMarkierungWirdKeineDateiAngefasst) {
    int ops = 0;
    HakenWaechter w([&](DateiOp, std::string_view) { return ++ops, false; });
    EXPECT_TRUE(einblenden("FEHLT.DAT", {}));
    EXPECT_EQ(ops, 0);
}

TEST_F(Ausgeblendete, EinblendenOhneDateiMeldetRevisionsfehler) {
    const auto r = einblenden("FEHLT.DAT", {0});
    EXPECT_FALSE(r);
    EXPECT_EQ(r.Meldung, revisionsFehlertext("FEHLT.DAT"));
    EXPECT_TRUE(ordner.dateien().empty());
}

TEST_F(Ausgeblendete, LoeschenEntferntAlleNichtAngezeigten) {
    schreibeSaetze("D.DAT", {satz("A", 0), satz("B", 1), satz("C", 2), satz("D", 1)});
    EXPECT_TRUE(loescheAusgeblendete("D.DAT"));
    EXPECT_EQ(bytesVon("D.DAT"), bytesAus({satz("B"), satz("D")}));
    EXPECT_TRUE(loescheAusgeblendete("D.DAT")); // nothing hidden: the file stays as it is
    EXPECT_EQ(bytesVon("D.DAT"), bytesAus({satz("B"), satz("D")}));
}

TEST(AusgeblendeteTexte, NurTemperaturVerweigertDasLoeschen) {
    EXPECT_EQ(loeschVerweigerung(gebietsartVon("Temperatur")),
              "Beim Gebiet \"Temperatur\" k\xF6nnen keine Einheiten gel\xF6scht werden!");
    for (const char* g : {"temperatur", "Zahlensysteme", "W\xE4hrungen", "L\xE4nge"})
        EXPECT_EQ(loeschVerweigerung(gebietsartVon(g)), std::nullopt) << g;
    EXPECT_EQ(loeschFrage("L\xE4nge"),
              "Sollen die ausgeblendeten Einheiten des Gebietes \"L\xE4nge\" wirklich aus "
              "der Datendatei gel\xF6scht werden?");
}

// ---------------------------------------------------------------- own units

// Which dialogs a category opens; the three rule-based ones refuse both, with the fitting text.
TEST(DialogWahl, NachGebietsname) {
    using E = Einfuegedialog;
    using F = Faktordialog;
    const struct {
        const char* gebiet;
        Einfuegedialog einfuegen;
        Faktordialog faktor;
    } faelle[] = {
        {"Zahlensysteme", E::Keiner, F::Keiner},          {"Temperatur", E::Keiner, F::Keiner},
        {"Br\xFC" "che", E::Keiner, F::Keiner},           {"W\xE4hrungen", E::Waehrung, F::Kurstabelle},
        {"Weltzeit", E::Weltzeit, F::Weltzeit},           {"L\xE4nge", E::Gewoehnlich, F::Gewoehnlich},
        {"temperatur", E::Gewoehnlich, F::Gewoehnlich},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.gebiet);
        EXPECT_EQ(einfuegedialogFuer(gebietsartVon(f.gebiet)), f.einfuegen);
        EXPECT_EQ(faktordialogFuer(gebietsartVon(f.gebiet)), f.faktor);
        const bool verweigert = f.einfuegen == Einfuegedialog::Keiner;
        EXPECT_EQ(einfuegeVerweigerung(gebietsartVon(f.gebiet)).has_value(), verweigert);
        EXPECT_EQ(faktorVerweigerung(gebietsartVon(f.gebiet)).has_value(), verweigert);
        if (verweigert) {
            EXPECT_NE(einfuegeVerweigerung(gebietsartVon(f.gebiet))->find("Einf\xFCgen von eigenen Einheiten"),
                      std::string::npos);
            EXPECT_NE(faktorVerweigerung(gebietsartVon(f.gebiet))->find("\xC4ndern des Umrechnungsfaktors"),
                      std::string::npos);
        }
    }
}

TEST(Laenderauswahl, SechsundsechzigLaenderInTabellenordnung) {
    const auto& l = laenderAuswahl();
    ASSERT_EQ(l.size(), 66u);
    EXPECT_EQ(landName(l.front()), "SI-Einheit");
    EXPECT_EQ(gueltigeLandNr(50), 50);
    for (int leer : {0, 6, 41, 59, 92, -1})
        EXPECT_EQ(gueltigeLandNr(leer), kLandEigeneEinheit) << leer;
}

TEST(EigeneEinheit, GewoehnlicherSatzByteFuerByte) {
    const TEinheitSatz s =
        satzEigeneEinheit({"Doppelmeile", "dm", "Meile mal zwei", "Wandern", 50}, 3218.688);
    const auto e = eigen(50, "dm", "Doppelmeile", 3218.688).text(76, "Meile mal zwei").text(143, "Wandern");
    EXPECT_EQ(s.bytes, e.b);
}

TEST(EigeneEinheit, WaehrungssatzByteFuerByte) {
    const TEinheitSatz s = satzEigeneWaehrung({"Taler", "T", "1.1.2024", "ca. 3 Euro", 36}, 2.5);
    const auto e = eigen(36, "T", "Taler", 2.5).text(110, "1.1.2024").text(212, "ca. 3 Euro");
    EXPECT_EQ(s.bytes, e.b);
}

TEST(EigeneEinheit, WeltzeitsatzTeiltMinutenDurchSechzig) {
    const TEinheitSatz s = satzEigeneWeltzeit({"Neufundland", "NST", "M\xE4rz bis November", 5}, -90);
    const auto e = eigen(5, "NST", "Neufundland", -1.5).text(110, "M\xE4rz bis November");
    EXPECT_EQ(s.bytes, e.b);
    EXPECT_EQ(satzEigeneWeltzeit({}, 330).Faktor(), 5.5);
}

TEST(EigeneEinheit, TexteWerdenAufIhreKapazitaetGekuerztUndLeereLandwahlWirdEigeneEinheit) {
    const std::string lang(50, 'x');
    const TEinheitSatz s = satzEigeneEinheit({lang, lang, lang, lang, 0}, 1);
    EXPECT_EQ(s.Name(), lang.substr(0, 34));
    EXPECT_EQ(s.Kurzzeichen(), lang.substr(0, 20));
    EXPECT_EQ(s.SonstigeNamen(), lang.substr(0, 33));
    EXPECT_EQ(s.Einsatzgebiet(), lang.substr(0, 27));
    EXPECT_EQ(s.LandNr(), kLandEigeneEinheit);
    const TEinheitSatz w = satzEigeneWaehrung({"", "", lang, lang, 41}, 0);
    EXPECT_EQ(w.Uebersetzung(), lang.substr(0, 32));
    EXPECT_EQ(w.CaWert(), lang.substr(0, 21));
    EXPECT_EQ(w.LandNr(), kLandEigeneEinheit);
}

class EigeneEinheitEinfuegen : public OrdnerTest {};

TEST_F(EigeneEinheitEinfuegen, KommtVorDenGleichnamigenGrossgeschriebenen) {
    schreibeSaetze("L.DAT", {satz("Meile"), satz("Millimeter")});
    const TEinheitSatz neu = satzEigeneEinheit({"meile", "", "", "", 4}, 1609.344);
    ASSERT_TRUE(fuegeEinheitEin("L.DAT", neu));
    EXPECT_EQ(bytesVon("L.DAT"), bytesAus({neu, satz("Meile"), satz("Millimeter")}));
}

// ---------------------------------------------------------------- factor changes

TEST(Faktortext, SiebzehnZeichenMitNeunStellen) {
    const std::pair<double, const char*> faelle[] = {
        {1000, " 1,00000000E+0003"},        {0.0025, " 2,50000000E-0003"},
        {-1609.344, "-1,60934400E+0003"},   {-0.0, " 0,00000000E+0000"},
        {1.234567894, " 1,23456789E+0000"}, {1.234567896, " 1,23456790E+0000"}, // ninth digit rounded
        {9.9999999996, " 1,00000000E+0001"}, {1.5e-300, " 1,50000000E-0300"},  // rounding raises the exponent
        {-1.7976931348623157e308, "-1,79769313E+0308"}, {4.9406564584124654e-324, " 4,94065646E-0324"},
    };
    for (const auto& [faktor, text] : faelle) EXPECT_EQ(faktorText(faktor), text) << faktor;
}

// Whole minutes, halves to the even number.
TEST(Minutentext, GanzeMinutenHalbeZurGeradenZahl) {
    const std::pair<double, const char*> faelle[] = {
        {-3.5, "-210"}, {30.5 / 60, "30"}, {31.5 / 60, "32"}, {-30.5 / 60, "-30"}, {-0.5 / 60, "0"},
        {5.75 + 0.004, "345"},
    };
    for (const auto& [stunden, text] : faelle) EXPECT_EQ(minutenText(stunden), text) << stunden;
}

class Faktoraendern : public OrdnerTest {};

TEST_F(Faktoraendern, SchreibtNurDenFaktorUndDannDenEintrag) {
    const std::vector<TEinheitSatz> alt{satz("Elle", 1, 36, 0.5), satz("Fuss", 1, 36, 0.3)};
    schreibeSaetze("L.DAT", alt);
    TAusgabetextobject eintrag{alt[1], 1, "x", "y"};
    ASSERT_TRUE(aendereFaktor("L.DAT", eintrag, 0.0025));
    auto erwartet = alt;
    erwartet[1].setzeFaktor(0.0025);
    EXPECT_EQ(bytesVon("L.DAT"), bytesAus(erwartet));
    EXPECT_EQ(eintrag.Satz, erwartet[1]);
}

TEST_F(Faktoraendern, WeltzeitSetztStundenUndSommerzeit) {
    const std::vector<TEinheitSatz> alt{satz("Berlin", 1, 36, 1), satz("Teheran", 1, 60, 3.5)};
    schreibeSaetze("W.DAT", alt);
    TAusgabetextobject eintrag{alt[1], 1, {}, {}};
    const std::string lang = "21. M\xE4rz bis 21. September und noch mehr";
    ASSERT_TRUE(aendereWeltzeit("W.DAT", eintrag, 60, lang));
    auto erwartet = alt;
    erwartet[1].setzeFaktor(1);
    erwartet[1].setzeUebersetzung(lang.substr(0, 32));
    EXPECT_EQ(bytesVon("W.DAT"), bytesAus(erwartet));
    EXPECT_EQ(eintrag.Satz, erwartet[1]);
    EXPECT_EQ(eintrag.Satz.Uebersetzung().size(), 32u);
}

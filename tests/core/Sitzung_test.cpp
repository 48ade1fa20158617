// The main window's rules, on the session: start and settings, list and order, hiding, the converters'
// reports, automatic calculation, copying.
#include <gtest/gtest.h>

#include <cstdio>

#include "PflegeTesthilfe.h"
#include "data/Fehler.h"
#include "list/Sitzung.h"

using namespace qnt;
using pflegetest::bytesVon;
using pflegetest::schreibeBytes;

namespace {

enum { Brueche, Laenge, Temperatur, Weltzeit, Waehrungen, Zahlensysteme };

TEinheitSatz einheit(std::string_view name, int land = 1, double faktor = 1.0, int angezeigt = 1) {
    return pflegetest::satz(name, static_cast<std::uint8_t>(angezeigt), static_cast<std::uint8_t>(land), faktor);
}

std::string ini(std::string_view pos, std::string_view sort = "0", std::string_view wiss = "0",
                std::string laender = std::string(91, '1')) {
    return "5.0\r\n0\r\n0\r\n0\r\n" + std::string(pos) + "\r\n" + std::string(sort) + "\r\n" + std::string(wiss) +
           "\r\n" + laender + "\r\n";
}

const std::string kLeer = "Die Einheiten-Liste enth\xE4lt keine Eintr\xE4ge! Es sind entweder alle Einheiten oder "
                          "alle L\xE4nder ausgeblendet oder die Datendatei konnte nicht ge\xF6" "ffnet werden.";
const std::string kFalsch = "Falsche Eingabe im Werteingabeld! Bitte \xE4ndern! ";

class SitzungTest : public pflegetest::OrdnerTest {
protected:
    void SetUp() override {
        schreibeBytes("Gruppen.nfo", "Br\xFC" "che\tB.DAT\tBruch\r\nL\xE4nge\tL.DAT\tMeter\r\nTemperatur\tT.DAT\tKelvin\r\n"
                                     "Weltzeit\tZ.DAT\tUTC\r\nW\xE4hrungen\tW.DAT\tEuro\r\nZahlensysteme\tN.DAT\tDezimal\r\n");
        schreibeBytes("Gebiet.nfo", "B\r\n*\r\nL\r\n*\r\nT\r\n*\r\nZ\r\n*\r\nGeld\r\n*\r\nN\r\n*\r\n");
        TEinheitSatz elle = einheit("Elle", 39, 0.5);
        elle.setzeKurzzeichen("");
    elle.setzeRegUnterschiede(1);
        elle.setzeZeitUnterschiede(1);
        TEinheitSatz fuss = einheit("Fu\xDF", 2, 0.3048);
        fuss.setzeKurzzeichen("ft");
        fuss.setzeSonstigeNamen("foot");
        pflegetest::schreibeSaetze("L.DAT", {elle, fuss, einheit("Kilometer", 1, 1000), einheit("Meter"),
                                             einheit("Null", 5, 0), einheit("Rute", 39, 1, 0), einheit("Zoll", 2, 0.0254)});
        pflegetest::schreibeSaetze("B.DAT", {einheit("Bruch", 5), einheit("Dezimalzahl", 5)});
        std::vector<TEinheitSatz> t;
        for (const char* n : {"Celsius", "Centigrade", "Fahrenheit", "Kelvin", "Rankine", "S", "T1", "T2", "T3", "T4"})
            t.push_back(einheit(n));
        pflegetest::schreibeSaetze("T.DAT", t);
        TEinheitSatz berlin = einheit("Berlin", 36, 1);
        berlin.setzeUebersetzung("letzter So. M\xE4rz");
        pflegetest::schreibeSaetze("Z.DAT", {berlin, einheit("New York", 90, -5), einheit("Tokio", 63, 9)});
        pflegetest::schreibeSaetze("W.DAT", {einheit("Euro"), einheit("Mark", 36, 0.5112918811962185),
                                             einheit("Taler", 36, 0)});
        pflegetest::schreibeSaetze("N.DAT", {einheit("Bin\xE4r", 5), einheit("Dezimal", 5), einheit("Hex", 5),
                                             einheit("Oktal", 5), einheit("R\xF6misch", 79)});
    }

    // Starts as the window does, with the given settings file.
    TBerichte starte(const std::string& einstellungen) {
        schreibeBytes("QNT5.INI", einstellungen);
        TBerichte b = s.starte();
        const TBerichte o = s.oeffne();
        b.insert(b.end(), o.begin(), o.end());
        return b;
    }
    std::vector<std::string> namen() const {
        std::vector<std::string> n;
        for (const auto& e : s.liste()) n.push_back(e.Satz.Name());
        return n;
    }
    std::string wiss(int z) const { return s.liste()[static_cast<std::size_t>(z)].ErgebnisWiss; }
    std::string fest(int z) const { return s.liste()[static_cast<std::size_t>(z)].ErgebnisFest; }

    TSitzung s;
};

TBericht fehler(std::string text, bool markieren = true) { return {Berichtsart::Fehler, std::move(text), true, markieren}; }

TEST_F(SitzungTest, ErsterStartOhneEinstellungenWarntUndSchreibtDieStandardwerte) {
    const TBerichte b = s.starte();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].Art, Berichtsart::Warnung);
    EXPECT_EQ(b[0].Text, kEinstellungenFehlen);
    EXPECT_TRUE(s.oeffne().empty());
    EXPECT_EQ(s.gebietsindex(), 0);
    EXPECT_TRUE(s.sortAlphabet() && s.wissAnzeige() && !s.AutoRechnen);
    ASSERT_FALSE(s.liste().empty());
    EXPECT_TRUE(s.beende().empty());
    EXPECT_EQ(bytesVon("QNT5.INI"), ini("1"));
    EXPECT_TRUE(s.liste().empty());
    EXPECT_EQ(s.markiert(), -1);
}

struct Startfall {
    std::string name, einstellungen;
    int index;
    bool warnung;
};

class Startposition : public SitzungTest, public ::testing::WithParamInterface<Startfall> {};

TEST_P(Startposition, WaehltDasGespeicherteGebiet) {
    const Startfall& f = GetParam();
    const TBerichte b = starte(f.einstellungen);
    EXPECT_EQ(s.gebietsindex(), f.index);
    EXPECT_EQ(b.size(), f.warnung ? 1u : 0u);
    if (f.warnung) {
        EXPECT_TRUE(s.sortAlphabet() && s.wissAnzeige());
    }
}

INSTANTIATE_TEST_SUITE_P(Sitzung, Startposition,
                         ::testing::Values(Startfall{"NullDasErste", ini("0"), 0, false},
                                           Startfall{"JenseitsDesEndesDasErste", ini("9"), 0, false},
                                           Startfall{"GleichDerAnzahlDasLetzte", ini("6"), 5, false},
                                           Startfall{"SiebenZeilen", "5.0\r\n0\r\n0\r\n0\r\n3\r\n1\r\n1\r\n", 0, true},
                                           Startfall{"KeineZahl", ini("zwei"), 0, true}),
                         pflegetest::NachName{});

TEST_F(SitzungTest, LaenderUndSortierungAusDenEinstellungenUndZurueck) {
    std::string laender(91, '1');
    laender[35] = '2'; // Deutschland: only "0" hides
    laender[38] = '0'; // Preußen hidden
    EXPECT_TRUE(starte(ini("2", "7", "1", laender)).empty());
    EXPECT_FALSE(s.sortAlphabet());
    EXPECT_FALSE(s.wissAnzeige());
    EXPECT_TRUE(s.LandAngezeigt[36]);
    EXPECT_EQ(namen(), (std::vector<std::string>{"Kilometer", "Meter", "Fu\xDF", "Zoll", "Null"}));
    s.waehleGebiet(Weltzeit);
    s.beende();
    laender[35] = '1';
    EXPECT_EQ(bytesVon("QNT5.INI"), ini("4", "1", "1", laender));
}

TEST_F(SitzungTest, OhneGebietsindexTunDieBefehleNichts) {
    std::remove("Gruppen.nfo");
    s.starte();
    try {
        s.oeffne();
        FAIL();
    } catch (const LaufzeitFehler& e) {
        EXPECT_STREQ(e.what(), "Datei Gruppen.nfo kann nicht ge\xF6" "ffnet werden");
    }
    EXPECT_FALSE(s.gebietGewaehlt());
    EXPECT_EQ(s.blendeAus(), TAntwort{});
    EXPECT_EQ(s.sortiereNachLand(), TAntwort{});
    EXPECT_EQ(s.sortiereNachAlphabet(), TAntwort{});
    EXPECT_EQ(s.rechne("1"), TAntwort{});
    EXPECT_EQ(s.gebietsbeschreibung(), std::nullopt);
    s.beende();
    EXPECT_EQ(bytesVon("QNT5.INI").substr(0, 15), "5.0\r\n0\r\n0\r\n0\r\n0");
}

TEST_F(SitzungTest, FehlendeDatendateiUndLeereListeWerdenGemeldet) {
    std::remove("L.DAT");
    const TBerichte b = starte(ini("2"));
    EXPECT_EQ(b, (TBerichte{{Berichtsart::Fehler, "Die Datei L.DAT konnte nicht ge\xF6" "ffnet werden!"},
                            {Berichtsart::Information, kLeer}}));
    EXPECT_EQ(s.markiert(), -1);
    EXPECT_TRUE(s.waehleGebiet(Waehrungen).empty());
    s.LandAngezeigt.fill(false);
    EXPECT_EQ(s.listeNeuLaden(), (TBerichte{{Berichtsart::Information, kLeer}}));
}

TEST_F(SitzungTest, SortierungNachLandDannNachNamen) {
    starte(ini("2"));
    s.rechne("1");
    ASSERT_TRUE(s.sortiereNachLand().Ausgefuehrt);
    EXPECT_EQ(namen(), (std::vector<std::string>{"Kilometer", "Meter", "Fu\xDF", "Zoll", "Null", "Elle"}));
    EXPECT_FALSE(s.ErgebnisGueltig);
    s.markiere(2);
    s.blendeAus(); // Fuß, in the file
    ASSERT_TRUE(s.sortiereNachAlphabet().Ausgefuehrt);
    EXPECT_EQ(namen(), (std::vector<std::string>{"Elle", "Kilometer", "Meter", "Null", "Zoll"}));
    EXPECT_EQ(s.markiert(), 0);
}

TEST_F(SitzungTest, AusblendenSchreibtNurByteNullUndMarkiertDieZeileDarueber) {
    starte(ini("2"));
    std::string erwartet = bytesVon("L.DAT");
    s.rechne("1");
    EXPECT_TRUE(s.blendeAus().Berichte.empty()); // row 0: Elle
    EXPECT_FALSE(s.ErgebnisGueltig);
    erwartet[0] = 0;
    EXPECT_EQ(bytesVon("L.DAT"), erwartet);
    EXPECT_EQ(s.gewaehlteEinheit()->Satz.Name(), "Fu\xDF");
    s.markiere(3);
    s.blendeAus();
    EXPECT_EQ(s.markiert(), 2);
    while (!s.liste().empty()) EXPECT_TRUE(s.blendeAus().Berichte.empty()); // no empty-list message
    EXPECT_EQ(s.markiert(), -1);
    EXPECT_EQ(s.gewaehlteEinheit(), nullptr);
    EXPECT_EQ(s.infopanel(), TInfopanel{});
    EXPECT_FALSE(s.blendeAus().Ausgefuehrt);
}

TEST_F(SitzungTest, InformationspanelUndBeschreibung) {
    starte(ini("2"));
    TInfopanel p = s.infopanel(); // Elle
    EXPECT_EQ(p.Regional, "Achtung: regionale Unterschiede");
    EXPECT_EQ(p.Zeitlich, "Achtung: zeitliche Unterschiede");
    EXPECT_EQ(p.Paare[0], (std::array<std::string, 2>{}));
    EXPECT_EQ(p.LandTitel + p.Land, "Land: Deutschland - Preu\xDF" "en");
    s.markiere(1);
    p = s.infopanel();
    EXPECT_EQ(p.Paare[0], (std::array<std::string, 2>{"Kurzzeichen:", "ft"}));
    EXPECT_EQ(p.Paare[1], (std::array<std::string, 2>{"Sonstige Namen:", "foot"}));
    EXPECT_EQ(p.Regional, "");
    s.waehleGebiet(Weltzeit);
    EXPECT_EQ(s.infopanel().Paare[2], (std::array<std::string, 2>{"Sommerzeit (+ 1 Stunde): ", "letzter So. M\xE4rz"}));
    s.waehleGebiet(Waehrungen);
    s.liste()[0].Satz.setzeUebersetzung("2022");
    EXPECT_EQ(s.infopanel().Paare[2][0], "Stand: ");
    EXPECT_EQ(s.gebietsbeschreibung(), "\r\nGeld\r\n");
}

struct Rechenfall {
    std::string name;
    int gebiet, zeile;
    std::string eingabe;
    bool ergebnisse;
    TBerichte berichte;
    std::vector<std::pair<int, std::string>> wiss, fest;
    bool neuLaden = false;
};

class Umrechnung : public SitzungTest, public ::testing::WithParamInterface<Rechenfall> {};

TEST_P(Umrechnung, ErgebnisseUndBerichte) {
    const Rechenfall& f = GetParam();
    starte(ini(std::to_string(f.gebiet + 1)));
    s.markiere(f.zeile);
    const TAntwort a = s.rechne(f.eingabe);
    EXPECT_TRUE(a.Ausgefuehrt);
    EXPECT_EQ(a.Ergebnisse, f.ergebnisse);
    EXPECT_EQ(s.ErgebnisGueltig, f.ergebnisse);
    EXPECT_EQ(a.Berichte, f.berichte);
    EXPECT_EQ(a.NeuLaden, f.neuLaden);
    for (const auto& [z, t] : f.wiss) EXPECT_EQ(wiss(z), t) << z;
    for (const auto& [z, t] : f.fest) EXPECT_EQ(fest(z), t) << z;
}

INSTANTIATE_TEST_SUITE_P(
    Sitzung, Umrechnung,
    ::testing::Values(
        Rechenfall{"Faktor", Laenge, 3, "1,50", true, {}, {{2, " 1,500000E-0003"}, {4, " 0,000000E+0000"}}, {{3, "  1,5000000000"}}},
        Rechenfall{"Null", Laenge, 3, "0", false, {fehler(kFalsch)}, {{2, ""}}, {}},
        Rechenfall{"MinusNull", Laenge, 3, "-0", false, {fehler(kFalsch)}, {}, {}},
        Rechenfall{"Tausenderpunkt", Laenge, 3, "1.000,5", false, {fehler(kFalsch)}, {}, {}},
        Rechenfall{"Blank", Laenge, 3, "12 ", false, {fehler(kFalsch)}, {}, {}},
        Rechenfall{"Leer", Laenge, 3, "", false, {fehler(kFalsch)}, {}, {}},
        Rechenfall{"Temperatur", Temperatur, 0, "100", true, {}, {}, {{2, "  212,00000000"}, {3, "  373,15000000"}}},
        Rechenfall{"Waehrung", Waehrungen, 0, "1", true, {}, {{2, " unbekannt"}}, {{1, "  1,9558300000"}}},
        Rechenfall{"Weltzeit", Weltzeit, 0, "12:00", true, {}, {{1, "06:00"}, {2, "20:00"}}, {}},
        Rechenfall{"Zahlensysteme", Zahlensysteme, 1, "255", true, {},
                   {{0, "11111111"}, {2, "FF"}, {3, "377"}, {4, "CCLV"}}, {}},
        Rechenfall{"HexZuGross", Zahlensysteme, 2, "80000000", false,
                   {fehler("Die Hexadezimalzahl ist zu gro\xDF!", false)}, {}, {}},
        Rechenfall{"RoemischNachDenErgebnissen", Zahlensysteme, 4, "IM", true,
                   {fehler("Falsche R\xF6mische Zahl!", false)}, {{4, "CMXCIX"}, {1, "999"}}, {}},
        Rechenfall{"Bruch", Brueche, 0, "6/4", true, {}, {{0, " 1 1/2"}}, {{1, "  1,5000000000"}}},
        Rechenfall{"BruchZuVieleStellenLaedtNeu", Brueche, 1, "0,1234567891", false,
                   {fehler("Zahl im Eingabefeld zu gro\xDF!", false)}, {}, {}, true}),
    pflegetest::NachName{});

TEST_F(SitzungTest, LaufzeitfehlerDerUmrechnungGehenAnDenFehlerbericht) {
    const struct {
        int gebiet, zeile;
        const char* eingabe;
        const char* text;
    } faelle[] = {{Laenge, 2, "1e308", "Gleitkomma\xFC" "berlauf"},
                  {Brueche, 1, "1,5e3", "'5e3' ist kein g\xFCltiger Integerwert"}};
    for (const auto& f : faelle) {
        s.starte();
        s.oeffne();
        s.waehleGebiet(f.gebiet);
        s.markiere(f.zeile);
        try {
            s.rechne(f.eingabe);
            ADD_FAILURE() << f.eingabe;
        } catch (const LaufzeitFehler& e) {
            EXPECT_STREQ(e.what(), f.text);
        }
        EXPECT_FALSE(s.ErgebnisGueltig);
    }
}

TEST_F(SitzungTest, AutomatischesRechnen) {
    starte(ini("2"));
    struct Fall {
        int gebiet;
        bool an, eingabeLeer, nullTaste, dezimal;
        bool faellig, taste;
    };
    const Fall faelle[] = {
        {Laenge, true, false, false, false, true, true},    {Laenge, false, false, false, false, false, false},
        {Laenge, true, true, false, false, false, false},   {Laenge, true, false, true, false, true, false},
        {Laenge, true, false, false, true, true, false},    {Weltzeit, true, false, false, false, false, false},
        {Brueche, true, false, false, false, true, false},  {Zahlensysteme, true, false, false, false, true, true},
    };
    for (const auto& f : faelle) {
        s.waehleGebiet(f.gebiet);
        s.AutoRechnen = f.an;
        EXPECT_EQ(s.neuberechnungFaellig(f.eingabeLeer), f.faellig) << f.gebiet;
        EXPECT_EQ(s.tasteRechnet(f.nullTaste, f.dezimal, f.eingabeLeer), f.taste) << f.gebiet;
    }
    // Switching on calculates at once, except for fractions; switching off never does.
    for (const int gebiet : {Laenge, Brueche}) {
        s.waehleGebiet(gebiet);
        s.AutoRechnen = false;
        EXPECT_EQ(s.schalteAutoRechnen(), gebiet != Brueche);
        EXPECT_TRUE(s.AutoRechnen);
        EXPECT_FALSE(s.schalteAutoRechnen());
        EXPECT_FALSE(s.AutoRechnen);
    }
}

TEST_F(SitzungTest, KopierterWertUndZeilentextFolgenDerAnzeige) {
    starte(ini("2"));
    s.markiere(2);
    EXPECT_EQ(s.markierterWert(), ""); // before a calculation: the empty text
    EXPECT_EQ(s.zeilentext(2), "Kilometer");
    EXPECT_FALSE(s.setzeWissAnzeige(false)); // nothing shown to redraw
    EXPECT_FALSE(s.setzeWissAnzeige(true));
    s.rechne("1");
    EXPECT_EQ(s.markierterWert(), " 1,000000E+0000");
    EXPECT_EQ(s.zeilentext(3), "Meter: 1,000000E+0003");
    EXPECT_TRUE(s.setzeWissAnzeige(false));
    EXPECT_EQ(s.markierterWert(), "  1,0000000000");
    EXPECT_EQ(s.zeilentext(3), "Meter: 1000,0000000");
    EXPECT_EQ(s.zeilentext(99), "");
    s.waehleGebiet(Waehrungen);
    EXPECT_FALSE(s.ErgebnisGueltig);
    s.LandAngezeigt.fill(false);
    s.listeNeuLaden();
    EXPECT_EQ(s.markierterWert(), std::nullopt);
}

TEST_F(SitzungTest, AusgeblendeteLoeschen) {
    starte(ini("3"));
    EXPECT_EQ(s.loeschVerweigerung(), "Beim Gebiet \"Temperatur\" k\xF6nnen keine Einheiten gel\xF6scht werden!");
    s.waehleGebiet(Laenge);
    EXPECT_EQ(s.loeschVerweigerung(), std::nullopt);
    EXPECT_EQ(s.loeschFrage(),
              "Sollen die ausgeblendeten Einheiten des Gebietes \"L\xE4nge\" wirklich aus der Datendatei gel\xF6scht werden?");
    const TAntwort a = s.loescheAusgeblendete();
    EXPECT_EQ(a.Berichte, (TBerichte{{Berichtsart::Information, "Die ausgeblendeten Einheiten sind gel\xF6scht!"}}));
    EXPECT_TRUE(a.NeuLaden);
    EXPECT_EQ(pflegetest::namenIn("L.DAT").size(), 6u);
}

} // namespace

#include <gtest/gtest.h>

#include <map>

#include "data/Einheit.h"
#include "data/Gebiete.h"
#include "db/Quelle.h"

using namespace qnt;
using namespace qnt::dbc;

namespace {

std::string alleFehler(const std::vector<Fehler>& f) {
    std::string s;
    for (const auto& e : f) s += e.text() + "\n";
    return s;
}

bool parse(const std::string& quelle, const std::string& gebiet, std::vector<Fehler>& fehler) {
    std::vector<Quelleinheit> e;
    return parseEinheiten(quelle, "T.txt", gebiet, e, fehler);
}

} // namespace

TEST(Datenbankquelle, GuteZeileErgibtDenSatz) {
    std::vector<Quelleinheit> e;
    std::vector<Fehler> f;
    ASSERT_TRUE(parseEinheiten("Fuß | ft | 2 | 0.3048 | foot | | | 12 Zoll | | | | R Z # 1959\n"
                               "Rute | | 39 | 12 * [Fuß] + 0 | | | | | | Berlin | 1816 |\n",
                               "T.txt", "Länge", e, f))
        << alleFehler(f);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].satz.Name(), "Fu\xDF");
    EXPECT_EQ(e[0].satz.Kurzzeichen(), "ft");
    EXPECT_EQ(e[0].satz.LandNr(), 2);
    EXPECT_EQ(e[0].satz.Angezeigt(), 1);
    EXPECT_EQ(e[0].satz.RegUnterschiede(), 1);
    EXPECT_EQ(e[0].satz.ZeitUnterschiede(), 1);
    EXPECT_EQ(e[0].satz.Entspricht(), "12 Zoll");
    EXPECT_DOUBLE_EQ(e[1].satz.Faktor(), 12 * 0.3048);
    EXPECT_EQ(e[1].satz.Ort(), "Berlin");
}

TEST(Datenbankquelle, FaktorAusdruecke) {
    const std::map<std::string, std::string> a = {{"A", "2"}, {"B", "[A] * 3"}, {"Z", "[Z]"}};
    const struct {
        const char* ausdruck;
        double wert;
        bool ok;
    } faelle[] = {
        {"1/3", 1.0 / 3, true},  {"2^10", 1024, true},       {"-(1+2)*3", -9, true}, {"[B] / 4", 1.5, true},
        {"1e-3", 0.001, true},   {"pi/180", 3.14159265358979323846 / 180, true},
        {"[C]", 0, false},       {"[Z]", 0, false},          {"1/0", 0, false},      {"2 *", 0, false},
        {"3 m", 0, false},       {"", 0, false},
    };
    for (const auto& fall : faelle) {
        double w = 0;
        std::string grund;
        EXPECT_EQ(werteAus(fall.ausdruck, a, w, grund), fall.ok) << fall.ausdruck << ": " << grund;
        if (fall.ok) EXPECT_DOUBLE_EQ(w, fall.wert) << fall.ausdruck;
        else EXPECT_FALSE(grund.empty()) << fall.ausdruck;
    }
}

TEST(Datenbankquelle, SchlechteQuellenWerdenMitOrtUndGrundAbgewiesen) {
    const struct {
        const char* fall;
        std::string quelle;
        const char* gebiet;
        const char* grundTeil;
    } faelle[] = {
        {"Name über 34", std::string(35, 'N') + " | | 1 | 1\n", "X", "erlaubt sind 34"},
        {"Kurzzeichen über 20", "A | " + std::string(21, 'k') + " | 1 | 1\n", "X", "erlaubt sind 20"},
        {"Zeitraum über 15", "A | | 1 | 1 | | | | | | | 1234567890123456\n", "X", "erlaubt sind 15"},
        {"Zeichen außerhalb 1252", "A − B | | 1 | 1\n", "X", "Codepage 1252"},
        {"Namensordnung", "Meter | | 1 | 1\nMeile | | 1 | 1\n", "X", "steht vor"},
        {"leere Länderzeile", "A | | 6 | 1\n", "X", "LandNr"},
        {"LandNr über 91", "A | | 92 | 1\n", "X", "LandNr"},
        {"unbekannter Verweis", "A | | 1 | [B]\n", "X", "unbekannte Einheit"},
        {"doppelter Name", "A | | 1 | 1\nA | | 1 | 2\n", "X", "zweimal"},
        {"unbekanntes Merkmal", "A | | 1 | 1 | | | | | | | | Q\n", "X", "Merkmal"},
        {"Temperatur zu kurz", "Celsius | | 1 | 1 | | | | | | | | Celsius\n", "Temperatur", "genau 10"},
        {"Zahlensysteme falsch geordnet",
         "Binär | | 5 | 1 | | | | | | | | binaer\nDezimal | | 5 | 1 | | | | | | | | oktal\n"
         "Hex | | 5 | 1 | | | | | | | | hexadezimal\nOktal | | 5 | 1 | | | | | | | | dezimal\n"
         "Römisch | | 5 | 1 | | | | | | | | roemisch\n",
         "Zahlensysteme", "Position 1"},
        {"Brüche ohne Rollen", "Bruch | | 5 | 1\nDezimal | | 5 | 1\n", "Br\xFC" "che", "Rolle"},
    };
    for (const auto& f : faelle) {
        std::vector<Fehler> fehler;
        EXPECT_FALSE(parse(f.quelle, f.gebiet, fehler)) << f.fall;
        const std::string text = alleFehler(fehler);
        EXPECT_NE(text.find(f.grundTeil), std::string::npos) << f.fall << ": " << text;
        EXPECT_NE(text.find("T.txt:"), std::string::npos) << f.fall << ": " << text;
    }
}

TEST(Datenbankquelle, GebietslisteWirdGeordnetUndPrueftDateinamen) {
    std::vector<QuellGebiet> g;
    std::vector<Fehler> f;
    ASSERT_TRUE(parseGebiete("Zeit | ZEIT.DAT | Sekunde\nÄquivalentdosis | AEQ.DAT | Sievert\nakustik | AK.DAT | B\n",
                             "G.txt", g, f))
        << alleFehler(f);
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0].eintrag.Gebietname, "akustik");
    EXPECT_EQ(g[2].eintrag.Gebietname, "\xC4quivalentdosis"); // upper-cased Ä sorts after Z

    const struct {
        const char* fall;
        const char* quelle;
        const char* grundTeil;
    } schlecht[] = {
        {"zwei Gebiete, eine Datei", "A | X.DAT | a\nB | x.dat | b\n", "anderen Gebiet"},
        {"Pfad im Namen", "A | ../X.DAT | a\n", "bloßer Name"},
        {"TEMP.DAT", "A | TEMP.DAT | a\n", "bloßer Name"},
        {"zu wenige Felder", "A | X.DAT\n", "Gebietname | Dateiname | Bezug"},
    };
    for (const auto& s : schlecht) {
        std::vector<QuellGebiet> gg;
        std::vector<Fehler> ff;
        EXPECT_FALSE(parseGebiete(s.quelle, "G.txt", gg, ff)) << s.fall;
        EXPECT_NE(alleFehler(ff).find(s.grundTeil), std::string::npos) << s.fall << ": " << alleFehler(ff);
    }
}

TEST(Datenbankquelle, TextdateienWerdenCp1252MitCrLf) {
    std::string cp;
    std::vector<Fehler> f;
    ASSERT_TRUE(textNachCp1252("Größe\nµ\r\n", "X.txt", cp, f));
    EXPECT_EQ(cp, "Gr\xF6\xDF" "e\r\n\xB5\r\n");
    EXPECT_FALSE(textNachCp1252("a ≤ b\n", "X.txt", cp, f));
}

// Checks the shipped reference files as the build writes them into the data folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "Datenbank.h"
#include "data/Gebiete.h"
#include "data/Textdatei.h"
#include "reference/RtfLeser.h"

namespace {

using dbtest::liesDatei;

std::vector<std::string> zeilen(const std::string& name) {
    return qnt::zerlegeZeilen(liesDatei(name));
}

int anzahlFelder(const std::string& zeile) {
    return 1 + static_cast<int>(std::count(zeile.begin(), zeile.end(), '\t'));
}

std::string feld(const std::string& zeile, int n) {
    return qnt::ZeilenFeld(zeile, '\t', n);
}

// A value as the viewers show it: decimal comma, optionally a range, optionally a remark in parentheses.
const std::regex kZahl(R"(-?[0-9]+(,[0-9]+)?)");
const std::regex kWert(R"((ca\. )?-?[0-9]+(,[0-9]+)?( - -?[0-9]+(,[0-9]+)?)?( \([^()]+\))?)");

bool istZahl(const std::string& s) {
    return std::regex_match(s, kZahl);
}
bool istWert(const std::string& s) {
    return std::regex_match(s, kWert);
}

// ---------------------------------------------------------------------------------------------------------
// Every text file: code page 1252 with CR LF, no stray control characters, nothing left over from UTF-8.

class Referenzdatei : public testing::TestWithParam<const char*> {};

TEST_P(Referenzdatei, IstCodepage1252MitCrLf) {
    const std::string inhalt = liesDatei(GetParam());
    ASSERT_FALSE(inhalt.empty()) << GetParam();
    ASSERT_GE(inhalt.size(), 2u);
    EXPECT_EQ(inhalt.substr(inhalt.size() - 2), "\r\n");
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        const auto c = static_cast<unsigned char>(inhalt[i]);
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < inhalt.size() && inhalt[i + 1] == '\n') << GetParam() << " Byte " << i;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && inhalt[i - 1] == '\r') << GetParam() << " Byte " << i;
        } else {
            ASSERT_TRUE(c == '\t' || c >= 0x20) << GetParam() << " Byte " << i;
            ASSERT_NE(c, 0x7F) << GetParam() << " Byte " << i;
        }
        // "Ã¤" and its kind: a UTF-8 sequence that slipped through unconverted.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < inhalt.size()) {
            const auto d = static_cast<unsigned char>(inhalt[i + 1]);
            ASSERT_FALSE(d >= 0x80 && d <= 0xBF) << GetParam() << " Byte " << i;
        }
    }
}

TEST_P(Referenzdatei, HatKeineLeerzeileUndKeinenRandraum) {
    const auto z = zeilen(GetParam());
    for (std::size_t i = 0; i < z.size(); ++i) {
        ASSERT_FALSE(z[i].empty()) << GetParam() << " Zeile " << i + 1;
        for (int n = 1; n <= anzahlFelder(z[i]); ++n) {
            const std::string f = feld(z[i], n);
            if (f.empty()) continue;
            EXPECT_NE(f.front(), ' ') << GetParam() << " Zeile " << i + 1 << " Feld " << n;
            EXPECT_NE(f.back(), ' ') << GetParam() << " Zeile " << i + 1 << " Feld " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ausgeliefert, Referenzdatei,
                         testing::Values("STOFFW9.NFO", "Stoffw8.nfo", "Stoffw1.nfo", "Stoffw2.nfo",
                                         "Stoffw3.nfo", "Stoffw4.nfo", "Stoffw5.nfo", "Stoffw6.nfo",
                                         "Stoffw7.nfo"));

// ---------------------------------------------------------------------------------------------------------
// "STOFFW9.NFO": eleven tables at fixed line ranges, no heading lines.

struct Tabelle {
    const char* name;
    int erste;
    int letzte;
    int spalten;
};

const Tabelle kTabellen[] = {
    {"Beaufort", 1, 18, 4},  {"Seegang", 19, 28, 5}, {"Mercalli", 29, 40, 3},  {"Richter", 41, 52, 2},
    {"GOST", 53, 64, 3},     {"Film", 65, 85, 5},    {"Wellen", 86, 113, 3},   {"Lautstaerke", 114, 128, 3},
    {"Papier", 129, 137, 6}, {"Buch", 138, 147, 3},  {"Sieberg", 148, 153, 2},
};

TEST(DiverseDatenDatei, HatGenau153Zeilen) {
    EXPECT_EQ(zeilen("STOFFW9.NFO").size(), 153u);
}

TEST(DiverseDatenDatei, JedeZeileFuelltDieSpaltenIhrerTabelle) {
    const auto z = zeilen("STOFFW9.NFO");
    ASSERT_EQ(z.size(), 153u);
    for (const auto& t : kTabellen) {
        for (int nr = t.erste; nr <= t.letzte; ++nr) {
            const auto& zeile = z[static_cast<std::size_t>(nr - 1)];
            const int n = anzahlFelder(zeile);
            EXPECT_GE(n, 2) << t.name << " Zeile " << nr;
            EXPECT_LE(n, t.spalten) << t.name << " Zeile " << nr;
            for (int s = 1; s <= n; ++s)
                EXPECT_FALSE(feld(zeile, s).empty()) << t.name << " Zeile " << nr;
        }
    }
}

TEST(DiverseDatenDatei, SkalenZaehlenLueckenlos) {
    const auto z = zeilen("STOFFW9.NFO");
    ASSERT_EQ(z.size(), 153u);
    const char* roemisch[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(feld(z[static_cast<std::size_t>(i)], 1), std::to_string(i)) << "Beaufort";
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(feld(z[static_cast<std::size_t>(18 + i)], 1), std::to_string(i)) << "Seegang";
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(feld(z[static_cast<std::size_t>(28 + i)], 1), roemisch[i]) << "Mercalli";
        EXPECT_EQ(feld(z[static_cast<std::size_t>(52 + i)], 1), roemisch[i]) << "GOST";
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(feld(z[static_cast<std::size_t>(147 + i)], 1), roemisch[i]) << "Sieberg";
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(feld(z[static_cast<std::size_t>(113 + i)], 1), std::to_string(10 * i)) << "Phon";
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(feld(z[static_cast<std::size_t>(128 + i)], 1), std::to_string(i)) << "DIN";
}

TEST(DiverseDatenDatei, FilmempfindlichkeitFolgtDerDinReihe) {
    // Three DIN degrees double the speed; ASA 100 is 21 DIN.
    const auto z = zeilen("STOFFW9.NFO");
    ASSERT_EQ(z.size(), 153u);
    for (int nr = 65; nr <= 85; ++nr) {
        const auto& zeile = z[static_cast<std::size_t>(nr - 1)];
        ASSERT_TRUE(istZahl(feld(zeile, 1)) && istZahl(feld(zeile, 2))) << zeile;
        const double din = std::stod(feld(zeile, 1));
        const double asa = std::stod(feld(zeile, 2));
        EXPECT_NEAR(asa / (100.0 * std::pow(2.0, (din - 21.0) / 3.0)), 1.0, 0.06) << zeile;
    }
}

TEST(DiverseDatenDatei, PapierformateHalbierenSichVonStufeZuStufe) {
    const auto z = zeilen("STOFFW9.NFO");
    ASSERT_EQ(z.size(), 153u);
    const std::regex mass(R"(([0-9]+) x ([0-9]+))");
    for (int reihe = 3; reihe <= 6; ++reihe) {
        for (int nr = 130; nr <= 137; ++nr) {
            std::smatch gross, klein;
            const std::string a = feld(z[static_cast<std::size_t>(nr - 2)], reihe);
            const std::string b = feld(z[static_cast<std::size_t>(nr - 1)], reihe);
            ASSERT_TRUE(std::regex_match(a, gross, mass) && std::regex_match(b, klein, mass))
                << a << " / " << b;
            // The long side of a format is the short side of the next larger one.
            EXPECT_EQ(klein[2].str(), gross[1].str()) << "Zeile " << nr;
            EXPECT_NEAR(std::stod(klein[1].str()), std::stod(gross[2].str()) / 2.0, 1.0) << "Zeile " << nr;
        }
    }
}

// ---------------------------------------------------------------------------------------------------------
// "Stoffw8.nfo": one element per line in the order of the atomic numbers, sixteen fields each.

double zahl(const std::string& s) {
    std::string t = s;
    std::replace(t.begin(), t.end(), ',', '.');
    return std::stod(t);
}

class ElementDatei : public testing::Test {
protected:
    void SetUp() override {
        z = zeilen("Stoffw8.nfo");
        ASSERT_EQ(z.size(), 118u);
    }
    std::vector<std::string> z;
};

TEST_F(ElementDatei, StehenNachOrdnungszahlMitSechzehnFeldern) {
    std::set<std::string> symbole;
    for (int nr = 1; nr <= 118; ++nr) {
        const auto& e = z[static_cast<std::size_t>(nr - 1)];
        EXPECT_EQ(anzahlFelder(e), 16) << e;
        EXPECT_EQ(feld(e, 6), std::to_string(nr)) << e;
        EXPECT_TRUE(std::regex_match(feld(e, 2), std::regex("[A-Z][a-z]{0,2}"))) << e;
        EXPECT_TRUE(symbole.insert(feld(e, 2)).second) << e;
        EXPECT_FALSE(feld(e, 1).empty()) << e;
        // "=" stands for an English name that equals the German one.
        EXPECT_FALSE(feld(e, 3).empty()) << e;
        EXPECT_NE(feld(e, 3), feld(e, 1)) << e;
    }
}

TEST_F(ElementDatei, GruppenkennungPasstZurOrdnungszahl) {
    const std::map<int, std::string> stichproben = {
        {1, "H1"},  {2, "H8"},  {6, "H4"},  {18, "H8"},  {21, "N3"},  {26, "N8"},  {29, "N1"},
        {30, "N2"}, {56, "H2"}, {57, "L"},  {71, "L"},   {72, "N4"},  {80, "N2"},  {86, "H8"},
        {88, "H2"}, {89, "A"},  {103, "A"}, {104, "N4"}, {112, "N2"}, {113, "H3"}, {118, "H8"},
    };
    for (int nr = 1; nr <= 118; ++nr) {
        const std::string g = feld(z[static_cast<std::size_t>(nr - 1)], 7);
        if (nr >= 57 && nr <= 71) {
            EXPECT_EQ(g, "L") << nr;
        } else if (nr >= 89 && nr <= 103) {
            EXPECT_EQ(g, "A") << nr;
        } else {
            EXPECT_TRUE(std::regex_match(g, std::regex("[HN][1-8]"))) << nr << " " << g;
        }
        const auto s = stichproben.find(nr);
        if (s != stichproben.end()) {
            EXPECT_EQ(g, s->second) << nr;
        }
    }
}

TEST_F(ElementDatei, AtommasseIstZahlOderMassenzahlInKlammern) {
    for (int nr = 1; nr <= 118; ++nr) {
        const std::string m = feld(z[static_cast<std::size_t>(nr - 1)], 5);
        std::smatch klammer;
        double wert = 0;
        if (std::regex_match(m, klammer, std::regex(R"(\[([0-9]{2,3})\])"))) {
            wert = std::stod(klammer[1].str());
        } else if (std::regex_match(m, std::regex("[0-9]+,[0-9]+"))) {
            wert = zahl(m);
        } else {
            ADD_FAILURE() << nr << " " << m;
        }
        if (nr > 1) {
            EXPECT_GE(wert, 1.9 * nr) << nr << " " << m;
            EXPECT_LE(wert, 2.7 * nr) << nr << " " << m;
        }
    }
    EXPECT_EQ(feld(z[5], 5), "12,011");
    EXPECT_EQ(feld(z[42], 5), "[97]");
    EXPECT_EQ(feld(z[91], 5), "238,03");
}

TEST_F(ElementDatei, ZustandUndDichtePassenZusammen) {
    const std::map<int, std::string> stichproben = {{1, "gas"},   {8, "gas"},   {35, "fl"},  {80, "fl"},
                                                    {31, "fest"}, {55, "fest"}, {86, "gas"}, {26, "fest"}};
    for (int nr = 1; nr <= 118; ++nr) {
        const auto& e = z[static_cast<std::size_t>(nr - 1)];
        const std::string zustand = feld(e, 4);
        EXPECT_TRUE(zustand.empty() || zustand == "fest" || zustand == "fl" || zustand == "gas") << e;
        const std::string dichte = feld(e, 10);
        if (zustand.empty()) {
            EXPECT_TRUE(dichte.empty()) << e;
            continue;
        }
        ASSERT_TRUE(istZahl(dichte)) << e;
        // Gases in g/Liter at 0 degrees, everything else in g/cm3.
        if (zustand == "gas") {
            EXPECT_LT(zahl(dichte), 10.0) << e;
        } else {
            EXPECT_TRUE(zahl(dichte) > 0.5 && zahl(dichte) < 23.0) << e;
        }
    }
    for (const auto& [nr, zustand] : stichproben)
        EXPECT_EQ(feld(z[static_cast<std::size_t>(nr - 1)], 4), zustand);
}

TEST_F(ElementDatei, PhysikalischeWerteSindZahlen) {
    for (const auto& e : z) {
        for (int n : {11, 12, 13, 14}) {
            const std::string w = feld(e, n);
            EXPECT_TRUE(w.empty() || istWert(w)) << e << " Feld " << n;
        }
        const std::string schmelz = feld(e, 11);
        const std::string siede = feld(e, 12);
        if (istZahl(schmelz) && istZahl(siede)) {
            EXPECT_LT(zahl(schmelz), zahl(siede)) << e;
        }
        // Specific and molar heat capacity agree through the atomic mass (molecules count twice).
        const std::string m = feld(e, 5);
        if (istZahl(feld(e, 13)) && istZahl(feld(e, 14)) && m.front() != '[') {
            const double verhaeltnis = zahl(feld(e, 14)) / zahl(feld(e, 13)) / zahl(m);
            EXPECT_TRUE(std::abs(verhaeltnis - 1.0) < 0.02 || std::abs(verhaeltnis - 2.0) < 0.04) << e;
        }
    }
}

TEST_F(ElementDatei, EntdeckungHatJahrUndEntdecker) {
    const std::regex jahr("[0-9]{4}|um [0-9]{4}|im Altertum");
    for (const auto& e : z) {
        EXPECT_TRUE(std::regex_match(feld(e, 16), jahr)) << e;
        EXPECT_FALSE(feld(e, 15).empty()) << e;
        EXPECT_TRUE(
            std::regex_match(feld(e, 9), std::regex(R"((1s[12])|(\[[A-Z][a-z]\]( [1-7][spdf][0-9]{1,2})+))")))
            << e;
    }
}

// ---------------------------------------------------------------------------------------------------------
// "Ravento.rtf": plain RTF that a small reader can show.

TEST(RaventoDatei, IstReinesAsciiRtfMitAusgeglichenenKlammern) {
    const std::string rtf = liesDatei("Ravento.rtf");
    ASSERT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    int tiefe = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const auto c = static_cast<unsigned char>(rtf[i]);
        ASSERT_LT(c, 0x80) << "Byte " << i;
        if (c == '\\') {
            ++i; // an escaped brace or backslash is text
            continue;
        }
        if (c == '{') ++tiefe;
        if (c == '}') --tiefe;
        ASSERT_GE(tiefe, 0) << "Byte " << i;
        if (tiefe == 0) {
            EXPECT_EQ(rtf.find_first_not_of("\r\n", i + 1), std::string::npos) << "Text nach dem Ende";
            break;
        }
    }
    EXPECT_EQ(tiefe, 0);
}

TEST(RaventoDatei, NutztFettdruckFarbeAufzaehlungUndUmlaute) {
    const std::string rtf = liesDatei("Ravento.rtf");
    for (const char* wort : {"\\b ", "\\cf2", "\\colortbl", "\\fonttbl", "\\'95\\tab", "\\'fc", "\\par",
                             "Ravento 4.1", "https://www.quantora.example/ravento"}) {
        EXPECT_NE(rtf.find(wort), std::string::npos) << wort;
    }
}

TEST(RaventoDatei, ZeigtUeberschriftenAufzaehlungUndFarbeImLeser) {
    const qnt::RtfDokument dok = qnt::leseRtf(liesDatei("Ravento.rtf"));
    int punkte = 0;
    bool fett = false;
    bool farbig = false;
    for (const auto& absatz : dok.Absaetze) {
        if (absatz.text().rfind("\xE2\x80\xA2\t", 0) == 0) ++punkte;
        for (const auto& lauf : absatz.Laeufe) {
            fett = fett || (lauf.Format.Fett && lauf.Text.find("Ravento") != std::string::npos);
            farbig = farbig || dok.farbe(lauf.Format.Farbe) != nullptr;
        }
    }
    EXPECT_EQ(punkte, 5);
    EXPECT_TRUE(fett);
    EXPECT_TRUE(farbig);
    EXPECT_NE(dok.text().find("f\xC3\xBCr Formeln"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------------------
// "Stoffw1.nfo" to "Stoffw7.nfo": name, then the values the substance topics read.

struct Stoffdatei {
    const char* name;
    std::size_t mindestens; // lines
    int felder;             // fields of every line
    std::vector<int> werte; // fields that hold a value as the viewer shows it
    bool wertPflicht;       // every line carries all its values
};

class StoffDatei : public testing::TestWithParam<Stoffdatei> {};

TEST_P(StoffDatei, HatGenugZeilenMitPassendenFeldern) {
    const Stoffdatei& d = GetParam();
    const auto z = zeilen(d.name);
    EXPECT_GE(z.size(), d.mindestens);
    std::set<std::string> namen;
    for (const auto& zeile : z) {
        EXPECT_EQ(anzahlFelder(zeile), d.felder) << zeile;
        EXPECT_FALSE(feld(zeile, 1).empty()) << zeile;
        EXPECT_TRUE(namen.insert(feld(zeile, 1)).second) << "doppelt: " << zeile;
        bool einWert = d.werte.empty();
        for (int n : d.werte) {
            const std::string w = feld(zeile, n);
            if (w.empty()) {
                EXPECT_FALSE(d.wertPflicht) << zeile << " Feld " << n;
                continue;
            }
            einWert = true;
            EXPECT_TRUE(istWert(w) || (std::string(d.name) == "Stoffw5.nfo" && w == "unbegrenzt"))
                << zeile << " Feld " << n;
        }
        EXPECT_TRUE(einWert) << zeile;
    }
}

std::string stoffName(const testing::TestParamInfo<Stoffdatei>& info) {
    std::string n = info.param.name;
    n.erase(std::remove(n.begin(), n.end(), '.'), n.end());
    return n;
}

INSTANTIATE_TEST_SUITE_P(
    Ausgeliefert, StoffDatei,
    testing::Values(Stoffdatei{"Stoffw1.nfo", 150, 12, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, false},
                    Stoffdatei{"Stoffw2.nfo", 40, 2, {2}, true},
                    Stoffdatei{"Stoffw3.nfo", 80, 3, {2, 3}, false},
                    Stoffdatei{"Stoffw4.nfo", 40, 3, {2, 3}, true},
                    Stoffdatei{"Stoffw5.nfo", 60, 2, {2}, true}, Stoffdatei{"Stoffw6.nfo", 40, 2, {2}, true},
                    Stoffdatei{"Stoffw7.nfo", 100, 2, {}, true}),
    stoffName);

TEST(StoffDatenDatei, BrennwertIstNieKleinerAlsHeizwert) {
    for (const auto& zeile : zeilen("Stoffw4.nfo")) {
        ASSERT_TRUE(istZahl(feld(zeile, 2)) && istZahl(feld(zeile, 3))) << zeile;
        EXPECT_GE(zahl(feld(zeile, 2)), zahl(feld(zeile, 3))) << zeile;
    }
}

TEST(StoffDatenDatei, HistorischeNamenNennenIhreBedeutung) {
    const auto z = zeilen("Stoffw7.nfo");
    std::map<std::string, std::string> bedeutung;
    for (const auto& zeile : z) {
        EXPECT_FALSE(feld(zeile, 2).empty()) << zeile;
        bedeutung[feld(zeile, 1)] = feld(zeile, 2);
    }
    EXPECT_NE(bedeutung["Bittersalz"].find("Magnesiumsulfat-Heptahydrat"), std::string::npos);
    EXPECT_NE(bedeutung["Glaubersalz"].find("Natriumsulfat-Decahydrat"), std::string::npos);
    EXPECT_NE(bedeutung["H\xF6llenstein"].find("Silbernitrat"), std::string::npos);
    EXPECT_NE(bedeutung["K\xF6nigswasser"].find("Salpeters\xE4ure"), std::string::npos);
}

TEST(StoffDatenDatei, GrunddatenSindInSichStimmig) {
    const std::set<std::string> arten = {"Metall",     "Halbmetall", "Legierung",      "Holz", "Baustoff",
                                         "Kunststoff", "Feststoff",  "Fl\xFCssigkeit", "Gas"};
    std::map<std::string, int> jeArt;
    for (const auto& zeile : zeilen("Stoffw1.nfo")) {
        const std::string art = feld(zeile, 2);
        EXPECT_TRUE(arten.count(art) == 1) << zeile;
        ++jeArt[art];
        EXPECT_FALSE(feld(zeile, 3).empty()) << "jeder Stoff hat eine Dichte: " << zeile;
        const std::string schmelz = feld(zeile, 5);
        const std::string siede = feld(zeile, 6);
        if (istZahl(schmelz) && istZahl(siede)) {
            EXPECT_LT(zahl(schmelz), zahl(siede)) << zeile;
        }
        // Gases in kg/m3 at 20 degrees are three orders below everything else.
        if (istZahl(feld(zeile, 3))) {
            if (art == "Gas") {
                EXPECT_LT(zahl(feld(zeile, 3)), 5.0) << zeile;
            } else {
                EXPECT_GT(zahl(feld(zeile, 3)), 100.0) << zeile;
            }
        }
        // Isotropic metals: the volume coefficient is three times the linear one.
        const std::string alpha = feld(zeile, 10);
        const std::string gamma = feld(zeile, 11);
        if (art == "Metall" && istZahl(alpha) && istZahl(gamma)) {
            EXPECT_NEAR(zahl(gamma) / zahl(alpha), 3.0, 0.05) << zeile;
        }
    }
    for (const auto& art : arten) {
        EXPECT_GE(jeArt[art], art == "Halbmetall" ? 1 : 5) << art;
    }
}

TEST(StoffDatenDatei, BekannteWerteStimmen) {
    std::map<std::string, std::string> z;
    for (const auto& zeile : zeilen("Stoffw1.nfo"))
        z[feld(zeile, 1)] = zeile;
    struct Fall {
        const char* stoff;
        int feld;
        const char* wert;
    };
    const Fall faelle[] = {
        {"Wasser", 3, "998,2"},   {"Wasser", 4, "4,182"},      {"Wasser", 7, "333,5"},
        {"Wasser", 8, "2257"},    {"Wasser", 11, "0,207"},     {"Kupfer", 9, "401"},
        {"Kupfer", 12, "0,0168"}, {"Aluminium", 10, "0,0231"}, {"Eisen, rein", 3, "7874"},
        {"Luft", 3, "1,204"},     {"Stickstoff", 3, "1,165"},  {"Quecksilber", 5, "-38,83"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(feld(z[f.stoff], f.feld), f.wert) << f.stoff << " Feld " << f.feld;
}

// The viewer sets tab stops every 30 average characters (20 for the historical names); a longer name would
// push its value into the next column.
TEST(StoffDatenDatei, NamenPassenVorDenTabstopp) {
    for (const char* datei :
         {"Stoffw1.nfo", "Stoffw2.nfo", "Stoffw3.nfo", "Stoffw4.nfo", "Stoffw5.nfo", "Stoffw6.nfo"}) {
        for (const auto& zeile : zeilen(datei))
            EXPECT_LE(feld(zeile, 1).size(), 28u) << datei << ": " << zeile;
    }
    for (const auto& zeile : zeilen("Stoffw7.nfo"))
        EXPECT_LE(feld(zeile, 1).size(), 19u) << zeile;
}

} // namespace

// The shipped reference files as the build writes them into the data folder: what the viewers rely on,
// and the physical sense of the values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "Datenbank.h"
#include "data/Textdatei.h"
#include "reference/RtfLeser.h"
#include "reference/Tabellendaten.h"

namespace {

using dbtest::liesDatei;

std::vector<std::string> zeilen(const std::string& name) { return qnt::zerlegeZeilen(liesDatei(name)); }
int anzahlFelder(const std::string& z) { return 1 + static_cast<int>(std::count(z.begin(), z.end(), '\t')); }
std::string feld(const std::string& zeile, int n) { return qnt::ZeilenFeld(zeile, '\t', n); }

// A value as the viewers show it: decimal comma, optionally a range, optionally a remark in parentheses.
bool istZahl(const std::string& s) { return std::regex_match(s, std::regex(R"(-?[0-9]+(,[0-9]+)?)")); }
bool istWert(const std::string& s) {
    return std::regex_match(s, std::regex(R"((ca\. )?-?[0-9]+(,[0-9]+)?( - -?[0-9]+(,[0-9]+)?)?( \([^()]+\))?)"));
}
double zahl(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    return std::stod(s);
}

// Every text file: CR LF only, nothing left over from UTF-8, no blank line, no field with edge blanks.
TEST(Referenzdateien, SindSauberesCp1252OhneLeerzeilenUndRandraum) {
    for (const char* datei : {"STOFFW9.NFO", "Stoffw8.nfo", "Stoffw1.nfo", "Stoffw2.nfo", "Stoffw3.nfo",
                              "Stoffw4.nfo", "Stoffw5.nfo", "Stoffw6.nfo", "Stoffw7.nfo"}) {
        SCOPED_TRACE(datei);
        const std::string inhalt = liesDatei(datei);
        ASSERT_GE(inhalt.size(), 2u);
        EXPECT_EQ(inhalt.substr(inhalt.size() - 2), "\r\n");
        for (std::size_t i = 0; i + 1 < inhalt.size(); ++i) {
            const auto c = static_cast<unsigned char>(inhalt[i]);
            const auto d = static_cast<unsigned char>(inhalt[i + 1]);
            ASSERT_EQ(c == '\r', d == '\n') << "Byte " << i;
            ASSERT_TRUE(c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c != 0x7F)) << "Byte " << i;
            ASSERT_FALSE((c == 0xC2 || c == 0xC3) && d >= 0x80 && d <= 0xBF) << "UTF-8 ab Byte " << i;
        }
        const auto z = zeilen(datei);
        for (std::size_t i = 0; i < z.size(); ++i) {
            ASSERT_FALSE(z[i].empty()) << "Zeile " << i + 1;
            for (int n = 1; n <= anzahlFelder(z[i]); ++n) {
                const std::string f = feld(z[i], n);
                EXPECT_TRUE(f.empty() || (f.front() != ' ' && f.back() != ' ')) << "Zeile " << i + 1;
            }
        }
    }
}

// "STOFFW9.NFO": the line ranges of the table topics, filled with the columns each topic shows.
TEST(DiverseDatenDatei, JedeZeileFuelltDieSpaltenIhrerTabelle) {
    const auto z = zeilen("STOFFW9.NFO");
    ASSERT_EQ(static_cast<int>(z.size()), qnt::kTabellenThemen.back().Bis);
    for (const auto& t : qnt::kTabellenThemen) {
        for (int nr = t.Von; nr <= t.Bis; ++nr) {
            const auto& zeile = z[static_cast<std::size_t>(nr - 1)];
            const int n = anzahlFelder(zeile);
            EXPECT_TRUE(n >= 2 && n <= t.spaltenzahl()) << t.Text << " Zeile " << nr;
            for (int s = 1; s <= n; ++s) EXPECT_FALSE(feld(zeile, s).empty()) << t.Text << " Zeile " << nr;
        }
    }
}

TEST(DiverseDatenDatei, SkalenZaehlenLueckenlosUndFolgenIhrerRegel) {
    const auto z = zeilen("STOFFW9.NFO");
    ASSERT_EQ(z.size(), 153u);
    const auto erstes = [&](int nr) { return feld(z[static_cast<std::size_t>(nr - 1)], 1); };
    const char* roemisch[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    for (int i = 0; i < 18; ++i) EXPECT_EQ(erstes(1 + i), std::to_string(i)) << "Beaufort";
    for (int i = 0; i < 10; ++i) EXPECT_EQ(erstes(19 + i), std::to_string(i)) << "Seegang";
    for (int i = 0; i < 12; ++i) EXPECT_EQ(erstes(29 + i), roemisch[i]) << "Mercalli";
    for (int i = 0; i < 12; ++i) EXPECT_EQ(erstes(53 + i), roemisch[i]) << "GOST";
    for (int i = 0; i < 6; ++i) EXPECT_EQ(erstes(148 + i), roemisch[i]) << "Sieberg";
    for (int i = 0; i < 15; ++i) EXPECT_EQ(erstes(114 + i), std::to_string(10 * i)) << "Phon";
    for (int i = 0; i < 9; ++i) EXPECT_EQ(erstes(129 + i), std::to_string(i)) << "DIN";
    // Film speed: three DIN degrees double the speed; ASA 100 is 21 DIN.
    for (int nr = 65; nr <= 85; ++nr) {
        const auto& zeile = z[static_cast<std::size_t>(nr - 1)];
        ASSERT_TRUE(istZahl(feld(zeile, 1)) && istZahl(feld(zeile, 2))) << zeile;
        const double soll = 100.0 * std::pow(2.0, (zahl(feld(zeile, 1)) - 21.0) / 3.0);
        EXPECT_NEAR(zahl(feld(zeile, 2)) / soll, 1.0, 0.06) << zeile;
    }
    // Paper formats: the long side of a format is the short side of the next larger one.
    const std::regex mass(R"(([0-9]+) x ([0-9]+))");
    for (int reihe = 3; reihe <= 6; ++reihe) {
        for (int nr = 130; nr <= 137; ++nr) {
            std::smatch gross, klein;
            const std::string a = feld(z[static_cast<std::size_t>(nr - 2)], reihe);
            const std::string b = feld(z[static_cast<std::size_t>(nr - 1)], reihe);
            ASSERT_TRUE(std::regex_match(a, gross, mass) && std::regex_match(b, klein, mass))
                << a << " / " << b;
            EXPECT_EQ(klein[2].str(), gross[1].str()) << "Zeile " << nr;
            EXPECT_NEAR(std::stod(klein[1].str()), std::stod(gross[2].str()) / 2.0, 1.0) << "Zeile " << nr;
        }
    }
}

// "Stoffw8.nfo": one element per line in the order of the atomic numbers, sixteen fields each.
TEST(ElementDatei, ElementeStehenNachOrdnungszahlMitStimmigenFeldern) {
    const auto z = zeilen("Stoffw8.nfo");
    ASSERT_EQ(z.size(), 118u);
    std::set<std::string> symbole;
    for (int nr = 1; nr <= 118; ++nr) {
        const auto& e = z[static_cast<std::size_t>(nr - 1)];
        SCOPED_TRACE(e);
        EXPECT_EQ(anzahlFelder(e), 16);
        EXPECT_EQ(feld(e, 6), std::to_string(nr));
        EXPECT_TRUE(std::regex_match(feld(e, 2), std::regex("[A-Z][a-z]{0,2}")));
        EXPECT_TRUE(symbole.insert(feld(e, 2)).second);
        // "=" stands for an English name that equals the German one.
        EXPECT_FALSE(feld(e, 3).empty());
        EXPECT_NE(feld(e, 3), feld(e, 1));
        const std::string g = feld(e, 7);
        EXPECT_EQ(g == "L", nr >= 57 && nr <= 71);
        EXPECT_EQ(g == "A", nr >= 89 && nr <= 103);
        EXPECT_TRUE(g == "L" || g == "A" || std::regex_match(g, std::regex("[HN][1-8]")));
        // Atomic mass, or the mass number in brackets, lies between 1.9 and 2.7 times the atomic number.
        const std::string m = feld(e, 5);
        std::smatch klammer;
        double masse = 0;
        if (std::regex_match(m, klammer, std::regex(R"(\[([0-9]{2,3})\])")))
            masse = std::stod(klammer[1].str());
        else if (std::regex_match(m, std::regex("[0-9]+,[0-9]+"))) masse = zahl(m);
        else ADD_FAILURE() << m;
        if (nr > 1) {
            EXPECT_TRUE(masse >= 1.9 * nr && masse <= 2.7 * nr) << m;
        }
        // Gases in g/Liter at 0 degrees, everything else in g/cm3.
        const std::string zustand = feld(e, 4);
        const std::string dichte = feld(e, 10);
        EXPECT_TRUE(zustand.empty() || zustand == "fest" || zustand == "fl" || zustand == "gas");
        if (zustand.empty()) EXPECT_TRUE(dichte.empty());
        else if (!istZahl(dichte)) ADD_FAILURE() << dichte;
        else if (zustand == "gas") EXPECT_LT(zahl(dichte), 10.0);
        else EXPECT_TRUE(zahl(dichte) > 0.5 && zahl(dichte) < 23.0);
        for (int n : {11, 12, 13, 14}) EXPECT_TRUE(feld(e, n).empty() || istWert(feld(e, n))) << "Feld " << n;
        if (istZahl(feld(e, 11)) && istZahl(feld(e, 12))) {
            EXPECT_LT(zahl(feld(e, 11)), zahl(feld(e, 12)));
        }
        // Specific and molar heat capacity agree through the atomic mass (molecules count twice).
        if (istZahl(feld(e, 13)) && istZahl(feld(e, 14)) && m.front() != '[') {
            const double v = zahl(feld(e, 14)) / zahl(feld(e, 13)) / zahl(m);
            EXPECT_TRUE(std::abs(v - 1.0) < 0.02 || std::abs(v - 2.0) < 0.04);
        }
        EXPECT_TRUE(std::regex_match(feld(e, 16), std::regex("[0-9]{4}|um [0-9]{4}|im Altertum")));
        EXPECT_FALSE(feld(e, 15).empty());
        EXPECT_TRUE(std::regex_match(feld(e, 9),
                                     std::regex(R"((1s[12])|(\[[A-Z][a-z]\]( [1-7][spdf][0-9]{1,2})+))")));
    }
    const std::map<int, std::string> gruppen = {{1, "H1"},  {2, "H8"},  {21, "N3"}, {29, "N1"},
                                                {30, "N2"}, {72, "N4"}, {113, "H3"}};
    for (const auto& [nr, g] : gruppen) EXPECT_EQ(feld(z[static_cast<std::size_t>(nr - 1)], 7), g) << nr;
    const std::map<int, std::string> zustaende = {
        {1, "gas"}, {35, "fl"}, {80, "fl"}, {31, "fest"}, {86, "gas"}};
    for (const auto& [nr, s] : zustaende) EXPECT_EQ(feld(z[static_cast<std::size_t>(nr - 1)], 4), s) << nr;
}

// "Ravento.rtf": plain ASCII RTF with balanced braces, shown by the reader with headings, bullets, colour.
TEST(RaventoDatei, IstAsciiRtfUndZeigtSichImLeser) {
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
        tiefe += c == '{' ? 1 : c == '}' ? -1 : 0;
        ASSERT_GE(tiefe, 0) << "Byte " << i;
        if (tiefe == 0) {
            EXPECT_EQ(rtf.find_first_not_of("\r\n", i + 1), std::string::npos) << "Text nach dem Ende";
            break;
        }
    }
    EXPECT_EQ(tiefe, 0);
    const qnt::RtfDokument dok = qnt::leseRtf(rtf);
    int punkte = 0;
    bool fett = false, farbig = false;
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

// "Stoffw1.nfo" to "Stoffw7.nfo": name, then the values the substance topics read.
TEST(StoffDatenDatei, ZeilenHabenIhreFelderUndWerte) {
    struct Datei {
        const char* name;
        int felder;
        std::vector<int> werte; // fields that hold a value as the viewer shows it
        bool wertPflicht;       // every line carries all its values
    };
    const Datei dateien[] = {
        {"Stoffw1.nfo", 12, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, false},
        {"Stoffw2.nfo", 2, {2}, true}, {"Stoffw3.nfo", 3, {2, 3}, false}, {"Stoffw4.nfo", 3, {2, 3}, true},
        {"Stoffw5.nfo", 2, {2}, true}, {"Stoffw6.nfo", 2, {2}, true},     {"Stoffw7.nfo", 2, {}, true},
    };
    for (const auto& d : dateien) {
        std::set<std::string> namen;
        for (const auto& zeile : zeilen(d.name)) {
            SCOPED_TRACE(std::string(d.name) + ": " + zeile);
            EXPECT_EQ(anzahlFelder(zeile), d.felder);
            EXPECT_TRUE(namen.insert(feld(zeile, 1)).second) << "doppelt";
            // The viewer sets tab stops every 30 average characters (20 for the historical names).
            EXPECT_LE(feld(zeile, 1).size(), d.werte.empty() ? 19u : 28u);
            bool einWert = d.werte.empty();
            for (int n : d.werte) {
                const std::string w = feld(zeile, n);
                EXPECT_TRUE(!w.empty() || !d.wertPflicht) << "Feld " << n;
                einWert = einWert || !w.empty();
                EXPECT_TRUE(w.empty() || istWert(w) ||
                            (std::string(d.name) == "Stoffw5.nfo" && w == "unbegrenzt"))
                    << "Feld " << n;
            }
            EXPECT_TRUE(einWert);
        }
    }
    for (const auto& zeile : zeilen("Stoffw4.nfo")) {
        ASSERT_TRUE(istZahl(feld(zeile, 2)) && istZahl(feld(zeile, 3))) << zeile;
        EXPECT_GE(zahl(feld(zeile, 2)), zahl(feld(zeile, 3))) << "Brennwert unter Heizwert: " << zeile;
    }
}

TEST(StoffDatenDatei, GrunddatenSindInSichStimmig) {
    const std::set<std::string> arten = {"Metall",     "Halbmetall", "Legierung",      "Holz", "Baustoff",
                                         "Kunststoff", "Feststoff",  "Fl\xFCssigkeit", "Gas"};
    std::map<std::string, std::string> z;
    for (const auto& zeile : zeilen("Stoffw1.nfo")) {
        SCOPED_TRACE(zeile);
        z[feld(zeile, 1)] = zeile;
        const std::string art = feld(zeile, 2);
        EXPECT_EQ(arten.count(art), 1u);
        ASSERT_FALSE(feld(zeile, 3).empty()) << "jeder Stoff hat eine Dichte";
        // Gases in kg/m3 at 20 degrees are three orders below everything else.
        if (istZahl(feld(zeile, 3))) {
            EXPECT_TRUE(art == "Gas" ? zahl(feld(zeile, 3)) < 5.0 : zahl(feld(zeile, 3)) > 100.0);
        }
        if (istZahl(feld(zeile, 5)) && istZahl(feld(zeile, 6))) {
            EXPECT_LT(zahl(feld(zeile, 5)), zahl(feld(zeile, 6)));
        }
        // Isotropic metals: the volume coefficient is three times the linear one.
        if (art == "Metall" && istZahl(feld(zeile, 10)) && istZahl(feld(zeile, 11))) {
            EXPECT_NEAR(zahl(feld(zeile, 11)) / zahl(feld(zeile, 10)), 3.0, 0.05);
        }
    }
    const struct {
        const char* stoff;
        int feld;
        const char* wert;
    } bekannt[] = {
        {"Wasser", 3, "998,2"}, {"Wasser", 4, "4,182"},    {"Wasser", 7, "333,5"},        {"Wasser", 8,
         "2257"},
        {"Kupfer", 9, "401"},   {"Kupfer", 12, "0,0168"},  {"Eisen, rein", 3, "7874"},   {"Luft", 3, "1,204"},
    };
    for (const auto& b : bekannt)
        EXPECT_EQ(feld(z[b.stoff], b.feld), b.wert) << b.stoff << " Feld " << b.feld;
    std::map<std::string, std::string> bedeutung;
    for (const auto& zeile : zeilen("Stoffw7.nfo")) bedeutung[feld(zeile, 1)] = feld(zeile, 2);
    EXPECT_NE(bedeutung["Bittersalz"].find("Magnesiumsulfat-Heptahydrat"), std::string::npos);
    EXPECT_NE(bedeutung["H\xF6llenstein"].find("Silbernitrat"), std::string::npos);
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "PflegeTesthilfe.h"
#include "data/Cp1252.h"
#include "data/Dateischicht.h"
#include "data/Einstellungen.h"
#include "data/Einheit.h"
#include "data/Gebiete.h"
#include "data/Textdatei.h"
#include "data/Laender.h"
#include "list/Einheitenliste.h"

namespace fs = std::filesystem;
using namespace qnt;

namespace {

using Ordner = pflegetest::OrdnerTest;
using pflegetest::bytesVon;
using pflegetest::schreibeBytes;

} // namespace

TEST(Codepage1252, JedesByteUeberstehtDenWegUeberUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string ein(1, static_cast<char>(b));
        EXPECT_EQ(utf8ZuCp1252(cp1252ZuUtf8(ein)), ein) << "Byte " << b;
    }
}

TEST(Codepage1252, BekannteZeichen) {
    const struct {
        const char* utf8;
        const char* cp;
    } faelle[] = {
        {"\xC3\xA4", "\xE4"},      {"\xE2\x82\xAC", "\x80"}, {"\xC5\x93", "\x9C"},
        {"\xC2\xB5", "\xB5"},      {"\xE2\x80\x9E", "\x84"}, {"\xE2\x88\x92", "?"}, // minus sign: not in 1252
        {"\xF0\x9F\x98\x80", "?"}, {"a\xFF" "b", "a?b"},                              // malformed byte
    };
    for (const auto& f : faelle) EXPECT_EQ(utf8ZuCp1252(f.utf8), f.cp) << f.utf8;
    EXPECT_FALSE(utf8InCp1252("\xE2\x88\x92"));
    EXPECT_TRUE(utf8InCp1252("Gr\xC3\xB6\xC3\x9F" "e"));
}

TEST(Codepage1252, GrossschreibungNachPlattformregeln) {
    EXPECT_EQ(grossCp1252("l\xE4ngeneinheiten alt"), "L\xC4NGENEINHEITEN ALT");
    EXPECT_EQ(grossCp1252("stra\xDF" "e"), "STRA\xDF" "E"); // ß stays
    EXPECT_EQ(grossCp1252("\xE9\xF6\xFC\xFF\x9A\x9C\xB5\xF7"), "\xC9\xD6\xDC\x9F\x8A\x8C\xB5\xF7");
}

TEST_F(Ordner, DateinamenMitPfadWerdenAbgewiesen) {
    schreibeBytes("../DRAUSSEN.DAT", std::string(272, 'a'));
    const char* namen[] = {"../DRAUSSEN.DAT", "..\\DRAUSSEN.DAT", "/etc/passwd", ".", "..", "", "a/b"};
    for (const char* name : namen) {
        Datendatei d;
        EXPECT_FALSE(d.oeffnen(name)) << name;
        EXPECT_FALSE(d.erzeugen(name)) << name;
        EXPECT_FALSE(dateiLoeschen(name)) << name;
        EXPECT_FALSE(dateiUmbenennen("X", name)) << name;
        Bytepuffer inhalt;
        EXPECT_FALSE(liesGanzeDatei(name, inhalt)) << name;
    }
    EXPECT_EQ(bytesVon("../DRAUSSEN.DAT"), std::string(272, 'a')); // untouched
    EXPECT_FALSE(fs::exists("../b"));
}

// Lines 5 to 7: category, order (0 alphabetical), display (0 scientific); line 8: one digit per country.
TEST_F(Ordner, EinstellungenLesen) {
    const struct {
        const char* datei;
        bool ok;
        int gebiet;
        bool alphabet, wiss, land3, land5;
    } faelle[] = {
        {"5.0\r\n0\r\n0\r\n0\r\n  3\r\n1\r\n0\r\n1101\r\n", true, 3, false, true, false, true},
        {"5.0\n0\n0\n0\n7\n0\n1\n0000000\n", true, 7, true, false, false, false},
        {"5.0\r\n0\r\n0\r\n0\r\n3\r\nx\r\n0\r\n1\r\n", false, 1, true, true, true, true},
        {"5.0\r\n0\r\n0\r\n0\r\n3\r\n1\r\n0\r\n", false, 1, true, true, true, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.datei);
        schreibeBytes(kEinstellungsDatei, f.datei);
        TEinstellungen e;
        e.Gebietsposition = 99;
        EXPECT_EQ(leseEinstellungen(e), f.ok);
        EXPECT_EQ(e.Gebietsposition, f.gebiet);
        EXPECT_EQ(e.SortAlphabet, f.alphabet);
        EXPECT_EQ(e.WissAnzeige, f.wiss);
        EXPECT_EQ(e.LandAngezeigt[3], f.land3);
        EXPECT_EQ(e.LandAngezeigt[5], f.land5);
    }
}

TEST(ZeilenFeldTest, Felder) {
    const struct {
        const char* text;
        char trenner;
        int n;
        const char* erwartet;
    } faelle[] = {
        {"a\tb\tc", '\t', 1, "a"}, {"a\tb\tc", '\t', 4, ""}, {"ohne", '\t', 1, "ohne"},
        {"a\tb\tc\td", '\t', 3, "c"}, {"x*y*", '*', 2, "y"}, {"a\t\tc", '\t', 2, ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ZeilenFeld(f.text, f.trenner, f.n), f.erwartet) << f.text << " n=" << f.n;
        // The one-pass split gives every field as the field-by-field search does.
        const auto felder = ZeilenFelder(f.text, f.trenner, f.n);
        ASSERT_EQ(felder.size(), static_cast<std::size_t>(f.n));
        for (int k = 1; k <= f.n; ++k)
            EXPECT_EQ(felder[static_cast<std::size_t>(k - 1)], ZeilenFeld(f.text, f.trenner, k))
                << f.text << " k=" << k;
    }
}

TEST(Textzeilen, AlleZeilenenden) {
    using V = std::vector<std::string>;
    EXPECT_EQ(zerlegeZeilen("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(zerlegeZeilen("a\rb\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(zerlegeZeilen("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(zerlegeZeilen(""), V{});
}

TEST_F(Ordner, GebietsindexLesenUndSchreiben) {
    schreibeBytes("Gruppen.nfo", "L\xE4nge\tLAENGE.DAT\tMeter\r\nOhneTab\r\n\r\nVier\tV.DAT\tBasis\tmehr");
    TGebiete g;
    ASSERT_TRUE(ladeGebiete(g));
    ASSERT_EQ(g.size(), 4u);
    EXPECT_EQ(g[0], (TGebietEintrag{"L\xE4nge", "LAENGE.DAT", "Meter"}));
    EXPECT_EQ(g[1], (TGebietEintrag{"OhneTab", "", ""}));
    EXPECT_EQ(g[2], (TGebietEintrag{"", "", ""}));
    EXPECT_EQ(g[3], (TGebietEintrag{"Vier", "V.DAT", "Basis"}));
    ASSERT_TRUE(speichereGebiete({g[0], g[3]}));
    EXPECT_EQ(bytesVon("Gruppen.nfo"), "L\xE4nge\tLAENGE.DAT\tMeter\r\nVier\tV.DAT\tBasis\r\n");
    TGebiete fehlt;
    EXPECT_FALSE(ladeGebiete(fehlt, "Fehlt.nfo"));
}

TEST_F(Ordner, BeschreibungenUeberlebenLadenUndSpeichern) {
    const std::string datei = "Erste Zeile\r\nZweite\r\n*\r\nNur eine\r\n*\r\n\r\n*\r\n";
    schreibeBytes("Gebiet.nfo", datei);
    std::string info;
    ASSERT_TRUE(ladeGebietsinfo(info));
    EXPECT_EQ(gebietsBeschreibung(info, 1), "Erste Zeile\r\nZweite\r\n");
    EXPECT_EQ(gebietsBeschreibung(info, 2), "\r\nNur eine\r\n");
    // Fewer descriptions than categories: the missing ones show nothing visible.
    EXPECT_EQ(gebietsBeschreibung(info, 4), "\r\n");
    EXPECT_EQ(gebietsBeschreibung(info, 5), "");
    ASSERT_TRUE(speichereGebietsinfo(info, 3));
    EXPECT_EQ(bytesVon("Gebiet.nfo"), datei);
}

TEST(Laendertabelle, BelegteUndLeereZeilen) {
    int belegt = 0;
    for (int i = 1; i <= kLaenderAnzahl; ++i) belegt += landNrGueltig(i) ? 1 : 0;
    EXPECT_EQ(belegt, 66);
    for (int leer : {0, 6, 20, 41, 49, 59, 92}) EXPECT_FALSE(landNrGueltig(leer)) << leer;
}

// The regrouping by country in one pass keeps the order of the walk over every country in turn.
TEST(Laendersortierung, WieEinDurchgangJeLand) {
    const auto jeLand = [](TEinheitenliste l) {
        TEinheitenliste neu;
        for (int c = 1; c <= kLaenderAnzahl; ++c)
            for (auto& e : l)
                if (e.Satz.LandNr() == c) neu.push_back(e);
        for (auto& e : l)
            if (e.Satz.LandNr() < 1 || e.Satz.LandNr() > kLaenderAnzahl) neu.push_back(e);
        return neu;
    };
    std::mt19937 zufall(17);
    for (const int laenge : {0, 1, 2, 50, 1000}) {
        for (const int laender : {1, 3, 256}) { // one country, a few, every byte value (outside 1..91 too)
            TEinheitenliste liste(static_cast<std::size_t>(laenge));
            for (std::size_t i = 0; i < liste.size(); ++i) {
                liste[i].Satz.setzeLandNr(
                    static_cast<std::uint8_t>(laender == 256 ? zufall() % 256 : 36 + zufall() % laender));
                liste[i].SatzNr = static_cast<std::int32_t>(i);
                liste[i].ErgebnisWiss = std::to_string(i);
            }
            const TEinheitenliste erwartet = jeLand(liste);
            sortiereNachLand(liste);
            ASSERT_EQ(liste.size(), erwartet.size());
            for (std::size_t i = 0; i < liste.size(); ++i) {
                EXPECT_EQ(liste[i].SatzNr, erwartet[i].SatzNr)
                    << laenge << " units, " << laender << " countries, row " << i;
                EXPECT_EQ(liste[i].ErgebnisWiss, erwartet[i].ErgebnisWiss);
            }
        }
    }
}

// Records beyond one block of the reader, shown and hidden, every country byte, a partial record at
// the end; loaded into a list that still holds a longer earlier load with results.
TEST_F(Ordner, EinheitenlisteFiltertJedenSatzUndUeberschreibtDieAlteListe) {
    std::mt19937 zufall(23);
    TLandAngezeigt laender = alleLaenderAngezeigt();
    for (int land : {3, 36, 91}) laender[static_cast<std::size_t>(land)] = false;
    const auto datei = [&](int saetze, std::vector<std::int32_t>& erwartet) {
        std::string bytes;
        for (int k = 0; k < saetze; ++k) {
            TEinheitSatz s;
            s.setzeAngezeigt(static_cast<std::uint8_t>(zufall() % 3)); // 2 is not "shown"
            s.setzeLandNr(static_cast<std::uint8_t>(zufall() % 256));
            s.setzeName("E" + std::to_string(k));
            bytes.append(reinterpret_cast<const char*>(s.bytes.data()), kSatzGroesse);
            const int land = s.LandNr();
            if (s.Angezeigt() == 1 && (land < 1 || land > kLaenderAnzahl || laender[static_cast<std::size_t>(land)]))
                erwartet.push_back(k);
        }
        return bytes + "teil";
    };
    TEinheitenliste liste;
    for (const int saetze : {2500, 1024, 7, 0}) {
        std::vector<std::int32_t> erwartet;
        schreibeBytes("E.DAT", datei(saetze, erwartet));
        for (auto& e : liste) e.ErgebnisWiss = e.ErgebnisFest = "alt";
        ASSERT_TRUE(ladeEinheitenliste("E.DAT", laender, liste)) << saetze;
        ASSERT_EQ(liste.size(), erwartet.size()) << saetze;
        for (std::size_t i = 0; i < liste.size(); ++i) {
            EXPECT_EQ(liste[i].SatzNr, erwartet[i]) << saetze;
            EXPECT_EQ(liste[i].Satz.Name(), "E" + std::to_string(erwartet[i]));
            EXPECT_TRUE(liste[i].ErgebnisWiss.empty() && liste[i].ErgebnisFest.empty());
        }
    }
    EXPECT_FALSE(ladeEinheitenliste("FEHLT.DAT", laender, liste));
    EXPECT_TRUE(liste.empty());
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reference/RtfLeser.h"

using namespace qnt;

namespace {

// Paragraphs joined by '|', so that a line break ('\n') and a paragraph end stay apart.
std::string absaetze(const RtfDokument& d) {
    std::string s;
    for (std::size_t i = 0; i < d.Absaetze.size(); ++i) {
        if (i > 0) s += '|';
        s += d.Absaetze[i].text();
    }
    return s;
}

const char* const kKopf = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                          "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fprq2 Times New Roman"
                          "{\\*\\panose 02020603050405020304};}{\\f2\\fnil\\fcharset2 Symbol;}}"
                          "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                          "{\\stylesheet{ Normal;}{\\s1 heading 1;}}"
                          "{\\info{\\title Titel}{\\author Jemand}}"
                          "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 ";

std::string dok(const std::string& rumpf) {
    return kKopf + rumpf + "}";
}

} // namespace

TEST(RtfLeser, TextDerDokumente) {
    struct Fall {
        const char* name;
        std::string rtf;
        std::string text;
    };
    const Fall faelle[] = {
        {"einfacher Text", "{\\rtf1 Hallo}", "Hallo"}, {"ohne Kopf als Klartext", "Nur Text", "Nur Text"},
        {"Kopf, Tabellen und Info unsichtbar", dok("\\pard Inhalt\\par"), "Inhalt"},
        {"Absaetze", "{\\rtf1 a\\par b\\par}", "a|b"},
        {"leerer Absatz dazwischen", "{\\rtf1 a\\par\\par b}", "a||b"},
        {"Zeilenumbruch im Absatz", "{\\rtf1 a\\line b}", "a\nb"}, {"Tabulator", "{\\rtf1 a\\tab b}", "a\tb"},
        {"Zeilenenden der Datei zaehlen nicht", "{\\rtf1 a\r\nb\nc}", "abc"},
        {"Backslash vor Zeilenende ist Absatz", "{\\rtf1 a\\\r\nb}", "a|b"},
        {"Klammern und Backslash maskiert", "{\\rtf1 \\{x\\} \\\\}", "{x} \\"},
        {"Hex in Codepage 1252", "{\\rtf1 Gr\\'f6\\'dfe \\'80 \\'C4}", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC \xC3\x84"},
        {"Rohbytes in Codepage 1252", "{\\rtf1 \xE4\xFC}", "\xC3\xA4\xC3\xBC"},
        {"Unicode mit Ersatzzeichen", "{\\rtf1 \\u8364?5}", "\xE2\x82\xAC" "5"},
        {"Unicode an den Grenzen der UTF-8-Laengen", "{\\rtf1 \\u2047?\\u2048?\\u-1?}",
         "\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
        {"Unicode mit Hex-Ersatz", "{\\rtf1 \\u252\\'fc!}", "\xC3\xBC!"},
        {"Unicode negativ als Surrogatpaar", "{\\rtf1 \\u-10179?\\u-8704?\\u-9217?\\u-8193?}",
         "\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
        {"einzelnes Surrogat wird Ersatzzeichen", "{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx"},
        {"uc2 ueberspringt zwei", "{\\rtf1 \\uc2\\u8364 EUx}", "\xE2\x82\xAC" "x"},
        {"uc0 ueberspringt nichts", "{\\rtf1 \\uc0\\u8364 x}", "\xE2\x82\xAC" "x"},
        {"Gruppenende beendet das Ueberspringen", "{\\rtf1 {\\u8364}x}", "\xE2\x82\xAC" "x"},
        {"Gruppe beginnt mit Text", "{\\rtf1 a{b}{\\u8364{c}}}", "ab\xE2\x82\xAC" "c"},
        {"unbekannte Steuerwoerter", "{\\rtf1 \\foo a\\bar12 b\\zzz-3 c\\qqq}", "abc"},
        {"unbekanntes Steuersymbol", "{\\rtf1 a\\|b\\-c}", "abc"},
        {"ignorierbares Ziel", "{\\rtf1 {\\*\\generator Foo;}Text}", "Text"},
        {"ignorierbares Ziel verschachtelt", "{\\rtf1 {\\*\\x a{b{c}}d}Text}", "Text"},
        {"Bild uebersprungen", "{\\rtf1 {\\pict\\wmetafile8\\picw10 0a0b0c0d}Bild}", "Bild"},
        {"Binaerdaten mit Klammern", "{\\rtf1 {\\pict\\bin4 }}}}x}y}", "y"},
        {"Feld zeigt sein Ergebnis",
         "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://a.example\"}{\\fldrslt Link}}}", "Link"},
        {"Kopf- und Fusszeile unsichtbar", "{\\rtf1 {\\header Kopf}{\\footer Fuss}Mitte}", "Mitte"},
        {"Sonderzeichen", "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~}",
         "\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xC2\xA0"},
        {"Aufzaehlungspunkt der Symbolschrift", dok("{\\pntext\\f2\\'b7\\tab}Punkt\\par"),
         "\xE2\x80\xA2\tPunkt"},
        {"ueberzaehlige schliessende Klammern", "{\\rtf1 a}}b}", "a"},
        {"schliessende Klammer vor dem Anfang", "}{\\rtf1 a}", "a"},
        {"abgeschnitten in einer Gruppe", "{\\rtf1 {\\b fett", "fett"},
        {"abgeschnitten im Hex", "{\\rtf1 a\\'4", "a"},
        {"abgeschnitten nach Hex-Anfang", "{\\rtf1 a\\'", "a"},
        {"abgeschnitten nach Backslash", "{\\rtf1 a\\", "a"},
        {"abgeschnittenes Steuerwort", "{\\rtf1 a\\u", "a"}, {"kaputtes Hex", "{\\rtf1 a\\'zzb}", "azzb"},
        {"nur oeffnende Klammern", "{{{{{{", ""}, {"leer", "", ""},
        {"Binaerlaenge ueber das Ende", "{\\rtf1 a\\bin999999 xyz", "a"},
        {"riesiger Parameter", "{\\rtf1 \\fs99999999999999999999 a\\u99999999999 ?b}", "a\xEF\xBF\xBD" "b"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(absaetze(leseRtf(f.rtf)), f.text) << f.name;
}

TEST(RtfLeser, TiefeVerschachtelungStuerztNichtAb) {
    const std::string tief = "{\\rtf1 a" + std::string(100000, '{') + "x" + std::string(100000, '}') + "b}";
    EXPECT_EQ(absaetze(leseRtf(tief)), "ab"); // groups too deep to be sensible are dropped
    const std::string offen = "{\\rtf1 a" + std::string(100000, '{') + "x";
    EXPECT_EQ(absaetze(leseRtf(offen)), "a");
    for (const auto& [tiefe, text] : {std::pair{511, "axb"}, {512, "ab"}}) // 512 groups open at most
        EXPECT_EQ(absaetze(leseRtf("{\\rtf1 a" + std::string(tiefe, '{') + "x" + std::string(tiefe, '}') + "b}")), text)
            << tiefe;
}

TEST(RtfLeser, SchriftUndFarbtabelle) {
    const RtfDokument d = leseRtf(dok("x"));
    ASSERT_EQ(d.Schriften.size(), 3u);
    EXPECT_EQ(d.Schriften[0].Nummer, 0);
    EXPECT_EQ(d.Schriften[0].Name, "Arial");
    EXPECT_EQ(d.Schriften[1].Name, "Times New Roman");
    EXPECT_FALSE(d.Schriften[1].Symbol);
    EXPECT_TRUE(d.Schriften[2].Symbol);
    ASSERT_EQ(d.Farben.size(), 3u);
    EXPECT_TRUE(d.Farben[0].Automatisch);
    EXPECT_EQ(d.farbe(0), nullptr);
    ASSERT_NE(d.farbe(1), nullptr);
    EXPECT_EQ(d.farbe(1)->Rot, 255);
    EXPECT_EQ(d.farbe(1)->Gruen, 0);
    EXPECT_EQ(d.farbe(2)->Blau, 128);
    EXPECT_EQ(d.farbe(3), nullptr);
    EXPECT_EQ(d.farbe(-1), nullptr);

    const RtfDokument ohneGruppen =
        leseRtf("{\\rtf1{\\fonttbl\\f0\\fnil Arial;\\f3\\fmodern Courier New;}x}");
    ASSERT_EQ(ohneGruppen.Schriften.size(), 2u);
    EXPECT_EQ(ohneGruppen.schrift(3)->Name, "Courier New");
    EXPECT_EQ(ohneGruppen.schrift(1), nullptr);
}

TEST(RtfLeser, ZeichenformatGiltBisZumGruppenende) {
    const RtfDokument d = leseRtf(dok("a{\\b b{\\i\\ul c}d}\\cf1\\f1\\fs32 e\\b f\\b0\\plain g"));
    ASSERT_EQ(d.Absaetze.size(), 1u);
    const auto& l = d.Absaetze[0].Laeufe;
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[0].Text, "a");
    EXPECT_FALSE(l[0].Format.Fett);
    EXPECT_EQ(l[0].Format.Schrift, 0); // \deff0
    EXPECT_EQ(l[1].Text, "b");
    EXPECT_TRUE(l[1].Format.Fett);
    EXPECT_EQ(l[2].Text, "c");
    EXPECT_TRUE(l[2].Format.Fett && l[2].Format.Kursiv && l[2].Format.Unterstrichen);
    EXPECT_EQ(l[3].Text, "d");
    EXPECT_TRUE(l[3].Format.Fett && !l[3].Format.Kursiv && !l[3].Format.Unterstrichen);
    EXPECT_EQ(l[4].Text, "e");
    EXPECT_EQ(l[4].Format.Farbe, 1);
    EXPECT_EQ(l[4].Format.Schrift, 1);
    EXPECT_EQ(l[4].Format.Halbpunkte, 32);
    EXPECT_FALSE(l[4].Format.Fett);
    EXPECT_EQ(l[5].Text, "f");
    EXPECT_TRUE(l[5].Format.Fett);
    EXPECT_EQ(l[6].Text, "g");
    EXPECT_EQ(l[6].Format, RtfZeichenformat{.Schrift = 0}); // \plain keeps the default font
}

TEST(RtfLeser, SchalterMitNullUndUlnone) {
    const RtfDokument d =
        leseRtf("{\\rtf1 \\b\\i\\ul a\\b0 b\\i0 c\\ulnone d\\ul e\\ul0 f\\strike g\\fs40 h\\fs0 i}");
    const auto& l = d.Absaetze.at(0).Laeufe;
    ASSERT_EQ(l.size(), 9u);
    EXPECT_TRUE(l[0].Format.Fett && l[0].Format.Kursiv && l[0].Format.Unterstrichen);
    EXPECT_TRUE(!l[1].Format.Fett && l[1].Format.Kursiv);
    EXPECT_TRUE(!l[2].Format.Kursiv && l[2].Format.Unterstrichen);
    EXPECT_FALSE(l[3].Format.Unterstrichen);
    EXPECT_TRUE(l[4].Format.Unterstrichen);
    EXPECT_FALSE(l[5].Format.Unterstrichen);
    EXPECT_TRUE(l[6].Format.Durchgestrichen);
    EXPECT_EQ(l[7].Format.Halbpunkte, 40);
    EXPECT_EQ(l[8].Format.Halbpunkte, 24);
}

TEST(RtfLeser, AbsatzformatGiltFuerDenAbsatzAnDessenEnde) {
    const RtfDokument d =
        leseRtf(dok("\\pard\\qc Titel\\par\\pard\\li720\\fi-360 Punkt\\par\\pard\\qr R\\par Rest"));
    ASSERT_EQ(d.Absaetze.size(), 4u);
    EXPECT_EQ(d.Absaetze[0].Format.Ausrichtung, RtfAusrichtung::Zentriert);
    EXPECT_EQ(d.Absaetze[1].Format.Ausrichtung, RtfAusrichtung::Links);
    EXPECT_EQ(d.Absaetze[1].Format.EinzugLinks, 720);
    EXPECT_EQ(d.Absaetze[1].Format.ErsteZeile, -360);
    EXPECT_EQ(d.Absaetze[2].Format.Ausrichtung, RtfAusrichtung::Rechts);
    EXPECT_EQ(d.Absaetze[3].text(), "Rest");
    EXPECT_EQ(d.Absaetze[3].Format.Ausrichtung, RtfAusrichtung::Rechts);
}

// A bullet's tab reaches the left indent when the first line hangs out before it, as in a word processor.
TEST(RtfLeser, EinzuegeUndTabstopps) {
    struct Fall {
        const char* rtf;
        int links, ersteZeile, rechts;
        std::vector<int> stopps;
    };
    const Fall faelle[] = {
        {"\\pard\\fi-240\\li360{\\pntext\\f0\\'95\\tab}Punkt\\par", 360, -240, 0, {360}},
        {"\\pard\\li360\\fi-240\\ri720\\tx1440\\tx360\\tx200 Punkt\\par", 360, -240, 720, {200, 360, 1440}},
        {"\\pard\\fi240\\li360 Absatz\\par", 360, 240, 0, {}},
        {"\\pard\\fi-240 Ohne Einzug\\par", 0, -240, 0, {}},
        {"\\pard\\fi-240\\li360\\ri99\\tx500\\pard Neu\\par", 0, 0, 0, {}},
    };
    for (const auto& f : faelle) {
        const RtfDokument d = leseRtf(dok(f.rtf));
        ASSERT_EQ(d.Absaetze.size(), 1u) << f.rtf;
        const RtfAbsatzformat& a = d.Absaetze[0].Format;
        EXPECT_EQ(a.EinzugLinks, f.links) << f.rtf;
        EXPECT_EQ(a.ErsteZeile, f.ersteZeile) << f.rtf;
        EXPECT_EQ(a.EinzugRechts, f.rechts) << f.rtf;
        EXPECT_EQ(a.wirksameTabstopps(), f.stopps) << f.rtf;
    }
    EXPECT_EQ(leseRtf(dok("\\pard\\fi-240\\li360{\\pntext\\f0\\'95\\tab}Punkt\\par")).Absaetze[0].text(),
              "\u2022\tPunkt");
}

TEST(RtfLeser, JederAnfangUndZufallsbytesLesenSichOhneAbsturz) {
    const std::string voll =
        dok("{\\pntext\\f2\\'b7\\tab}\\pard\\qc{\\b\\fs32 Titel}\\par\\cf1 f\\'fcr \\u8364?{\\*\\x y}"
            "{\\pict\\bin3 {}}z\\line\\uc2\\u-10179 ab\\u-8704 cd\\par}");
    for (std::size_t n = 0; n <= voll.size(); ++n)
        (void)leseRtf(std::string_view(voll).substr(0, n));

    // A fixed seed keeps the run repeatable; the alphabet is what steers the reader.
    const std::string alphabet = "{}\\'*-0123456789abfuxpardlinecfs ;\xB7\r\n";
    unsigned zustand = 12345;
    for (int runde = 0; runde < 3000; ++runde) {
        std::string s;
        const std::size_t laenge = 1 + (zustand % 200);
        for (std::size_t i = 0; i < laenge; ++i) {
            zustand = zustand * 1103515245u + 12345u;
            s += alphabet[(zustand >> 16) % alphabet.size()];
        }
        const RtfDokument d = leseRtf(s);
        for (const auto& a : d.Absaetze)
            for (const auto& l : a.Laeufe)
                EXPECT_FALSE(l.Text.empty());
    }
}

// Checks the shipped help file "QNT5.HLP" as the build writes it into the data folder: readable by the
// viewer, every link reachable, every menu command and the program's own texts quoted as the program shows
// them.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "convert/Umrechner.h"
#include "data/Cp1252.h"
#include "data/Einstellungen.h"
#include "data/Fehler.h"
#include "list/Einheitenliste.h"
#include "maintain/AusgeblendeteEinheiten.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/Gebietsverwaltung.h"
#include "maintain/Kurstabelle.h"
#include "maintain/Referenzkurse.h"
#include "maintain/Revision.h"
#include "search/Suche.h"

namespace {

std::string liesDatei(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return {};
    std::ostringstream puffer;
    puffer << ein.rdbuf();
    return puffer.str();
}

const std::string& hilfe() {
    static const std::string text = liesDatei(std::string(QUANTORA_DATEN_DIR) + "/QNT5.HLP");
    return text;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool istUtf8(const std::string& s, std::size_t& fehlerstelle) {
    const unsigned long kleinster[] = {0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int folge = c < 0x80                 ? 0
                          : c >= 0xC2 && c <= 0xDF ? 1
                          : c >= 0xE0 && c <= 0xEF ? 2
                          : c >= 0xF0 && c <= 0xF4 ? 3
                                                   : -1;
        unsigned long wert = folge == 0 ? c : c & (0x3Fu >> folge);
        bool gut = folge >= 0 && i + static_cast<std::size_t>(folge) < s.size();
        for (int k = 1; gut && k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            gut = (f & 0xC0u) == 0x80u;
            wert = (wert << 6) | (f & 0x3Fu);
        }
        if (!gut || wert < kleinster[folge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) {
            fehlerstelle = i;
            return false;
        }
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

// What a reader sees: no style sheet, no comments, no tags; blank runs of the source collapse to one blank
// as in HTML, while entities (among them the hard blanks of quoted result texts) keep their own blanks.
std::string sichtbarerText(std::string html) {
    html = std::regex_replace(html, std::regex(R"(<style[\s\S]*?</style>)"), " ");
    html = std::regex_replace(html, std::regex(R"(<!--[\s\S]*?-->)"), " ");
    html = std::regex_replace(html, std::regex(R"(<[^>]*>)"), "");
    html = std::regex_replace(html, std::regex(R"([ \t\r\n]+)"), " ");
    const std::pair<const char*, const char*> entitaeten[] = {
        {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& [name, zeichen] : entitaeten) {
        for (std::size_t p = html.find(name); p != std::string::npos; p = html.find(name, p + 1))
            html.replace(p, std::char_traits<char>::length(name), zeichen);
    }
    return html;
}

std::vector<std::string> treffer(const std::string& text, const std::regex& muster) {
    std::vector<std::string> ergebnis;
    for (std::sregex_iterator it(text.begin(), text.end(), muster), ende; it != ende; ++it)
        ergebnis.push_back((*it)[1].str());
    return ergebnis;
}

// The captions of the main menu bar and its items, as app/Menue.cpp gives them to Qt (UTF-8, with "&").
struct Menueeintrag {
    std::string menue; // the QMenu the item goes into, or "" for a menu of the bar
    std::string text;
};

std::vector<Menueeintrag> hauptmenue() {
    const std::string quelle = liesDatei(std::string(QUANTORA_DB_QUELLE) + "/../app/Menue.cpp");
    const std::regex aufruf(R"~((?:addMenu\(|eintrag\(\s*(\w+)\s*,)\s*QStringLiteral\("((?:[^"\\]|\\.)*)"\))~");
    std::vector<Menueeintrag> eintraege;
    for (std::sregex_iterator it(quelle.begin(), quelle.end(), aufruf), ende; it != ende; ++it) {
        if ((*it)[1].str() == "PopupMenu1") continue;
        eintraege.push_back({(*it)[1].str(), (*it)[2].str()});
    }
    return eintraege;
}

std::string ohneZugriffstaste(std::string text) {
    for (std::size_t p = text.find('&'); p != std::string::npos; p = text.find('&', p)) text.erase(p, 1);
    return text;
}

std::string utf8(std::string_view cp1252) { return qnt::cp1252ZuUtf8(std::string(cp1252)); }

// ---------------------------------------------------------------------------------------------------------

TEST(Hilfedatei, WirdAusgeliefertUndIstUtf8MitZeichensatzangabe) {
    ASSERT_FALSE(hilfe().empty()) << "QNT5.HLP fehlt im Datenordner " << QUANTORA_DATEN_DIR;
    std::size_t stelle = 0;
    EXPECT_TRUE(istUtf8(hilfe(), stelle)) << "kein UTF-8 ab Byte " << stelle;
    EXPECT_NE(hilfe().find(R"(<meta charset="utf-8">)"), std::string::npos);
}

// Anchors are unique, "inhalt" among them; every link leads to one, and every chapter (h2) is linked.
TEST(Hilfedatei, VerweiseUndKapitelSindErreichbar) {
    std::map<std::string, int> anzahl;
    for (const auto& n : treffer(hilfe(), std::regex(R"~(<a\s+name="([^"]*)")~"))) ++anzahl[n];
    EXPECT_EQ(anzahl.count("inhalt"), 1u);
    for (const auto& [name, n] : anzahl) EXPECT_EQ(n, 1) << "Anker " << name;
    const auto verweise = treffer(hilfe(), std::regex(R"~(href="#([^"]*)")~"));
    ASSERT_FALSE(verweise.empty());
    for (const auto& v : verweise) EXPECT_EQ(anzahl.count(v), 1u) << "Verweis auf #" << v << " ohne Anker";
    const auto kapitel = treffer(hilfe(), std::regex(R"~(<h2><a\s+name="([^"]*)")~"));
    ASSERT_FALSE(kapitel.empty());
    for (const auto& k : kapitel)
        EXPECT_TRUE(k == "inhalt" || hilfe().find("href=\"#" + k + "\"") != std::string::npos)
            << "Kapitel " << k;
}

TEST(Hilfedatei, NenntJedenBefehlDesHauptmenues) {
    const auto eintraege = hauptmenue();
    // Seven menus and their 25 commands; fewer means the source could not be read as expected.
    ASSERT_GE(eintraege.size(), 32u);
    const std::string text = sichtbarerText(hilfe());
    for (const auto& e : eintraege) {
        const std::string beschriftung = ohneZugriffstaste(e.text);
        EXPECT_NE(text.find(beschriftung), std::string::npos)
            << (e.menue.empty() ? "Menü " : "Befehl in " + e.menue + ": ") << beschriftung;
    }
}

TEST(Hilfedatei, ZitiertDieTexteDesProgrammsWortgetreu) {
    namespace m = qnt::meldung;
    namespace e = qnt::ergebnistext;
    const std::pair<const char*, std::string> zitate[] = {
        {"Faktor: Eingabefehler", utf8(m::kBitteAendern)},
        {"Brüche: kein Bruch", utf8(m::kKeinBruch)},
        {"Brüche: ganze Zahl", utf8(m::kGanzeZahl)},
        {"Brüche: zu viele Nachkommastellen", utf8(m::kEingabeZuGross)},
        {"Zahlensysteme: binär", utf8(m::kNurEinsUndNull)},
        {"Zahlensysteme: dezimal", utf8(m::kNurGanzeZahlen)},
        {"Zahlensysteme: hexadezimal", utf8(m::kNurHexZiffern)},
        {"Zahlensysteme: oktal", utf8(m::kNurOktalZiffern)},
        {"Zahlensysteme: römisch", utf8(m::kNurRoemischeZiffern)},
        {"Zahlensysteme: Hexadezimalzahl zu groß", utf8(m::kHexZuGross)},
        {"Zahlensysteme: Oktalzahl zu groß", utf8(m::kOktalZuGross)},
        {"Zahlensysteme: falsche römische Zahl", utf8(m::kFalscheRoemische)},
        {"Weltzeit: Uhrzeit", utf8(m::kUhrzeit)},
        {"Ergebnis: Zahl zu groß", utf8(e::kZahlZuGross)},
        {"Ergebnis: Zahl zu klein", utf8(e::kZahlZuKlein)},
        {"Ergebnis: Bruch zu groß", utf8(e::kBruchZuGross)},
        {"Ergebnis: unbekannter Kurs", utf8(e::kUnbekannt)},
        {"Ergebnis: nächster Tag", utf8(e::kNaechsterTag)},
        {"Ergebnis: Vortag", utf8(e::kVortag)},
        {"Einstellungen fehlen", utf8(qnt::kEinstellungenFehlen)},
        {"Einstellungen nicht geschrieben", utf8(qnt::kEinstellungenNichtGeschrieben)},
        {"Datendatei fehlt", utf8(qnt::datendateiMeldung("LAENGE.DAT"))},
        {"Revision gescheitert", utf8(qnt::revisionsFehlertext("LAENGE.DAT"))},
        {"Gleitkommaüberlauf", utf8(qnt::gleitkommaUeberlaufFehler().what())},
        {"Datei nicht gefunden", utf8(qnt::dateiNichtGefundenFehler().what())},
        {"Löschen: Temperatur verweigert", utf8(qnt::loeschVerweigerung(qnt::Gebietsart::Temperatur).value_or("-"))},
        {"Löschen: Frage", utf8(qnt::loeschFrage("L\xE4nge"))},
        {"Löschen: erledigt", utf8(qnt::kAusgeblendeteGeloescht)},
        {"Eigene Einheit: verweigert", utf8(qnt::einfuegeVerweigerung(qnt::Gebietsart::Brueche).value_or("-"))},
        {"Eigene Einheit: Faktorfeld", utf8(qnt::kFaktorfeldFalsch)},
        {"Faktor: verweigert", utf8(qnt::faktorVerweigerung(qnt::Gebietsart::Zahlensysteme).value_or("-"))},
        {"Faktor: Eingabefeld", utf8(qnt::kEingabefeldFalsch)},
        {"Faktor: Zoll im Dialog", utf8(qnt::faktorText(0.0254))},
        {"Weltzeit-Faktor: Neu-Delhi in Minuten", "Neu-Delhi zeigt " + utf8(qnt::minutenText(5.5))},
        {"Kurstabelle: falsche Eingabe", utf8(qnt::kFalscheEingabe)},
        {"Kurse: übernommen",
         utf8(qnt::uebernahmeText({std::vector<std::int32_t>(31), 140}, {"2026-12-04", {}}))},
        {"Kurse: keine Kursdatei", utf8(qnt::liesReferenzkurse("").Meldung)},
        {"Kurse: unvollständig", utf8(qnt::liesReferenzkurse("Date, USD\n").Meldung)},
        {"Kurse: zu groß", utf8(qnt::kursdateiZuGrossText())},
        {"Neues Gebiet: fehlende Angabe", utf8(qnt::kFehlendeAngabe)},
        {"Neues Gebiet: Dateiname vorhanden", utf8(qnt::kDateinameVorhanden)},
        {"Neues Gebiet: Name vorhanden", utf8(qnt::kGebietVorhanden)},
        {"Neues Gebiet: Dateiname unzulässig", utf8(qnt::kDateinameUnzulaessig)},
        {"Neues Gebiet: Zeichen unzulässig", utf8(qnt::kZeichenUnzulaessig)},
        {"Gebiet löschen: einziges Gebiet",
         utf8(qnt::gebietLoeschVerweigerung(qnt::TGebiete(1)).value_or("-"))},
        {"Gebiet löschen: Frage", utf8(qnt::gebietLoeschFrage("Papierma\xDF" "e"))},
        {"Suche: Datendatei fehlt", utf8(qnt::kDatendateiFehlt)},
    };
    const std::string text = sichtbarerText(hilfe());
    for (const auto& [name, zitat] : zitate)
        EXPECT_NE(text.find(zitat), std::string::npos) << name << ": \"" << zitat << "\"";
}

} // namespace

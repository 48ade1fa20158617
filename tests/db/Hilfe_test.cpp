// The shipped help file "QNT5.HLP" as the build writes it into the data folder: readable by the viewer,
// every link reachable.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

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

std::vector<std::string> treffer(const std::string& text, const std::regex& muster) {
    std::vector<std::string> ergebnis;
    for (std::sregex_iterator it(text.begin(), text.end(), muster), ende; it != ende; ++it)
        ergebnis.push_back((*it)[1].str());
    return ergebnis;
}

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

} // namespace

#include "reference/Stoffwerte.h"

#include "data/Gebiete.h"
#include "reference/Referenzdatei.h"

namespace qnt {

// The condition texts differ in their spacing ("20° C" beside "20°C"); they are shown as they are.
// clang-format off
const std::array<StoffThema, 18> kStoffThemen = {{
    {"Brennwert",                                     "Stoffw4.nfo",  2, "MJ/kg",             ""},
    {"Dichte",                                        "Stoffw1.nfo",  3, "kg/m\xB3",          "bei 20\xB0 C und 1013 mbar"},
    {"Elastizit\xE4tsmodul",                          "Stoffw2.nfo",  2, "kN/mm\xB2",         "bei 20\xB0 C"},
    {"Heizwert",                                      "Stoffw4.nfo",  3, "MJ/kg",             ""},
    {"Historische Bez. von Stoffen und Handelsnamen", "Stoffw7.nfo",  2, "",                  ""},
    {"L\xE4ngenausdehnungskoeffizient",               "Stoffw1.nfo", 10, "mm/(m K)",          "bei 20\xB0" "C"},
    {"L\xF6slichkeit von Stoffen in Wasser",          "Stoffw5.nfo",  2, "",                  "g Stoff in 100 g Wasser bei 20\xB0" "C"},
    {"MAK-Werte in mg/m\xB3",                         "Stoffw3.nfo",  3, "",                  ""},
    {"MAK-Werte in ppm",                              "Stoffw3.nfo",  2, "",                  ""},
    {"Schmelzpunkte",                                 "Stoffw1.nfo",  5, "\xB0" "C",          "bei 1013 mbar"},
    {"Schmelzw\xE4rme",                               "Stoffw1.nfo",  7, "kJ/kg",             "bei 20\xB0" "C und 1013 mbar"},
    {"Sch\xFCttdichte",                               "Stoffw6.nfo",  2, "kg/m\xB3",          ""},
    {"Siedepunkte",                                   "Stoffw1.nfo",  6, "\xB0" "C",          "bei 1013 mbar"},
    {"Spez. elektrischer Widerstand",                 "Stoffw1.nfo", 12, "Ohm mm\xB2/m",      "bei 20\xB0 C"},
    {"Spez. W\xE4rmekapazit\xE4t",                    "Stoffw1.nfo",  4, "kJ/(kg K)",         "bei 20\xB0 C und 1013 mbar"},
    {"Verdampfungsw\xE4rme",                          "Stoffw1.nfo",  8, "kJ/kg",             "bei 20\xB0" "C und 1013 mbar"},
    {"Volumenausdehnungskoeffizient",                 "Stoffw1.nfo", 11, "dm\xB3/(m\xB3 K)",  "bei 20\xB0" "C"},
    {"W\xE4rmeleitf\xE4higkeit",                      "Stoffw1.nfo",  9, "W/(m K)",           "bei 20\xB0" "C"},
}};
// clang-format on

namespace {
constexpr std::string_view kHistorisch = "Historische Bez. von Stoffen und Handelsnamen";
}

const StoffThema* findeStoffThema(std::string_view text) {
    for (const auto& t : kStoffThemen)
        if (t.Text == text) return &t;
    return nullptr;
}

int stoffTabweite(const StoffThema& thema) {
    return thema.Text == kHistorisch ? 80 : 120;
}

std::string stoffUeberschrift(const StoffThema& thema) {
    std::string s(thema.Text);
    if (!thema.Einheit.empty()) {
        s += " in ";
        s += thema.Einheit;
    }
    return s;
}

std::string stoffBedingungszeile(const StoffThema& thema) {
    if (thema.Bedingung.empty()) return {};
    // Appended piece by piece: GCC's -Wrestrict misjudges "(" + std::string(...) when inlined.
    std::string s(1, '(');
    s += thema.Bedingung;
    s += ')';
    return s;
}

std::vector<std::string> stoffEintraege(const std::vector<std::string>& zeilen, int feld) {
    std::vector<std::string> eintraege;
    for (const auto& z : zeilen) {
        std::string wert = ZeilenFeld(z, '\t', feld);
        if (wert.empty()) continue;
        eintraege.push_back(ZeilenFeld(z, '\t', 1) + '\t' + wert);
    }
    return eintraege;
}

StoffAnzeige zeigeStoffThema(std::string_view text) {
    StoffAnzeige a;
    const StoffThema* t = findeStoffThema(text);
    if (!t) return a;
    a.Tabweite = stoffTabweite(*t);
    a.Eintraege = stoffEintraege(ladeReferenzzeilen(t->Datei), t->Feld);
    a.Ueberschrift = stoffUeberschrift(*t);
    a.Bedingungszeile = stoffBedingungszeile(*t);
    return a;
}

} // namespace qnt

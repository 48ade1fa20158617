#pragma once
// Substance data: one property of many substances, read from "Stoffw1.nfo" .. "Stoffw7.nfo".
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

struct StoffThema {
    std::string_view Text;
    std::string_view Datei;
    int Feld;                   // 1-based field of the value; field 1 is the name
    std::string_view Einheit;   // empty: none
    std::string_view Bedingung; // empty: none
};

// In the order of the topic selector.
extern const std::array<StoffThema, 18> kStoffThemen;

// Looked up by exact text; nullptr when no topic has it.
const StoffThema* findeStoffThema(std::string_view text);

// List tab width in list-box tab units (4 units are one average character width).
int stoffTabweite(const StoffThema& thema);

// "Dichte in kg/m³"; the text alone without a unit.
std::string stoffUeberschrift(const StoffThema& thema);

// "(bei 1013 mbar)"; empty without a condition.
std::string stoffBedingungszeile(const StoffThema& thema);

// "name<TAB>value" for every line with a value in `feld`, in file order.
std::vector<std::string> stoffEintraege(const std::vector<std::string>& zeilen, int feld);

struct StoffAnzeige {
    std::string Ueberschrift;
    std::string Bedingungszeile;
    int Tabweite = 0;
    std::vector<std::string> Eintraege;
};

// Everything a topic shows, its file read now. A topic that is not in the table shows nothing.
// Throws LaufzeitFehler when the file cannot be opened.
StoffAnzeige zeigeStoffThema(std::string_view text);

} // namespace qnt

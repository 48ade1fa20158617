#pragma once
// The settings file "QNT5.INI": eight fixed lines.
#include <string>
#include <vector>

#include "data/Laender.h"

namespace qnt {

inline constexpr std::string_view kEinstellungsDatei = "QNT5.INI";

struct TEinstellungen {
    int Gebietsposition = 1; // 1-based; 0 when no category was selected
    bool SortAlphabet = true;
    bool WissAnzeige = true;
    TLandAngezeigt LandAngezeigt = alleLaenderAngezeigt();
};

// False (and the defaults in `e`) when the file is missing, unreadable, shorter than eight lines, or
// lines 5 to 7 are not integers. A line 8 shorter than 91 characters leaves the missing countries shown.
bool leseEinstellungen(TEinstellungen& e, std::string_view datei = kEinstellungsDatei);
std::vector<std::string> einstellungsZeilen(const TEinstellungen& e);
bool schreibeEinstellungen(const TEinstellungen& e, std::string_view datei = kEinstellungsDatei);

// Integer as the settings lines hold it: optional leading blanks, optional sign, digits.
bool liesGanzzahl(std::string_view text, int& wert);

extern const char* const kEinstellungenFehlen;          // warning on a failed read
extern const char* const kEinstellungenNichtGeschrieben; // warning on a failed write

} // namespace qnt

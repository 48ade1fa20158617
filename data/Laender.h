#pragma once
// The built-in country table: 91 rows by LandNr 1..91; rows 1-5 are systems of units.
#include <array>
#include <string_view>

namespace qnt {

inline constexpr int kLaenderAnzahl = 91;

// Code page 1252 texts; index 0 is unused so that Laendernamen[LandNr] reads naturally.
extern const std::array<std::string_view, kLaenderAnzahl + 1> Laendernamen;

// True for a LandNr that names a non-empty row (1..5, 21..40, 50..58, 60..91).
bool landNrGueltig(int landNr);

// The country name of a LandNr; empty for a number outside the table.
std::string_view landName(int landNr);

// Which countries the unit list shows, by LandNr (index 0 unused).
using TLandAngezeigt = std::array<bool, kLaenderAnzahl + 1>;
TLandAngezeigt alleLaenderAngezeigt();

inline constexpr int kLandEigeneEinheit = 4;
inline constexpr int kLandSonstigeEinheit = 5;

} // namespace qnt

#pragma once
// The two tables built into the program: physical constants and decimal prefixes.
#include <array>
#include <string>
#include <string_view>

namespace qnt {

struct PhysKonstante {
    std::string_view Name;
    std::string_view Wert; // value with its unit
};

extern const std::array<PhysKonstante, 33> kPhysKonstanten;

// Tab stops of the constants list, in list-box tab units.
inline constexpr int kKonstantenTabweite = 120;

// One list line: name, tab, value.
std::string konstantenZeile(const PhysKonstante& k);

// Aligned for a monospaced font; a line of hyphens parts multiples from submultiples.
extern const std::array<std::string_view, 25> kVorsatzzeilen;

} // namespace qnt

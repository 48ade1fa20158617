#pragma once
// The miscellaneous tables of "STOFFW9.NFO": each table is a fixed range of lines, columns split by tabs.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

inline constexpr std::string_view kTabellenDatei = "STOFFW9.NFO";

struct TabellenThema {
    std::string_view Text;
    int Von;                                 // first line, 1-based
    int Bis;                                 // last line, inclusive
    int Tabweite;                            // list-box tab units (4 units are one average character width)
    std::array<std::string_view, 6> Spalten; // empty after the last heading
    int Abstand;                             // pixels from one heading's left edge to the next
    int Mehrbreite;                          // pixels added to the viewer, its frame and its list
    int spaltenzahl() const;
    int zeilenzahl() const { return Bis - Von + 1; }
};

// In file order of the line ranges.
extern const std::array<TabellenThema, 11> kTabellenThemen;

// As the topic selector lists them (alphabetically).
extern const std::array<std::string_view, 11> kTabellenThemenSortiert;

// Base geometry in pixels, restored before every topic.
inline constexpr int kDivBasisBreite = 330;
inline constexpr int kDivRahmenBreite = 297;
inline constexpr int kDivListenBreite = 281;
inline constexpr int kDivUeberschriften = 6;

const TabellenThema* findeTabellenThema(std::string_view text);

struct TabellenAuszug {
    std::vector<std::string> Zeilen;
    // 0-based index of the first line the file lacks, when the range runs past its end.
    std::optional<int> FehlendeZeile;
};

// The lines of the topic's range, each whole, as far as the file has them.
TabellenAuszug tabellenZeilen(const std::vector<std::string>& datei, const TabellenThema& thema);

} // namespace qnt

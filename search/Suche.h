#pragma once
// The unit search over the data files of every category.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"

namespace qnt {

// One hit: copied from the record, with its category (1-based) and record position (0-based).
struct TSuchobjekt {
    std::string Name;
    std::string Kurzzeichen;
    std::string SonstigeNamen;
    std::uint8_t Angezeigt = 0;
    std::int32_t GebietNr = 0;
    std::int32_t LandNr = 0;
    std::int32_t SatzNr = 0;
    bool operator==(const TSuchobjekt&) const = default;
};

enum class Suchart { Name, Abkuerzung };       // RadioGroup1
enum class Namenssuche { Bestandteil, Exakt }; // RadioGroup2, only for Suchart::Name

struct TSuchergebnis {
    std::vector<TSuchobjekt> Treffer;
    std::vector<std::string> Zeilen; // the result list, one line per hit
    bool DateiFehlt = false;         // the walk stopped at a data file that could not be read
};

inline constexpr std::string_view kDatendateiFehlt =
    "Eine Datendatei konnte nicht gefunden werden. Bitte pr\xFC"
    "fen Sie, ob alle Datendateien vorhanden sind.";

// Reads every data file of `gebiete` once, in index order. Letter case is ignored for A-Z only.
// Nothing for an empty term: the dialog then leaves its list as it is.
std::optional<TSuchergebnis> suche(const TGebiete& gebiete, std::string_view begriff, Suchart art,
                                   Namenssuche namenssuche = Namenssuche::Bestandteil);

// Sets Angezeigt of the hit's record to 1. A file error throws LaufzeitFehler ("Datei nicht gefunden"
// for a missing file, "Zugriff verweigert" for a write-protected one).
void trefferEinblenden(const TGebiete& gebiete, const TSuchobjekt& treffer);

// The index of the first entry with the hit's exact Name and LandNr, or nothing.
std::optional<std::size_t> findeTreffer(const std::vector<TAusgabetextobject>& liste,
                                        const TSuchobjekt& treffer);

} // namespace qnt

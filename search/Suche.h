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

// The field whose text starts a hit's line.
enum class Trefferfeld : std::uint8_t { Name, SonstigeNamen, Kurzzeichen };

// One hit: its category (1-based), record position (0-based), and the record's LandNr and Angezeigt as
// read during the search. The texts stay in the data file until the hit is shown (trefferZeilen,
// trefferSatz), so a million hits take 12 MB.
struct TSuchobjekt {
    std::int32_t GebietNr = 0;
    std::int32_t SatzNr = 0;
    std::uint8_t LandNr = 0;
    std::uint8_t Angezeigt = 0;
    Trefferfeld Feld = Trefferfeld::Name;
    bool operator==(const TSuchobjekt&) const = default;
};

enum class Suchart { Name, Abkuerzung };       // RadioGroup1
enum class Namenssuche { Bestandteil, Exakt }; // RadioGroup2, only for Suchart::Name

struct TSuchergebnis {
    std::vector<TSuchobjekt> Treffer;
    bool DateiFehlt = false; // the walk stopped at a data file that could not be read
};

inline constexpr std::string_view kDatendateiFehlt =
    "Eine Datendatei konnte nicht gefunden werden. Bitte pr\xFC"
    "fen Sie, ob alle Datendateien vorhanden sind.";

// Reads every data file of `gebiete` once, in index order. Letter case is ignored for A-Z only.
// Nothing for an empty term: the dialog then leaves its list as it is. A data file too large to load
// throws LaufzeitFehler naming it.
std::optional<TSuchergebnis> suche(const TGebiete& gebiete, std::string_view begriff, Suchart art,
                                   Namenssuche namenssuche = Namenssuche::Bestandteil);

// The result list's line of every hit: the matching name (or other names), " - ", the country; in
// "Abkürzung" mode the symbol, " - ", the name, " - ", the country. Each run of hits in one category
// reads its span of records in one read; a hit whose record cannot be read gets an empty line.
std::vector<std::string> trefferZeilen(const TGebiete& gebiete, const std::vector<TSuchobjekt>& treffer);

// The hit's record as the data file holds it now; nothing when it cannot be read.
std::optional<TEinheitSatz> trefferSatz(const TGebiete& gebiete, const TSuchobjekt& treffer);

// Sets Angezeigt of the hit's record to 1. A file error throws LaufzeitFehler ("Datei nicht gefunden"
// for a missing file, "Zugriff verweigert" for a write-protected one).
void trefferEinblenden(const TGebiete& gebiete, const TSuchobjekt& treffer);

// The index of the first entry with exactly this Name and LandNr, or nothing.
std::optional<std::size_t> findeTreffer(const std::vector<TAusgabetextobject>& liste, std::string_view name,
                                        int landNr);

} // namespace qnt

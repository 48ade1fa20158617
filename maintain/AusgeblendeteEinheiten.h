#pragma once
// Hidden units: the list of the show-hidden dialog, showing them again, and deleting them for good.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"
#include "maintain/Revision.h"

namespace qnt {

// One line of the show-hidden list: Name, " - ", country name; and the record's position.
struct TAusgeblendeteEinheit {
    std::string Zeile;
    TDatenobject Daten;
};

// The records with Angezeigt 0, in file order. False when the file cannot be opened or read
// (message: oeffnenFehlertext); `liste` then holds nothing new.
bool ladeAusgeblendete(std::string_view datei, std::vector<TAusgeblendeteEinheit>& liste);

// Sets Angezeigt to 1 in the records at `satzNrn`, in that order. An empty list touches no file.
Pflegeergebnis einblenden(std::string_view datei, const std::vector<std::int32_t>& satzNrn);

// "Beim Gebiet "Temperatur" können keine Einheiten gelöscht werden!" for the temperature category:
// its converter knows its units by record position.
std::optional<std::string> loeschVerweigerung(Gebietsart art);

// The Yes/No question before deleting.
std::string loeschFrage(std::string_view gebietname);

inline constexpr std::string_view kAusgeblendeteGeloescht = "Die ausgeblendeten Einheiten sind gel\xF6scht!";

// Removes every record whose Angezeigt is not 1.
Pflegeergebnis loescheAusgeblendete(std::string_view datei);

} // namespace qnt

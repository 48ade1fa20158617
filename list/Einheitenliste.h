#pragma once
// Building the unit list of a category from its data file.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"
#include "data/Laender.h"

namespace qnt {

using TEinheitenliste = std::vector<TAusgabetextobject>;

// Records shown (Angezeigt 1) whose country is shown, in file order, read in blocks of records. False
// (and `liste` empty) when the file could not be opened or read. A file too large to load throws
// LaufzeitFehler naming it (datendateiZuGrossFehler) before `liste` changes.
// Records with a LandNr outside 1..91 are listed (nothing hides them) and sort after every country.
bool ladeEinheitenliste(std::string_view dateiname, const TLandAngezeigt& landAngezeigt, TEinheitenliste& liste);

// Stable regrouping by LandNr 1..91, in one pass.
void sortiereNachLand(TEinheitenliste& liste);

// "Die Datei <name> konnte nicht geöffnet werden!"
std::string datendateiMeldung(std::string_view dateiname);

// The shown information for the Uebersetzung caption by category.
std::string uebersetzungsUeberschrift(Gebietsart art);

} // namespace qnt

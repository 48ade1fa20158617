#pragma once
// The country drop-down lists of the maintenance dialogs.
#include <string_view>
#include <vector>

#include "data/Laender.h"

namespace qnt {

// The LandNr of every non-empty row of Laendernamen, in table order (66 of them; the first is "SI-Einheit").
const std::vector<int>& laenderAuswahl();

// A LandNr that a record may carry: the given one if it names a country, else 4 ("Eigene Einheit"),
// for a drop-down whose choice was typed over.
int gueltigeLandNr(int landNr);

} // namespace qnt

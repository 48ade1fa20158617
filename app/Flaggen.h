#pragma once
#include <QPixmap>

namespace qnt {
// Flag image of a LandNr, 32 x 16 pixels (image LandNr - 1); a neutral image outside the table.
QPixmap flagge(int landNr);
} // namespace qnt

#pragma once
#include <QPixmap>

namespace qnt {
// Flag image of a LandNr, 32 x 16 pixels (image LandNr - 1 of the image list); the empty rows of the
// country table and any LandNr outside 1..91 give a neutral image.
QPixmap flagge(int landNr);
} // namespace qnt

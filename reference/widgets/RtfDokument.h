#pragma once
// Builds a rich-text document for the screen from what the RTF reader found.
#include "reference/RtfLeser.h"

class QTextDocument;

namespace qnt {

// Replaces the document's contents.
void fuelleTextdokument(QTextDocument& ziel, const RtfDokument& quelle);

} // namespace qnt

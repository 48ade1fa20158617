#pragma once
class QWidget;

namespace qnt {
// The help viewer layer: the help file "QNT5.HLP" at its contents, and quit.
void hilfeInhalt(QWidget* eltern);
void hilfeBeenden();
} // namespace qnt

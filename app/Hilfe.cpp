#include "app/Hilfe.h"

namespace qnt {
void hilfeInhalt(QWidget*) {}
void hilfeBeenden() {}
} // namespace qnt

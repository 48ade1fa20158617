#pragma once
#include <QIcon>

namespace qnt {
// Small drawn button symbols, so the program needs no icon theme.
QIcon symbolInfo();
QIcon symbolSuchen();
QIcon symbolAusblenden();
} // namespace qnt

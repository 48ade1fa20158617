#pragma once
// Pieces shared by the two factor dialogs.
#include <QString>

class QDialog;
class QGridLayout;
class QLabel;
class QPushButton;

namespace qnt {


// Caption, fixed size, Arial 8 pt; the layout that the dialog fills.
QGridLayout* faktordialogRahmen(QDialog* d, const QString& titel);
// A caption and a blue value label beside it in the next row of `raster`.
QLabel* wertzeile(QDialog* d, QGridLayout* raster, const QString& titel);
// OK (default) and Abbrechen at the bottom right.
void faktordialogKnoepfe(QDialog* d, QPushButton*& ok, QPushButton*& abbrechen);

} // namespace qnt

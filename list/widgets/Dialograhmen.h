#pragma once
// What the program's own dialogs share: the frame they are shown in and a Tab order that follows the eye.
#include <vector>

class QDialog;
class QGridLayout;
class QPushButton;
class QString;
class QWidget;

namespace qnt {

// Caption, title bar with a close box only, fixed size, modal, Arial 8 pt.
void dialogRahmen(QDialog* d, const QString& titel);

// The layout of a form dialog: a grid of captions and fields inside a column with the buttons below,
// the dialog as large as its contents. Returns the grid; the column is the dialog's layout().
QGridLayout* formularRaster(QDialog* d);

// "OK" (the default button) and "Abbrechen" at the right below a form dialog's grid.
void okAbbrechenZeile(QDialog* d, QPushButton*& ok, QPushButton*& abbrechen);

// Tab moves through `felder` in this order; the controls of a dialog are listed as the eye reads them,
// top to bottom and left to right, and then its buttons.
void tabfolge(const std::vector<QWidget*>& felder);

} // namespace qnt

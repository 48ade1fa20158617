#pragma once
// What the program's own dialogs share: the frame they are shown in and a Tab order that follows the eye.
#include <vector>

class QDialog;
class QString;
class QWidget;

namespace qnt {

// Caption, title bar with a close box only, fixed size, modal, Arial 8 pt.
void dialogRahmen(QDialog* d, const QString& titel);

// Tab moves through `felder` in this order; the controls of a dialog are listed as the eye reads them,
// top to bottom and left to right, and then its buttons.
void tabfolge(const std::vector<QWidget*>& felder);

} // namespace qnt

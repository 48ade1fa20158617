// The calculation: the session converts; the window shows the results, then the reports, then reloads.
#include <QLineEdit>

#include "app/Qnt01.h"
#include "app/Text.h"

namespace qnt {

void TMyWindow::rechnen() {
    const TAntwort a = sitzung_.rechne(cp(Edit_Eingabe->text()));
    if (a.Ergebnisse) Ergebnisse_anzeigen();
    Zeige(a.Berichte);
    if (a.NeuLaden) ComboBox1Change();
}

} // namespace qnt

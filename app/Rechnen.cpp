// The calculation: hands the input, the marked row and the list to the converter of the category.
#include <QLineEdit>

#include "app/Qnt01.h"
#include "app/Text.h"
#include "convert/Umrechner.h"

namespace qnt {

void TMyWindow::rechnen() {
    const Rechenergebnis e = rechne(AktuellerGebietname(), cp(Edit_Eingabe->text()), MarkierteZeile(), Einheitenliste);
    if (e.ergebnisseGeschrieben()) Ergebnisse_anzeigen();
    if (!e.meldung.empty()) Eingabefehler_melden(qs(e.meldung), e.markieren);
    if (e.neuLaden) ComboBox1Change();
}

} // namespace qnt

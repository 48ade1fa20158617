// Menu commands of "&Informationen": the reference viewers, each filling itself when shown.
#include "app/Qnt01.h"
#include "reference/widgets/DivDaten.h"
#include "reference/widgets/Elem_info.h"
#include "reference/widgets/PhysKonstanten.h"
#include "reference/widgets/Ravento.h"
#include "reference/widgets/Stoffdaten.h"
#include "reference/widgets/Vorsatz.h"

namespace qnt {

void TMyWindow::Vorsatzzeichen1Click() {
    Vorsatzzeichen->exec();
}

void TMyWindow::ChemischeElemente1Click() {
    ElementeDlg->exec();
}

void TMyWindow::PhysikalischeKonstanten1Click() {
    PhysKonstDlg->exec();
}

void TMyWindow::Stoffdaten1Click() {
    StoffdatenDlg->exec();
}

void TMyWindow::DiverseDaten1Click() {
    DivDatenDlg->exec();
}

void TMyWindow::Ravento1Click() {
    RaventoDlg->exec();
}

} // namespace qnt

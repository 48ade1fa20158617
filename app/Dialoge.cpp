// Every dialog is created once, in this order, and lives as long as the main window.
#include "app/Qnt01.h"
#include "list/widgets/Landdlg.h"
#include "maintain/widgets/Einh_ein.h"

namespace qnt {

void TMyWindow::DialogeAnlegen() {
    Laender_Dlg = new TLaender_Dlg(*this);
    Dlg_Einheit_einblenden = new TDlg_Einheit_einblenden(*this);
    // TDlg_eigene_einfuegen, TDlg_eigene_einfuegen_Waehrung, TDlg_eigene_einfuegen_WZ, TFaktor_aendern,
    // TFaktor_aendern_Weltzeit, TSuch_Dialog, TueberBox, TVorsatzzeichen, TGebietNeuDlg, TGebietLoeschenDlg,
    // TFaktor_aender_Waehrung_neu, TStoffdatenDlg, TElementeDlg, TPhysKonstDlg, TDivDatenDlg, TRaventoDlg
}

} // namespace qnt

// Every dialog is created once, in this order, and lives as long as the main window.
#include "app/Qnt01.h"
#include "list/widgets/Landdlg.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"
#include "maintain/widgets/Einh_ein.h"
#include "maintain/widgets/Fa_aen.h"
#include "maintain/widgets/Fa_aenwa_neu.h"
#include "maintain/widgets/Fa_aenwz.h"
#include "maintain/widgets/GebietLoeschen.h"
#include "maintain/widgets/GebietNeuDialog.h"
#include "reference/widgets/DivDaten.h"
#include "reference/widgets/Elem_info.h"
#include "reference/widgets/PhysKonstanten.h"
#include "reference/widgets/Ravento.h"
#include "reference/widgets/Stoffdaten.h"
#include "reference/widgets/Ueber.h"
#include "reference/widgets/Vorsatz.h"
#include "search/widgets/Suchdlg.h"

namespace qnt {

void TMyWindow::DialogeAnlegen() {
    Laender_Dlg = new TLaender_Dlg(*this, this);
    Dlg_Einheit_einblenden = new TDlg_Einheit_einblenden(*this, this);
    Dlg_eigene_einfuegen = new TDlg_eigene_einfuegen(*this, this);
    Dlg_eigene_einfuegen_Waehrung = new TDlg_eigene_einfuegen_Waehrung(*this, this);
    Dlg_eigene_einfuegen_WZ = new TDlg_eigene_einfuegen_WZ(*this, this);
    Faktor_aendern = new TFaktor_aendern(*this, this);
    Faktor_aendern_Weltzeit = new TFaktor_aendern_Weltzeit(*this, this);
    Such_Dialog = new TSuch_Dialog(*this, this);
    ueberBox = new TueberBox(this);
    Vorsatzzeichen = new TVorsatzzeichen(this);
    GebietNeuDlg = new TGebietNeuDlg(*this, this);
    GebietLoeschenDlg = new TGebietLoeschenDlg(*this, this);
    Faktor_aender_Waehrung_neu = new TFaktor_aender_Waehrung_neu(*this, this);
    StoffdatenDlg = new TStoffdatenDlg(this);
    ElementeDlg = new TElementeDlg(this);
    PhysKonstDlg = new TPhysKonstDlg(this);
    DivDatenDlg = new TDivDatenDlg(this);
    RaventoDlg = new TRaventoDlg(this);
}

} // namespace qnt

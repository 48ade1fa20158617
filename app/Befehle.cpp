// Menu commands that open the maintenance, search and information dialogs.
#include "app/Hilfe.h"
#include "app/Meldung.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "list/widgets/Landdlg.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/AusgeblendeteEinheiten.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"
#include "maintain/widgets/Einh_ein.h"
#include "maintain/widgets/Fa_aen.h"
#include "maintain/widgets/Fa_aenwa_neu.h"
#include "maintain/widgets/Fa_aenwz.h"
#include "maintain/widgets/GebietLoeschen.h"
#include "maintain/widgets/GebietNeuDialog.h"
#include "reference/widgets/Ueber.h"
#include "search/widgets/Suchdlg.h"

#include "list/widgets/EinheitenModell.h"
#include <QScopeGuard>

namespace qnt {

void TMyWindow::Einheiteinblenden1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    Dlg_Einheit_einblenden->exec();
    ListBoxEinheit->setFocus();
    AutomatischeNeuberechnung();
}

void TMyWindow::AusgeblendeteEinheitenlschen1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    if (const auto verweigerung = sitzung_.loeschVerweigerung()) {
        meldeInfo(this, qs(*verweigerung));
        return;
    }
    if (frageJaNein(this, qs(sitzung_.loeschFrage())) != KnopfJa) return;
    const TAntwort a = sitzung_.loescheAusgeblendete();
    Zeige(a.Berichte);
    if (a.NeuLaden) ComboBox1Change();
}

void TMyWindow::Lnderauseinblenden1Click() {
    Laender_Dlg->exec();
    AutomatischeNeuberechnung();
}

void TMyWindow::EigeneEinheiteinfgen1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    if (const auto verweigerung = einfuegeVerweigerung(sitzung_.art())) {
        meldeInfo(this, qs(*verweigerung));
        return;
    }
    QDialog* dlg = nullptr;
    switch (einfuegedialogFuer(sitzung_.art())) {
    case Einfuegedialog::Waehrung:
        dlg = Dlg_eigene_einfuegen_Waehrung;
        break;
    case Einfuegedialog::Weltzeit:
        dlg = Dlg_eigene_einfuegen_WZ;
        break;
    case Einfuegedialog::Gewoehnlich:
        dlg = Dlg_eigene_einfuegen;
        break;
    case Einfuegedialog::Keiner:
        return;
    }
    if (dlg->exec() == QDialog::Accepted) ComboBox1Change();
}

void TMyWindow::Umrechnungsfaktorndern1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    if (const auto verweigerung = faktorVerweigerung(sitzung_.art())) {
        meldeInfo(this, qs(*verweigerung));
        return;
    }
    if (!sitzung_.liste().empty()) {
        const Faktordialog art = faktordialogFuer(sitzung_.art());
        if (art == Faktordialog::Kurstabelle) {
            if (Faktor_aender_Waehrung_neu->exec() == QDialog::Accepted) ComboBox1Change();
        } else if (art != Faktordialog::Keiner) {
            QDialog* dlg = art == Faktordialog::Weltzeit ? static_cast<QDialog*>(Faktor_aendern_Weltzeit) : Faktor_aendern;
            if (dlg->exec() == QDialog::Accepted) {
                // The shown results no longer fit the factors.
                sitzung_.ErgebnisGueltig = false;
                ListenzeilenNeuZeichnen();
                GewaehlteEinheitZeigen();
                ErgebnisUeberschriftLoeschen();
                if (art == Faktordialog::Weltzeit) InfopanelFuellen();
            }
        }
    }
    AutomatischeNeuberechnung();
}

void TMyWindow::Einheitsuchen1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    ListBoxEinheit->hide();
    const auto wiederZeigen = qScopeGuard([this] {
        ListBoxEinheit->show();
        if (const QModelIndex zeile = ListBoxEinheit->currentIndex(); zeile.isValid()) ListBoxEinheit->scrollTo(zeile);
    });
    Such_Dialog->exec();
    AutomatischeNeuberechnung();
}

// Without a loaded category index the index files were unreadable; rewriting them would lose them.
void TMyWindow::NeuesGebieteinfgen1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    GebietNeuDlg->exec();
    ListBoxEinheit->setFocus();
}

void TMyWindow::VorhandenesGebietlschen1Click() {
    if (!sitzung_.gebietGewaehlt()) return;
    GebietLoeschenDlg->exec();
    ListBoxEinheit->setFocus();
}

void TMyWindow::Index1Click() { hilfeInhalt(this); }

void TMyWindow::ber1Click() { ueberBox->exec(); }


} // namespace qnt

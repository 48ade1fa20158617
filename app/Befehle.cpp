// Menu commands that open the maintenance, search and information dialogs.
#include "app/Hilfe.h"
#include "app/Meldung.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "list/widgets/Landdlg.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/AusgeblendeteEinheiten.h"
#include "maintain/Revision.h"
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

#include <QListWidget>
#include <QScopeGuard>

namespace qnt {

void TMyWindow::Einheiteinblenden1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    Dlg_Einheit_einblenden->exec();
    ListBoxEinheit->setFocus();
    AutomatischeNeuberechnung();
}

void TMyWindow::AusgeblendeteEinheitenlschen1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    const std::string name = AktuellerGebietname();
    if (const auto verweigerung = loeschVerweigerung(name)) {
        meldeInfo(this, qs(*verweigerung));
        return;
    }
    if (frageJaNein(this, qs(loeschFrage(name))) != KnopfJa) return;
    const auto ergebnis = loescheAusgeblendete(AktuelleDatei());
    if (ergebnis) meldeInfo(this, qs(kAusgeblendeteGeloescht));
    else meldeFehler(this, qs(ergebnis.Meldung));
    ComboBox1Change();
}

void TMyWindow::Lnderauseinblenden1Click() {
    Laender_Dlg->exec();
    AutomatischeNeuberechnung();
}

void TMyWindow::EigeneEinheiteinfgen1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    const std::string name = AktuellerGebietname();
    if (const auto verweigerung = einfuegeVerweigerung(name)) {
        meldeInfo(this, qs(*verweigerung));
        return;
    }
    EinheitEingefuegt = false;
    switch (einfuegedialogFuer(name)) {
    case Einfuegedialog::Waehrung:
        Dlg_eigene_einfuegen_Waehrung->exec();
        break;
    case Einfuegedialog::Weltzeit:
        Dlg_eigene_einfuegen_WZ->exec();
        break;
    case Einfuegedialog::Gewoehnlich:
        Dlg_eigene_einfuegen->exec();
        break;
    case Einfuegedialog::Keiner:
        return;
    }
    if (EinheitEingefuegt) ComboBox1Change();
}

void TMyWindow::Umrechnungsfaktorndern1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    const std::string name = AktuellerGebietname();
    if (const auto verweigerung = faktorVerweigerung(name)) {
        meldeInfo(this, qs(*verweigerung));
        return;
    }
    if (!Einheitenliste.empty()) {
        const Faktordialog art = faktordialogFuer(name);
        if (art == Faktordialog::Kurstabelle) {
            if (Faktor_aender_Waehrung_neu->exec() == QDialog::Accepted) ComboBox1Change();
        } else if (art != Faktordialog::Keiner) {
            if (art == Faktordialog::Weltzeit)
                Faktor_aendern_Weltzeit->exec();
            else
                Faktor_aendern->exec();
            if (FaktorGeaendert) {
                // The shown results no longer fit the factors.
                ErgebnisGueltig = false;
                const int markiert = MarkierteZeile();
                EinheitenzeilenFuellen();
                MarkiereZeile(markiert);
                GewaehlteEinheitZeigen();
                ErgebnisUeberschriftLoeschen();
                if (art == Faktordialog::Weltzeit) InfopanelFuellen();
            }
        }
    }
    AutomatischeNeuberechnung();
}

void TMyWindow::Einheitsuchen1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    ListBoxEinheit->hide();
    const auto wiederZeigen = qScopeGuard([this] {
        ListBoxEinheit->show();
        if (auto* zeile = ListBoxEinheit->currentItem()) ListBoxEinheit->scrollToItem(zeile);
    });
    Such_Dialog->exec();
    AutomatischeNeuberechnung();
}

// Without a loaded category index the index files were unreadable; rewriting them would lose them.
void TMyWindow::NeuesGebieteinfgen1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    GebietNeuDlg->exec();
    ListBoxEinheit->setFocus();
}

void TMyWindow::VorhandenesGebietlschen1Click() {
    if (GewaehlterGebietsIndex() < 0) return;
    GebietLoeschenDlg->exec();
    ListBoxEinheit->setFocus();
}

void TMyWindow::Index1Click() { hilfeInhalt(this); }

void TMyWindow::ber1Click() { ueberBox->exec(); }


} // namespace qnt

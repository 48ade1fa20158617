#pragma once
// The main window: category selector, unit list, information panel, input field and menus.
#include <QMainWindow>
#include <string>

#include "list/Sitzung.h"
#include "list/widgets/Fensterzugang.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace qnt {

class TEinheitenAnsicht;
class TEinheitenModell;
class TLaender_Dlg;
class TDlg_Einheit_einblenden;
class TDlg_eigene_einfuegen;
class TDlg_eigene_einfuegen_Waehrung;
class TDlg_eigene_einfuegen_WZ;
class TFaktor_aendern;
class TFaktor_aendern_Weltzeit;
class TSuch_Dialog;
class TueberBox;
class TVorsatzzeichen;
class TGebietNeuDlg;
class TGebietLoeschenDlg;
class TFaktor_aender_Waehrung_neu;
class TStoffdatenDlg;
class TElementeDlg;
class TPhysKonstDlg;
class TDivDatenDlg;
class TRaventoDlg;

class TMyWindow : public QMainWindow, public TFensterzugang {
    Q_OBJECT
public:
    explicit TMyWindow(QWidget* eltern = nullptr);
    ~TMyWindow() override;

    // Centres and shows the window (its first show loads the categories).
    void zeigeStart();

    // --- What the dialogs reach ---
    TSitzung& Sitzung() override { return sitzung_; }
    void ListeNeuFuellen() override;
    void MarkiereZeile(int zeile) override;
    void GebietWaehlen(int index) override;

    // Calculates when automatic calculation is on and the input is not empty.
    void AutomatischeNeuberechnung();

    int MarkierteZeile() const { return sitzung_.markiert(); }

    // --- Controls, reached by the widget tests ---
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label_Ausgangseinheit = nullptr;
    QLabel* Flagge1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Info_Ueberschrift = nullptr;
    QLabel* Info_Kurzzeichen1 = nullptr;
    QLabel* Info_Kurzzeichen2 = nullptr;
    QLabel* Info_sonstige_Namen1 = nullptr;
    QLabel* Info_Sonstige_Namen2 = nullptr;
    QLabel* Info_Uebersetzung1 = nullptr;
    QLabel* Info_Uebersetzung2 = nullptr;
    QLabel* Info_Einsatzgebiet1 = nullptr;
    QLabel* Info_Einsatzgebiet2 = nullptr;
    QLabel* Info_entspricht1 = nullptr;
    QLabel* Info_entspricht2 = nullptr;
    QLabel* Info_ca_Wert1 = nullptr;
    QLabel* Info_ca_wert2 = nullptr;
    QLabel* Info_Landname1 = nullptr;
    QLabel* Info_Landname2 = nullptr;
    QLabel* Info_Ort1 = nullptr;
    QLabel* Info_ort2 = nullptr;
    QLabel* Info_Zeitraum1 = nullptr;
    QLabel* Info_Zeitraum2 = nullptr;
    QLabel* Info_reg_Unterschiede = nullptr;
    QLabel* Info_zeit_unterschiede = nullptr;
    TEinheitenAnsicht* ListBoxEinheit = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit_Eingabe = nullptr;
    QLabel* Label_gewaehlte_einheit = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Rechentaste = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* PopupMenu1 = nullptr;

    // --- Menu items (MainMenu1) ---
    QMenu* Datei1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Bearbeiten2 = nullptr;
    QAction* WertKopieren1 = nullptr;
    QAction* Werteinfgen1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QAction* Einheitausblenden1 = nullptr;
    QAction* Einheiteinblenden1 = nullptr;
    QAction* AusgeblendeteEinheitenlschen1 = nullptr;
    QAction* EigeneEinheiteinfgen1 = nullptr;
    QAction* Umrechnungsfaktorndern1 = nullptr;
    QAction* Einheitsuchen1 = nullptr;
    QMenu* Gebiet1 = nullptr;
    QAction* NeuesGebieteinfgen1 = nullptr;
    QAction* VorhandenesGebietlschen1 = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QAction* Fliekommaanzeige1 = nullptr;
    QAction* WissenschaZahlenanzeige1 = nullptr;
    QAction* EinheitensortierungnachAlphabet1 = nullptr;
    QAction* EinheitensortierungnachLand1 = nullptr;
    QAction* Lnderauseinblenden1 = nullptr;
    QAction* AutomatischesRechnen1 = nullptr;
    QMenu* Informationen1 = nullptr;
    QAction* Vorsatzzeichen1 = nullptr;
    QAction* ChemischeElemente1 = nullptr;
    QAction* PhysikalischeKonstanten1 = nullptr;
    QAction* Stoffdaten1 = nullptr;
    QAction* DiverseDaten1 = nullptr;
    QAction* Ravento1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Index1 = nullptr;
    QAction* ber1 = nullptr;
    QAction* Kopieren1 = nullptr;

    // --- Dialogs, created once at start-up and living as long as the window ---
    TLaender_Dlg* Laender_Dlg = nullptr;
    TDlg_Einheit_einblenden* Dlg_Einheit_einblenden = nullptr;
    TDlg_eigene_einfuegen* Dlg_eigene_einfuegen = nullptr;
    TDlg_eigene_einfuegen_Waehrung* Dlg_eigene_einfuegen_Waehrung = nullptr;
    TDlg_eigene_einfuegen_WZ* Dlg_eigene_einfuegen_WZ = nullptr;
    TFaktor_aendern* Faktor_aendern = nullptr;
    TFaktor_aendern_Weltzeit* Faktor_aendern_Weltzeit = nullptr;
    TSuch_Dialog* Such_Dialog = nullptr;
    TueberBox* ueberBox = nullptr;
    TVorsatzzeichen* Vorsatzzeichen = nullptr;
    TGebietNeuDlg* GebietNeuDlg = nullptr;
    TGebietLoeschenDlg* GebietLoeschenDlg = nullptr;
    TFaktor_aender_Waehrung_neu* Faktor_aender_Waehrung_neu = nullptr;
    TStoffdatenDlg* StoffdatenDlg = nullptr;
    TElementeDlg* ElementeDlg = nullptr;
    TPhysKonstDlg* PhysKonstDlg = nullptr;
    TDivDatenDlg* DivDatenDlg = nullptr;
    TRaventoDlg* RaventoDlg = nullptr;

    // --- Event handlers that the widget tests call ---
    void ComboBox1Change();
    void Timer1Timer();
    void SpeedButton2Click();
    void Einheitausblenden1Click();
    void EinheitensortierungnachLand1Click();
    void EinheitensortierungnachAlphabet1Click();
    void Einheiteinblenden1Click();
    void AusgeblendeteEinheitenlschen1Click();
    void Lnderauseinblenden1Click();
    void EigeneEinheiteinfgen1Click();
    void Umrechnungsfaktorndern1Click();
    void Einheitsuchen1Click();
    void NeuesGebieteinfgen1Click();
    void VorhandenesGebietlschen1Click();
    void RechentasteClick();
    void AutomatischesRechnen1Click();
    void Index1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void ListBoxEinheitClick();
    void Edit_EingabeKeyUp(int taste, bool ziffernblock);
    void Wertkopieren1Click();
    void Kopieren1Click();
    void Werteinfgen1Click();
    void WissenschaZahlenanzeige1Click();
    void Fliekommaanzeige1Click();
    void Beenden1Click();
    void ber1Click();
    void Vorsatzzeichen1Click();
    void ChemischeElemente1Click();
    void PhysikalischeKonstanten1Click();
    void Stoffdaten1Click();
    void DiverseDaten1Click();
    void Ravento1Click();

    void InfopanelFuellen();
    void GewaehlteEinheitZeigen();
    void ErgebnisUeberschriftZeigen();
    void ErgebnisUeberschriftLoeschen();
    void Ergebnisse_anzeigen();
    // The session calculates; the window shows the results, then the reports, then reloads.
    void rechnen();
    void SteuerelementeAnlegen();
    void DialogeAnlegen();
    void MenueAnlegen();
    void ListenzeilenNeuZeichnen();
    // Shows the session's list and marked row.
    void ZeilenZeigen();
    // The list with its marked unit, information and reports, as after every load or sort.
    void ListeZeigen(const TBerichte& berichte);
    void SortiermenueZeigen();
    void SortierungZeigen(const TAntwort& a);
    // Fills the category selector from the session without a change signal.
    void GebieteAuflisten(int index);
    void Zeige(const TBerichte& berichte, QWidget* eltern);
    void Zeige(const TBerichte& berichte) { Zeige(berichte, this); }
    TSitzung sitzung_;
    TEinheitenModell* Einheitenmodell = nullptr;
    int Blinkzaehler = 0;
    bool Blinkphase = true;
    bool gezeigt_ = false;
};

} // namespace qnt

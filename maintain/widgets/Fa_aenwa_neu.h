#pragma once
// The currency rate table: every currency of "Währungen", hidden ones included, edited and saved as a whole.
#include <QDialog>
#include <QUrl>
#include <set>

#include "maintain/Kurstabelle.h"
#include "maintain/Referenzkurse.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace qnt {

class TFensterzugang;

class TFaktor_aender_Waehrung_neu : public QDialog {
    Q_OBJECT
public:
    TFaktor_aender_Waehrung_neu(TFensterzugang& fenster, QWidget* eltern);

    QTableWidget* StringGrid1 = nullptr; // grid row r + 1 (below the header) is table row r
    QLabel* Label_Festkurse = nullptr;
    QLabel* Memo1 = nullptr;
    QPushButton* BitBtn_Speichern = nullptr;
    QPushButton* BitBtn_Abbrechen = nullptr;
    QPushButton* BitBtn_Land = nullptr;
    QPushButton* BitBtn_Einheit = nullptr;
    QPushButton* BitBtn_Kurse = nullptr; // "Aus dem Internet" / "Aus Datei…"
    QLabel* Label_Kursstand = nullptr;   // what the last takeover changed
    QUrl Kursadresse;                    // where "Aus dem Internet" fetches from

    // The entries behind the rows, in display order.
    const TKurstabelle& Tabelle() const { return tabelle_; }

    void FormShow();
    void BitBtn_LandClick();
    void BitBtn_EinheitClick();
    void BitBtn_SpeichernClick();
    void KurseAusDemInternet();
    void KurseAusDatei(const QString& pfad);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void tabelleFuellen();
    void spaltenAnpassen();
    void kurseUebernehmen(const TKurslesung& lesung);
    TFensterzugang& fenster_;
    TKurstabelle tabelle_;
    bool geladen_ = false;
    std::set<std::int32_t> uebernommen_; // SatzNr of the rows that took a reference rate, shown bold
};

} // namespace qnt

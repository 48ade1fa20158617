#pragma once
// The currency rate table: every currency of "Währungen", hidden ones included, edited and saved as a whole.
#include <QDialog>

#include "maintain/Kurstabelle.h"

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

    // The entries behind the rows, in display order.
    const TKurstabelle& Tabelle() const { return tabelle_; }

    void FormShow();
    void BitBtn_LandClick();
    void BitBtn_EinheitClick();
    void BitBtn_SpeichernClick();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void tabelleFuellen();
    TFensterzugang& fenster_;
    TKurstabelle tabelle_;
    bool geladen_ = false;
};

} // namespace qnt

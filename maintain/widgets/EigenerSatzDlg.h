#pragma once
// What the three own-unit dialogs share: name, symbol, country, factor, OK and Abbrechen, and the insertion.
#include <QDialog>
#include <vector>

#include "data/Einheit.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qnt {

class TFensterzugang;

class TEigeneEinheitDlg : public QDialog {
    Q_OBJECT
public:
    QLabel* Label_Name = nullptr;
    QLineEdit* Edit_Name = nullptr;
    QLineEdit* Edit_Kurzzeichen = nullptr;
    QComboBox* ComboBox_Land = nullptr;
    QLabel* Label_Faktor = nullptr;
    QLineEdit* Edit_Faktor = nullptr;
    QLabel* Label_Bezug = nullptr; // the category's base unit; empty in the world-time dialog
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    // Accepts the dialog once the unit is inserted; Abbrechen, Escape and the close box reject it.
    void OKBtnClick();

protected:
    TEigeneEinheitDlg(TFensterzugang& fenster, QWidget* eltern, const QString& titel,
                      const QString& namenLabel);

    // Adds a labelled line; `laenge` 0 leaves the length free.
    QLineEdit* neuesFeld(const QString& label, int laenge);
    // The factor field under (or, with `daneben`, beside) its label.
    void faktorfeld(const QString& label, bool daneben, int laenge);
    // The Tab order and the dialog's fixed size, once every row is in.
    void abschliessen();

    // The record of the fields as typed, with the parsed factor field.
    virtual TEinheitSatz satz(double faktor) const = 0;
    virtual bool mitBezug() const { return true; }

    void showEvent(QShowEvent* e) override;

    TFensterzugang& fenster_;
    QGridLayout* raster_ = nullptr;
    int zeile_ = 0;
    std::vector<QWidget*> felder_; // in the order of the rows
};

} // namespace qnt

#pragma once
// The dialog that creates a category of the user's own with its base unit and description.
#include <QDialog>

#include "maintain/Gebietsverwaltung.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qnt {

class TFensterzugang;

class TGebietNeuDlg : public QDialog {
    Q_OBJECT
public:
    TGebietNeuDlg(TFensterzugang& fenster, QWidget* eltern);

    QLabel* LabelName = nullptr;
    QLineEdit* EditName = nullptr;
    QLabel* LabelGrundeinheit = nullptr;
    QLineEdit* EditGrundeinheit = nullptr;
    QLabel* LabelKurzzeichen = nullptr;
    QLineEdit* EditKurzzeichen = nullptr;
    QLabel* LabelWeitereNamen = nullptr;
    QLineEdit* EditWeitereNamen = nullptr;
    QLabel* LabelEinsatzgebiet = nullptr;
    QLineEdit* EditEinsatzgebiet = nullptr;
    QLabel* LabelLand = nullptr;
    QComboBox* ComboBoxLand = nullptr; // each item carries its LandNr as data
    QLabel* LabelGrundeinheitErklaerung = nullptr;
    QLabel* LabelInfo = nullptr;
    QPlainTextEdit* MemoInfo = nullptr;
    QLabel* LabelInfoErklaerung = nullptr;
    QLabel* LabelDateiname = nullptr;
    QLineEdit* EditDateiname = nullptr;
    QLabel* LabelDat = nullptr;
    QPushButton* BtnEinfuegen = nullptr;
    QPushButton* BtnAbbrechen = nullptr;

    void FormShow();
    // Leaving the name field proposes the file name.
    void EditNameExit();
    void BtnEinfuegenClick();

    // The fields as typed, in code page 1252.
    TNeuesGebiet Eingaben() const;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* feld(GebietFeld f) const;
    TFensterzugang& fenster_;
};

} // namespace qnt

#pragma once
// The country dialog: which countries' units the unit list shows.
#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace qnt {

class TFensterzugang;

class TLaender_Dlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAnzahl = 64;
    TLaender_Dlg(TFensterzugang& fenster, QWidget* eltern);

    // LandNr of check box k (1-based).
    static int landNrVon(int k);

    QGroupBox* GroupBox1 = nullptr;
    std::array<QCheckBox*, kAnzahl + 1> CheckBox{}; // CheckBox[1] .. CheckBox[64]
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TFensterzugang& fenster_;
};

} // namespace qnt

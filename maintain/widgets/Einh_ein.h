#pragma once
// The dialog that lists the hidden units of the current category and shows them again.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace qnt {

class TFensterzugang;

class TDlg_Einheit_einblenden : public QDialog {
    Q_OBJECT
public:
    TDlg_Einheit_einblenden(TFensterzugang& fenster, QWidget* eltern);

    QLabel* Label1 = nullptr;      // "Gebiet:"
    QLabel* LabelGebiet = nullptr; // name of the current category
    QLabel* LabelStatus = nullptr;
    QListWidget* ListBox1 = nullptr; // each row carries the record position (TDatenobject) as its data
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* OKBtn = nullptr;

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void ersteZeileMarkieren();
    TFensterzugang& fenster_;
};

} // namespace qnt

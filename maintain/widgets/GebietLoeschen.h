#pragma once
// The dialog that deletes a category with its data file, index line and description.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace qnt {

class TFensterzugang;

class TGebietLoeschenDlg : public QDialog {
    Q_OBJECT
public:
    TGebietLoeschenDlg(TFensterzugang& fenster, QWidget* eltern);

    QLabel* Label1 = nullptr; // "Vorhandene Gebiete:"
    QListWidget* ListBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TFensterzugang& fenster_;
};

} // namespace qnt

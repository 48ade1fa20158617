#pragma once
// The physical constants viewer: a built-in list of name and value.
#include <QDialog>

class QPushButton;

namespace qnt {

class TTabListe;

class TPhysKonstDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPhysKonstDlg(QWidget* eltern);

    TTabListe* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;

    void FormShow();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace qnt

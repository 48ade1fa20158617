#pragma once
// Changing the offset to universal time (in minutes) and the summer-time note of a world-time place.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qnt {

class TMyWindow;

class TFaktor_aendern_Weltzeit : public QDialog {
    Q_OBJECT
public:
    explicit TFaktor_aendern_Weltzeit(TMyWindow& fenster);

    QLabel* Label_Gebiet = nullptr;
    QLabel* Label_Land = nullptr;
    QLabel* Label_Einheit = nullptr;
    QLineEdit* Edit_Minuten = nullptr;
    QGroupBox* Panel_Info = nullptr;
    QLineEdit* Edit_Sommerzeit = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    void OKBtnClick();
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    TMyWindow& fenster_;
};

} // namespace qnt

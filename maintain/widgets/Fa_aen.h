#pragma once
// Changing the conversion factor of the marked unit of an ordinary category.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qnt {

class TMyWindow;

class TFaktor_aendern : public QDialog {
    Q_OBJECT
public:
    explicit TFaktor_aendern(TMyWindow& fenster);

    QLabel* Label_Gebiet = nullptr;
    QLabel* Label_Land = nullptr;
    QLabel* Label_Einheit = nullptr;
    QLineEdit* Edit_Faktor = nullptr;
    QLabel* Label_Bezug = nullptr;
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

#pragma once
// The sheet that presents the companion program, with its description from "Ravento.rtf".
#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace qnt {

class TVerweis;

class TRaventoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRaventoDlg(QWidget* eltern);

    QLabel* Label1 = nullptr; // introduction
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label2 = nullptr; // name line
    QLabel* Label3 = nullptr; // platform line
    QTextEdit* RichEdit1 = nullptr;
    QLabel* Label4 = nullptr;   // prompt
    TVerweis* Label5 = nullptr; // link
    QPushButton* OKBtn = nullptr;

    void FormShow();
    void Label5Click();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace qnt

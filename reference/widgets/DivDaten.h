#pragma once
// The table viewer: one of the tables of "STOFFW9.NFO" with its column headings, widened to fit.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace qnt {

class TTabListe;

class TDivDatenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDivDatenDlg(QWidget* eltern);

    QComboBox* ComboBox1 = nullptr;
    QFrame* Bevel1 = nullptr;       // the frame around headings and list
    std::array<QLabel*, 6> Label{}; // Label1 .. Label6
    TTabListe* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;

    void FormShow();
    void ComboBox1Change();
    void FormClose();

    const std::vector<std::string>& zeilen() const { return zeilen_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void setzeBreite(int mehr);
    std::vector<std::string> zeilen_;
    bool schriftAngepasst_ = false;
};

} // namespace qnt

#pragma once
// The unit search: finds units by name, other name or symbol in every category and jumps to one.
#include <QDialog>
#include <vector>

#include "search/Suche.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qnt {

class TFensterzugang;

class TSuch_Dialog : public QDialog {
    Q_OBJECT
public:
    TSuch_Dialog(TFensterzugang& fenster, QWidget* eltern);

    // RadioGroup1 "Suchen nach": 0 "Name", 1 "Abkürzung". RadioGroup2: 0 part of the name, 1 exact.
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioName = nullptr;
    QRadioButton* RadioAbkuerzung = nullptr;
    QLabel* Label1 = nullptr; // "Suchbegriff:"
    QLineEdit* Edit1 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QRadioButton* RadioBestandteil = nullptr;
    QRadioButton* RadioExakt = nullptr;
    QLabel* Label2 = nullptr; // "Gefundene Einheiten:"
    QListWidget* ListBox1 = nullptr;
    QLabel* Label3 = nullptr; // "Anzahl:"
    QLabel* Label4 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Entry i belongs to line i of ListBox1.
    std::vector<TSuchobjekt> Trefferliste;

    int RadioGroup1Index() const;
    int RadioGroup2Index() const;

    void FormShow();
    void RadioGroup1Click();
    void OKBtnClick();
    void HelpBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Suchlauf {
        std::string Begriff;
        Suchart Art = Suchart::Name;
        Namenssuche Namen = Namenssuche::Bestandteil;
    };
    void trefferZeigen(const TSuchergebnis& ergebnis);
    void abschliessen();
    QButtonGroup* gruppe1_ = nullptr;
    QButtonGroup* gruppe2_ = nullptr;
    Suchlauf letzte_;
    TFensterzugang& fenster_;
};

} // namespace qnt

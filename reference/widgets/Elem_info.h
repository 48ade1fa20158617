#pragma once
// The element viewer: the elements by name and the data sheet of the marked one.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace qnt {

class TElementeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TElementeDlg(QWidget* eltern);

    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;

    // The values of the data sheet.
    QLabel* Wert_Name = nullptr;
    QLabel* Wert_Symbol = nullptr;
    QLabel* Wert_EnglischerName = nullptr;
    QLabel* Wert_Entdeckung = nullptr;
    QLabel* Wert_Ordnungszahl = nullptr;
    QLabel* Wert_Gruppe = nullptr;
    QLabel* Wert_Oxidationszahl = nullptr;
    QLabel* Wert_Elektronenkonfig = nullptr;
    QLabel* Wert_Zustand = nullptr;
    QLabel* Wert_Atommasse = nullptr;
    QLabel* Wert_Schmelzpunkt = nullptr;
    QLabel* Wert_Siedepunkt = nullptr;
    QLabel* Label_Dichte = nullptr; // caption chosen by the state
    QLabel* Wert_Dichte = nullptr;
    QLabel* Wert_JeGramm = nullptr;
    QLabel* Wert_JeMol = nullptr;

    void FormShow();
    void ListBox1Click();
    void FormClose();

    // The file's lines while the viewer is open.
    const std::vector<std::string>& zeilen() const { return zeilen_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void leereDatenblatt();
    std::vector<std::string> zeilen_;
};

} // namespace qnt

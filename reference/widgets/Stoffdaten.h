#pragma once
// The substance data viewer: one property of many substances per topic.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace qnt {

class TTabListe;

class TStoffdatenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TStoffdatenDlg(QWidget* eltern);

    QComboBox* ComboBox1 = nullptr;
    QLabel* Label1 = nullptr; // heading: topic and unit
    QLabel* Label2 = nullptr; // measuring conditions
    TTabListe* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;

    void FormShow();
    void ComboBox1Change();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace qnt

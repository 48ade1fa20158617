#pragma once
// The about box: product, version and the maker's contact data.
#include <QDialog>

class QLabel;
class QPushButton;

namespace qnt {

class TVerweis;

class TueberBox : public QDialog {
    Q_OBJECT
public:
    explicit TueberBox(QWidget* eltern);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Hersteller = nullptr;
    QLabel* EMail = nullptr;
    TVerweis* Webadresse = nullptr;
    QPushButton* OKButton = nullptr;

    void WebadresseClick();
};

} // namespace qnt

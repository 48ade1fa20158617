#include "reference/widgets/Ueber.h"

#include <QLabel>
#include <QPushButton>

#include "app/Anwendung.h"
#include "app/Shell.h"
#include "reference/widgets/TabListe.h"
#include "reference/widgets/Verweis.h"

namespace qnt {

namespace {
QLabel* textzeile(QWidget* eltern, const QString& text, int y, int pixel = 0, bool fett = false) {
    auto* l = new QLabel(text, eltern);
    QFont f = l->font();
    if (pixel > 0) f.setPixelSize(pixel);
    f.setBold(fett);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter);
    l->setGeometry(10, y, 300, pixel > 0 ? pixel + 10 : 20);
    return l;
}
} // namespace

TueberBox::TueberBox(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Über Quantora"));
    setModal(true);
    setFont(referenzSchrift());
    setFixedSize(320, 250);

    ProductName = textzeile(this, QStringLiteral("Quantora Pro"), 14, 26, true);
    Version = textzeile(this, QStringLiteral("Version " QUANTORA_VERSION), 52);
    textzeile(this, QStringLiteral("Umrechnung von Maßeinheiten aus aller Welt"), 74);
    Hersteller = textzeile(this, QStringLiteral("Quantora Softwarehaus GmbH"), 112, 0, true);
    EMail = textzeile(this, QStringLiteral("E-Mail: info@quantora.example"), 134);
    EMail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Webadresse = new TVerweis(QStringLiteral("https://www.quantora.example"), 13, this);
    Webadresse->move((320 - Webadresse->width()) / 2, 160);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry((320 - 75) / 2, 210, 75, 25);
    OKButton->setDefault(true);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Webadresse, &TVerweis::geklickt, this,
            [this] { mitFehlerbericht([this] { WebadresseClick(); }); });
}

void TueberBox::WebadresseClick() {
    oeffneAdresse(Webadresse->text());
}

} // namespace qnt

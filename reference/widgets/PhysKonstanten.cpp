#include "reference/widgets/PhysKonstanten.h"

#include <QPushButton>
#include <QShowEvent>

#include "app/Anwendung.h"
#include "app/Text.h"
#include "reference/Festtabellen.h"
#include "reference/widgets/TabListe.h"

namespace qnt {

TPhysKonstDlg::TPhysKonstDlg(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Physikalische Konstanten"));
    setModal(true);
    setFont(referenzSchrift());
    setFixedSize(470, 420);
    ListBox1 = new TTabListe(this);
    ListBox1->setGeometry(10, 10, 450, 360);
    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->setGeometry(385, 384, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TPhysKonstDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) mitFehlerbericht([this] { FormShow(); });
}

void TPhysKonstDlg::FormShow() {
    ListBox1->clear();
    ListBox1->setzeTabweite(kKonstantenTabweite);
    QStringList zeilen;
    for (const auto& k : kPhysKonstanten)
        zeilen << qs(konstantenZeile(k));
    ListBox1->addItems(zeilen);
}

} // namespace qnt

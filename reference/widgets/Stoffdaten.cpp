#include "reference/widgets/Stoffdaten.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include "app/Anwendung.h"
#include "app/Text.h"
#include "reference/Stoffwerte.h"
#include "reference/widgets/TabListe.h"

namespace qnt {

TStoffdatenDlg::TStoffdatenDlg(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Stoffdaten"));
    setModal(true);
    setFont(referenzSchrift());
    setFixedSize(440, 430);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(10, 10, 330, 22);
    ComboBox1->setMaxVisibleItems(static_cast<int>(kStoffThemen.size()));
    Label1 = new QLabel(this);
    Label1->setGeometry(10, 42, 420, 18);
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    Label2 = new QLabel(this);
    Label2->setGeometry(10, 60, 420, 18);
    ListBox1 = new TTabListe(this);
    ListBox1->setGeometry(10, 82, 420, 300);
    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->setGeometry(355, 394, 75, 25);
    Button1->setDefault(true);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this] { mitFehlerbericht([this] { ComboBox1Change(); }); });
}

void TStoffdatenDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) mitFehlerbericht([this] { FormShow(); });
}

void TStoffdatenDlg::FormShow() {
    {
        const QSignalBlocker stumm(ComboBox1);
        ComboBox1->clear();
        for (const auto& t : kStoffThemen)
            ComboBox1->addItem(qs(t.Text));
        ComboBox1->setCurrentIndex(0);
    }
    ComboBox1->setFocus();
    ComboBox1Change();
}

void TStoffdatenDlg::ComboBox1Change() {
    Label1->clear();
    Label2->clear();
    ListBox1->clear();
    const StoffAnzeige a = zeigeStoffThema(cp(ComboBox1->currentText()));
    if (a.Tabweite > 0) ListBox1->setzeTabweite(a.Tabweite);
    QStringList zeilen;
    zeilen.reserve(static_cast<qsizetype>(a.Eintraege.size()));
    for (const auto& e : a.Eintraege)
        zeilen << qs(e);
    ListBox1->addItems(zeilen);
    Label1->setText(qs(a.Ueberschrift));
    Label2->setText(qs(a.Bedingungszeile));
}

} // namespace qnt

#include "reference/widgets/Elem_info.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include "app/Anwendung.h"
#include "app/Text.h"
#include "reference/Elementdaten.h"
#include "reference/Referenzdatei.h"
#include "reference/widgets/TabListe.h"

namespace qnt {

namespace {

constexpr int kBreite = 600;
constexpr int kBeschriftungX = 180;
constexpr int kWertX = 420;
constexpr int kZeile = 20;

QLabel* beschriftung(QWidget* eltern, std::string_view text, int y, int breite = kWertX - kBeschriftungX) {
    auto* l = new QLabel(qs(text), eltern);
    l->setGeometry(kBeschriftungX, y, breite, 18);
    return l;
}

QLabel* wert(QWidget* eltern, int x, int y, int breite) {
    auto* l = new QLabel(eltern);
    l->setGeometry(x, y, breite, 18);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    return l;
}

} // namespace

TElementeDlg::TElementeDlg(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Chemische Elemente"));
    setModal(true);
    setFont(referenzSchrift());
    setFixedSize(kBreite, 470);

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(10, 10, 155, 450);

    const int rechts = kBreite - 10 - kWertX;
    Wert_Name = new QLabel(this);
    Wert_Name->setGeometry(kBeschriftungX, 10, 290, 22);
    QFont kopf = Wert_Name->font();
    kopf.setBold(true);
    kopf.setUnderline(true);
    kopf.setPixelSize(16);
    Wert_Name->setFont(kopf);

    Wert_Symbol = wert(this, kBreite - 100, 6, 90);
    Wert_Symbol->setGeometry(kBreite - 100, 6, 90, 44);
    Wert_Symbol->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont gross = Wert_Symbol->font();
    gross.setBold(true);
    gross.setPixelSize(36);
    Wert_Symbol->setFont(gross);

    int y = 56;
    beschriftung(this, elementtext::EnglischerName, y);
    Wert_EnglischerName = wert(this, kWertX, y, rechts);
    y += kZeile;
    Wert_Entdeckung = new QLabel(this);
    Wert_Entdeckung->setGeometry(kBeschriftungX, y, kBreite - 10 - kBeschriftungX, 18);
    y += kZeile + 6;
    beschriftung(this, elementtext::Ordnungszahl, y);
    Wert_Ordnungszahl = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::Gruppe, y);
    Wert_Gruppe = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::Oxidationszahl, y);
    Wert_Oxidationszahl = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::Elektronenkonfig, y);
    Wert_Elektronenkonfig = wert(this, kWertX, y, rechts);
    y += kZeile + 8;

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(kBeschriftungX, y, kBreite - 10 - kBeschriftungX, 2);
    y += 8;
    QLabel* physik = beschriftung(this, elementtext::PhysikalischeDaten, y);
    QFont unterstrichen = physik->font();
    unterstrichen.setUnderline(true);
    physik->setFont(unterstrichen);
    y += kZeile + 4;

    beschriftung(this, elementtext::Aggregatzustand, y);
    Wert_Zustand = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::Atommasse, y);
    Wert_Atommasse = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::Schmelzpunkt, y);
    Wert_Schmelzpunkt = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::Siedepunkt, y);
    Wert_Siedepunkt = wert(this, kWertX, y, rechts);
    y += kZeile;
    Label_Dichte = beschriftung(this, elementtext::DichteGas, y);
    Wert_Dichte = wert(this, kWertX, y, rechts);
    y += kZeile + 8;
    beschriftung(this, elementtext::Waermekapazitaet, y, kBreite - 10 - kBeschriftungX);
    y += kZeile;
    beschriftung(this, elementtext::JeGramm, y);
    Wert_JeGramm = wert(this, kWertX, y, rechts);
    y += kZeile;
    beschriftung(this, elementtext::JeMol, y);
    Wert_JeMol = wert(this, kWertX, y, rechts);

    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->setGeometry(kBreite - 10 - 75, 470 - 10 - 25, 75, 25);
    Button1->setDefault(true);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    // Mouse and keyboard alike change the marked row.
    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this] { mitFehlerbericht([this] { ListBox1Click(); }); });
}

void TElementeDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) mitFehlerbericht([this] { FormShow(); });
}

void TElementeDlg::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (!e->spontaneous()) FormClose();
}

void TElementeDlg::FormShow() {
    {
        const QSignalBlocker stumm(ListBox1);
        ListBox1->clear();
    }
    zeilen_.clear();
    leereDatenblatt();
    zeilen_ = ladeReferenzzeilen(kElementDatei);
    QStringList namen;
    for (const auto& n : elementNamen(zeilen_))
        namen << qs(n);
    {
        const QSignalBlocker stumm(ListBox1);
        ListBox1->addItems(namen);
        if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    }
    ListBox1->setFocus();
    ListBox1Click();
}

void TElementeDlg::FormClose() {
    std::vector<std::string>().swap(zeilen_);
}

void TElementeDlg::leereDatenblatt() {
    for (QLabel* l : {Wert_Name, Wert_Symbol, Wert_EnglischerName, Wert_Entdeckung, Wert_Ordnungszahl,
                      Wert_Gruppe, Wert_Oxidationszahl, Wert_Elektronenkonfig, Wert_Zustand, Wert_Atommasse,
                      Wert_Schmelzpunkt, Wert_Siedepunkt, Wert_Dichte, Wert_JeGramm, Wert_JeMol})
        l->clear();
}

void TElementeDlg::ListBox1Click() {
    const int i = ListBox1->currentRow();
    // Without a marked element (an empty file) the sheet stays empty.
    if (i < 0 || i >= static_cast<int>(zeilen_.size())) {
        leereDatenblatt();
        return;
    }
    const Elementblatt b = elementblatt(zeilen_[static_cast<std::size_t>(i)]);
    Wert_Name->setText(ListBox1->item(i)->text());
    Wert_Symbol->setText(qs(b.Symbol));
    Wert_EnglischerName->setText(qs(b.EnglischerName));
    Wert_Ordnungszahl->setText(qs(b.Ordnungszahl));
    Wert_Gruppe->setText(qs(b.Gruppe));
    Wert_Oxidationszahl->setText(qs(b.Oxidationszahl));
    Wert_Elektronenkonfig->setText(qs(b.Elektronenkonfig));
    Wert_Zustand->setText(qs(b.Zustand));
    Wert_Atommasse->setText(qs(b.Atommasse));
    Wert_Schmelzpunkt->setText(qs(b.Schmelzpunkt));
    Wert_Siedepunkt->setText(qs(b.Siedepunkt));
    Label_Dichte->setText(qs(b.DichteBeschriftung));
    Wert_Dichte->setText(qs(b.Dichte));
    Wert_JeGramm->setText(qs(b.WaermeJeGramm));
    Wert_JeMol->setText(qs(b.WaermeJeMol));
    Wert_Entdeckung->setText(qs(b.Entdeckung));
}

} // namespace qnt

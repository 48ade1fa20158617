#include "maintain/widgets/Einh_ein.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/AusgeblendeteEinheiten.h"

namespace qnt {

namespace {
void faerbe(QLabel* l, const QColor& farbe) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, farbe);
    l->setPalette(p);
}
constexpr int kSatzNrRolle = Qt::UserRole;
} // namespace

TDlg_Einheit_einblenden::TDlg_Einheit_einblenden(TFensterzugang& fenster, QWidget* eltern)
    : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, QStringLiteral("Ausgeblendete Einheiten wieder einblenden"));
    setFixedSize(420, 330);

    Label1 = new QLabel(QStringLiteral("Gebiet:"), this);
    Label1->move(12, 12);
    LabelGebiet = new QLabel(this);
    LabelGebiet->setGeometry(60, 12, 340, 16);
    faerbe(LabelGebiet, Qt::blue);
    LabelStatus = new QLabel(this);
    LabelStatus->setGeometry(12, 36, 396, 16);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(12, 56, 396, 220);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BitBtn1 = new QPushButton(QStringLiteral("&Markierte Einheit einblenden"), this);
    BitBtn1->setGeometry(12, 288, 160, 28);
    BitBtn2 = new QPushButton(QStringLiteral("&Alle Einheiten einblenden"), this);
    BitBtn2->setGeometry(180, 288, 140, 28);
    OKBtn = new QPushButton(QStringLiteral("&Beenden"), this);
    OKBtn->setGeometry(328, 288, 80, 28);
    OKBtn->setDefault(true);

    connect(BitBtn1, &QPushButton::clicked, this, sicher(this, &TDlg_Einheit_einblenden::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, sicher(this, &TDlg_Einheit_einblenden::BitBtn2Click));
    connect(OKBtn, &QPushButton::clicked, this, sicher(this, &TDlg_Einheit_einblenden::OKBtnClick));
}

void TDlg_Einheit_einblenden::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TDlg_Einheit_einblenden::hideEvent(QHideEvent* e) {
    ListBox1->clear();
    QDialog::hideEvent(e);
}

void TDlg_Einheit_einblenden::FormShow() {
    LabelGebiet->setText(qs(fenster_.Sitzung().gebietname()));
    LabelStatus->setText(QStringLiteral("Ausgeblendete Einheiten:"));
    faerbe(LabelStatus, Qt::black);
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(true);
    ListBox1->clear();

    const std::string datei = fenster_.Sitzung().datei();
    std::vector<TAusgeblendeteEinheit> ausgeblendet;
    if (!ladeAusgeblendete(datei, ausgeblendet)) meldeFehler(this, qs(oeffnenFehlertext(datei)));
    for (const auto& a : ausgeblendet)
        (new QListWidgetItem(qs(a.Zeile), ListBox1))->setData(kSatzNrRolle, a.Daten.SatzNr);

    ListBox1->setFocus();
    ersteZeileMarkieren();
    if (ListBox1->count() == 0) {
        LabelStatus->setText(QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
        faerbe(LabelStatus, Qt::red);
        BitBtn1->setEnabled(false);
        BitBtn2->setEnabled(false);
    }
}

void TDlg_Einheit_einblenden::ersteZeileMarkieren() {
    if (ListBox1->count() == 0) return;
    ListBox1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

void TDlg_Einheit_einblenden::BitBtn1Click() {
    std::vector<std::int32_t> positionen;
    QList<QListWidgetItem*> markiert;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected()) {
            markiert.append(ListBox1->item(i));
            positionen.push_back(ListBox1->item(i)->data(kSatzNrRolle).toInt());
        }
    if (positionen.empty()) return;
    const auto ergebnis = einblenden(fenster_.Sitzung().datei(), positionen);
    if (!ergebnis) meldeFehler(this, qs(ergebnis.Meldung));
    qDeleteAll(markiert);
    ListBox1->setFocus();
    ersteZeileMarkieren();
}

void TDlg_Einheit_einblenden::BitBtn2Click() {
    fenster_.Sitzung().ErgebnisGueltig = false;
    std::vector<std::int32_t> positionen;
    for (int i = 0; i < ListBox1->count(); ++i)
        positionen.push_back(ListBox1->item(i)->data(kSatzNrRolle).toInt());
    const auto ergebnis = einblenden(fenster_.Sitzung().datei(), positionen);
    if (!ergebnis) meldeFehler(this, qs(ergebnis.Meldung));
    fenster_.ListeNeuFuellen();
    accept();
}

void TDlg_Einheit_einblenden::OKBtnClick() {
    // Units shown one by one reach the main list when the dialog is left.
    if (BitBtn1->isEnabled()) fenster_.ListeNeuFuellen();
    accept();
}

} // namespace qnt

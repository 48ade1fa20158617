#include "maintain/widgets/Faktordlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "convert/Zahlen.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/Laenderauswahl.h"

namespace qnt {

namespace {
// A caption and a blue value label beside it in the next row of `raster`.
QLabel* wertzeile(QDialog* d, QGridLayout* raster, const QString& titel) {
    const int zeile = raster->rowCount();
    raster->addWidget(new QLabel(titel, d), zeile, 0);
    auto* wert = new QLabel(d);
    QPalette p = wert->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    wert->setPalette(p);
    wert->setMinimumWidth(180);
    raster->addWidget(wert, zeile, 1, 1, 2);
    return wert;
}
} // namespace

TFaktordialog::TFaktordialog(TFensterzugang& fenster, QWidget* eltern, const QString& titel,
                             const QString& einheit)
    : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, titel);
    raster_ = formularRaster(this);
    Label_Gebiet = wertzeile(this, raster_, QStringLiteral("Gebiet:"));
    Label_Land = wertzeile(this, raster_, QStringLiteral("Land:"));
    Label_Einheit = wertzeile(this, raster_, einheit);
    raster_->setColumnStretch(2, 1);
}

QLineEdit* TFaktordialog::zahlfeld(const QString& label, int breite) {
    const int zeile = raster_->rowCount();
    raster_->setRowMinimumHeight(zeile, 4);
    zahl_ = new QLineEdit(this);
    zahl_->setFixedWidth(breite);
    auto* l = new QLabel(label, this);
    l->setBuddy(zahl_);
    raster_->addWidget(l, zeile + 1, 0, 1, 3);
    zahlzeile_ = zeile + 2;
    return zahl_;
}

void TFaktordialog::knoepfeAnfuegen() {
    okAbbrechenZeile(this, OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, sicher(this, &TFaktordialog::OKBtnClick));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFaktordialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TFaktordialog::FormShow() {
    Label_Gebiet->setText(qs(fenster_.Sitzung().gebietname()));
    const TAusgabetextobject* e = fenster_.Sitzung().markierterEintrag();
    Label_Land->setText(e ? qs(landName(e->Satz.LandNr())) : QString());
    Label_Einheit->setText(e ? qs(e->Satz.Name()) : QString());
    felderFuellen(e);
    zahl_->setFocus();
}

void TFaktordialog::OKBtnClick() {
    const auto zahl = dezimalzahlLesen(cp(zahl_->text()));
    if (!zahl) {
        meldeInfo(this, qs(kEingabefeldFalsch));
        zahl_->setFocus();
        return;
    }
    TAusgabetextobject* e = fenster_.Sitzung().markierterEintrag();
    if (!e) return;
    const auto ergebnis = schreiben(*e, *zahl);
    if (!ergebnis) {
        // The dialog stays open; the entry keeps its old values.
        meldeFehler(this, qs(ergebnis.Meldung));
        return;
    }
    accept();
}

} // namespace qnt

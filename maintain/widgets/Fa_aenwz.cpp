#include "maintain/widgets/Fa_aenwz.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "convert/Zahlen.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/Laenderauswahl.h"
#include "maintain/widgets/Faktordlg.h"

namespace qnt {

TFaktor_aendern_Weltzeit::TFaktor_aendern_Weltzeit(TMyWindow& fenster)
    : QDialog(&fenster), fenster_(fenster) {
    auto* raster = faktordialogRahmen(this, QStringLiteral("Umrechnungsfaktor ändern - Weltzeit"));
    Label_Gebiet = wertzeile(this, raster, QStringLiteral("Gebiet:"));
    Label_Land = wertzeile(this, raster, QStringLiteral("Land:"));
    Label_Einheit = wertzeile(this, raster, QStringLiteral("Einheit:"));
    const int zeile = raster->rowCount();
    raster->setRowMinimumHeight(zeile, 4);
    Edit_Minuten = new QLineEdit(this);
    Edit_Minuten->setFixedWidth(60);
    auto* differenz = new QLabel(QStringLiteral("Zeitdifferenz zur Weltzeit:"), this);
    differenz->setBuddy(Edit_Minuten);
    raster->addWidget(differenz, zeile + 1, 0, 1, 3);
    raster->addWidget(Edit_Minuten, zeile + 2, 0);
    raster->addWidget(new QLabel(QStringLiteral("Minuten"), this), zeile + 2, 1, 1, 2);
    raster->setColumnStretch(2, 1);

    Panel_Info = new QGroupBox(QStringLiteral("Angabe für Info-Feld:"), this);
    auto* panel = new QVBoxLayout(Panel_Info);
    Edit_Sommerzeit = new QLineEdit(Panel_Info);
    Edit_Sommerzeit->setMaxLength(32);
    auto* sommerzeit = new QLabel(QStringLiteral("Sommerzeit (+ 1 Stunde) von..bis"), Panel_Info);
    sommerzeit->setBuddy(Edit_Sommerzeit);
    panel->addWidget(sommerzeit);
    panel->addWidget(Edit_Sommerzeit);
    raster->addWidget(Panel_Info, zeile + 3, 0, 1, 3);
    faktordialogKnoepfe(this, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, [this] { mitFehlerbericht([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &TFaktor_aendern_Weltzeit::reject);
}

void TFaktor_aendern_Weltzeit::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TFaktor_aendern_Weltzeit::FormShow() {
    Label_Gebiet->setText(qs(fenster_.Sitzung().gebietname()));
    const TAusgabetextobject* e = fenster_.Sitzung().markierterEintrag();
    Label_Land->setText(e ? qs(landName(e->Satz.LandNr())) : QString());
    Label_Einheit->setText(e ? qs(e->Satz.Name()) : QString());
    Edit_Minuten->setText(e ? qs(minutenText(e->Satz.Faktor())) : QString());
    Edit_Sommerzeit->setMaxLength(32);
    Edit_Sommerzeit->setText(e ? qs(e->Satz.Uebersetzung()) : QString());
    Edit_Minuten->setFocus();
}

void TFaktor_aendern_Weltzeit::OKBtnClick() {
    const auto minuten = dezimalzahlLesen(cp(Edit_Minuten->text()));
    if (!minuten) {
        meldeInfo(this, qs(kEingabefeldFalsch));
        Edit_Minuten->setFocus();
        return;
    }
    TAusgabetextobject* e = fenster_.Sitzung().markierterEintrag();
    if (!e) return;
    const auto ergebnis =
        aendereWeltzeit(fenster_.Sitzung().datei(), *e, *minuten, cp(Edit_Sommerzeit->text()));
    if (!ergebnis) {
        meldeFehler(this, qs(ergebnis.Meldung));
        return;
    }
    fenster_.Sitzung().FaktorGeaendert = true;
    accept();
}

void TFaktor_aendern_Weltzeit::reject() {
    fenster_.Sitzung().FaktorGeaendert = false;
    QDialog::reject();
}

} // namespace qnt

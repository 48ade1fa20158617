#include "maintain/widgets/Fa_aen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "convert/Zahlen.h"
#include "maintain/Faktoraenderung.h"
#include "maintain/Laenderauswahl.h"
#include "maintain/widgets/Faktordlg.h"

namespace qnt {

TFaktor_aendern::TFaktor_aendern(TMyWindow& fenster) : QDialog(&fenster), fenster_(fenster) {
    auto* raster = faktordialogRahmen(this, QStringLiteral("Umrechnungsfaktor ändern"));
    Label_Gebiet = wertzeile(this, raster, QStringLiteral("Gebiet:"));
    Label_Land = wertzeile(this, raster, QStringLiteral("Land:"));
    Label_Einheit = wertzeile(this, raster, QStringLiteral("1"));
    const int zeile = raster->rowCount();
    raster->setRowMinimumHeight(zeile, 4);
    Edit_Faktor = new QLineEdit(this);
    Edit_Faktor->setFixedWidth(130);
    auto* entspricht = new QLabel(QStringLiteral("entspricht:"), this);
    entspricht->setBuddy(Edit_Faktor);
    raster->addWidget(entspricht, zeile + 1, 0, 1, 2);
    raster->addWidget(Edit_Faktor, zeile + 2, 0, 1, 2);
    Label_Bezug = new QLabel(this);
    raster->addWidget(Label_Bezug, zeile + 2, 2);
    raster->setColumnStretch(2, 1);
    faktordialogKnoepfe(this, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, [this] { mitFehlerbericht([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &TFaktor_aendern::reject);
}

void TFaktor_aendern::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TFaktor_aendern::FormShow() {
    Label_Gebiet->setText(qs(fenster_.Sitzung().gebietname()));
    Label_Bezug->setText(qs(fenster_.Sitzung().bezug()));
    const TAusgabetextobject* e = fenster_.Sitzung().markierterEintrag();
    Label_Land->setText(e ? qs(landName(e->Satz.LandNr())) : QString());
    Label_Einheit->setText(e ? qs(e->Satz.Name()) : QString());
    Edit_Faktor->setText(e ? qs(faktorText(e->Satz.Faktor())) : QString());
    Edit_Faktor->setFocus();
}

void TFaktor_aendern::OKBtnClick() {
    const auto faktor = dezimalzahlLesen(cp(Edit_Faktor->text()));
    if (!faktor) {
        meldeInfo(this, qs(kEingabefeldFalsch));
        Edit_Faktor->setFocus();
        return;
    }
    TAusgabetextobject* e = fenster_.Sitzung().markierterEintrag();
    if (!e) return;
    const auto ergebnis = aendereFaktor(fenster_.Sitzung().datei(), *e, *faktor);
    if (!ergebnis) {
        // The dialog stays open; the entry keeps its old factor.
        meldeFehler(this, qs(ergebnis.Meldung));
        return;
    }
    fenster_.Sitzung().FaktorGeaendert = true;
    accept();
}

void TFaktor_aendern::reject() {
    fenster_.Sitzung().FaktorGeaendert = false;
    QDialog::reject();
}

} // namespace qnt

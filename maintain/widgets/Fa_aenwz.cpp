#include "maintain/widgets/Fa_aenwz.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/Text.h"
#include "list/Sitzung.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/Faktoraenderung.h"

namespace qnt {

TFaktor_aendern_Weltzeit::TFaktor_aendern_Weltzeit(TFensterzugang& fenster, QWidget* eltern)
    : TFaktordialog(fenster, eltern, QStringLiteral("Umrechnungsfaktor ändern - Weltzeit"),
                    QStringLiteral("Einheit:")) {
    Edit_Minuten = zahlfeld(QStringLiteral("Zeitdifferenz zur Weltzeit:"), 60);
    raster_->addWidget(Edit_Minuten, zahlzeile_, 0);
    raster_->addWidget(new QLabel(QStringLiteral("Minuten"), this), zahlzeile_, 1, 1, 2);

    Panel_Info = new QGroupBox(QStringLiteral("Angabe für Info-Feld:"), this);
    auto* panel = new QVBoxLayout(Panel_Info);
    Edit_Sommerzeit = new QLineEdit(Panel_Info);
    Edit_Sommerzeit->setMaxLength(32);
    auto* sommerzeit = new QLabel(QStringLiteral("Sommerzeit (+ 1 Stunde) von..bis"), Panel_Info);
    sommerzeit->setBuddy(Edit_Sommerzeit);
    panel->addWidget(sommerzeit);
    panel->addWidget(Edit_Sommerzeit);
    raster_->addWidget(Panel_Info, zahlzeile_ + 1, 0, 1, 3);
    knoepfeAnfuegen();
}

void TFaktor_aendern_Weltzeit::felderFuellen(const TAusgabetextobject* e) {
    Edit_Minuten->setText(e ? qs(minutenText(e->Satz.Faktor())) : QString());
    Edit_Sommerzeit->setText(e ? qs(e->Satz.Uebersetzung()) : QString());
}

Pflegeergebnis TFaktor_aendern_Weltzeit::schreiben(TAusgabetextobject& e, double minuten) {
    return aendereWeltzeit(fenster_.Sitzung().datei(), e, minuten, cp(Edit_Sommerzeit->text()));
}

} // namespace qnt

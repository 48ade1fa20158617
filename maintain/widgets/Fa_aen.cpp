#include "maintain/widgets/Fa_aen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/Text.h"
#include "list/Sitzung.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/Faktoraenderung.h"

namespace qnt {

TFaktor_aendern::TFaktor_aendern(TFensterzugang& fenster, QWidget* eltern)
    : TFaktordialog(fenster, eltern, QStringLiteral("Umrechnungsfaktor ändern"), QStringLiteral("1")) {
    Edit_Faktor = zahlfeld(QStringLiteral("entspricht:"), 130);
    raster_->addWidget(Edit_Faktor, zahlzeile_, 0, 1, 2);
    Label_Bezug = new QLabel(this);
    raster_->addWidget(Label_Bezug, zahlzeile_, 2);
    knoepfeAnfuegen();
}

void TFaktor_aendern::felderFuellen(const TAusgabetextobject* e) {
    Label_Bezug->setText(qs(fenster_.Sitzung().bezug()));
    Edit_Faktor->setText(e ? qs(faktorText(e->Satz.Faktor())) : QString());
}

Pflegeergebnis TFaktor_aendern::schreiben(TAusgabetextobject& e, double faktor) {
    return aendereFaktor(fenster_.Sitzung().datei(), e, faktor);
}

} // namespace qnt

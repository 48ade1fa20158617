#include "maintain/widgets/Fa_aen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/Qnt01.h"
#include "app/Text.h"
#include "maintain/Faktoraenderung.h"

namespace qnt {

TFaktor_aendern::TFaktor_aendern(TMyWindow& fenster)
    : TFaktordialog(fenster, QStringLiteral("Umrechnungsfaktor ändern"), QStringLiteral("1")) {
    Edit_Faktor = zahlfeld(QStringLiteral("entspricht:"), 130);
    raster_->addWidget(Edit_Faktor, zahlzeile_, 0, 1, 2);
    Label_Bezug = new QLabel(this);
    raster_->addWidget(Label_Bezug, zahlzeile_, 2);
    knoepfeAnfuegen();
}

void TFaktor_aendern::felderFuellen(const TAusgabetextobject* e) {
    const int i = fenster_.GewaehlterGebietsIndex();
    Label_Bezug->setText(i < 0 ? QString() : qs(fenster_.Gebiete[static_cast<std::size_t>(i)].Bezug));
    Edit_Faktor->setText(e ? qs(faktorText(e->Satz.Faktor())) : QString());
}

Pflegeergebnis TFaktor_aendern::schreiben(TAusgabetextobject& e, double faktor) {
    return aendereFaktor(fenster_.AktuelleDatei(), e, faktor);
}

} // namespace qnt

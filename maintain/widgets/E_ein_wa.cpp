#include "maintain/widgets/E_ein_wa.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/Text.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/widgets/Laenderliste.h"

namespace qnt {

TDlg_eigene_einfuegen_Waehrung::TDlg_eigene_einfuegen_Waehrung(TFensterzugang& fenster, QWidget* eltern)
    : TEigeneEinheitDlg(fenster, eltern, QStringLiteral("Eigene Einheit einfügen - Währung"),
                        QStringLiteral("Name der Währung:")) {
    Edit_CaWert = neuesFeld(QStringLiteral("Wert bwz. ca.Wert:"), kap::CaWert);
    auto* hinweis = new QLabel(QStringLiteral("(für Info-Feld)"), this);
    raster_->addWidget(hinweis, zeile_++, 0, Qt::AlignTop);
    Edit_Stand = neuesFeld(QStringLiteral("Stand (Datum):"), kap::Uebersetzung);
    faktorfeld(QStringLiteral("1 eigene Einheit entspricht (Umrechnungsfaktor);"), false, 0);
    abschliessen();
}

TEinheitSatz TDlg_eigene_einfuegen_Waehrung::satz(double faktor) const {
    const TEigeneWaehrung e{cp(Edit_Name->text()), cp(Edit_Kurzzeichen->text()), cp(Edit_Stand->text()),
                            cp(Edit_CaWert->text()), gewaehlteLandNr(ComboBox_Land)};
    return satzEigeneWaehrung(e, faktor);
}

} // namespace qnt

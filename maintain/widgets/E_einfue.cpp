#include "maintain/widgets/E_einfue.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/Text.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/widgets/Laenderliste.h"

namespace qnt {

TDlg_eigene_einfuegen::TDlg_eigene_einfuegen(TFensterzugang& fenster, QWidget* eltern)
    : TEigeneEinheitDlg(fenster, eltern, QStringLiteral("Eigene Einheit einfügen"),
                        QStringLiteral("Name der Einheit:")) {
    Edit_SonstigeNamen = neuesFeld(QStringLiteral("Weiterer Name:"), kap::SonstigeNamen);
    Edit_Einsatzgebiet = neuesFeld(QStringLiteral("Einsatzgebiet:"), kap::Einsatzgebiet);
    faktorfeld(QStringLiteral("1 eigene Einheit entspricht (Umrechnungsfaktor);"), false, 0);
    abschliessen();
}

TEinheitSatz TDlg_eigene_einfuegen::satz(double faktor) const {
    const TEigeneEinheit e{cp(Edit_Name->text()), cp(Edit_Kurzzeichen->text()),
                           cp(Edit_SonstigeNamen->text()), cp(Edit_Einsatzgebiet->text()),
                           gewaehlteLandNr(ComboBox_Land)};
    return satzEigeneEinheit(e, faktor);
}

} // namespace qnt

#include "maintain/widgets/E_ein_wz.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/Text.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/widgets/Laenderliste.h"

namespace qnt {

TDlg_eigene_einfuegen_WZ::TDlg_eigene_einfuegen_WZ(TFensterzugang& fenster, QWidget* eltern)
    : TEigeneEinheitDlg(fenster, eltern, QStringLiteral("Eigene Einheit einfügen - Weltzeit"),
                        QStringLiteral("Name der Einheit:")) {
    Edit_Sommerzeit = neuesFeld(QStringLiteral("Sommerzeit (von..bis):"), kap::Uebersetzung);
    faktorfeld(QStringLiteral("Zeitdifferenz zur Weltzeit in Minuten:"), true, 4);
    abschliessen();
}

TEinheitSatz TDlg_eigene_einfuegen_WZ::satz(double minuten) const {
    const TEigeneWeltzeit e{cp(Edit_Name->text()), cp(Edit_Kurzzeichen->text()), cp(Edit_Sommerzeit->text()),
                            gewaehlteLandNr(ComboBox_Land)};
    return satzEigeneWeltzeit(e, minuten);
}

} // namespace qnt

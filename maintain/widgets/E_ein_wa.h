#pragma once
// Inserting an own currency into "Währungen".
#include "maintain/widgets/EigenerSatzDlg.h"

namespace qnt {

class TDlg_eigene_einfuegen_Waehrung : public TEigeneEinheitDlg {
    Q_OBJECT
public:
    TDlg_eigene_einfuegen_Waehrung(TFensterzugang& fenster, QWidget* eltern);

    QLineEdit* Edit_CaWert = nullptr; // shown in the information panel and the rate table
    QLineEdit* Edit_Stand = nullptr;

protected:
    TEinheitSatz satz(double faktor) const override;
};

} // namespace qnt

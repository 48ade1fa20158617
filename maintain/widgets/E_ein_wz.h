#pragma once
// Inserting an own place into "Weltzeit": its offset to universal time in minutes.
#include "maintain/widgets/EigenerSatzDlg.h"

namespace qnt {

class TDlg_eigene_einfuegen_WZ : public TEigeneEinheitDlg {
    Q_OBJECT
public:
    TDlg_eigene_einfuegen_WZ(TFensterzugang& fenster, QWidget* eltern);

    QLineEdit* Edit_Sommerzeit = nullptr;

protected:
    TEinheitSatz satz(double minuten) const override;
    bool mitBezug() const override { return false; }
};

} // namespace qnt

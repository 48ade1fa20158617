#pragma once
// Inserting an own unit into an ordinary category.
#include "maintain/widgets/EigenerSatzDlg.h"

namespace qnt {

class TDlg_eigene_einfuegen : public TEigeneEinheitDlg {
    Q_OBJECT
public:
    TDlg_eigene_einfuegen(TFensterzugang& fenster, QWidget* eltern);

    QLineEdit* Edit_SonstigeNamen = nullptr;
    QLineEdit* Edit_Einsatzgebiet = nullptr;

protected:
    TEinheitSatz satz(double faktor) const override;
};

} // namespace qnt

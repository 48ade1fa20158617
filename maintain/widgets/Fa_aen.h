#pragma once
// Changing the conversion factor of the marked unit of an ordinary category.
#include "maintain/widgets/Faktordlg.h"

namespace qnt {

class TFaktor_aendern : public TFaktordialog {
    Q_OBJECT
public:
    TFaktor_aendern(TFensterzugang& fenster, QWidget* eltern);

    QLineEdit* Edit_Faktor = nullptr;
    QLabel* Label_Bezug = nullptr;

protected:
    void felderFuellen(const TAusgabetextobject* e) override;
    Pflegeergebnis schreiben(TAusgabetextobject& e, double faktor) override;
};

} // namespace qnt

#pragma once
// Changing the offset to universal time (in minutes) and the summer-time note of a world-time place.
#include "maintain/widgets/Faktordlg.h"

class QGroupBox;

namespace qnt {

class TFaktor_aendern_Weltzeit : public TFaktordialog {
    Q_OBJECT
public:
    TFaktor_aendern_Weltzeit(TFensterzugang& fenster, QWidget* eltern);

    QLineEdit* Edit_Minuten = nullptr;
    QGroupBox* Panel_Info = nullptr;
    QLineEdit* Edit_Sommerzeit = nullptr;

protected:
    void felderFuellen(const TAusgabetextobject* e) override;
    Pflegeergebnis schreiben(TAusgabetextobject& e, double minuten) override;
};

} // namespace qnt

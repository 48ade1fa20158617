#pragma once
// What the two factor dialogs share: the marked unit's category, country and name, one number field
// under them, OK and Abbrechen, and the write of the number into the unit's record.
#include <QDialog>
#include <string>

#include "maintain/Revision.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qnt {

class TFensterzugang;
struct TAusgabetextobject;

class TFaktordialog : public QDialog {
    Q_OBJECT
public:
    QLabel* Label_Gebiet = nullptr;
    QLabel* Label_Land = nullptr;
    QLabel* Label_Einheit = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    // Accepts the dialog once the factor is written; Abbrechen, Escape and the close box reject it.
    void OKBtnClick();

protected:
    // `einheit` captions the unit's name.
    TFaktordialog(TFensterzugang& fenster, QWidget* eltern, const QString& titel, const QString& einheit);

    // The number field under the captioned rows, `breite` pixels wide; its caption spans the columns.
    QLineEdit* zahlfeld(const QString& label, int breite);
    // OK and Abbrechen below everything, once the subclass's rows are in.
    void knoepfeAnfuegen();

    // Fills the fields of the subclass from the marked entry, or empties them for none.
    virtual void felderFuellen(const TAusgabetextobject* e) = 0;
    // Writes the number read from the field; only on success the entry takes it.
    virtual Pflegeergebnis schreiben(TAusgabetextobject& e, double zahl) = 0;

    void showEvent(QShowEvent* e) override;

    TFensterzugang& fenster_;
    QGridLayout* raster_ = nullptr;
    QLineEdit* zahl_ = nullptr;
    int zahlzeile_ = 0;
};

} // namespace qnt

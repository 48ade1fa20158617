// Keyboard use of every dialog with input fields: Tab walks the controls as the eye reads them, then
// the buttons, and comes round again; Return answers with the default button.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <functional>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"
#include "maintain/widgets/Fa_aen.h"
#include "maintain/widgets/Fa_aenwa_neu.h"
#include "maintain/widgets/Fa_aenwz.h"
#include "maintain/widgets/GebietNeuDialog.h"
#include "search/widgets/Suchdlg.h"

using namespace qnt;

namespace {

struct Tabfolge {
    QDialog* dialog;
    std::vector<QWidget*> felder; // from the one that has the focus first
    QPushButton* standard;
};

struct Fall {
    const char* name;
    const char* gebiet; // the category selected before the dialog opens
    std::function<Tabfolge(TMyWindow&)> folge;
};

Tabfolge tf(QDialog* d, QPushButton* standard, std::vector<QWidget*> felder) {
    return {d, std::move(felder), standard};
}

// clang-format off
const std::vector<Fall>& faelle() {
    static const std::vector<Fall> alle{
        {"eigene Einheit", "Länge", [](TMyWindow& w) { auto* d = w.Dlg_eigene_einfuegen;
            return tf(d, d->OKBtn, {d->Edit_Name, d->Edit_Kurzzeichen, d->ComboBox_Land, d->Edit_SonstigeNamen,
                                    d->Edit_Einsatzgebiet, d->Edit_Faktor, d->OKBtn, d->CancelBtn}); }},
        {"eigene Währung", "Währungen", [](TMyWindow& w) { auto* d = w.Dlg_eigene_einfuegen_Waehrung;
            return tf(d, d->OKBtn, {d->Edit_Name, d->Edit_Kurzzeichen, d->ComboBox_Land, d->Edit_CaWert,
                                    d->Edit_Stand, d->Edit_Faktor, d->OKBtn, d->CancelBtn}); }},
        {"eigene Weltzeit", "Weltzeit", [](TMyWindow& w) { auto* d = w.Dlg_eigene_einfuegen_WZ;
            return tf(d, d->OKBtn, {d->Edit_Name, d->Edit_Kurzzeichen, d->ComboBox_Land, d->Edit_Sommerzeit,
                                    d->Edit_Faktor, d->OKBtn, d->CancelBtn}); }},
        {"Faktor", "Länge", [](TMyWindow& w) { auto* d = w.Faktor_aendern;
            return tf(d, d->OKBtn, {d->Edit_Faktor, d->OKBtn, d->CancelBtn}); }},
        {"Faktor Weltzeit", "Weltzeit", [](TMyWindow& w) { auto* d = w.Faktor_aendern_Weltzeit;
            return tf(d, d->OKBtn, {d->Edit_Minuten, d->Edit_Sommerzeit, d->OKBtn, d->CancelBtn}); }},
        // The walk starts below the table; "Nach Einheit sortieren" is disabled while sorted by unit.
        {"Kurstabelle", "Währungen", [](TMyWindow& w) { auto* d = w.Faktor_aender_Waehrung_neu;
            return tf(d, d->BitBtn_Speichern, {d->BitBtn_Land, d->BitBtn_Kurse, d->BitBtn_Speichern,
                                               d->BitBtn_Abbrechen, d->StringGrid1}); }},
        {"neues Gebiet", "Länge", [](TMyWindow& w) { auto* d = w.GebietNeuDlg;
            return tf(d, d->BtnEinfuegen, {d->EditName, d->EditGrundeinheit, d->EditKurzzeichen,
                                           d->EditWeitereNamen, d->EditEinsatzgebiet, d->ComboBoxLand,
                                           d->MemoInfo, d->EditDateiname, d->BtnEinfuegen, d->BtnAbbrechen}); }},
        // Only the checked button of each radio group takes the focus; "Gehe zu" waits for a hit.
        {"Suche", "Länge", [](TMyWindow& w) { auto* d = w.Such_Dialog;
            return tf(d, d->OKBtn, {d->Edit1, d->RadioBestandteil, d->ListBox1, d->OKBtn, d->CancelBtn,
                                    d->RadioName}); }},
    };
    return alle;
}
// clang-format on

} // namespace

class tst_Tabfolge : public QObject {
    Q_OBJECT
private slots:
    void tabUndReturn_data() {
        QTest::addColumn<int>("fall");
        for (std::size_t i = 0; i < faelle().size(); ++i)
            QTest::newRow(faelle()[i].name) << static_cast<int>(i);
    }
    void tabUndReturn() {
        QFETCH(int, fall);
        const Fall& f = faelle()[static_cast<std::size_t>(fall)];
        test::Datenordner o;
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText(QString::fromUtf8(f.gebiet)));
        w.ComboBox1Change();
        const Tabfolge t = f.folge(w);
        bool gedrueckt = false;
        test::imDialog(t.dialog, [&] {
            const auto n = static_cast<int>(t.felder.size());
            QApplication::setActiveWindow(t.dialog);
            t.felder.front()->setFocus();
            QCOMPARE(QApplication::focusWidget(), t.felder.front());
            // A table keeps Tab for its cells: the walk ends there.
            const bool rundum = !qobject_cast<QAbstractItemView*>(t.felder.back()) ||
                                !qobject_cast<QAbstractItemView*>(t.felder.back())->tabKeyNavigation();
            for (int i = 1; i < (rundum ? n + 1 : n); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                const auto stelle = std::find(t.felder.begin(), t.felder.end(), QApplication::focusWidget());
                QCOMPARE(static_cast<int>(stelle - t.felder.begin()), i % n);
            }
            QSignalSpy klick(t.standard, &QPushButton::clicked);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            gedrueckt = klick.count() == 1;
        });
        t.dialog->exec();
        QVERIFY(gedrueckt);
    }
};

QTEST_MAIN(tst_Tabfolge)
#include "tst_Tabfolge.moc"

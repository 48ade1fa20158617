// Showing hidden units again, deleting them for good, and the country dialog.
#include <QCheckBox>

#include "Fensterprobe.h"
#include "list/widgets/Landdlg.h"
#include "maintain/widgets/Einh_ein.h"

using namespace qnt;
using test::cp1252;

namespace {

// Five hidden units in "Länge", one of them from Preußen (39), which `laender` may hide.
void mitLaendern(const test::Datenordner& o, const QByteArray& laender) {
    o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\nTemperatur\tT.DAT\tKelvin\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"A versteckt", 1, 1, 0},
                                         {"B versteckt", 39, 1, 0},
                                         {"C", 1},
                                         {"D versteckt", 1, 1, 0},
                                         {"E versteckt", 1, 1, 0},
                                         {"Eigene", 4},
                                         {"F versteckt", 1, 1, 0},
                                         {"Sonstige", 5}}));
    o.schreibe("T.DAT", test::satzDatei({{"Celsius", 1, 1, 0}, {"Kelvin"}}));
    o.schreibe("QNT5.INI", test::einstellungen("1", "0", "0", laender));
}

void datenbank(const test::Datenordner& o) {
    mitLaendern(o, {});
}

void ohnePreussen(const test::Datenordner& o) {
    QByteArray laender(91, '1');
    laender[38] = '0';
    mitLaendern(o, laender);
}

} // namespace

class tst_Einblenden : public QObject {
    Q_OBJECT
private slots:
    // Marked units come back on leaving, as far as their country is shown; "Alle" shows the rest.
    void einblenden() {
        test::Fensterprobe p(ohnePreussen);
        auto* d = p.w().Dlg_Einheit_einblenden;
        p.befehl(d, &TMyWindow::Einheiteinblenden1Click, [&] {
            QCOMPARE(d->LabelGebiet->text(), QStringLiteral("Länge"));
            QCOMPARE(test::zeilen(d->ListBox1),
                     (QStringList{"A versteckt - SI-Einheit", "B versteckt - Deutschland - Preußen",
                                  "D versteckt - SI-Einheit", "E versteckt - SI-Einheit",
                                  "F versteckt - SI-Einheit"}));
            d->ListBox1->clearSelection();
            for (int i : {1, 3, 4})
                d->ListBox1->item(i)->setSelected(true);
            d->BitBtn1->click();
            QCOMPARE(test::zeilen(d->ListBox1),
                     (QStringList{"A versteckt - SI-Einheit", "D versteckt - SI-Einheit"}));
            QVERIFY(d->ListBox1->item(0)->isSelected());
            QCOMPARE(p.liste().size(), 3); // the main list waits for the dialog to close
            d->OKBtn->click();
        });
        QCOMPARE(p.liste(), (QStringList{"C", "E versteckt", "Eigene", "F versteckt", "Sonstige"}));
        p.befehl(d, &TMyWindow::Einheiteinblenden1Click, [&] { d->BitBtn2->click(); });
        QCOMPARE(p.liste().size(), 7);
        p.s().ErgebnisGueltig = true;
        p.befehl(d, &TMyWindow::Einheiteinblenden1Click, [&] {
            QCOMPARE(d->LabelStatus->text(), QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
            QCOMPARE(d->LabelStatus->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(!d->BitBtn1->isEnabled() && !d->BitBtn2->isEnabled());
            d->OKBtn->click();
        });
        QVERIFY(p.s().ErgebnisGueltig); // no reload
        QVERIFY(p.m.boxen.isEmpty());
    }

    // Deleting the hidden units asks first, then reports and shows the list anew.
    void ausgeblendeteLoeschen() {
        test::Fensterprobe p(datenbank);
        p.m.antworte(KnopfNein);
        p.w().AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(p.m.boxen.size(), 1); // the question; its text is the session's
        QCOMPARE(p.m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        QCOMPARE(p.o.lies("L.DAT").size(), 8 * 272);
        p.m.leeren();
        p.m.antworte(KnopfJa);
        p.w().AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(p.m.texte().last(), QStringLiteral("Die ausgeblendeten Einheiten sind gelöscht!"));
        QCOMPARE(p.o.lies("L.DAT").size(), 3 * 272);
        QCOMPARE(p.liste().size(), 3);
    }

    // Abbrechen keeps the countries; OK with all boxes cleared leaves own and other units, which have no box.
    void laenderdialog() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Laender_Dlg;
        p.befehl(d, &TMyWindow::Lnderauseinblenden1Click, [&] {
            QCOMPARE(d->CheckBox[22]->text(), QStringLiteral("D-Preußen"));
            QCOMPARE(d->CheckBox[64]->text(), QStringLiteral("Vietnam"));
            d->BitBtn2->click();
            d->CancelBtn->click();
        });
        QCOMPARE(p.liste().size(), 3);
        p.befehl(d, &TMyWindow::Lnderauseinblenden1Click, [&] {
            QVERIFY(d->CheckBox[1]->isChecked()); // set again from the window's state
            d->BitBtn2->click();
            d->OKBtn->click();
        });
        QCOMPARE(p.liste(), (QStringList{"Eigene", "Sonstige"}));
        for (std::size_t land = 1; land <= 91; ++land) // each box stands for a country of its own
            QCOMPARE(p.s().LandAngezeigt[land],
                     land == 4 || land == 5 || !landNrGueltig(static_cast<int>(land)));
    }
};

QTEST_MAIN(tst_Einblenden)
#include "tst_Einblenden.moc"

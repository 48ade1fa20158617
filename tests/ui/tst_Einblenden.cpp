// Showing hidden units again, deleting them for good, and the country dialog.
#include "Fensterprobe.h"
#include "list/widgets/Landdlg.h"
#include "maintain/widgets/Einh_ein.h"

using namespace qnt;

// Hidden units in "Länge", one of them from Preußen (39), which the settings hide.
static void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", test::cp1252("Länge\tL.DAT\tMeter\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n"));
    o.schreibe("L.DAT",
               test::satzDatei({{"A", 1, 1, 0}, {"B", 39, 1, 0}, {"C"}, {"D", 1, 1, 0}, {"Eigene", 4}}));
    o.schreibe("QNT5.INI",
               test::einstellungen("1", "0", "0", QByteArray(38, '1') + '0' + QByteArray(52, '1')));
}

class tst_Einblenden : public QObject {
    Q_OBJECT
private slots:
    // Marked units come back on leaving, as far as their country is shown; "Alle" shows the rest.
    void einblenden() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Dlg_Einheit_einblenden;
        p.befehl(d, &TMyWindow::Einheiteinblenden1Click, [&] {
            QCOMPARE(d->ListBox1->count(), 3);
            d->ListBox1->clearSelection();
            d->ListBox1->item(1)->setSelected(true), d->ListBox1->item(2)->setSelected(true);
            d->BitBtn1->click();
            QCOMPARE(test::zeilen(d->ListBox1), QStringList{"A - SI-Einheit"});
            QCOMPARE(p.liste().size(), 2); // the main list waits for the dialog to close
            d->OKBtn->click();
        });
        QCOMPARE(p.liste(), (QStringList{"C", "D", "Eigene"}));
        p.befehl(d, &TMyWindow::Einheiteinblenden1Click, [&] { d->BitBtn2->click(); });
        QCOMPARE(p.liste().size(), 4);
    }

    // Deleting asks first; "Ja" deletes, reports and shows the list anew.
    void ausgeblendeteLoeschen() {
        test::Fensterprobe p(datenbank);
        p.m.antworte(KnopfNein);
        p.w().AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(p.o.lies("L.DAT").size(), 5 * 272);
        p.m.antworte(KnopfJa);
        p.w().AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(p.m.boxen.size(), 3);
        QCOMPARE(p.o.lies("L.DAT").size(), 2 * 272);
        QCOMPARE(p.liste().size(), 2);
    }

    // OK with all boxes cleared leaves own units, which have no box; Abbrechen keeps the countries.
    void laenderdialog() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Laender_Dlg;
        p.befehl(d, &TMyWindow::Lnderauseinblenden1Click,
                 [&] { d->BitBtn2->click(), d->CancelBtn->click(); });
        QCOMPARE(p.liste().size(), 2);
        p.befehl(d, &TMyWindow::Lnderauseinblenden1Click, [&] { d->BitBtn2->click(), d->OKBtn->click(); });
        QCOMPARE(p.liste(), QStringList{"Eigene"});
        QVERIFY(!p.s().LandAngezeigt[1] && p.s().LandAngezeigt[4]);
    }
};

QTEST_MAIN(tst_Einblenden)
#include "tst_Einblenden.moc"

// The currency rate table: opened by the factor command in "Währungen", edited as a grid, saved as a whole.
#include <QTableWidget>

#include "Fensterprobe.h"
#include "data/Dateischicht.h"
#include "maintain/widgets/Fa_aenwa_neu.h"

using namespace qnt;

// The currencies in name order; the Gulden is hidden.
static void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", test::cp1252("Währungen\tW.DAT\tEuro\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n"));
    o.schreibe("W.DAT", test::satzDatei({{"Dollar", 90, 0.92, 1, "USD", "", "01.06.2024"},
                                         {"Forint", 88, 0.0025, 1, "HUF"},
                                         {"Gulden", 71, 0.4537802160901389, 0, "NLG"},
                                         {"Pfund", 54, 1.17, 1, "GBP"}}));
    o.schreibe("QNT5.INI", test::einstellungen("1"));
}

struct Probe : test::Fensterprobe {
    TFaktor_aender_Waehrung_neu* d = w().Faktor_aender_Waehrung_neu;
    QTableWidget* g = d->StringGrid1;
    QByteArray vorher = o.lies("W.DAT");
    Probe() : test::Fensterprobe(datenbank) {}
    template <typename F> void imDialog(F a) { test::imDialog(d, a), w().Umrechnungsfaktorndern1Click(); }
};

class tst_Kurstabelle : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setzeFehlerHaken({}); }

    // Every currency, the hidden one too; only rate, date and value editable; discarded on closing.
    void oeffnen() {
        Probe p;
        p.imDialog([&] {
            QCOMPARE(p.g->rowCount(), 4);
            for (int s = 0; s < 5; ++s) // only rate, date and value
                QCOMPARE(bool(p.g->item(0, s)->flags() & Qt::ItemIsEditable), s >= 2);
            p.d->BitBtn_Land->click();
            QCOMPARE(p.g->item(0, 0)->text(), QStringLiteral("Großbritannien"));
        });
        QCOMPARE(p.g->rowCount(), 0);
    }

    // A wrong rate is reported and marked, the dialog stays open; then the cells reach the records, a cell
    // still being edited included, and the category is loaded again.
    void speichern() {
        Probe p;
        p.imDialog([&] {
            p.g->item(1, 2)->setText("zwei");
            p.d->BitBtn_Speichern->click();
            QVERIFY(p.d->isVisible() && p.g->currentRow() == 1 && p.g->currentColumn() == 2);
            p.g->item(1, 2)->setText("0,0025");
            p.g->item(0, 2)->setText("0,9"), p.g->item(0, 4)->setText("rund 0,9");
            p.g->setCurrentCell(3, 2);
            p.g->editItem(p.g->item(3, 2));
            qobject_cast<QLineEdit*>(p.g->indexWidget(p.g->currentIndex()))->setText("1,1");
            p.d->BitBtn_Speichern->click();
        });
        QCOMPARE(p.m.boxen.size(), 1);
        TEinheitSatz dollar = test::satzAus(p.vorher, 0);
        dollar.setzeFaktor(0.9), dollar.setzeCaWert("rund 0,9");
        QVERIFY(test::satzAus(p.o.lies("W.DAT"), 0) == dollar);
        QCOMPARE(test::satzAus(p.o.lies("W.DAT"), 3).Faktor(), 1.1);
        QCOMPARE(p.s().liste()[0].Satz.Faktor(), 0.9);
    }

    // A failed write is reported and closes all the same.
    void dateifehler() {
        Probe p;
        p.imDialog([&] {
            p.g->item(0, 2)->setText("5");
            setzeFehlerHaken([](DateiOp op, std::string_view) { return op == DateiOp::Umbenennen; });
            p.d->BitBtn_Speichern->click();
        });
        QVERIFY(!p.d->isVisible() && p.m.boxen.size() == 1 && p.o.lies("W.DAT") == p.vorher);
    }

    // Reference rates go into the open table only: matched rows in bold, typed cells kept, fixed rates
    // untouched; the save writes them with all their digits.
    void referenzkurse() {
        Probe p;
        p.o.schreibe("kurse.csv", "Date, USD, HUF, NLG, \r\n04 December 2026, 1.0812, 500, 2, \r\n");
        p.imDialog([&] {
            p.g->item(3, 3)->setText("getippt"); // the Pfund is not in the file
            p.d->KurseAusDatei(p.o.pfad() + "/kurse.csv");
            for (int r = 0; r < 4; ++r)
                QCOMPARE(p.g->item(r, 1)->font().bold(), r < 2);
            p.d->BitBtn_Speichern->click();
        });
        QVERIFY(p.m.boxen.isEmpty());
        for (int k = 0; k < 4; ++k) {
            TEinheitSatz s = test::satzAus(p.vorher, k);
            if (k < 2) s.setzeFaktor(k == 0 ? 1 / 1.0812 : 0.002), s.setzeUebersetzung("2026-12-04");
            if (k == 3) s.setzeUebersetzung("getippt");
            QVERIFY(test::satzAus(p.o.lies("W.DAT"), k) == s);
        }
    }
};

QTEST_MAIN(tst_Kurstabelle)
#include "tst_Kurstabelle.moc"

// The currency rate table: opened by the factor command in "Währungen", edited as a grid, saved as a whole.
#include <QApplication>
#include <QTableWidget>

#include "Fensterprobe.h"
#include "app/Text.h"
#include "data/Dateischicht.h"
#include "maintain/widgets/Fa_aenwa_neu.h"

using namespace qnt;
using test::cp1252;

namespace {

// The currencies in name order; the Gulden is hidden.
void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Meter"}}));
    o.schreibe("W.DAT", test::satzDatei({{"Dollar", 90, 0.92, 1, "USD", "", "01.06.2024"},
                                         {"Forint", 88, 0.0025, 1, "HUF"},
                                         {"Gulden", 71, 0.4537802160901389, 0, "NLG"},
                                         {"Pfund", 54, 1.17, 1, "GBP"}}));
    o.schreibe("QNT5.INI", test::einstellungen("2"));
}

QString text(const QTableWidget* t, int r, int s) {
    return t->item(r, s) ? t->item(r, s)->text() : QString();
}

struct Probe : test::Fensterprobe {
    TFaktor_aender_Waehrung_neu* d = w().Faktor_aender_Waehrung_neu;
    QTableWidget* g = d->StringGrid1;
    QByteArray vorher = o.lies("W.DAT");
    Probe() : test::Fensterprobe(datenbank) {}
    template <typename F> void imDialog(F aktion) {
        test::imDialog(d, aktion);
        w().Umrechnungsfaktorndern1Click();
    }
};

} // namespace

class tst_Kurstabelle : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setzeFehlerHaken({}); }

    // Every currency, the hidden one too; only rate, date and value editable; discarded on closing.
    void oeffnen() {
        Probe p;
        p.imDialog([&] {
            QCOMPARE(p.g->rowCount(), 4);
            QCOMPARE(text(p.g, 0, 0), QStringLiteral("USA"));
            QCOMPARE(text(p.g, 0, 2), QStringLiteral("        0,920000000000"));
            for (int s = 0; s < 5; ++s)
                QCOMPARE(bool(p.g->item(0, s)->flags() & Qt::ItemIsEditable), s >= 2);
            p.d->BitBtn_Land->click();
            QCOMPARE(text(p.g, 0, 0), QStringLiteral("Großbritannien"));
            QVERIFY(!p.d->BitBtn_Land->isEnabled());
            QVERIFY(p.d->BitBtn_Einheit->isEnabled());
        });
        QCOMPARE(p.g->rowCount(), 0);
    }

    // The cells reach the records, a cell still being edited included; the category is loaded again.
    void speichern() {
        Probe p;
        p.imDialog([&] {
            p.g->item(0, 2)->setText("0,9");
            p.g->item(0, 4)->setText("rund 0,9");
            p.g->setCurrentCell(3, 2);
            p.g->editItem(p.g->item(3, 2));
            auto* editor = qobject_cast<QLineEdit*>(p.g->indexWidget(p.g->currentIndex()));
            QVERIFY(editor);
            editor->setText("1,1");
            p.d->BitBtn_Speichern->click();
        });
        QVERIFY(p.m.boxen.isEmpty());
        const QByteArray nachher = p.o.lies("W.DAT");
        TEinheitSatz dollar = test::satzAus(p.vorher, 0);
        dollar.setzeFaktor(0.9);
        dollar.setzeCaWert("rund 0,9");
        QVERIFY(test::satzAus(nachher, 0) == dollar);
        QCOMPARE(test::satzAus(nachher, 3).Faktor(), 1.1);
        QCOMPARE(nachher.mid(272, 2 * 272), p.vorher.mid(272, 2 * 272));
        QCOMPARE(p.s().liste()[0].Satz.Faktor(), 0.9);
    }

    // A wrong rate is reported and marked, the dialog stays open, and Abbrechen writes nothing.
    void falscherKursUndAbbrechen() {
        Probe p;
        bool offenGeblieben = false;
        p.imDialog([&] {
            p.g->item(1, 2)->setText("zwei");
            p.g->item(3, 2)->setText("1,2,3");
            p.d->BitBtn_Speichern->click();
            offenGeblieben = p.d->isVisible();
            QCOMPARE(p.g->currentRow(), 1);
            QCOMPARE(p.g->currentColumn(), 2);
            p.d->BitBtn_Abbrechen->click();
        });
        QVERIFY(offenGeblieben);
        QCOMPARE(p.m.texte(), QStringList{QStringLiteral("Falsche Eingabe, bitte berichtigen!")});
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Fehler);
        QCOMPARE(p.o.lies("W.DAT"), p.vorher);
    }

    // A failed write is reported and closes all the same; an unreadable file is never written.
    void dateifehler() {
        Probe p;
        p.imDialog([&] {
            p.g->item(0, 2)->setText("5");
            setzeFehlerHaken([](DateiOp op, std::string_view) { return op == DateiOp::Umbenennen; });
            p.d->BitBtn_Speichern->click();
            setzeFehlerHaken({});
        });
        QVERIFY(!p.d->isVisible());
        QCOMPARE(p.m.texte(),
                 QStringList{QStringLiteral("Die Datei W.DAT konnte nicht geöffnet werden oder "
                                            "die revidierte Datei konnte nicht geschrieben werden!")});
        QCOMPARE(p.o.lies("W.DAT"), p.vorher);

        p.m.leeren();
        p.o.entferne("W.DAT");
        bool speichernMoeglich = true;
        p.imDialog([&] { speichernMoeglich = p.d->BitBtn_Speichern->isEnabled(); });
        QCOMPARE(p.m.texte(), QStringList{QStringLiteral("Die Datei W.DAT konnte nicht geöffnet werden!")});
        QVERIFY(!speichernMoeglich);
        QVERIFY(!p.o.existiert("W.DAT"));
    }

    // Reference rates go into the open table only: matched rows in bold, typed cells kept, fixed rates
    // untouched; the save writes them with all their digits. A failure leaves the table as it was.
    void referenzkurse() {
        Probe p;
        p.o.schreibe("kurse.csv", "Date, USD, HUF, NLG, JPY, \r\n04 December 2026, 1.0812, 500, 2, 160, \r\n");
        p.imDialog([&] {
            const QString fehlt = p.o.pfad() + "/fehlt.csv";
            p.d->KurseAusDatei(fehlt);
            QCOMPARE(p.m.texte(), QStringList{"Die Datei " + fehlt + " kann nicht gelesen werden."});
            p.d->Kursadresse =
                QUrl(QStringLiteral("http://127.0.0.1:1/eurofxref-daily.xml")); // nobody listens
            p.d->KurseAusDemInternet();
            QCOMPARE(p.m.texte().value(1),
                     QStringLiteral("Der Server 127.0.0.1 hat die Verbindung abgelehnt."));
            QVERIFY(!QApplication::overrideCursor());
            QCOMPARE(text(p.g, 0, 2), QStringLiteral("        0,920000000000"));
            QCOMPARE(p.d->Label_Kursstand->text(), QString());

            p.g->item(3, 3)->setText("getippt"); // the Pfund is not in the file
            p.d->KurseAusDatei(p.o.pfad() + "/kurse.csv");
            QCOMPARE(p.d->Label_Kursstand->text(),
                     QStringLiteral("2 Kurse vom 2026-12-04 übernommen, 2 unverändert"));
            QCOMPARE(text(p.g, 0, 2), QStringLiteral("        0,924898261191"));
            QCOMPARE(text(p.g, 1, 3), QStringLiteral("2026-12-04"));
            QCOMPARE(text(p.g, 3, 3), QStringLiteral("getippt"));
            for (int r = 0; r < 4; ++r)
                QCOMPARE(p.g->item(r, 1)->font().bold(), r < 2);
            p.d->BitBtn_Speichern->click();
        });
        QCOMPARE(p.m.texte().size(), 2);
        const QByteArray nachher = p.o.lies("W.DAT");
        for (int k = 0; k < 4; ++k) {
            TEinheitSatz s = test::satzAus(p.vorher, k);
            if (k < 2) {
                s.setzeFaktor(k == 0 ? 1 / 1.0812 : 0.002);
                s.setzeUebersetzung("2026-12-04");
            }
            if (k == 3) s.setzeUebersetzung("getippt");
            QVERIFY(test::satzAus(nachher, k) == s);
        }
    }
};

QTEST_MAIN(tst_Kurstabelle)
#include "tst_Kurstabelle.moc"

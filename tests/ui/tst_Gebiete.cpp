// The category dialogs: a new category's fields reach its files; deleting asks first.
#include <QPlainTextEdit>

#include "Fensterprobe.h"
#include "maintain/widgets/GebietLoeschen.h"
#include "maintain/widgets/GebietNeuDialog.h"

using namespace qnt;

static const QByteArray kGruppen = test::cp1252("Energie\tE.DAT\tJoule\r\nLänge\tL.DAT\tMeter\r\n");
static const QByteArray kInfo = test::cp1252("Energie: \r\nArbeit.\r\n*\r\nLänge: \r\nStrecken.\r\n*\r\n");

// Two categories, "Länge" chosen.
static void zweiGebiete(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", kGruppen);
    o.schreibe("Gebiet.nfo", kInfo);
    o.schreibe("E.DAT", test::satzDatei({{"Joule"}, {"Kalorie", 2, 4.1868}}));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 2, 0.3048}, {"Meter"}}));
    o.schreibe("QNT5.INI", test::einstellungen("2"));
}

class tst_Gebiete : public QObject {
    Q_OBJECT
private slots:
    // Every field reaches the files, and the new category is loaded and chosen.
    void neuesGebiet() {
        test::Fensterprobe p(zweiGebiete);
        auto* d = p.w().GebietNeuDlg;
        p.befehl(d, &TMyWindow::NeuesGebieteinfgen1Click, [&] {
            d->EditName->setText("Akustik");
            d->EditNameExit();
            QCOMPARE(d->EditDateiname->text(), QStringLiteral("AKUSTIK")); // proposed on leaving the name
            d->EditGrundeinheit->setText("Bel"), d->EditDateiname->setText("NEU");
            d->EditKurzzeichen->setText("B"), d->EditWeitereNamen->setText("Dezibel");
            d->EditEinsatzgebiet->setText("Schall");
            d->ComboBoxLand->setCurrentIndex(d->ComboBoxLand->findText("Deutschland"));
            d->MemoInfo->setPlainText("Erste Zeile\nzweite Zeile");
            d->BtnEinfuegen->click();
        });
        QVERIFY(p.m.boxen.isEmpty());
        QCOMPARE(p.o.lies("Gruppen.nfo"), "Akustik\tNEU.DAT\tBel\r\n" + kGruppen);
        QCOMPARE(p.o.lies("Gebiet.nfo"), "Akustik: \r\nErste Zeile\r\nzweite Zeile\r\n*\r\n" + kInfo);
        const TEinheitSatz s = test::satzAus(p.o.lies("NEU.DAT"), 0);
        QCOMPARE((std::vector<std::string>{s.Name(), s.Kurzzeichen(), s.SonstigeNamen(), s.Einsatzgebiet()}),
                 (std::vector<std::string>{"Bel", "B", "Dezibel", "Schall"}));
        QCOMPARE(s.LandNr(), 36);
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Akustik"));
        QCOMPARE(p.liste(), QStringList{"Bel"});
        // Reopened, the dialog starts empty.
        p.befehl(d, &TMyWindow::NeuesGebieteinfgen1Click,
                 [&] { QVERIFY(d->EditName->text().isEmpty() && d->MemoInfo->toPlainText().isEmpty()); });
    }

    // A refusal is reported, the dialog stays open, and nothing is written.
    void neuesGebietVerweigert() {
        test::Fensterprobe p(zweiGebiete);
        const QByteArray vorher = p.o.lies("Gruppen.nfo");
        auto* d = p.w().GebietNeuDlg;
        p.befehl(d, &TMyWindow::NeuesGebieteinfgen1Click, [&] {
            d->BtnEinfuegen->click();
            QVERIFY(d->isVisible());
            d->BtnAbbrechen->click();
        });
        QVERIFY(!p.m.boxen.isEmpty());
        QCOMPARE(p.o.lies("Gruppen.nfo"), vorher);
    }

    // Deleting asks first; "Nein" changes nothing, "Ja" removes the category everywhere.
    void loeschen() {
        test::Fensterprobe p(zweiGebiete);
        auto* d = p.w().GebietLoeschenDlg;
        for (Knopf antwort : {KnopfNein, KnopfJa})
            p.befehl(d, &TMyWindow::VorhandenesGebietlschen1Click, [&] {
                d->ListBox1->setCurrentRow(0);
                p.m.antworte(antwort);
                d->OKBtn->click();
            });
        QCOMPARE(p.m.boxen.size(), 2);
        QCOMPARE(p.m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        QCOMPARE(p.o.lies("Gruppen.nfo"), kGruppen.mid(kGruppen.indexOf('\n') + 1));
        QCOMPARE(p.o.lies("Gebiet.nfo"), kInfo.mid(kInfo.indexOf("*\r\n") + 3));
        QVERIFY(!p.o.existiert("E.DAT"));
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Länge"));
        QCOMPARE(p.liste(), (QStringList{"Fuß", "Meter"}));
    }
};

QTEST_MAIN(tst_Gebiete)
#include "tst_Gebiete.moc"

// The unit search dialog: what it lists and keeps, and the jump to a hit in the main window.
#include <QGroupBox>
#include <QRadioButton>

#include "Fensterprobe.h"
#include "search/widgets/Suchdlg.h"

using namespace qnt;

// Three categories; country 39 (Preußen) is hidden, and so is the unit "Elle"; "Zeit" is chosen.
static void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               test::cp1252("Länge\tL.DAT\tMeter\r\nMasse\tM.DAT\tKilogramm\r\nZeit\tZ.DAT\tSekunde\r\n"));
    o.schreibe("Gebiet.nfo", "*\r\n*\r\n*\r\n");
    o.schreibe("L.DAT", test::satzDatei({{"Elle", 39, 0.6669, 0, "", "Ellen"}, {"Meter", 1, 1, 1, "m"}}));
    o.schreibe("M.DAT", test::satzDatei({{"Gramm", 1, 0.001, 1, "g"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Minute", 1, 60}, {"Sekunde", 1, 1, 1, "s"}, {"Stunde", 1, 3600}}));
    QByteArray laender(91, '1');
    laender[38] = '0';
    o.schreibe("QNT5.INI", test::einstellungen("3", "0", "0", laender));
}

static void suche(TSuch_Dialog* d, const QString& begriff, bool abkuerzung = false) {
    (abkuerzung ? d->RadioAbkuerzung : d->RadioName)->setChecked(true);
    d->Edit1->setText(begriff);
    d->OKBtn->click();
}

class tst_Suche : public QObject {
    Q_OBJECT
private slots:
    // Hits listed, counted, the first marked; reopened, the search is found again.
    void trefferUndWiederOeffnen() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Such_Dialog;
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            QVERIFY(!d->HelpBtn->isEnabled());
            suche(d, "m");
            QCOMPARE(test::zeilen(d->ListBox1),
                     (QStringList{"Meter - SI-Einheit", "Gramm - SI-Einheit", "Minute - SI-Einheit"}));
            QCOMPARE(d->Label4->text(), QStringLiteral("3"));
            QVERIFY(d->ListBox1->currentRow() == 0 && d->focusWidget() == d->ListBox1 &&
                    d->HelpBtn->isEnabled());
            suche(d, "S", true);
            QVERIFY(!d->RadioGroup2->isVisible());
            d->CancelBtn->click();
        });
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            QVERIFY(d->Edit1->text() == "S" && d->RadioAbkuerzung->isChecked());
            QCOMPARE(test::zeilen(d->ListBox1), QStringList{"s - Sekunde - SI-Einheit"});
        });
        QVERIFY(p.m.boxen.isEmpty());
    }

    // "Gehe zu" to a hidden unit of a hidden country asks twice; only two yeses jump.
    void sprungZuVersteckterEinheit_data() {
        QTest::addColumn<int>("einheit");
        QTest::addColumn<int>("land");
        QTest::newRow("Ja, Ja") << int(KnopfJa) << int(KnopfJa);
        QTest::newRow("Nein, Ja") << int(KnopfNein) << int(KnopfJa);
    }
    void sprungZuVersteckterEinheit() {
        QFETCH(int, einheit);
        QFETCH(int, land);
        const bool gesprungen = einheit == KnopfJa && land == KnopfJa;
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Such_Dialog;
        bool offenGeblieben = false;
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            suche(d, "elle");
            p.m.antworte(static_cast<Knopf>(einheit));
            p.m.antworte(static_cast<Knopf>(land));
            d->HelpBtn->click();
            offenGeblieben = d->isVisible();
        });
        QCOMPARE(p.m.boxen.size(), 2);
        QCOMPARE(p.o.lies("L.DAT").at(0), gesprungen ? '\1' : '\0');
        QCOMPARE(offenGeblieben, !gesprungen);
        QCOMPARE(p.w().ComboBox1->currentText(),
                 gesprungen ? QStringLiteral("Länge") : QStringLiteral("Zeit"));
        if (gesprungen) QCOMPARE(p.w().Info_Sonstige_Namen2->text(), QStringLiteral("Ellen"));
    }

    // The jump into another category marks the hit, and automatic calculation takes it as its source.
    void sprungRechnetNeu() {
        test::Fensterprobe p(datenbank);
        p.waehle("Länge");
        p.w().AutomatischesRechnen1Click();
        p.w().Edit_Eingabe->setText("2");
        auto* d = p.w().Such_Dialog;
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            suche(d, "STUNDE");
            d->HelpBtn->click();
        });
        QVERIFY(p.m.boxen.isEmpty());
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Zeit"));
        QCOMPARE(p.w().ListBoxEinheit->currentRow(), 2);
        QCOMPARE(p.w().Label_Ausgangseinheit->text(), QStringLiteral("2  Stunde"));
    }
};

QTEST_MAIN(tst_Suche)
#include "tst_Suche.moc"

// Changing the factor of the marked unit: the two dialogs and the commands around them.
#include "Fensterprobe.h"
#include "maintain/widgets/Fa_aen.h"
#include "maintain/widgets/Fa_aenwz.h"

using namespace qnt;

static void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               test::cp1252("Länge\tL.DAT\tMeter\r\nWeltzeit\tZ.DAT\tUTC\r\nTemperatur\tT.DAT\tKelvin\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 3, 0.3048}, {"Kilometer", 1, 1000}, {"Meter"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin"}, {"Neufundland", 3, -3.5, 1, "", "", "März..November"}}));
    o.schreibe("T.DAT", test::satzDatei({{"Kelvin"}}));
    o.schreibe("QNT5.INI", test::einstellungen("1"));
}

// Row 1 of the category marked, with automatic calculation of an input of 1.
static void markiertUndAutomatisch(test::Fensterprobe& p, const char* gebiet) {
    p.waehle(QString::fromUtf8(gebiet));
    p.w().ListBoxEinheit->setCurrentRow(1);
    p.w().Edit_Eingabe->setText("1");
    p.s().AutoRechnen = true;
}

class tst_Faktor : public QObject {
    Q_OBJECT
private slots:
    // Where the conversion needs more than a factor, the command reports instead of opening its dialog.
    void keinDialog() {
        test::Fensterprobe p(datenbank);
        p.waehle("Temperatur");
        bool offen = false;
        QTimer::singleShot(0, &p.w(), [&] {
            for (auto* d : p.w().findChildren<QDialog*>())
                if (d->isVisible()) offen = true, d->reject();
        });
        p.w().Umrechnungsfaktorndern1Click();
        QCoreApplication::processEvents();
        QVERIFY(!offen && p.m.boxen.size() == 1);
    }

    // The marked unit is shown; the new value reaches the record and, calculating automatically, the results.
    void faktorAendern() {
        test::Fensterprobe p(datenbank);
        markiertUndAutomatisch(p, "Länge");
        auto* d = p.w().Faktor_aendern;
        p.befehl(d, &TMyWindow::Umrechnungsfaktorndern1Click, [&] {
            QCOMPARE(d->Label_Einheit->text(), QStringLiteral("Kilometer"));
            d->Edit_Faktor->setText("2"), d->OKBtn->click();
        });
        QCOMPARE(test::satzAus(p.o.lies("L.DAT"), 1).Faktor(), 2.0);
        QCOMPARE(p.w().MarkierteZeile(), 1);
        QVERIFY(p.s().ErgebnisGueltig); // 1 marked unit, now 2 m, gives 2 in metres
        QCOMPARE(p.s().liste()[2].ErgebnisWiss, std::string(" 2,000000E+0000"));

        // World time: minutes and summer time reach the record; it is never calculated again afterwards.
        markiertUndAutomatisch(p, "Weltzeit");
        auto* z = p.w().Faktor_aendern_Weltzeit;
        p.befehl(z, &TMyWindow::Umrechnungsfaktorndern1Click, [&] {
            QCOMPARE(z->Edit_Minuten->text(), QStringLiteral("-210"));
            z->Edit_Minuten->setText("60"), z->Edit_Sommerzeit->setText("April..Oktober");
            z->OKBtn->click();
        });
        const TEinheitSatz neu = test::satzAus(p.o.lies("Z.DAT"), 1);
        QVERIFY(neu.Faktor() == 1.0 && neu.Uebersetzung() == "April..Oktober");
        QCOMPARE(p.w().Info_Uebersetzung2->text(), QStringLiteral("April..Oktober"));
        QVERIFY(!p.s().ErgebnisGueltig);
    }

    // A wrong value reports; the dialog stays open with what was typed, and the file stays as it was.
    void falscherWertLaesstDenDialogOffen() {
        test::Fensterprobe p(datenbank);
        const QByteArray vorher = p.o.lies("L.DAT");
        auto* d = p.w().Faktor_aendern;
        bool offenGeblieben = false;
        p.befehl(d, &TMyWindow::Umrechnungsfaktorndern1Click, [&] {
            d->Edit_Faktor->setText("1,0 m"), d->OKBtn->click();
            offenGeblieben = d->isVisible() && d->Edit_Faktor->text() == "1,0 m";
            d->CancelBtn->click();
        });
        QVERIFY(offenGeblieben && p.m.boxen.size() == 1);
        QCOMPARE(p.o.lies("L.DAT"), vorher);
    }
};

QTEST_MAIN(tst_Faktor)
#include "tst_Faktor.moc"

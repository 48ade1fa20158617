// Changing the factor of the marked unit: the two dialogs and the commands around them.
#include "Fensterprobe.h"
#include "app/Text.h"
#include "maintain/widgets/Fa_aen.h"
#include "maintain/widgets/Fa_aenwz.h"

using namespace qnt;
using test::cp1252;

namespace {

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               cp1252("Länge\tL.DAT\tMeter\r\nWeltzeit\tZ.DAT\tUTC\r\nTemperatur\tT.DAT\tKelvin\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 3, 0.3048, 1, "ft"},
                                         {"Kilometer", 1, 1000, 1, "km", "Klick"},
                                         {"Meter", 1, 1, 1, "m"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1, 1, "", "", "März..Oktober"},
                                         {"Neufundland", 3, -3.5, 1, "", "", "März..November"}}));
    o.schreibe("T.DAT", test::satzDatei({{"Kelvin"}}));
    o.schreibe("QNT5.INI", test::einstellungen("1"));
}

// The file as it was with record k changed.
QByteArray mitSatz(QByteArray datei, int k, const TEinheitSatz& s) {
    datei.replace(k * 272, 272, QByteArray(reinterpret_cast<const char*>(s.bytes.data()), 272));
    return datei;
}

// Rows 1 of "Länge" and "Weltzeit" marked, with automatic calculation of an input of 1.
void markiertUndAutomatisch(test::Fensterprobe& p, const char* gebiet) {
    p.waehle(QString::fromUtf8(gebiet));
    p.w().ListBoxEinheit->setCurrentRow(1);
    p.w().Edit_Eingabe->setText("1");
    p.s().AutoRechnen = true;
}

} // namespace

class tst_Faktor : public QObject {
    Q_OBJECT
private slots:
    // Where the conversion needs more than a factor, the command reports instead of opening its dialog.
    void keinDialog_data() {
        QTest::addColumn<bool>("eigene");
        QTest::addColumn<QString>("befehl"); // the refusal's own words; the texts are the core's
        QTest::newRow("Faktor") << false << "Ändern des Umrechnungsfaktors";
        QTest::newRow("eigene Einheit") << true << "Einfügen von eigenen Einheiten";
    }
    void keinDialog() {
        QFETCH(bool, eigene);
        QFETCH(QString, befehl);
        test::Fensterprobe p(datenbank);
        p.waehle("Temperatur");
        bool offen = false;
        QTimer::singleShot(0, &p.w(), [&] {
            for (auto* d : p.w().findChildren<QDialog*>())
                if (d->isVisible()) offen = true, d->reject();
        });
        eigene ? p.w().EigeneEinheiteinfgen1Click() : p.w().Umrechnungsfaktorndern1Click();
        QCoreApplication::processEvents();
        QVERIFY(!offen);
        QCOMPARE(p.m.boxen.size(), 1);
        QVERIFY(p.m.boxen[0].text.contains(befehl));
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Information);
    }

    // The marked unit is shown; the new value reaches the record and, calculating automatically, the results.
    void faktorAendern() {
        test::Fensterprobe p(datenbank);
        markiertUndAutomatisch(p, "Länge");
        const QByteArray vorher = p.o.lies("L.DAT");
        auto* d = p.w().Faktor_aendern;
        p.befehl(d, &TMyWindow::Umrechnungsfaktorndern1Click, [&] {
            QCOMPARE(d->Label_Gebiet->text(), QStringLiteral("Länge"));
            QCOMPARE(d->Label_Land->text(), QStringLiteral("SI-Einheit"));
            QCOMPARE(d->Label_Einheit->text(), QStringLiteral("Kilometer"));
            QCOMPARE(d->Edit_Faktor->text(), QStringLiteral(" 1,00000000E+0003"));
            QCOMPARE(d->Label_Bezug->text(), QStringLiteral("Meter"));
            d->Edit_Faktor->setText("2");
            d->OKBtn->click();
        });
        TEinheitSatz neu = test::satzAus(vorher, 1);
        neu.setzeFaktor(2);
        QCOMPARE(p.o.lies("L.DAT"), mitSatz(vorher, 1, neu));
        QCOMPARE(p.w().MarkierteZeile(), 1);
        QVERIFY(p.m.boxen.isEmpty());
        // 1 marked unit (now 2 m) in every unit: the metre gives 2.
        QVERIFY(p.s().ErgebnisGueltig);
        QCOMPARE(p.s().liste()[2].ErgebnisWiss, std::string(" 2,000000E+0000"));

        // World time: minutes and summer time reach the record; it is never calculated again afterwards.
        markiertUndAutomatisch(p, "Weltzeit");
        const QByteArray zeiten = p.o.lies("Z.DAT");
        auto* z = p.w().Faktor_aendern_Weltzeit;
        p.befehl(z, &TMyWindow::Umrechnungsfaktorndern1Click, [&] {
            QCOMPARE(z->Label_Land->text(), QStringLiteral("Englisches System"));
            QCOMPARE(z->Edit_Minuten->text(), QStringLiteral("-210"));
            QCOMPARE(z->Edit_Sommerzeit->text(), QStringLiteral("März..November"));
            z->Edit_Minuten->setText("60");
            z->Edit_Sommerzeit->setText("April..Oktober");
            z->OKBtn->click();
        });
        neu = test::satzAus(zeiten, 1);
        neu.setzeFaktor(1);
        neu.setzeUebersetzung("April..Oktober");
        QCOMPARE(p.o.lies("Z.DAT"), mitSatz(zeiten, 1, neu));
        QCOMPARE(p.w().Info_Uebersetzung2->text(), QStringLiteral("April..Oktober"));
        QVERIFY(!p.s().ErgebnisGueltig);
    }

    // The dialog stays open with what was typed, reports, and leaves the file and the list as they were.
    void fehlerLassenDenDialogOffen_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("dateiFehlt");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<int>("art");
        QTest::newRow("keine Zahl") << "1,0 m" << false
                                    << "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!"
                                    << int(MeldungArt::Information);
        QTest::newRow("Datei fehlt")
            << "2" << true
            << "Die Datei L.DAT konnte nicht geöffnet werden oder die revidierte Datei "
               "konnte nicht geschrieben werden!"
            << int(MeldungArt::Fehler);
    }
    void fehlerLassenDenDialogOffen() {
        QFETCH(QString, eingabe);
        QFETCH(bool, dateiFehlt);
        QFETCH(QString, meldung);
        QFETCH(int, art);
        test::Fensterprobe p(datenbank);
        const QByteArray vorher = p.o.lies("L.DAT");
        p.s().ErgebnisGueltig = true;
        auto* d = p.w().Faktor_aendern;
        bool offenGeblieben = false;
        p.befehl(d, &TMyWindow::Umrechnungsfaktorndern1Click, [&] {
            if (dateiFehlt) p.o.entferne("L.DAT");
            d->Edit_Faktor->setText(eingabe);
            d->OKBtn->click();
            offenGeblieben = d->isVisible();
            QCOMPARE(d->Edit_Faktor->text(), eingabe);
            d->CancelBtn->click();
        });
        QVERIFY(offenGeblieben);
        QCOMPARE(p.m.texte(), QStringList{meldung});
        QCOMPARE(int(p.m.boxen[0].art), art);
        QCOMPARE(p.o.lies("L.DAT"), dateiFehlt ? QByteArray() : vorher);
        QCOMPARE(p.s().liste()[0].Satz.Faktor(), 0.3048);
        QVERIFY(p.s().ErgebnisGueltig); // nothing refilled
    }
};

QTEST_MAIN(tst_Faktor)
#include "tst_Faktor.moc"

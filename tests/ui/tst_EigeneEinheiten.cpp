// Own units: the three insertion dialogs from the menu command to the reloaded list.
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "data/Einheit.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"
#include "maintain/widgets/Laenderliste.h"

using namespace qnt;
using test::cp1252;

namespace {

enum Gebiet { Laenge, Waehrungen, Weltzeit, Temperatur, Zahlensysteme, Brueche };

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\nWeltzeit\tZ.DAT\tUTC\r\n"
                      "Temperatur\tT.DAT\tKelvin\r\nZahlensysteme\tN.DAT\tDezimal\r\n"
                      "Brüche\tB.DAT\tBruch\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Meile", 3, 1609.344}, {"Millimeter", 1, 0.001}}));
    o.schreibe("W.DAT", test::satzDatei({{"Dollar", 90, 0.9}, {"Yen", 63, 0.006}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1}, {"Tokio", 63, 9}}));
    o.schreibe("T.DAT", test::satzDatei({{"Kelvin"}}));
    o.schreibe("N.DAT", test::satzDatei({{"Dezimal"}}));
    o.schreibe("B.DAT", test::satzDatei({{"Bruch"}}));
    o.schreibe("QNT5.INI", test::einstellungen("1"));
}

void waehle(TMyWindow& w, Gebiet g) {
    w.ComboBox1->setCurrentIndex(g);
    w.ComboBox1Change();
}

// Runs `aktion` once the modal loop of `d` is running; whatever happens, the open dialog is closed
// afterwards, so a failed check cannot leave the test waiting.
// A record as an own unit is written: shown, "j", zero bytes wherever nothing is written.
TEinheitSatz eigenerSatz(int land, const char* name, const char* kurz, double faktor) {
    TEinheitSatz s;
    s.setzeAngezeigt(1);
    s.setzeEigene('j');
    s.setzeLandNr(static_cast<std::uint8_t>(land));
    s.setzeName(cp(QString::fromUtf8(name)));
    s.setzeKurzzeichen(cp(QString::fromUtf8(kurz)));
    s.setzeFaktor(faktor);
    return s;
}

void waehleLand(QComboBox* c, const QString& name) {
    const int i = c->findText(name);
    QVERIFY(i >= 0);
    c->setCurrentIndex(i);
}

} // namespace

class tst_EigeneEinheiten : public QObject {
    Q_OBJECT
private slots:
    void verweigert_data() {
        QTest::addColumn<int>("gebiet");
        QTest::newRow("Temperatur") << int(Temperatur);
        QTest::newRow("Zahlensysteme") << int(Zahlensysteme);
        QTest::newRow("Brüche") << int(Brueche);
    }
    void verweigert() {
        QFETCH(int, gebiet);
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        waehle(w, Gebiet(gebiet));
        bool offen = false;
        QTimer::singleShot(0, &w, [&] {
            for (auto* d : w.findChildren<QDialog*>())
                if (d->isVisible()) offen = true, d->reject();
        });
        w.EigeneEinheiteinfgen1Click();
        QCoreApplication::processEvents();
        QVERIFY(!offen);
        QCOMPARE(m.texte(),
                 QStringList{QStringLiteral(
                     "Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor möglich ist, "
                     "ist ein Einfügen von eigenen Einheiten nicht möglich!")});
        QCOMPARE(m.boxen[0].art, MeldungArt::Information);
    }

    void gewoehnlicheEinheitVorGleichnamige() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Dlg_eigene_einfuegen;
        test::imDialog(d, [&] {
            QCOMPARE(d->windowTitle(), QStringLiteral("Eigene Einheit einfügen"));
            QCOMPARE(d->Label_Name->text(), QStringLiteral("Name der Einheit:"));
            QCOMPARE(d->Label_Faktor->text(),
                     QStringLiteral("1 eigene Einheit entspricht (Umrechnungsfaktor);"));
            QCOMPARE(d->Label_Bezug->text(), QStringLiteral("Meter"));
            QCOMPARE(d->Edit_Name->maxLength(), 34);
            QCOMPARE(d->Edit_Kurzzeichen->maxLength(), 20);
            QCOMPARE(d->Edit_SonstigeNamen->maxLength(), 33);
            QCOMPARE(d->Edit_Einsatzgebiet->maxLength(), 27);
            QCOMPARE(d->ComboBox_Land->count(), 66);
            QCOMPARE(d->ComboBox_Land->currentText(), QStringLiteral("SI-Einheit"));
            QCOMPARE(d->ComboBox_Land->itemText(65), QStringLiteral("Vietnam"));
            d->Edit_Name->setText("meile");
            d->Edit_Kurzzeichen->setText("mi");
            d->Edit_SonstigeNamen->setText("Landmeile");
            d->Edit_Einsatzgebiet->setText("Wandern");
            waehleLand(d->ComboBox_Land, "Finnland");
            d->Edit_Faktor->setText("1,5");
            d->OKBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        QVERIFY(w.Sitzung().EinheitEingefuegt);
        QVERIFY(m.boxen.isEmpty());
        const QByteArray datei = o.lies("L.DAT");
        QCOMPARE(datei.size(), 3 * 272);
        TEinheitSatz erwartet = eigenerSatz(50, "meile", "mi", 1.5);
        erwartet.setzeSonstigeNamen("Landmeile");
        erwartet.setzeEinsatzgebiet("Wandern");
        QVERIFY(test::satzAus(datei, 0) == erwartet);
        QCOMPARE(test::satzAus(datei, 1).Name(), std::string("Meile"));
        QCOMPARE(test::einheitennamen(w.ListBoxEinheit), (QStringList{"meile", "Meile", "Millimeter"}));
        QCOMPARE(w.MarkierteZeile(), 0);
        QVERIFY(!o.existiert("TEMP.DAT"));
    }

    void falscherFaktor_data() {
        QTest::addColumn<QString>("faktor");
        QTest::newRow("leer") << "";
        QTest::newRow("Blank dahinter") << "1,5 ";
        QTest::newRow("kein Zahlwort") << "anderthalb";
        QTest::newRow("zwei Kommas") << "1,5,0";
    }
    void falscherFaktor() {
        QFETCH(QString, faktor);
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.Sitzung().ErgebnisGueltig = true; // stays: no reload
        auto* d = w.Dlg_eigene_einfuegen;
        bool offenGeblieben = false;
        test::imDialog(d, [&] {
            d->Edit_Name->setText("Elle");
            d->Edit_Faktor->setText(faktor);
            d->OKBtn->click();
            offenGeblieben = d->isVisible();
            d->CancelBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        QVERIFY(offenGeblieben);
        QCOMPARE(m.texte(), QStringList{QStringLiteral(
                                "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!")});
        QCOMPARE(m.boxen[0].art, MeldungArt::Information);
        QVERIFY(!w.Sitzung().EinheitEingefuegt);
        QVERIFY(w.Sitzung().ErgebnisGueltig);
        QCOMPARE(o.lies("L.DAT").size(), 2 * 272);
    }

    void texteBleibenUndAbbrechenSchreibtNichts() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const QByteArray vorher = o.lies("L.DAT");
        auto* d = w.Dlg_eigene_einfuegen;
        test::imDialog(d, [&] {
            d->Edit_Name->setText("Elle");
            d->Edit_Faktor->setText("0,5");
            waehleLand(d->ComboBox_Land, "Iran");
            d->CancelBtn->click();
        });
        w.Sitzung().ErgebnisGueltig = true;
        w.EigeneEinheiteinfgen1Click();
        QVERIFY(!w.Sitzung().EinheitEingefuegt);
        QVERIFY(w.Sitzung().ErgebnisGueltig); // not reloaded
        QCOMPARE(o.lies("L.DAT"), vorher);
        // The next opening keeps the texts, but the country list starts afresh.
        test::imDialog(d, [&] {
            QCOMPARE(d->Edit_Name->text(), QStringLiteral("Elle"));
            QCOMPARE(d->Edit_Faktor->text(), QStringLiteral("0,5"));
            QCOMPARE(d->ComboBox_Land->count(), 66);
            QCOMPARE(d->ComboBox_Land->currentIndex(), 0);
            d->OKBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        QVERIFY(w.Sitzung().EinheitEingefuegt);
        QCOMPARE(test::satzAus(o.lies("L.DAT"), 0).LandNr(), 1);
        QCOMPARE(test::satzAus(o.lies("L.DAT"), 0).Faktor(), 0.5);
    }

    void landNummer_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("land");
        QTest::newRow("SI-Einheit") << "SI-Einheit" << 1;
        QTest::newRow("Eigene Einheit") << "Eigene Einheit" << 4;
        QTest::newRow("Finnland") << "Finnland" << 50;
        QTest::newRow("Iran") << "Iran" << 60;
        QTest::newRow("Vietnam") << "Vietnam" << 91;
        QTest::newRow("klein geschrieben") << "österreich" << 73;
        QTest::newRow("geleert") << "" << 4;
        QTest::newRow("überschrieben") << "Atlantis" << 4;
    }
    void landNummer() {
        QFETCH(QString, text);
        QFETCH(int, land);
        QComboBox c;
        c.setEditable(true);
        fuelleLaenderliste(&c);
        c.setEditText(text);
        QCOMPARE(gewaehlteLandNr(&c), land);
    }

    void ohneLandWirdEigeneEinheit() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Dlg_eigene_einfuegen;
        test::imDialog(d, [&] {
            d->Edit_Name->setText("Rute");
            d->ComboBox_Land->setEditText("Atlantis");
            d->Edit_Faktor->setText("3");
            d->OKBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        QCOMPARE(test::satzAus(o.lies("L.DAT"), 2).LandNr(), 4);
    }

    void waehrung() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        waehle(w, Waehrungen);
        auto* d = w.Dlg_eigene_einfuegen_Waehrung;
        test::imDialog(d, [&] {
            QCOMPARE(d->windowTitle(), QStringLiteral("Eigene Einheit einfügen - Währung"));
            QCOMPARE(d->Label_Name->text(), QStringLiteral("Name der Währung:"));
            QCOMPARE(d->Label_Bezug->text(), QStringLiteral("Euro"));
            QStringList labels;
            for (auto* l : d->findChildren<QLabel*>())
                labels << l->text();
            for (const char* t :
                 {"Wert bwz. ca.Wert:", "(für Info-Feld)", "Stand (Datum):", "Kurzzeichen:", "Land:"})
                QVERIFY2(labels.contains(QString::fromUtf8(t)), t);
            QCOMPARE(d->Edit_Name->maxLength(), 34);
            QCOMPARE(d->Edit_Kurzzeichen->maxLength(), 20);
            QCOMPARE(d->Edit_CaWert->maxLength(), 21);
            QCOMPARE(d->Edit_Stand->maxLength(), 32);
            d->Edit_Name->setText("Taler");
            d->Edit_Kurzzeichen->setText("Tlr");
            d->Edit_CaWert->setText("ca. 2 Euro");
            d->Edit_Stand->setText("Juni 2024");
            waehleLand(d->ComboBox_Land, "Eigene Einheit");
            d->Edit_Faktor->setText("2.25");
            d->OKBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        const QByteArray datei = o.lies("W.DAT");
        TEinheitSatz erwartet = eigenerSatz(4, "Taler", "Tlr", 2.25);
        erwartet.setzeUebersetzung("Juni 2024");
        erwartet.setzeCaWert("ca. 2 Euro");
        QVERIFY(test::satzAus(datei, 1) == erwartet);
        QCOMPARE(test::einheitennamen(w.ListBoxEinheit), (QStringList{"Dollar", "Taler", "Yen"}));
        w.ListBoxEinheit->setCurrentRow(1);
        QCOMPARE(w.Info_ca_wert2->text(), QStringLiteral("ca. 2 Euro"));
    }

    void weltzeit() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        waehle(w, Weltzeit);
        auto* d = w.Dlg_eigene_einfuegen_WZ;
        test::imDialog(d, [&] {
            QCOMPARE(d->windowTitle(), QStringLiteral("Eigene Einheit einfügen - Weltzeit"));
            QCOMPARE(d->Label_Faktor->text(), QStringLiteral("Zeitdifferenz zur Weltzeit in Minuten:"));
            QCOMPARE(d->Edit_Sommerzeit->maxLength(), 32);
            d->Edit_Faktor->clear();
            QTest::keyClicks(d->Edit_Faktor, "-9000");
            QCOMPARE(d->Edit_Faktor->text(), QStringLiteral("-900"));
            d->Edit_Faktor->setText("-90");
            d->Edit_Name->setText("Azoren");
            d->Edit_Sommerzeit->setText("März..Oktober");
            waehleLand(d->ComboBox_Land, "Portugal");
            d->OKBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        TEinheitSatz erwartet = eigenerSatz(78, "Azoren", "", -1.5);
        erwartet.setzeUebersetzung(cp(QStringLiteral("März..Oktober")));
        QVERIFY(test::satzAus(o.lies("Z.DAT"), 0) == erwartet);
        QCOMPARE(test::einheitennamen(w.ListBoxEinheit), (QStringList{"Azoren", "Berlin", "Tokio"}));
    }

    void fehlgeschlageneRevisionLaedtTrotzdem() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Dlg_eigene_einfuegen;
        test::imDialog(d, [&] {
            o.entferne("L.DAT");
            d->Edit_Name->setText("Elle");
            d->Edit_Faktor->setText("0,5");
            d->OKBtn->click();
        });
        w.EigeneEinheiteinfgen1Click();
        QVERIFY(w.Sitzung().EinheitEingefuegt);
        QVERIFY(!o.existiert("L.DAT"));
        QCOMPARE(m.texte().value(0), QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden oder die "
                                                    "revidierte Datei konnte nicht geschrieben werden!"));
        QCOMPARE(m.boxen[0].art, MeldungArt::Fehler);
        QCOMPARE(w.ListBoxEinheit->count(), 0); // reloaded from the file as it is
    }
};

QTEST_MAIN(tst_EigeneEinheiten)
#include "tst_EigeneEinheiten.moc"

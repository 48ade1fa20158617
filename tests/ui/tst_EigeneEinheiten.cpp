// Own units: what is typed into the three insertion dialogs reaches the record, and their reports.
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fensterprobe.h"
#include "app/Text.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"
#include "maintain/widgets/Laenderliste.h"

using namespace qnt;
using test::cp1252;

namespace {

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\nWeltzeit\tZ.DAT\tUTC\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Meile", 3, 1609.344}, {"Millimeter", 1, 0.001}}));
    o.schreibe("W.DAT", test::satzDatei({{"Dollar", 90, 0.9}, {"Yen", 63, 0.006}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1}, {"Tokio", 63, 9}}));
    o.schreibe("QNT5.INI", test::einstellungen("1"));
}

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

void waehleLand(QComboBox* c, const char* name) { c->setCurrentIndex(c->findText(QString::fromUtf8(name))); }

} // namespace

class tst_EigeneEinheiten : public QObject {
    Q_OBJECT
private slots:
    void gewoehnlicheEinheit() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Dlg_eigene_einfuegen;
        test::imDialog(d, [&] {
            QCOMPARE(d->Label_Bezug->text(), QStringLiteral("Meter"));
            d->Edit_Name->setText("meile");
            d->Edit_Kurzzeichen->setText("mi");
            d->Edit_SonstigeNamen->setText("Landmeile");
            d->Edit_Einsatzgebiet->setText("Wandern");
            waehleLand(d->ComboBox_Land, "Finnland");
            d->Edit_Faktor->setText("1,5");
            d->OKBtn->click();
        });
        p.w().EigeneEinheiteinfgen1Click();
        QVERIFY(p.m.boxen.isEmpty());
        TEinheitSatz erwartet = eigenerSatz(50, "meile", "mi", 1.5);
        erwartet.setzeSonstigeNamen("Landmeile");
        erwartet.setzeEinsatzgebiet("Wandern");
        QVERIFY(test::satzAus(p.o.lies("L.DAT"), 0) == erwartet);
        QCOMPARE(p.liste(), (QStringList{"meile", "Meile", "Millimeter"}));
        QCOMPARE(p.w().MarkierteZeile(), 0);
    }

    void waehrung() {
        test::Fensterprobe p(datenbank);
        p.waehle("Währungen");
        auto* d = p.w().Dlg_eigene_einfuegen_Waehrung;
        test::imDialog(d, [&] {
            d->Edit_Name->setText("Taler");
            d->Edit_Kurzzeichen->setText("Tlr");
            d->Edit_CaWert->setText("ca. 2 Euro");
            d->Edit_Stand->setText("Juni 2024");
            waehleLand(d->ComboBox_Land, "Eigene Einheit");
            d->Edit_Faktor->setText("2.25");
            d->OKBtn->click();
        });
        p.w().EigeneEinheiteinfgen1Click();
        TEinheitSatz erwartet = eigenerSatz(4, "Taler", "Tlr", 2.25);
        erwartet.setzeUebersetzung("Juni 2024");
        erwartet.setzeCaWert("ca. 2 Euro");
        QVERIFY(test::satzAus(p.o.lies("W.DAT"), 1) == erwartet);
        QCOMPARE(p.liste(), (QStringList{"Dollar", "Taler", "Yen"}));
    }

    void weltzeit() {
        test::Fensterprobe p(datenbank);
        p.waehle("Weltzeit");
        auto* d = p.w().Dlg_eigene_einfuegen_WZ;
        test::imDialog(d, [&] {
            d->Edit_Faktor->clear();
            QTest::keyClicks(d->Edit_Faktor, "-9000"); // four characters at most
            QCOMPARE(d->Edit_Faktor->text(), QStringLiteral("-900"));
            d->Edit_Faktor->setText("-90");
            d->Edit_Name->setText("Azoren");
            d->Edit_Sommerzeit->setText("März..Oktober");
            waehleLand(d->ComboBox_Land, "Portugal");
            d->OKBtn->click();
        });
        p.w().EigeneEinheiteinfgen1Click();
        TEinheitSatz erwartet = eigenerSatz(78, "Azoren", "", -1.5);
        erwartet.setzeUebersetzung(cp(QStringLiteral("März..Oktober")));
        QVERIFY(test::satzAus(p.o.lies("Z.DAT"), 0) == erwartet);
        QCOMPARE(p.liste(), (QStringList{"Azoren", "Berlin", "Tokio"}));
    }

    // A wrong factor keeps the dialog open and writes nothing; Abbrechen reloads nothing; the next opening
    // keeps the texts but starts the country list afresh.
    void falscherFaktorUndWiederOeffnen() {
        test::Fensterprobe p(datenbank);
        const QByteArray vorher = p.o.lies("L.DAT");
        p.w().Sitzung().ErgebnisGueltig = true; // stays: no reload
        auto* d = p.w().Dlg_eigene_einfuegen;
        bool offenGeblieben = false;
        test::imDialog(d, [&] {
            d->Edit_Name->setText("Elle");
            d->Edit_Faktor->setText("1,5 ");
            waehleLand(d->ComboBox_Land, "Iran");
            d->OKBtn->click();
            offenGeblieben = d->isVisible();
            d->CancelBtn->click();
        });
        p.w().EigeneEinheiteinfgen1Click();
        QVERIFY(offenGeblieben);
        QCOMPARE(p.m.texte(), QStringList{QStringLiteral(
                                  "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!")});
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Information);
        QVERIFY(p.w().Sitzung().ErgebnisGueltig);
        QCOMPARE(p.o.lies("L.DAT"), vorher);
        test::imDialog(d, [&] {
            QCOMPARE(d->Edit_Name->text(), QStringLiteral("Elle"));
            QCOMPARE(d->ComboBox_Land->currentIndex(), 0);
            d->Edit_Faktor->setText("0,5");
            d->OKBtn->click();
        });
        p.w().EigeneEinheiteinfgen1Click();
        QCOMPARE(test::satzAus(p.o.lies("L.DAT"), 0).LandNr(), 1);
        QCOMPARE(test::satzAus(p.o.lies("L.DAT"), 0).Faktor(), 0.5);
    }

    // Also after a failed revision the list is loaded again, and shows the file as it is.
    void fehlgeschlageneRevisionLaedtTrotzdem() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Dlg_eigene_einfuegen;
        test::imDialog(d, [&] {
            p.o.entferne("L.DAT");
            d->Edit_Name->setText("Elle");
            d->Edit_Faktor->setText("0,5");
            d->OKBtn->click();
        });
        p.w().EigeneEinheiteinfgen1Click();
        QCOMPARE(p.m.texte().value(0), QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden oder die "
                                                      "revidierte Datei konnte nicht geschrieben werden!"));
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Fehler);
        QVERIFY(!p.o.existiert("L.DAT"));
        QCOMPARE(p.liste(), QStringList{});
    }

    void landNummer_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("land");
        QTest::newRow("Finnland") << "Finnland" << 50;
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
};

QTEST_MAIN(tst_EigeneEinheiten)
#include "tst_EigeneEinheiten.moc"

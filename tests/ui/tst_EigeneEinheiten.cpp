// Own units: what is typed into the three insertion dialogs reaches the record, and their reports.
#include "Fensterprobe.h"
#include "app/Text.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"

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

void waehleLand(QComboBox* c, const char* name) {
    c->setCurrentIndex(c->findText(QString::fromUtf8(name)));
}

} // namespace

class tst_EigeneEinheiten : public QObject {
    Q_OBJECT
private slots:
    // Each dialog's fields reach their places in the record; the list is loaded again with the new unit.
    void felderErreichenDenSatz() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Dlg_eigene_einfuegen;
        p.befehl(d, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            QCOMPARE(d->Label_Bezug->text(), QStringLiteral("Meter"));
            d->Edit_Name->setText("meile");
            d->Edit_Kurzzeichen->setText("mi");
            d->Edit_SonstigeNamen->setText("Landmeile");
            d->Edit_Einsatzgebiet->setText("Wandern");
            d->ComboBox_Land->setEditText("finnland"); // a typed name counts, letter case aside
            d->Edit_Faktor->setText("1,5");
            d->OKBtn->click();
        });
        TEinheitSatz erwartet = eigenerSatz(50, "meile", "mi", 1.5);
        erwartet.setzeSonstigeNamen("Landmeile");
        erwartet.setzeEinsatzgebiet("Wandern");
        QVERIFY(test::satzAus(p.o.lies("L.DAT"), 0) == erwartet);
        QCOMPARE(p.liste(), (QStringList{"meile", "Meile", "Millimeter"}));
        QCOMPARE(p.w().MarkierteZeile(), 0);

        p.waehle("Währungen");
        auto* w = p.w().Dlg_eigene_einfuegen_Waehrung;
        p.befehl(w, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            w->Edit_Name->setText("Taler");
            w->Edit_Kurzzeichen->setText("Tlr");
            w->Edit_CaWert->setText("ca. 2 Euro");
            w->Edit_Stand->setText("Juni 2024");
            waehleLand(w->ComboBox_Land, "Iran");
            w->Edit_Faktor->setText("2.25");
            w->OKBtn->click();
        });
        erwartet = eigenerSatz(60, "Taler", "Tlr", 2.25);
        erwartet.setzeUebersetzung("Juni 2024");
        erwartet.setzeCaWert("ca. 2 Euro");
        QVERIFY(test::satzAus(p.o.lies("W.DAT"), 1) == erwartet);

        p.waehle("Weltzeit");
        auto* z = p.w().Dlg_eigene_einfuegen_WZ;
        p.befehl(z, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            z->Edit_Faktor->clear();
            QTest::keyClicks(z->Edit_Faktor, "-9000"); // four characters at most
            QCOMPARE(z->Edit_Faktor->text(), QStringLiteral("-900"));
            z->Edit_Faktor->setText("-90");
            z->Edit_Name->setText("Azoren");
            z->Edit_Kurzzeichen->setText("Az");
            z->Edit_Sommerzeit->setText("März..Oktober");
            z->ComboBox_Land->setEditText("Atlantis"); // no country: an own unit
            z->OKBtn->click();
        });
        erwartet = eigenerSatz(4, "Azoren", "Az", -1.5);
        erwartet.setzeUebersetzung(cp(QStringLiteral("März..Oktober")));
        QVERIFY(test::satzAus(p.o.lies("Z.DAT"), 0) == erwartet);
        QVERIFY(p.m.boxen.isEmpty());
    }

    // A wrong factor keeps the dialog open; Abbrechen reloads nothing; reopened, the texts stay.
    void falscherFaktorUndWiederOeffnen() {
        test::Fensterprobe p(datenbank);
        const QByteArray vorher = p.o.lies("L.DAT");
        p.s().ErgebnisGueltig = true; // stays: no reload
        auto* d = p.w().Dlg_eigene_einfuegen;
        bool offenGeblieben = false;
        p.befehl(d, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            d->Edit_Name->setText("Elle");
            d->Edit_Faktor->setText("1,5 ");
            waehleLand(d->ComboBox_Land, "Iran");
            d->OKBtn->click();
            offenGeblieben = d->isVisible();
            d->CancelBtn->click();
        });
        QVERIFY(offenGeblieben);
        QCOMPARE(p.m.texte(), QStringList{QStringLiteral(
                                  "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!")});
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Information);
        QVERIFY(p.s().ErgebnisGueltig);
        QCOMPARE(p.o.lies("L.DAT"), vorher);
        p.befehl(d, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            QCOMPARE(d->Edit_Name->text(), QStringLiteral("Elle"));
            QCOMPARE(d->ComboBox_Land->currentIndex(), 0);
            d->Edit_Faktor->setText("0,5");
            d->OKBtn->click();
        });
        QCOMPARE(test::satzAus(p.o.lies("L.DAT"), 0).LandNr(), 1);

        // Also after a failed revision the list is loaded again, and shows the file as it is.
        p.m.leeren();
        p.befehl(d, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            p.o.entferne("L.DAT");
            d->OKBtn->click();
        });
        QCOMPARE(p.m.texte().value(0), QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden oder die "
                                                      "revidierte Datei konnte nicht geschrieben werden!"));
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Fehler);
        QCOMPARE(p.liste(), QStringList{});
    }
};

QTEST_MAIN(tst_EigeneEinheiten)
#include "tst_EigeneEinheiten.moc"

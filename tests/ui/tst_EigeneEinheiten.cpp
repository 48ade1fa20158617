// Own units: what is typed into the three insertion dialogs reaches the record.
#include "Fensterprobe.h"
#include "maintain/widgets/E_ein_wa.h"
#include "maintain/widgets/E_ein_wz.h"
#include "maintain/widgets/E_einfue.h"

using namespace qnt;

static void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               test::cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\nWeltzeit\tZ.DAT\tUTC\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Meile", 3, 1609.344}, {"Millimeter", 1, 0.001}}));
    o.schreibe("W.DAT", test::satzDatei({{"Dollar", 90, 0.9}, {"Yen", 63, 0.006}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1}, {"Tokio", 63, 9}}));
    o.schreibe("QNT5.INI", test::einstellungen("1"));
}

// A record as an own unit is written: shown, "j", zero bytes wherever nothing is written.
static TEinheitSatz eigenerSatz(int land, const char* name, const char* kurz, double faktor) {
    TEinheitSatz s;
    s.setzeAngezeigt(1), s.setzeEigene('j');
    s.setzeLandNr(static_cast<std::uint8_t>(land)), s.setzeFaktor(faktor);
    s.setzeName(name), s.setzeKurzzeichen(kurz);
    return s;
}

static void tippe(std::initializer_list<QLineEdit*> felder, QStringList texte) {
    for (QLineEdit* feld : felder)
        feld->setText(texte.takeFirst());
}

class tst_EigeneEinheiten : public QObject {
    Q_OBJECT
private slots:
    // Each dialog's fields reach their places in the record; the list is loaded again with the new unit.
    // A wrong factor first reports and keeps the dialog open; Abbrechen writes nothing, the texts stay.
    void felderErreichenDenSatz() {
        test::Fensterprobe p(datenbank);
        const QByteArray vorher = p.o.lies("L.DAT");
        auto* d = p.w().Dlg_eigene_einfuegen;
        bool offenGeblieben = false;
        p.befehl(d, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            tippe({d->Edit_Name, d->Edit_Faktor}, {"Elle", "1,5 "}), d->OKBtn->click();
            offenGeblieben = d->isVisible(), d->CancelBtn->click();
        });
        QVERIFY(offenGeblieben && p.m.boxen.size() == 1 && p.o.lies("L.DAT") == vorher);
        p.m.leeren();
        p.befehl(d, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            QCOMPARE(d->Edit_Name->text(), QStringLiteral("Elle"));
            tippe({d->Edit_Name, d->Edit_Kurzzeichen, d->Edit_SonstigeNamen, d->Edit_Einsatzgebiet,
                   d->Edit_Faktor},
                  {"meile", "mi", "Landmeile", "Wandern", "1,5"});
            d->ComboBox_Land->setEditText("finnland"); // a typed name counts, letter case aside
            d->OKBtn->click();
        });
        TEinheitSatz erwartet = eigenerSatz(50, "meile", "mi", 1.5);
        erwartet.setzeSonstigeNamen("Landmeile"), erwartet.setzeEinsatzgebiet("Wandern");
        QVERIFY(test::satzAus(p.o.lies("L.DAT"), 0) == erwartet);
        QCOMPARE(p.liste(), (QStringList{"meile", "Meile", "Millimeter"}));

        p.waehle("Währungen");
        auto* w = p.w().Dlg_eigene_einfuegen_Waehrung;
        p.befehl(w, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            tippe({w->Edit_Name, w->Edit_Kurzzeichen, w->Edit_CaWert, w->Edit_Stand, w->Edit_Faktor},
                  {"Taler", "Tlr", "ca. 2 Euro", "Juni 2024", "2.25"});
            w->ComboBox_Land->setCurrentIndex(w->ComboBox_Land->findText("Iran"));
            w->OKBtn->click();
        });
        erwartet = eigenerSatz(60, "Taler", "Tlr", 2.25);
        erwartet.setzeUebersetzung("Juni 2024"), erwartet.setzeCaWert("ca. 2 Euro");
        QVERIFY(test::satzAus(p.o.lies("W.DAT"), 1) == erwartet);

        p.waehle("Weltzeit");
        auto* z = p.w().Dlg_eigene_einfuegen_WZ;
        p.befehl(z, &TMyWindow::EigeneEinheiteinfgen1Click, [&] {
            tippe({z->Edit_Faktor, z->Edit_Name, z->Edit_Kurzzeichen, z->Edit_Sommerzeit},
                  {"-90", "Azoren", "Az", "März..Oktober"});
            z->ComboBox_Land->setEditText("Atlantis"), z->OKBtn->click(); // no country: an own unit
        });
        erwartet = eigenerSatz(4, "Azoren", "Az", -1.5);
        erwartet.setzeUebersetzung(test::cp1252("März..Oktober").toStdString());
        QVERIFY(test::satzAus(p.o.lies("Z.DAT"), 0) == erwartet && p.m.boxen.isEmpty());
    }
};

QTEST_MAIN(tst_EigeneEinheiten)
#include "tst_EigeneEinheiten.moc"

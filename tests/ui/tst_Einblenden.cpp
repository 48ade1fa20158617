#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "list/widgets/Landdlg.h"
#include "maintain/widgets/Einh_ein.h"

using namespace qnt;
using test::cp1252;

namespace {

void datenbank(const test::Datenordner& o, QByteArray laender = {}) {
    o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\nTemperatur\tT.DAT\tKelvin\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"A versteckt", 1, 1, 0},
                                         {"B versteckt", 39, 1, 0},
                                         {"C", 1},
                                         {"D versteckt", 1, 1, 0},
                                         {"E versteckt", 1, 1, 0},
                                         {"Eigene", 4},
                                         {"F versteckt", 1, 1, 0},
                                         {"Sonstige", 5}}));
    o.schreibe("T.DAT", test::satzDatei({{"Celsius", 1, 1, 0}, {"Kelvin"}}));
    o.schreibe("QNT5.INI", test::einstellungen("1", "0", "0", laender));
}

QStringList zeilen(const QListWidget* l) {
    QStringList z;
    for (int i = 0; i < l->count(); ++i) z << l->item(i)->text();
    return z;
}

// Runs `aktion` on the dialog as soon as its modal loop is running.
template <typename F> void spaeter(F aktion) { QTimer::singleShot(0, aktion); }

} // namespace

class tst_Einblenden : public QObject {
    Q_OBJECT
private slots:
    void dreiVonFuenfEinblenden() {
        test::Datenordner o(false);
        QByteArray laender(91, '1');
        laender[38] = '0'; // Preußen hidden
        datenbank(o, laender);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Dlg_Einheit_einblenden;
        d->show();
        QCOMPARE(d->LabelGebiet->text(), QStringLiteral("Länge"));
        QCOMPARE(d->LabelStatus->text(), QStringLiteral("Ausgeblendete Einheiten:"));
        QCOMPARE(zeilen(d->ListBox1),
                 (QStringList{"A versteckt - SI-Einheit", "B versteckt - Deutschland - Preußen",
                              "D versteckt - SI-Einheit", "E versteckt - SI-Einheit", "F versteckt - SI-Einheit"}));
        QVERIFY(d->ListBox1->item(0)->isSelected());
        for (int i : {1, 3, 4}) d->ListBox1->item(i)->setSelected(true);
        d->ListBox1->item(0)->setSelected(false);
        d->BitBtn1->click();
        QCOMPARE(zeilen(d->ListBox1), (QStringList{"A versteckt - SI-Einheit", "D versteckt - SI-Einheit"}));
        QVERIFY(d->ListBox1->item(0)->isSelected());
        QCOMPARE(w.ListBoxEinheit->count(), 3); // the main list waits for the dialog to close
        d->OKBtn->click();
        QVERIFY(!d->isVisible());
        // B's country is hidden, so only E and F come back into view.
        QCOMPARE(w.ListBoxEinheit->count(), 5);
        QCOMPARE(test::einheitenname(w.ListBoxEinheit, 1), QStringLiteral("E versteckt"));
        QVERIFY(m.boxen.isEmpty());
    }

    void ohneMarkierungAendertSichNichts() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const QByteArray vorher = o.lies("L.DAT");
        auto* d = w.Dlg_Einheit_einblenden;
        d->show();
        d->ListBox1->clearSelection();
        d->BitBtn1->click();
        QCOMPARE(d->ListBox1->count(), 5);
        QCOMPARE(o.lies("L.DAT"), vorher);
        d->BitBtn2->click(); // all of them, and the dialog closes
        QVERIFY(!d->isVisible());
        QCOMPARE(w.ListBoxEinheit->count(), 8);
        QCOMPARE(d->ListBox1->count(), 0); // emptied when hidden
    }

    void keineAusgeblendetenEinheiten() {
        test::Datenordner o(false);
        datenbank(o);
        o.schreibe("L.DAT", test::satzDatei({{"C", 1}}));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.Sitzung().ErgebnisGueltig = true;
        spaeter([&] {
            auto* d = w.Dlg_Einheit_einblenden;
            QCOMPARE(d->LabelStatus->text(), QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
            QCOMPARE(d->LabelStatus->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(!d->BitBtn1->isEnabled());
            QVERIFY(!d->BitBtn2->isEnabled());
            d->OKBtn->click();
        });
        w.Einheiteinblenden1Click();
        QVERIFY(w.Sitzung().ErgebnisGueltig); // no reload
    }

    void ausgeblendeteLoeschen() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        m.antworte(KnopfNein);
        w.AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(m.boxen.size(), 1);
        QCOMPARE(m.boxen[0].text,
                 QStringLiteral("Sollen die ausgeblendeten Einheiten des Gebietes \"Länge\" wirklich aus der "
                                "Datendatei gelöscht werden?"));
        QCOMPARE(m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        QCOMPARE(o.lies("L.DAT").size(), 8 * 272);
        m.leeren();
        m.antworte(KnopfJa);
        w.AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(m.texte().last(), QStringLiteral("Die ausgeblendeten Einheiten sind gelöscht!"));
        QCOMPARE(o.lies("L.DAT").size(), 3 * 272);
        QCOMPARE(w.ListBoxEinheit->count(), 3);
        QVERIFY(!o.existiert("TEMP.DAT"));
        // Without hidden units the file is rewritten unchanged and the success is still reported.
        m.leeren();
        m.antworte(KnopfJa);
        w.AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(m.texte().last(), QStringLiteral("Die ausgeblendeten Einheiten sind gelöscht!"));
        QCOMPARE(o.lies("L.DAT").size(), 3 * 272);
        // Temperatur is refused.
        m.leeren();
        w.ComboBox1->setCurrentIndex(1);
        w.ComboBox1Change();
        w.AusgeblendeteEinheitenlschen1Click();
        QCOMPARE(m.texte(),
                 QStringList{QStringLiteral("Beim Gebiet \"Temperatur\" können keine Einheiten gelöscht werden!")});
        QCOMPARE(o.lies("T.DAT").size(), 2 * 272);
    }

    void laenderdialogAlleAusUndAbbrechen() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        {
            TMyWindow w;
            w.zeigeStart();
            auto* d = w.Laender_Dlg;
            spaeter([&] {
                QCOMPARE(d->CheckBox[22]->text(), QStringLiteral("D-Preußen"));
                QCOMPARE(d->CheckBox[27]->text(), QStringLiteral("Griechenl.antik"));
                QCOMPARE(d->CheckBox[4]->text(), QStringLiteral("Ägypten"));
                QCOMPARE(d->CheckBox[64]->text(), QStringLiteral("Vietnam"));
                d->BitBtn2->click();
                d->CancelBtn->click();
            });
            w.Lnderauseinblenden1Click();
            QCOMPARE(w.ListBoxEinheit->count(), 3);
            QVERIFY(w.Sitzung().LandAngezeigt[1]);

            spaeter([&] {
                QVERIFY(d->CheckBox[1]->isChecked()); // set again from the window's state
                d->BitBtn2->click();
                d->OKBtn->click();
            });
            w.Lnderauseinblenden1Click();
            // Own and other units have no box and stay shown.
            QCOMPARE((QStringList{test::einheitenname(w.ListBoxEinheit, 0), test::einheitenname(w.ListBoxEinheit, 1)}),
                     (QStringList{"Eigene", "Sonstige"}));
            for (int land = 1; land <= 91; ++land)
                QCOMPARE(w.Sitzung().LandAngezeigt[static_cast<std::size_t>(land)], land == 4 || land == 5 || !landNrGueltig(land));
            w.close();
        }
        QByteArray erwartet(91, '0');
        for (int land = 1; land <= 91; ++land)
            if (land == 4 || land == 5 || !landNrGueltig(land)) erwartet[land - 1] = '1';
        QCOMPARE(o.lies("QNT5.INI").split('\r').value(7).trimmed(), erwartet);
        // The set survives a restart.
        TMyWindow zweiter;
        zweiter.zeigeStart();
        QCOMPARE(zweiter.ListBoxEinheit->count(), 2);
    }

    void alleAusImGebietOhneEigene() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.ComboBox1->setCurrentIndex(1);
        w.ComboBox1Change();
        w.Laender_Dlg->show();
        w.Laender_Dlg->BitBtn2Click();
        w.Laender_Dlg->OKBtn->click();
        QCOMPARE(w.ListBoxEinheit->count(), 0);
        QVERIFY(m.texte().last().startsWith(QStringLiteral("Die Einheiten-Liste enthält keine Einträge!")));
    }
};

QTEST_MAIN(tst_Einblenden)
#include "tst_Einblenden.moc"

// The unit search dialog: what it lists and keeps, and the jump to a hit in the main window.
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

#include "Fensterprobe.h"
#include "search/widgets/Suchdlg.h"

using namespace qnt;
using test::cp1252;

namespace {

const QByteArray kLaenge = test::satzDatei({{"Elle", 39, 0.6669, 0, "", "Ellen"},
                                            {"Fuß", 2, 0.3048, 1, "ft", "Foot"},
                                            {"Meter", 1, 1, 1, "m"},
                                            {"Zoll", 2, 0.0254, 1, "in"}});

// Three categories; country 39 (Preußen) is hidden, and so is the unit "Elle"; "Zeit" is chosen.
void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               cp1252("Länge\tL.DAT\tMeter\r\nMasse\tM.DAT\tKilogramm\r\nZeit\tZ.DAT\tSekunde\r\n"));
    o.schreibe("Gebiet.nfo", "*\r\n*\r\n*\r\n");
    o.schreibe("L.DAT", kLaenge);
    o.schreibe("M.DAT", test::satzDatei({{"Gramm", 1, 0.001, 1, "g"}, {"Pfund", 39, 0.4677, 1, "lb"}}));
    o.schreibe("Z.DAT",
               test::satzDatei(
                   {{"Minute", 1, 60, 1, "min"}, {"Sekunde", 1, 1, 1, "s"}, {"Stunde", 1, 3600, 1, "h"}}));
    QByteArray laender(91, '1');
    laender[38] = '0';
    o.schreibe("QNT5.INI", test::einstellungen("3", "0", "0", laender));
}

void suche(TSuch_Dialog* d, const QString& begriff, bool abkuerzung = false) {
    (abkuerzung ? d->RadioAbkuerzung : d->RadioName)->setChecked(true);
    d->Edit1->setText(begriff);
    d->OKBtn->click();
}

const QString kFrageEinheit =
    QStringLiteral("Die Einheit, zu der gesprungen werden soll, ist von der Anzeige "
                   "ausgeblendet. Soll sie eingeblendet werden?");
const QString kFrageLand =
    QStringLiteral("Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von "
                   "der Anzeige ausgeblendet ist. Soll das Land eingeblendet werden?");

} // namespace

class tst_Suche : public QObject {
    Q_OBJECT
private slots:
    // Hits listed, counted, the first marked; an empty term keeps them; reopened, the search is found again.
    void trefferUndWiederOeffnen() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Such_Dialog;
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            QVERIFY(!d->HelpBtn->isEnabled());
            suche(d, "m");
            QCOMPARE(test::zeilen(d->ListBox1),
                     (QStringList{"Meter - SI-Einheit", "Gramm - SI-Einheit", "Minute - SI-Einheit"}));
            QCOMPARE(d->Label4->text(), QStringLiteral("3"));
            QCOMPARE(d->ListBox1->currentRow(), 0);
            QCOMPARE(d->focusWidget(), d->ListBox1);
            QVERIFY(d->HelpBtn->isEnabled());
            d->ListBox1->setCurrentRow(2);
            suche(d, "");
            QCOMPARE(d->ListBox1->count(), 3);
            QCOMPARE(d->ListBox1->currentRow(), 2);
            suche(d, "S", true);
            QVERIFY(!d->RadioGroup2->isVisible());
            d->CancelBtn->click();
        });
        QVERIFY(p.w().ListBoxEinheit->isVisible());
        // A unit put in front of a hit moves its record; the hit follows it.
        p.o.schreibe("Z.DAT", test::satzDatei({{"Achtel", 1}, {"Sekunde", 1, 1, 1, "s"}}));
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            QCOMPARE(d->Edit1->text(), QStringLiteral("S"));
            QVERIFY(d->RadioAbkuerzung->isChecked());
            QCOMPARE(test::zeilen(d->ListBox1), QStringList{"s - Sekunde - SI-Einheit"});
            QCOMPARE(d->Trefferliste.at(0).SatzNr, 1);
            d->RadioName->click();
            QVERIFY(d->RadioGroup2->isVisible());
            QVERIFY(p.m.boxen.isEmpty());
            // The walk ends at a missing data file; what came before it stays.
            p.o.entferne("M.DAT");
            suche(d, "m");
            QCOMPARE(test::zeilen(d->ListBox1), QStringList{"Meter - SI-Einheit"});
        });
        QCOMPARE(p.m.texte(),
                 QStringList{QStringLiteral("Eine Datendatei konnte nicht gefunden werden. Bitte "
                                            "prüfen Sie, ob alle Datendateien vorhanden sind.")});
        QCOMPARE(p.m.boxen[0].art, MeldungArt::Fehler);
    }

    // "Gehe zu" to a hidden unit of a hidden country asks twice; only two yeses jump.
    void sprungZuVersteckterEinheit_data() {
        QTest::addColumn<int>("einheit");
        QTest::addColumn<int>("land");
        QTest::addColumn<char>("angezeigt");
        QTest::addColumn<bool>("landSichtbar");
        QTest::newRow("Ja, Ja") << int(KnopfJa) << int(KnopfJa) << '\1' << true;
        QTest::newRow("Ja, Nein") << int(KnopfJa) << int(KnopfNein) << '\1' << false;
        QTest::newRow("Nein, Ja") << int(KnopfNein) << int(KnopfJa) << '\0' << true;
    }
    void sprungZuVersteckterEinheit() {
        QFETCH(int, einheit);
        QFETCH(int, land);
        QFETCH(char, angezeigt);
        QFETCH(bool, landSichtbar);
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
        QCOMPARE(p.m.texte(), (QStringList{kFrageEinheit, kFrageLand}));
        QCOMPARE(p.m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        const QByteArray datei = p.o.lies("L.DAT");
        QCOMPARE(datei.at(0), angezeigt);
        QCOMPARE(datei.mid(1), kLaenge.mid(1)); // no other byte changes
        QCOMPARE(p.s().LandAngezeigt[39], landSichtbar);
        QCOMPARE(offenGeblieben, !gesprungen);
        if (gesprungen) {
            QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Länge"));
            QCOMPARE(p.liste().value(p.w().ListBoxEinheit->currentRow()), QStringLiteral("Elle"));
            QCOMPARE(p.w().Info_Sonstige_Namen2->text(), QStringLiteral("Ellen"));
        } else {
            QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Zeit"));
        }
    }

    // The jump into another category marks the hit, and automatic calculation takes it as its source.
    void sprungRechnetNeu() {
        test::Fensterprobe p(datenbank);
        p.waehle("Länge");
        p.w().AutomatischesRechnen1Click();
        p.w().Edit_Eingabe->setText("2");
        auto* d = p.w().Such_Dialog;
        test::imDialog(d, [&] {
            suche(d, "STUNDE");
            d->HelpBtn->click();
        });
        p.w().SpeedButton4->click();
        QVERIFY(p.m.boxen.isEmpty());
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Zeit"));
        QCOMPARE(p.w().ListBoxEinheit->currentRow(), 2);
        QCOMPARE(p.w().Info_Kurzzeichen2->text(), QStringLiteral("h"));
        QCOMPARE(p.w().Label_Ausgangseinheit->text(), QStringLiteral("2  Stunde"));
    }

    // A data file gone ends the jump before the country question.
    void sprungOhneDatei() {
        test::Fensterprobe p(datenbank);
        auto* d = p.w().Such_Dialog;
        p.befehl(d, &TMyWindow::Einheitsuchen1Click, [&] {
            suche(d, "elle");
            p.o.entferne("L.DAT");
            p.m.antworte(KnopfJa);
            d->HelpBtn->click();
            QVERIFY(d->isVisible());
        });
        QCOMPARE(p.m.texte(), (QStringList{kFrageEinheit, "Datei nicht gefunden"}));
        QCOMPARE(p.m.boxen[1].art, MeldungArt::Fehler);
        QVERIFY(!p.s().LandAngezeigt[39]);
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Zeit"));
    }
};

QTEST_MAIN(tst_Suche)
#include "tst_Suche.moc"

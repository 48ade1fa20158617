#include <QtTest>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "search/widgets/Suchdlg.h"

using namespace qnt;
using test::cp1252;

namespace {

const QByteArray kLaenge = test::satzDatei({{"Elle", 39, 0.6669, 0, "", "Ellen"},
                                            {"Fuß", 2, 0.3048, 1, "ft", "Foot"},
                                            {"Meter", 1, 1, 1, "m"},
                                            {"Zoll", 2, 0.0254, 1, "in"}});

// Three categories; country 39 (Preußen) is hidden, and so is the unit "Elle".
void datenbank(const test::Datenordner& o, const char* position = "1") {
    o.schreibe("Gruppen.nfo",
               cp1252("Länge\tL.DAT\tMeter\r\nMasse\tM.DAT\tKilogramm\r\nZeit\tZ.DAT\tSekunde\r\n"));
    o.schreibe("Gebiet.nfo", "*\r\n*\r\n*\r\n");
    o.schreibe("L.DAT", kLaenge);
    o.schreibe("M.DAT", test::satzDatei({{"Gramm", 1, 0.001, 1, "g"},
                                         {"Kilogramm", 1, 1, 1, "kg"},
                                         {"Pfund", 39, 0.4677, 1, "lb", "Pfund, Livre"},
                                         {"Unze", 2, 0.0283495, 1, "oz"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Minute", 1, 60, 1, "min"},
                                         {"Sekunde", 1, 1, 1, "s"},
                                         {"Stunde", 1, 3600, 1, "h"},
                                         {"Tag", 1, 86400, 1, "d"}}));
    QByteArray laender(91, '1');
    laender[38] = '0';
    o.schreibe("QNT5.INI", test::einstellungen(position, "0", "0", laender));
}

QStringList zeilen(const QListWidget* l) {
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->item(i)->text();
    return z;
}

void suche(TSuch_Dialog* d, const QString& begriff, bool abkuerzung = false, bool exakt = false) {
    (abkuerzung ? d->RadioAbkuerzung : d->RadioName)->setChecked(true);
    (exakt ? d->RadioExakt : d->RadioBestandteil)->setChecked(true);
    d->Edit1->setText(begriff);
    d->OKBtn->click();
}

const QString kFrageEinheit =
    QStringLiteral("Die Einheit, zu der gesprungen werden soll, ist von der Anzeige "
                   "ausgeblendet. Soll sie eingeblendet werden?");
const QString kFrageLand =
    QStringLiteral("Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von "
                   "der Anzeige ausgeblendet ist. Soll das Land eingeblendet werden?");
const QString kDateiFehlt =
    QStringLiteral("Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle "
                   "Datendateien vorhanden sind.");

} // namespace

class tst_Suche : public QObject {
    Q_OBJECT
private slots:
    void trefferzeilen_data() {
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<bool>("abkuerzung");
        QTest::addColumn<bool>("exakt");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("Teil des Namens in Großbuchstaben")
            << "ELLE" << false << false << QStringList{"Elle - Deutschland - Preußen"};
        QTest::newRow("Teil der sonstigen Namen")
            << "oot" << false << false << QStringList{"Foot - Internationale Einheit"};
        QTest::newRow("alle Gebiete in Index- und Dateireihenfolge")
            << "m" << false << false
            << QStringList{"Meter - SI-Einheit", "Gramm - SI-Einheit", "Kilogramm - SI-Einheit",
                           "Minute - SI-Einheit"};
        QTest::newRow("exakt trifft keinen Teil") << "Mete" << false << true << QStringList{};
        QTest::newRow("exakt gegen das ganze Feld der sonstigen Namen")
            << "pfund, LIVRE" << false << true << QStringList{"Pfund, Livre - Deutschland - Preußen"};
        QTest::newRow("Abkürzung, ein großer Buchstabe")
            << "M" << true << false << QStringList{"m - Meter - SI-Einheit"};
        QTest::newRow("Abkürzung übergeht die Namensoption")
            << "IN" << true << true << QStringList{"in - Zoll - Internationale Einheit"};
    }
    void trefferzeilen() {
        QFETCH(QString, begriff);
        QFETCH(bool, abkuerzung);
        QFETCH(bool, exakt);
        QFETCH(QStringList, erwartet);
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        d->show();
        suche(d, begriff, abkuerzung, exakt);
        QCOMPARE(zeilen(d->ListBox1), erwartet);
        QCOMPARE(d->Trefferliste.size(), static_cast<std::size_t>(erwartet.size()));
        QCOMPARE(d->Label4->text(), QString::number(erwartet.size()));
        QCOMPARE(d->HelpBtn->isEnabled(), !erwartet.isEmpty());
        QCOMPARE(d->ListBox1->currentRow(), erwartet.isEmpty() ? -1 : 0);
        QCOMPARE(d->focusWidget(), d->ListBox1);
        QVERIFY(m.boxen.isEmpty());
    }

    void oeffnenUndLeererBegriff() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        d->show();
        QCOMPARE(d->windowTitle(), QStringLiteral("Einheiten suchen"));
        QCOMPARE(d->Label4->text(), QStringLiteral("0"));
        QVERIFY(!d->HelpBtn->isEnabled());
        QCOMPARE(d->Edit1->maxLength(), 20);
        QCOMPARE(d->focusWidget(), d->Edit1);
        QCOMPARE(d->RadioGroup1Index(), 0);
        QCOMPARE(d->RadioGroup2Index(), 0);
        suche(d, "m");
        QCOMPARE(d->ListBox1->count(), 4);
        d->ListBox1->setCurrentRow(2);
        suche(d, "");
        QCOMPARE(d->ListBox1->count(), 4);
        QCOMPARE(d->Label4->text(), QStringLiteral("4"));
        QCOMPARE(d->ListBox1->currentRow(), 2);
        QVERIFY(d->HelpBtn->isEnabled());
    }

    void abkuerzungVerstecktDieNamensoption() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        d->show();
        QVERIFY(d->RadioGroup2->isVisible());
        d->RadioAbkuerzung->click();
        QVERIFY(!d->RadioGroup2->isVisible());
        d->RadioName->click();
        QVERIFY(d->RadioGroup2->isVisible());
    }

    void wiederOeffnenZeigtDieTreffer() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        test::imDialog(d, [&] {
            suche(d, "S", true);
            d->CancelBtn->click();
        });
        w.Einheitsuchen1Click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(w.ListBoxEinheit->isVisible());
        test::imDialog(d, [&] {
            QCOMPARE(d->Edit1->text(), QStringLiteral("S"));
            QVERIFY(d->RadioAbkuerzung->isChecked());
            QVERIFY(!d->RadioGroup2->isVisible());
            QCOMPARE(zeilen(d->ListBox1), QStringList{"s - Sekunde - SI-Einheit"});
            QCOMPARE(d->Label4->text(), QStringLiteral("1"));
            QVERIFY(d->HelpBtn->isEnabled());
            d->CancelBtn->click();
        });
        w.Einheitsuchen1Click();
    }

    void geaenderteDatenBeimWiederOeffnen() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        d->show();
        suche(d, "elle");
        QCOMPARE(d->Trefferliste.at(0).SatzNr, 0);
        d->hide();
        // A unit put in front of the hit moves its record; the hit follows it.
        o.schreibe("L.DAT", test::satzDatei({{"Achtel", 1}}) + kLaenge);
        d->show();
        QCOMPARE(zeilen(d->ListBox1), QStringList{"Elle - Deutschland - Preußen"});
        QCOMPARE(d->Trefferliste.at(0).SatzNr, 1);
        QVERIFY(m.boxen.isEmpty());
    }

    void fehlendeDatendateiBeimSuchen() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        o.entferne("M.DAT");
        auto* d = w.Such_Dialog;
        d->show();
        suche(d, "m");
        QCOMPARE(m.texte(), QStringList{kDateiFehlt});
        QCOMPARE(m.boxen[0].titel, QStringLiteral("Fehler"));
        QCOMPARE(m.boxen[0].knoepfe, int(KnopfOK));
        // The walk ends at the missing file; what came before it stays.
        QCOMPARE(zeilen(d->ListBox1), QStringList{"Meter - SI-Einheit"});
        QCOMPARE(d->Label4->text(), QStringLiteral("1"));
        QCOMPARE(d->ListBox1->currentRow(), 0);
        QVERIFY(d->HelpBtn->isEnabled());
    }

    void sprungZuVersteckterEinheit_data() {
        QTest::addColumn<int>("einheit");
        QTest::addColumn<int>("land");
        QTest::addColumn<char>("angezeigt");
        QTest::addColumn<bool>("landSichtbar");
        QTest::addColumn<bool>("gesprungen");
        QTest::newRow("Ja, Ja") << int(KnopfJa) << int(KnopfJa) << '\1' << true << true;
        QTest::newRow("Ja, Nein") << int(KnopfJa) << int(KnopfNein) << '\1' << false << false;
        QTest::newRow("Nein, Ja") << int(KnopfNein) << int(KnopfJa) << '\0' << true << false;
        QTest::newRow("Nein, Nein") << int(KnopfNein) << int(KnopfNein) << '\0' << false << false;
    }
    void sprungZuVersteckterEinheit() {
        QFETCH(int, einheit);
        QFETCH(int, land);
        QFETCH(char, angezeigt);
        QFETCH(bool, landSichtbar);
        QFETCH(bool, gesprungen);
        test::Datenordner o(false);
        datenbank(o, "3");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Zeit"));
        auto* d = w.Such_Dialog;
        bool offenGeblieben = false;
        test::imDialog(d, [&] {
            QVERIFY(w.ListBoxEinheit->isHidden());
            suche(d, "elle");
            m.antworte(static_cast<Knopf>(einheit));
            m.antworte(static_cast<Knopf>(land));
            d->HelpBtn->click();
            offenGeblieben = d->isVisible();
            if (offenGeblieben) {
                QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Zeit"));
                d->CancelBtn->click();
            }
        });
        w.Einheitsuchen1Click();
        QVERIFY(w.ListBoxEinheit->isVisible());
        QCOMPARE(m.texte(), (QStringList{kFrageEinheit, kFrageLand}));
        for (const auto& b : m.boxen) {
            QCOMPARE(b.titel, QStringLiteral("Bestätigung"));
            QCOMPARE(b.knoepfe, KnopfJa | KnopfNein);
        }
        const QByteArray datei = o.lies("L.DAT");
        QCOMPARE(datei.at(0), angezeigt);
        QCOMPARE(datei.mid(1), kLaenge.mid(1)); // no other byte changes
        QCOMPARE(w.Sitzung().LandAngezeigt[39], landSichtbar);
        QCOMPARE(offenGeblieben, !gesprungen);
        QCOMPARE(d->Trefferliste.at(0).Angezeigt, std::uint8_t(0)); // the hit keeps what the search read
        if (gesprungen) {
            QCOMPARE(d->result(), int(QDialog::Accepted));
            QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Länge"));
            QCOMPARE(test::einheitenname(w.ListBoxEinheit, w.ListBoxEinheit->currentRow()), QStringLiteral("Elle"));
            QCOMPARE(w.Label_gewaehlte_einheit->text(), QStringLiteral("Elle"));
            QCOMPARE(w.Info_Landname2->text(), QStringLiteral("Deutschland - Preußen"));
            QCOMPARE(w.Info_Sonstige_Namen2->text(), QStringLiteral("Ellen"));
        } else {
            QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Zeit"));
            QCOMPARE(w.ListBoxEinheit->count(), 4);
        }
    }

    void sprungInAnderesGebietRechnetNeu() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.AutomatischesRechnen1Click();
        w.Edit_Eingabe->setText("2");
        auto* d = w.Such_Dialog;
        test::imDialog(d, [&] {
            suche(d, "STUNDE");
            d->HelpBtn->click();
        });
        w.SpeedButton4->click();
        QVERIFY(!d->isVisible());
        QVERIFY(m.boxen.isEmpty());
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Zeit"));
        QCOMPARE(w.ListBoxEinheit->currentRow(), 2);
        QCOMPARE(w.Label_gewaehlte_einheit->text(), QStringLiteral("Stunde"));
        QCOMPARE(w.Info_Kurzzeichen2->text(), QStringLiteral("h"));
        // The calculation after the dialog takes the found unit as its source.
        QVERIFY(w.Sitzung().ErgebnisGueltig);
        QCOMPARE(w.Label_Ausgangseinheit->text(), QStringLiteral("2  Stunde"));
        QCOMPARE(w.ListBoxEinheit->currentRow(), 2);
        QVERIFY(w.ListBoxEinheit->isVisible());
    }

    void sprungOhneEinheitInDerListe() {
        test::Datenordner o(false);
        datenbank(o, "3");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        test::imDialog(d, [&] {
            suche(d, "zoll");
            // The file changes under the hit (another program, or a restored backup).
            o.schreibe("L.DAT", test::satzDatei({{"Fuß", 2}, {"Meter"}}));
            d->HelpBtn->click();
        });
        w.Einheitsuchen1Click();
        QVERIFY(!d->isVisible());
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Länge"));
        QCOMPARE(w.ListBoxEinheit->currentRow(), 0);
        QCOMPARE(w.Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
    }

    void fehlendeDatendateiBeimSprung() {
        test::Datenordner o(false);
        datenbank(o, "3");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.Such_Dialog;
        d->show();
        suche(d, "elle");
        o.entferne("L.DAT");
        m.antworte(KnopfJa);
        d->HelpBtn->click();
        // The error ends the jump before the country question.
        QCOMPARE(m.texte(), (QStringList{kFrageEinheit, "Datei nicht gefunden"}));
        QCOMPARE(m.boxen[1].titel, QStringLiteral("Fehler"));
        QVERIFY(d->isVisible());
        QVERIFY(!w.Sitzung().LandAngezeigt[39]);
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Zeit"));
    }
};

QTEST_MAIN(tst_Suche)
#include "tst_Suche.moc"

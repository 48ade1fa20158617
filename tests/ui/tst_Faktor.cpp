// Changing the factor of the marked unit: the ordinary and the world-time dialog and the command around them.
#include <QtTest>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "data/Einheit.h"
#include "maintain/widgets/Fa_aen.h"
#include "maintain/widgets/Fa_aenwz.h"

using namespace qnt;
using test::cp1252;

namespace {

enum Gebiet { Laenge, Weltzeit, Temperatur, Zahlensysteme, Brueche };

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo",
               cp1252("Länge\tL.DAT\tMeter\r\nWeltzeit\tZ.DAT\tUTC\r\nTemperatur\tT.DAT\tKelvin\r\n"
                      "Zahlensysteme\tN.DAT\tDezimal\r\nBrüche\tB.DAT\tBruch\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 3, 0.3048, 1, "ft"},
                                         {"Kilometer", 1, 1000, 1, "km", "Klick"},
                                         {"Meter", 1, 1, 1, "m"},
                                         {"Zoll", 36, 0.0254, 1, "Zoll"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1, 1, "", "", "März..Oktober"},
                                         {"Neu-Delhi", 57, 5.5},
                                         {"Neufundland", 3, -3.5, 1, "", "", "März..November"}}));
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
// The file as it was with record k changed.
QByteArray mitSatz(QByteArray datei, int k, const TEinheitSatz& s) {
    datei.replace(k * 272, 272, QByteArray(reinterpret_cast<const char*>(s.bytes.data()), 272));
    return datei;
}

// Notices any dialog the command opens and closes it.
struct Dialogwache {
    bool offen = false;
    explicit Dialogwache(TMyWindow& w) {
        QTimer::singleShot(0, &w, [this, &w] {
            for (auto* d : w.findChildren<QDialog*>())
                if (d->isVisible()) offen = true, d->reject();
        });
    }
};

} // namespace

class tst_Faktor : public QObject {
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
        const QString text =
            QStringLiteral("Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor "
                           "möglich ist, ist ein Ändern des Umrechnungsfaktors nicht möglich!");
        for (int mal = 0; mal < 2; ++mal) {
            Dialogwache wache(w);
            w.Umrechnungsfaktorndern1Click();
            QCoreApplication::processEvents();
            QVERIFY(!wache.offen);
        }
        QCOMPARE(m.texte(), (QStringList{text, text}));
        QCOMPARE(m.boxen[0].art, MeldungArt::Information);
    }

    void leereListeOeffnetNichts() {
        test::Datenordner o(false);
        datenbank(o);
        o.schreibe("L.DAT", test::satzDatei({{"Meter", 1, 1, 0}}));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        m.leeren();
        Dialogwache wache(w);
        w.Umrechnungsfaktorndern1Click();
        QCoreApplication::processEvents();
        QVERIFY(!wache.offen);
        QVERIFY(m.boxen.isEmpty());
    }

    void faktorAendern() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.ListBoxEinheit->setCurrentRow(1);
        const QByteArray vorher = o.lies("L.DAT");
        auto* d = w.Faktor_aendern;
        test::imDialog(d, [&] {
            QCOMPARE(d->windowTitle(), QStringLiteral("Umrechnungsfaktor ändern"));
            QCOMPARE(d->Label_Gebiet->text(), QStringLiteral("Länge"));
            QCOMPARE(d->Label_Land->text(), QStringLiteral("SI-Einheit"));
            QCOMPARE(d->Label_Einheit->text(), QStringLiteral("Kilometer"));
            QCOMPARE(d->Edit_Faktor->text(), QStringLiteral(" 1,00000000E+0003"));
            QCOMPARE(d->Label_Bezug->text(), QStringLiteral("Meter"));
            d->Edit_Faktor->setText("2,5E-3");
            d->OKBtn->click();
        });
        w.Umrechnungsfaktorndern1Click();
        QVERIFY(w.Sitzung().FaktorGeaendert);
        QVERIFY(!w.Sitzung().ErgebnisGueltig);
        TEinheitSatz neu = test::satzAus(vorher, 1);
        neu.setzeFaktor(0.0025);
        QCOMPARE(o.lies("L.DAT"), mitSatz(vorher, 1, neu));
        QCOMPARE(w.Sitzung().liste()[1].Satz.Faktor(), 0.0025);
        QCOMPARE(w.MarkierteZeile(), 1);
        QCOMPARE(w.ListBoxEinheit->count(), 4);
        QCOMPARE(w.Label_gewaehlte_einheit->text(), QStringLiteral("Kilometer"));
        QVERIFY(m.boxen.isEmpty());
    }

    void okOhneAenderung_data() {
        QTest::addColumn<double>("faktor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("gespeichert");
        QTest::newRow("tausend") << 1000.0 << " 1,00000000E+0003" << 1000.0;
        QTest::newRow("neun Stellen") << 1.234567891234 << " 1,23456789E+0000" << 1.23456789;
    }
    void okOhneAenderung() {
        QFETCH(double, faktor);
        QFETCH(QString, text);
        QFETCH(double, gespeichert);
        test::Datenordner o(false);
        datenbank(o);
        o.schreibe("L.DAT", test::satzDatei({{"Meter"}, {"Probe", 1, faktor}}));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.ListBoxEinheit->setCurrentRow(1);
        auto* d = w.Faktor_aendern;
        test::imDialog(d, [&] {
            QCOMPARE(d->Edit_Faktor->text(), text);
            d->OKBtn->click();
        });
        w.Umrechnungsfaktorndern1Click();
        QCOMPARE(test::satzAus(o.lies("L.DAT"), 1).Faktor(), gespeichert);
    }

    void falscheEingabeUndAbbrechen() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const QByteArray vorher = o.lies("L.DAT");
        w.Sitzung().FaktorGeaendert = true;
        auto* d = w.Faktor_aendern;
        bool offenGeblieben = false;
        test::imDialog(d, [&] {
            d->Edit_Faktor->setText("1,0 m");
            d->OKBtn->click();
            offenGeblieben = d->isVisible();
            QCOMPARE(d->Edit_Faktor->text(), QStringLiteral("1,0 m"));
            d->CancelBtn->click();
        });
        w.Sitzung().ErgebnisGueltig = true;
        w.Umrechnungsfaktorndern1Click();
        QVERIFY(offenGeblieben);
        QCOMPARE(m.texte(),
                 QStringList{QStringLiteral("Falsche oder keine Angabe im Eingabefeld! Bitte ändern!")});
        QCOMPARE(m.boxen[0].art, MeldungArt::Information);
        QVERIFY(!w.Sitzung().FaktorGeaendert);
        QVERIFY(w.Sitzung().ErgebnisGueltig); // nothing refilled
        QCOMPARE(o.lies("L.DAT"), vorher);
    }

    void schreibfehlerLaesstDialogOffen() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.Sitzung().FaktorGeaendert = true;
        auto* d = w.Faktor_aendern;
        bool offenGeblieben = false;
        test::imDialog(d, [&] {
            o.entferne("L.DAT");
            d->Edit_Faktor->setText("2");
            d->OKBtn->click();
            offenGeblieben = d->isVisible();
            QVERIFY(w.Sitzung().FaktorGeaendert); // keeps its previous value
            QCOMPARE(w.Sitzung().liste()[0].Satz.Faktor(), 0.3048);
            d->CancelBtn->click();
        });
        w.Umrechnungsfaktorndern1Click();
        QVERIFY(offenGeblieben);
        QCOMPARE(m.texte(),
                 QStringList{QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden oder die "
                                            "revidierte Datei konnte nicht geschrieben werden!")});
        QCOMPARE(m.boxen[0].art, MeldungArt::Fehler);
        QVERIFY(!o.existiert("L.DAT"));
    }

    void weltzeit() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        waehle(w, Weltzeit);
        w.ListBoxEinheit->setCurrentRow(2);
        const QByteArray vorher = o.lies("Z.DAT");
        auto* d = w.Faktor_aendern_Weltzeit;
        test::imDialog(d, [&] {
            QCOMPARE(d->windowTitle(), QStringLiteral("Umrechnungsfaktor ändern - Weltzeit"));
            QCOMPARE(d->Label_Gebiet->text(), QStringLiteral("Weltzeit"));
            QCOMPARE(d->Label_Land->text(), QStringLiteral("Englisches System"));
            QCOMPARE(d->Label_Einheit->text(), QStringLiteral("Neufundland"));
            QCOMPARE(d->Edit_Minuten->text(), QStringLiteral("-210"));
            QCOMPARE(d->Panel_Info->title(), QStringLiteral("Angabe für Info-Feld:"));
            QCOMPARE(d->Edit_Sommerzeit->text(), QStringLiteral("März..November"));
            QCOMPARE(d->Edit_Sommerzeit->maxLength(), 32);
            d->Edit_Minuten->setText("60");
            d->Edit_Sommerzeit->setText("April..Oktober");
            d->OKBtn->click();
        });
        w.Umrechnungsfaktorndern1Click();
        TEinheitSatz neu = test::satzAus(vorher, 2);
        neu.setzeFaktor(1);
        neu.setzeUebersetzung("April..Oktober");
        QCOMPARE(o.lies("Z.DAT"), mitSatz(vorher, 2, neu));
        QVERIFY(w.Sitzung().liste()[2].Satz == neu);
        QCOMPARE(w.MarkierteZeile(), 2);
        QCOMPARE(w.Info_Uebersetzung2->text(), QStringLiteral("April..Oktober"));
    }

    void sommerzeitWirdGekuerzt() {
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        waehle(w, Weltzeit);
        auto* d = w.Faktor_aendern_Weltzeit;
        const QString lang = QStringLiteral("Letzter Sonntag im Maerz bis Ende Oktober");
        test::imDialog(d, [&] {
            d->Edit_Sommerzeit->clear();
            QTest::keyClicks(d->Edit_Sommerzeit, lang);
            QCOMPARE(d->Edit_Sommerzeit->text(), lang.left(32));
            d->OKBtn->click();
        });
        w.Umrechnungsfaktorndern1Click();
        QCOMPARE(qs(test::satzAus(o.lies("Z.DAT"), 0).Uebersetzung()), lang.left(32));
    }

    void neuberechnungDanach_data() {
        QTest::addColumn<int>("gebiet");
        QTest::addColumn<bool>("gerechnet");
        QTest::newRow("Länge") << int(Laenge) << true;
        QTest::newRow("nie in Weltzeit") << int(Weltzeit) << false;
    }
    void neuberechnungDanach() {
        QFETCH(int, gebiet);
        QFETCH(bool, gerechnet);
        test::Datenordner o(false);
        datenbank(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        waehle(w, Gebiet(gebiet));
        w.ListBoxEinheit->setCurrentRow(1);
        w.Edit_Eingabe->setText("1");
        w.Sitzung().AutoRechnen = true;
        QDialog* d = gebiet == Weltzeit ? static_cast<QDialog*>(w.Faktor_aendern_Weltzeit)
                                        : static_cast<QDialog*>(w.Faktor_aendern);
        test::imDialog(d, [&] {
            if (gebiet == Weltzeit)
                w.Faktor_aendern_Weltzeit->Edit_Minuten->setText("120");
            else
                w.Faktor_aendern->Edit_Faktor->setText("2");
            if (gebiet == Weltzeit)
                w.Faktor_aendern_Weltzeit->OKBtn->click();
            else
                w.Faktor_aendern->OKBtn->click();
        });
        w.Umrechnungsfaktorndern1Click();
        QVERIFY(w.Sitzung().FaktorGeaendert);
        QCOMPARE(w.MarkierteZeile(), 1);
        QCOMPARE(w.Sitzung().ErgebnisGueltig, gerechnet);
        if (gerechnet) {
            // 1 marked unit (now 2 m) in every unit: the changed unit itself gives 1, the metre 2.
            QVERIFY(!w.Sitzung().liste()[2].ErgebnisWiss.empty());
            QCOMPARE(w.Sitzung().liste()[2].ErgebnisWiss, std::string(" 2,000000E+0000"));
            QCOMPARE(w.Sitzung().liste()[1].ErgebnisWiss, std::string(" 1,000000E+0000"));
        } else {
            QVERIFY(w.Sitzung().liste()[1].ErgebnisWiss.empty());
        }
    }
};

QTEST_MAIN(tst_Faktor)
#include "tst_Faktor.moc"

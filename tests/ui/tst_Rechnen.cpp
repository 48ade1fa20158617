#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "app/Text.h"

using namespace qnt;
using test::cp1252;
using E = test::TestEinheit;

namespace {

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", cp1252("Brüche\tB.DAT\tBruch\r\nLänge\tL.DAT\tMeter\r\nTemperatur\tT.DAT\tKelvin\r\n"
                                     "Weltzeit\tZ.DAT\tUTC\r\nWährungen\tW.DAT\tEuro\r\nZahlensysteme\tN.DAT\tDezimal\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n"));
    o.schreibe("B.DAT", test::satzDatei({{"Bruch", 5}, {"Dezimalzahl", 5}}));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 2, 0.3048}, {"Kilometer", 1, 1000}, {"Meter", 1, 1}, {"Null", 5, 0}}));
    o.schreibe("T.DAT", test::satzDatei({{"Celsius"}, {"Centigrade"}, {"Fahrenheit"}, {"Kelvin"}, {"Rankine"},
                                         {"S"}, {"T1"}, {"T2"}, {"T3"}, {"T4"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1}, {"New York", 90, -5}, {"Tokio", 63, 9}}));
    o.schreibe("W.DAT", test::satzDatei({{"Euro", 1, 1}, {"Mark", 36, 0.5112918811962185}, {"Taler", 36, 0}}));
    o.schreibe("N.DAT", test::satzDatei({{"Binär", 5}, {"Dezimal", 5}, {"Hex", 5}, {"Oktal", 5}, {"Römisch", 79}}));
}

// Index of the categories above in the sorted index.
enum { Brueche, Laenge, Temperatur, Weltzeit, Waehrungen, Zahlensysteme };

struct Fenster {
    test::Datenordner ordner{false};
    test::SkriptMeldungen meldungen;
    std::unique_ptr<TMyWindow> w;
    explicit Fenster(int gebiet) {
        datenbank(ordner);
        ordner.schreibe("QNT5.INI", test::einstellungen(QByteArray::number(gebiet + 1).constData()));
        w = std::make_unique<TMyWindow>();
        w->zeigeStart();
    }
    QString wiss(int zeile) const { return qs(w->Sitzung().liste()[static_cast<std::size_t>(zeile)].ErgebnisWiss); }
    QString fest(int zeile) const { return qs(w->Sitzung().liste()[static_cast<std::size_t>(zeile)].ErgebnisFest); }
    void eingabe(const QString& text) { w->Edit_Eingabe->setText(text); }
    void tippe(const QString& text) {
        for (QChar c : text) QTest::keyClick(w->Edit_Eingabe, c.toLatin1());
    }
};

} // namespace

class tst_Rechnen : public QObject {
    Q_OBJECT
private slots:
    void faktorUmrechnungPerKnopf() {
        Fenster f(Laenge);
        f.eingabe("1,50");
        f.w->ListBoxEinheit->setCurrentRow(2); // Meter, as a click would mark it
        f.w->RechentasteClick();
        QVERIFY(f.w->Sitzung().ErgebnisGueltig);
        QVERIFY(f.w->WertKopieren1->isEnabled());
        QCOMPARE(f.fest(2), QStringLiteral("  1,5000000000"));
        QCOMPARE(f.wiss(1), QStringLiteral(" 1,500000E-0003"));
        QCOMPARE(f.wiss(3), QStringLiteral(" 0,000000E+0000")); // factor 0 divides nothing
        QCOMPARE(f.w->Label_Ausgangseinheit->text(), QStringLiteral("1,50  Meter"));
    }

    void eingabefehlerLaesstErgebnisseStehen() {
        Fenster f(Laenge);
        f.w->RechentasteClick();
        const QString vorher = f.wiss(1);
        for (const char* falsch : {"0", "-0", "1.000,5", "12 ", "-", ""}) {
            f.meldungen.leeren();
            f.eingabe(falsch);
            f.w->RechentasteClick();
            QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! ")});
            QCOMPARE(f.meldungen.boxen[0].titel, QStringLiteral("Fehler"));
            QCOMPARE(f.w->Edit_Eingabe->selectedText(), f.w->Edit_Eingabe->text());
            QCOMPARE(f.wiss(1), vorher);
        }
    }

    void ueberlaufGehtAnDenFehlerbericht() {
        Fenster f(Laenge);
        f.eingabe("1e308");
        f.w->MarkiereZeile(1); // Kilometer: 1e311 m
        QTest::mouseClick(f.w->Rechentaste, Qt::LeftButton);
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Gleitkommaüberlauf")});
        QVERIFY(!f.w->Sitzung().ErgebnisGueltig);
        for (const auto& e : f.w->Sitzung().liste()) QVERIFY(e.ErgebnisWiss.empty());
    }

    void automatischesRechnenBeimTippen() {
        Fenster f(Laenge);
        f.w->MarkiereZeile(2);
        f.eingabe("");
        f.w->AutomatischesRechnen1Click();
        QVERIFY(f.w->AutomatischesRechnen1->isChecked());
        QVERIFY(!f.w->Sitzung().ErgebnisGueltig); // empty field: nothing to calculate
        f.tippe("1");
        QTRY_COMPARE(f.fest(2), QStringLiteral("  1,0000000000"));
        f.tippe("2");
        QTRY_COMPARE(f.fest(2), QStringLiteral("  12,000000000"));
        // The zero keys and the keypad's decimal key do not calculate.
        f.tippe("0");
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_0, Qt::KeypadModifier);
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::qWait(20);
        QCOMPARE(f.w->Edit_Eingabe->text(), QStringLiteral("1200,"));
        QCOMPARE(f.fest(2), QStringLiteral("  12,000000000"));
        f.tippe("5");
        QTRY_COMPARE(f.fest(2), QStringLiteral("  1200,5000000"));
    }

    void eingabetasteRechnetEinmalOderZweimal() {
        Fenster f(Laenge);
        f.eingabe("x");
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(f.meldungen.boxen.size(), 1);
        f.meldungen.leeren();
        f.w->AutomatischesRechnen1Click(); // on: calculates "x" once more
        QCOMPARE(f.meldungen.boxen.size(), 1);
        f.meldungen.leeren();
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_Return);
        QTRY_COMPARE(f.meldungen.boxen.size(), 2);
        f.meldungen.leeren();
        QTest::keyClick(f.w->ListBoxEinheit, Qt::Key_Return);
        QCOMPARE(f.meldungen.boxen.size(), 1);
    }

    void weltzeitNurAufAnforderung() {
        Fenster f(Laenge);
        f.w->AutomatischesRechnen1Click();
        f.eingabe("12:00");
        f.w->ComboBox1->setCurrentIndex(Weltzeit);
        f.w->ComboBox1Change();
        f.tippe("0");
        f.w->ListBoxEinheit->setCurrentRow(1);
        QTest::qWait(20);
        QVERIFY(!f.w->Sitzung().ErgebnisGueltig);
        f.w->MarkiereZeile(0);
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_Return);
        QVERIFY(f.w->Sitzung().ErgebnisGueltig);
        QCOMPARE(f.wiss(1), QStringLiteral("06:00"));
        QCOMPARE(f.wiss(2), QStringLiteral("20:00"));
    }

    void kopierenInBeidenAnzeigen() {
        Fenster f(Laenge);
        QApplication::clipboard()->setText("alt");
        QVERIFY(!f.w->WertKopieren1->isEnabled());
        f.w->WertKopieren1->activate(QAction::Trigger); // a disabled item does nothing
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alt"));
        f.w->Kopieren1->activate(QAction::Trigger); // the pop-up copies the empty text before a result
        QCOMPARE(QApplication::clipboard()->text(), QString());
        f.w->MarkiereZeile(1);
        f.w->RechentasteClick();
        f.w->MarkiereZeile(2);
        f.w->WertKopieren1->activate(QAction::Trigger);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" 1,000000E+0003"));
        f.w->Fliekommaanzeige1Click();
        f.w->Kopieren1->activate(QAction::Trigger);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("  1000,0000000"));
        // Switching the notation recalculates nothing.
        QVERIFY(f.w->Sitzung().ErgebnisGueltig);
        f.w->ComboBox1Change();
        QVERIFY(!f.w->WertKopieren1->isEnabled());
    }

    void einfuegenKuerztAuf15Zeichen() {
        Fenster f(Laenge);
        QApplication::clipboard()->setText("12345678901234567890");
        f.w->Werteinfgen1Click();
        QCOMPARE(f.w->Edit_Eingabe->text(), QStringLiteral("123456789012345"));
        QVERIFY(!f.w->Sitzung().ErgebnisGueltig);
        f.w->AutomatischesRechnen1Click();
        QApplication::clipboard()->setText("2");
        f.w->Werteinfgen1Click();
        QVERIFY(f.w->Sitzung().ErgebnisGueltig);
    }

    void rollpositionBleibt() {
        Fenster f(Laenge);
        QByteArray viele;
        std::vector<std::string> namen;
        for (int i = 0; i < 60; ++i) namen.push_back("Einheit " + std::to_string(100 + i));
        for (const auto& n : namen) viele += test::satzDatei({{n.c_str(), 1, 1.0 + n.size()}});
        f.ordner.schreibe("L.DAT", viele);
        f.w->ComboBox1Change();
        f.w->MarkiereZeile(30);
        f.w->ListBoxEinheit->verticalScrollBar()->setValue(25);
        f.w->RechentasteClick();
        QCOMPARE(f.w->ListBoxEinheit->verticalScrollBar()->value(), 25);
        QCOMPARE(f.w->MarkierteZeile(), 30);
        f.eingabe("x");
        f.w->RechentasteClick();
        QCOMPARE(f.w->ListBoxEinheit->verticalScrollBar()->value(), 25);
    }

    void temperaturUndWaehrung() {
        Fenster f(Temperatur);
        f.eingabe("100");
        f.w->RechentasteClick();
        QCOMPARE(f.fest(2), QStringLiteral("  212,00000000"));
        QCOMPARE(f.fest(3), QStringLiteral("  373,15000000"));
        f.w->ComboBox1->setCurrentIndex(Waehrungen);
        f.w->ComboBox1Change();
        f.eingabe("1");
        f.w->RechentasteClick();
        QCOMPARE(f.fest(1), QStringLiteral("  1,9558300000"));
        QCOMPARE(f.wiss(2), QStringLiteral(" unbekannt"));
    }

    void zahlensysteme() {
        Fenster f(Zahlensysteme);
        f.w->MarkiereZeile(1);
        f.eingabe("255");
        f.w->RechentasteClick();
        QCOMPARE((QStringList{f.wiss(0), f.wiss(2), f.wiss(3), f.wiss(4)}),
                 (QStringList{"11111111", "FF", "377", "CCLV"}));
        // The hexadecimal limit only focuses the field, without selecting.
        f.w->MarkiereZeile(2);
        f.eingabe("80000000");
        f.w->Edit_Eingabe->deselect();
        f.w->RechentasteClick();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Die Hexadezimalzahl ist zu groß!")});
        QVERIFY(!f.w->Edit_Eingabe->hasSelectedText());
        QCOMPARE(f.wiss(2), QStringLiteral("FF"));
        // A roman numeral out of its canonical form is reported after the results are shown.
        f.meldungen.leeren();
        f.w->MarkiereZeile(4);
        f.eingabe("IM");
        f.w->RechentasteClick();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Falsche Römische Zahl!")});
        QCOMPARE(f.wiss(4), QStringLiteral("CMXCIX"));
        QCOMPARE(f.wiss(1), QStringLiteral("999"));
        QVERIFY(!f.w->Edit_Eingabe->hasSelectedText());
    }

    void brueche() {
        Fenster f(Brueche);
        f.eingabe("6/4");
        f.w->RechentasteClick();
        QCOMPARE(f.wiss(0), QStringLiteral(" 1 1/2"));
        QCOMPARE(f.fest(1), QStringLiteral("  1,5000000000"));
        // Too many decimals: focus without selection, then the category is reloaded.
        f.w->MarkiereZeile(1);
        f.eingabe("0,1234567891");
        f.w->RechentasteClick();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Zahl im Eingabefeld zu groß!")});
        QVERIFY(!f.w->Sitzung().ErgebnisGueltig);
        QCOMPARE(f.w->MarkierteZeile(), 0);
        QVERIFY(!f.w->Edit_Eingabe->hasSelectedText());
        // Typing never calculates fractions; pasting does.
        f.w->AutomatischesRechnen1Click();
        f.eingabe("");
        f.tippe("3/4");
        QTest::qWait(20);
        QVERIFY(!f.w->Sitzung().ErgebnisGueltig);
        QApplication::clipboard()->setText("1/5");
        f.w->Werteinfgen1Click();
        QCOMPARE(f.wiss(0), QStringLiteral("  1/5"));
        // An exponent after the separator is the runtime's conversion error.
        f.meldungen.leeren();
        f.w->MarkiereZeile(1);
        f.eingabe("1,5e3");
        f.w->Rechentaste->click();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("'5e3' ist kein gültiger Integerwert")});
    }
};

QTEST_MAIN(tst_Rechnen)
#include "tst_Rechnen.moc"

// The main window's wiring: commands reach the session, its reports and results are shown, keys and menus
// are connected, the rows are drawn. The rules themselves are tested on the session.
#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "Fensterprobe.h"
#include "app/Hilfe.h"
#include "app/Qnt01.h"
#include "list/widgets/ZeilenDelegate.h"

using namespace qnt;
using test::cp1252;

namespace {

enum { Brueche, Laenge, Temperatur, Weltzeit, Waehrungen, Zahlensysteme };

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", cp1252("Brüche\tB.DAT\tBruch\r\nLänge\tL.DAT\tMeter\r\nTemperatur\tT.DAT\tK\r\n"
                                     "Weltzeit\tZ.DAT\tUTC\r\nWährungen\tW.DAT\tEuro\r\nZahlensysteme\tN.DAT\tD\r\n"));
    o.schreibe("Gebiet.nfo", "B\r\n*\r\nL\r\n*\r\nT\r\n*\r\nZ\r\n*\r\nGeld\r\n*\r\nN\r\n*\r\n");
    o.schreibe("B.DAT", test::satzDatei({{"Bruch", 5}, {"Dezimalzahl", 5}}));
    o.schreibe("L.DAT", test::satzDatei({{"Elle", 39, 0.5, 1, "", "", "", 1, 1},
                                         {"Fuß", 2, 0.3048, 1, "ft", "foot"},
                                         {"Kilometer", 1, 1000},
                                         {"Meter", 1, 1},
                                         {"Zoll", 2, 0.0254}}));
    o.schreibe("T.DAT", test::satzDatei({{"Celsius"}, {"Fahrenheit"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1}, {"Tokio", 63, 9}}));
    o.schreibe("W.DAT", test::satzDatei({{"Euro", 1, 1}}));
    o.schreibe("N.DAT", test::satzDatei({{"Binär", 5}, {"Dezimal", 5}, {"Hex", 5}}));
}

// The shared window probe over a small database of six categories, started on `gebiet` or with the given
// settings file.
struct Fenster : test::Fensterprobe {
    explicit Fenster(int gebiet = Laenge, const QByteArray& einstellungen = {})
        : Fensterprobe([&](const test::Datenordner& ordner) {
              datenbank(ordner);
              ordner.schreibe("QNT5.INI", einstellungen.isNull()
                                         ? test::einstellungen(QByteArray::number(gebiet + 1).constData())
                                         : einstellungen);
          }) {}
    QString zeile(int z) const { return fenster->ListBoxEinheit->model()->index(z, 0).data().toString(); }
    void eingabe(const QString& text) const { fenster->Edit_Eingabe->setText(text); }
    void tippe(const QString& text) const {
        for (QChar c : text) QTest::keyClick(fenster->Edit_Eingabe, c.toLatin1());
    }
};

} // namespace

class tst_Hauptfenster : public QObject {
    Q_OBJECT
private slots:
    void startZeigtDieWarnungUndSchaltetDieMenuesNachDenEinstellungen() {
        {
            Fenster f(Laenge, QByteArray());
            f.o.entferne("QNT5.INI");
            f.fenster = std::make_unique<TMyWindow>();
            f.fenster->zeigeStart();
            QCOMPARE(f.m.boxen.size(), 1);
            QCOMPARE(f.m.boxen[0].titel, QStringLiteral("Warnung"));
            QVERIFY(!f.fenster->EinheitensortierungnachAlphabet1->isEnabled());
            QVERIFY(!f.fenster->WissenschaZahlenanzeige1->isEnabled());
            QVERIFY(!f.fenster->WertKopieren1->isEnabled());
            f.fenster->close();
            QCOMPARE(f.o.lies("QNT5.INI"), test::einstellungen("1"));
        }
        Fenster f(Laenge, test::einstellungen("2", "1", "1"));
        QVERIFY(f.m.boxen.isEmpty());
        QVERIFY(f.fenster->EinheitensortierungnachAlphabet1->isEnabled());
        QVERIFY(!f.fenster->EinheitensortierungnachLand1->isEnabled());
        QVERIFY(f.fenster->WissenschaZahlenanzeige1->isEnabled());
        QVERIFY(!f.fenster->Fliekommaanzeige1->isEnabled());
        QCOMPARE(test::einheitennamen(f.fenster->ListBoxEinheit),
                 (QStringList{"Kilometer", "Meter", "Fuß", "Zoll", "Elle"}));
        f.fenster->WissenschaZahlenanzeige1->trigger();
        QVERIFY(!f.fenster->WissenschaZahlenanzeige1->isEnabled());
        QVERIFY(f.fenster->Fliekommaanzeige1->isEnabled());
        f.fenster->EinheitensortierungnachAlphabet1->trigger();
        QVERIFY(!f.fenster->EinheitensortierungnachAlphabet1->isEnabled());
        QCOMPARE(test::einheitenname(f.fenster->ListBoxEinheit, 0), QStringLiteral("Elle"));
    }

    void unlesbarerIndexGehtAnDenFehlerberichtUndBefehleTunNichts() {
        Fenster f;
        f.o.entferne("Gruppen.nfo");
        f.m.leeren();
        f.fenster = std::make_unique<TMyWindow>();
        f.fenster->zeigeStart();
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("Datei Gruppen.nfo kann nicht geöffnet werden")});
        QCOMPARE(f.m.boxen[0].titel, QStringLiteral("Fehler"));
        QCOMPARE(f.fenster->ComboBox1->count(), 0);
        f.fenster->Einheitausblenden1Click();
        f.fenster->EinheitensortierungnachLand1Click();
        f.fenster->RechentasteClick();
        f.fenster->SpeedButton2Click();
        QCOMPARE(f.m.boxen.size(), 1);
    }

    void berichteErscheinenInIhrerReihenfolge() {
        Fenster f;
        f.o.entferne("L.DAT");
        f.m.leeren();
        f.fenster->ComboBox1Change();
        QCOMPARE(f.m.texte(),
                 (QStringList{QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden!"),
                              QStringLiteral("Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle "
                                             "Einheiten oder alle Länder ausgeblendet oder die Datendatei konnte "
                                             "nicht geöffnet werden.")}));
        QCOMPARE(f.m.boxen[0].titel, QStringLiteral("Fehler"));
        QCOMPARE(f.m.boxen[1].titel, QStringLiteral("Information"));
        f.m.leeren();
        f.fenster->GebietWaehlen(Waehrungen);
        QCOMPARE(f.fenster->ComboBox1->currentIndex(), static_cast<int>(Waehrungen));
        QCOMPARE(f.zeile(0), QStringLiteral("Euro"));
        f.fenster->SpeedButton2->click();
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("\r\nGeld\r\n")});
    }

    void markierteZeileFuelltPanelUndGewaehlteEinheit() {
        Fenster f;
        QCOMPARE(f.fenster->Info_reg_Unterschiede->text(), QStringLiteral("Achtung: regionale Unterschiede"));
        QCOMPARE(f.fenster->Info_Landname2->text(), QStringLiteral("Deutschland - Preußen"));
        f.fenster->ListBoxEinheit->setCurrentRow(1); // as a click would
        QCOMPARE(f.fenster->Info_Kurzzeichen2->text(), QStringLiteral("ft"));
        QCOMPARE(f.fenster->Info_Sonstige_Namen2->text(), QStringLiteral("foot"));
        QCOMPARE(f.fenster->Info_Sonstige_Namen2->y(), 67); // pairs never move up
        QCOMPARE(f.fenster->Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
        QCOMPARE(f.fenster->Sitzung().markiert(), 1);
        f.fenster->GebietWaehlen(Weltzeit);
        QCOMPARE(f.fenster->Info_Uebersetzung1->text(), QString());
    }

    void strgEntfBlendetAusUndDieListeRuecktNach() {
        Fenster f;
        f.fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.fenster.get()));
        f.fenster->ListBoxEinheit->setFocus();
        f.fenster->ListBoxEinheit->setCurrentRow(2);
        QTest::keyClick(f.fenster->ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(test::einheitennamen(f.fenster->ListBoxEinheit), (QStringList{"Elle", "Fuß", "Meter", "Zoll"}));
        QCOMPARE(f.fenster->ListBoxEinheit->currentRow(), 1);
        QCOMPARE(f.fenster->Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
        QCOMPARE(test::satzAus(f.o.lies("L.DAT"), 2).Angezeigt(), 0);
        while (f.fenster->ListBoxEinheit->count() > 0) f.fenster->SpeedButton3->click();
        QCOMPARE(f.fenster->Label_gewaehlte_einheit->text(), QString());
        QTest::keyClick(f.fenster->ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(f.m.boxen.isEmpty());
    }

    void rechentasteZeigtErgebnisseUndUeberschrift() {
        Fenster f;
        f.eingabe("1,50");
        f.fenster->ListBoxEinheit->setCurrentRow(3);
        QTest::mouseClick(f.fenster->Rechentaste, Qt::LeftButton);
        QVERIFY(f.fenster->WertKopieren1->isEnabled());
        QCOMPARE(f.zeile(2), QStringLiteral("Kilometer: 1,500000E-0003"));
        QCOMPARE(f.fenster->ListBoxEinheit->model()->index(2, 0).data(Qt::AccessibleTextRole), QVariant(f.zeile(2)));
        QCOMPARE(f.fenster->Label_Ausgangseinheit->text(), QStringLiteral("1,50  Meter"));
        QCOMPARE(f.fenster->Label2->text(), QStringLiteral("="));
        QVERIFY(f.fenster->Timer1->isActive());
        // The heading blinks three times; the phase carries over to the next heading.
        const bool sichtbar[] = {true, false, true, false, true, true};
        for (bool s : sichtbar) {
            f.fenster->Timer1Timer();
            QCOMPARE(f.fenster->Label2->isVisible(), s);
            QCOMPARE(f.fenster->Flagge1->isVisible(), s);
        }
        QVERIFY(!f.fenster->Timer1->isActive());
        f.fenster->RechentasteClick();
        f.fenster->Timer1Timer();
        QVERIFY(!f.fenster->Label2->isVisible());
        f.fenster->ComboBox1Change();
        QVERIFY(!f.fenster->Timer1->isActive());
        QCOMPARE(f.fenster->Label2->text(), QString());
        QCOMPARE(f.zeile(2), QStringLiteral("Kilometer"));
    }

    void eingabefehlerFokussierenDasFeldMitOderOhneMarkierung() {
        Fenster f(Zahlensysteme);
        const struct {
            int zeile;
            const char* eingabe;
            const char* text;
            bool markiert;
        } faelle[] = {{0, "2", "Falsche Eingabe im Werteingabeld! Es sind nur 1 und 0 erlaubt!", true},
                      {2, "80000000", "Die Hexadezimalzahl ist zu groß!", false}};
        for (const auto& fall : faelle) {
            f.m.leeren();
            f.fenster->MarkiereZeile(fall.zeile);
            f.eingabe(fall.eingabe);
            f.fenster->Edit_Eingabe->deselect();
            f.fenster->RechentasteClick();
            QCOMPARE(f.m.texte(), QStringList{QString::fromUtf8(fall.text)});
            QCOMPARE(f.m.boxen[0].titel, QStringLiteral("Fehler"));
            QCOMPARE(f.fenster->Edit_Eingabe->hasSelectedText(), fall.markiert);
        }
    }

    void laufzeitfehlerUndNeuladenNachDerRechnung() {
        Fenster f;
        f.eingabe("1e308");
        f.fenster->MarkiereZeile(2);
        QTest::mouseClick(f.fenster->Rechentaste, Qt::LeftButton);
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("Gleitkommaüberlauf")});
        QVERIFY(!f.fenster->WertKopieren1->isEnabled());
        f.fenster->GebietWaehlen(Brueche);
        f.m.leeren();
        f.fenster->MarkiereZeile(1);
        f.eingabe("0,1234567891");
        f.fenster->RechentasteClick();
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("Zahl im Eingabefeld zu groß!")});
        QCOMPARE(f.fenster->ListBoxEinheit->currentRow(), 0); // reloaded
    }

    void automatischesRechnenBeimTippenUndEinfuegen() {
        Fenster f;
        f.fenster->MarkiereZeile(3);
        f.eingabe("");
        f.fenster->AutomatischesRechnen1->trigger();
        QVERIFY(f.fenster->AutomatischesRechnen1->isChecked());
        f.tippe("12");
        QTRY_COMPARE(f.zeile(3), QStringLiteral("Meter: 1,200000E+0001"));
        // Neither the zero key nor the keypad's decimal key calculates.
        f.tippe("0");
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::qWait(20);
        QCOMPARE(f.fenster->Edit_Eingabe->text(), QStringLiteral("120,"));
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,200000E+0001"));
        f.tippe("5");
        QTRY_COMPARE(f.zeile(3), QStringLiteral("Meter: 1,205000E+0002"));
        // Pasting keeps 15 characters and calculates.
        QApplication::clipboard()->setText("12345678901234567890");
        f.fenster->Werteinfgen1->trigger();
        QCOMPARE(f.fenster->Edit_Eingabe->text(), QStringLiteral("123456789012345"));
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,234568E+0014"));
        f.fenster->AutomatischesRechnen1->trigger();
        QVERIFY(!f.fenster->AutomatischesRechnen1->isChecked());
        // A row chosen in the list recalculates only while it is on.
        f.eingabe("2");
        f.fenster->ListBoxEinheit->setCurrentRow(2);
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,234568E+0014"));
    }

    void eingabetasteRechnetAusFeldUndListe() {
        Fenster f;
        f.eingabe("x");
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(f.m.boxen.size(), 1);
        f.m.leeren();
        QTest::keyClick(f.fenster->ListBoxEinheit, Qt::Key_Enter);
        QCOMPARE(f.m.boxen.size(), 1);
        f.m.leeren();
        const QString text = f.fenster->Edit_Eingabe->text();
        QTest::keyClick(f.fenster.get(), Qt::Key_X); // the window's own keys do nothing
        QTest::keyClick(f.fenster.get(), Qt::Key_Return);
        QCOMPARE(f.fenster->Edit_Eingabe->text(), text);
        QVERIFY(f.m.boxen.isEmpty());
    }

    void kopierenFolgtDerAnzeige() {
        Fenster f;
        f.fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.fenster.get()));
        QApplication::clipboard()->setText("alt");
        f.fenster->Edit_Eingabe->setFocus();
        f.fenster->Edit_Eingabe->deselect();
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_C, Qt::ControlModifier); // disabled before a result
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alt"));
        f.fenster->Kopieren1->trigger(); // the pop-up copies the empty text
        QCOMPARE(QApplication::clipboard()->text(), QString());
        f.fenster->MarkiereZeile(2);
        f.fenster->RechentasteClick();
        f.fenster->MarkiereZeile(3);
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" 1,000000E+0003"));
        f.fenster->Fliekommaanzeige1->trigger();
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1000,0000000"));
        f.fenster->Kopieren1->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("  1000,0000000"));
    }

    void rechnungBehaeltRollpositionUndMarkierteZeile() {
        Fenster f;
        QByteArray viele;
        for (int i = 0; i < 60; ++i)
            viele += test::satzDatei({{QByteArray("Einheit " + QByteArray::number(100 + i)).constData(), 1, 1.0 + i}});
        f.o.schreibe("L.DAT", viele);
        f.fenster->ComboBox1Change();
        f.fenster->MarkiereZeile(30);
        f.fenster->ListBoxEinheit->verticalScrollBar()->setValue(25);
        f.fenster->RechentasteClick();
        QCOMPARE(f.fenster->ListBoxEinheit->verticalScrollBar()->value(), 25);
        QCOMPARE(f.fenster->ListBoxEinheit->currentRow(), 30);
        f.eingabe("x");
        f.fenster->RechentasteClick();
        QCOMPARE(f.fenster->ListBoxEinheit->verticalScrollBar()->value(), 25);
    }

    void zeilenfarbenUndGekuerzteNamen() {
        Fenster f;
        f.o.schreibe("L.DAT", test::satzDatei({{"Elle"}, {"Britische Wärmeeinheit pro Stunde", 36},
                                                    {"Meter"}, {"Zoll"}}));
        f.fenster->ComboBox1Change();
        f.fenster->ListBoxEinheit->setCurrentRow(1);
        const auto bild = [&](int zeile, bool fokus) {
            QStyleOptionViewItem opt;
            opt.initFrom(f.fenster->ListBoxEinheit);
            opt.rect = QRect(0, 0, 300, ZeilenDelegate::kZeilenhoehe);
            opt.state = QStyle::State_Enabled;
            if (f.fenster->ListBoxEinheit->currentRow() == zeile) opt.state |= QStyle::State_Selected;
            if (fokus) opt.state |= QStyle::State_HasFocus;
            QImage b(300, ZeilenDelegate::kZeilenhoehe, QImage::Format_RGB32);
            QPainter p(&b);
            f.fenster->ListBoxEinheit->itemDelegate()->paint(&p, opt, f.fenster->ListBoxEinheit->model()->index(zeile, 0));
            return b;
        };
        const QColor silber(192, 192, 192), weiss = f.fenster->ListBoxEinheit->palette().color(QPalette::Base);
        QCOMPARE(bild(0, false).pixelColor(2, 8), weiss);
        QCOMPARE(bild(3, false).pixelColor(2, 8), silber);
        QCOMPARE(bild(1, false).pixelColor(2, 8), silber); // selected but list not focused
        QVERIFY(bild(1, true).pixelColor(2, 8) != silber);
        // The long name stops before the flag, which stays whole at the right.
        const QImage lang = bild(1, false);
        const int xFlagge = 300 - 2 * ZeilenDelegate::kZeilenhoehe;
        for (int x = xFlagge - ZeilenDelegate::kAbstand; x < xFlagge; ++x)
            for (int y = 0; y < lang.height(); ++y) QCOMPARE(lang.pixelColor(x, y), silber);
        QCOMPARE(lang.pixelColor(xFlagge + 16, 1), QColor(0, 0, 0)); // the German flag's black band
        QCOMPARE(f.fenster->ListBoxEinheit->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Britische Wärmeeinheit pro Stunde"));
    }

    void f1OeffnetDieHilfeUndSchliessenBeendetSie() {
        Fenster f;
        f.o.schreibe("QNT5.HLP", "<html><body><h1><a name=\"inhalt\"></a>Inhalt</h1><p>Quantora</p></body></html>");
        f.fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.fenster.get()));
        QTest::keyClick(f.fenster.get(), Qt::Key_F1);
        QVERIFY(hilfefenster() != nullptr && hilfefenster()->isVisible());
        QVERIFY(hilfefenster()->toPlainText().contains("Quantora"));
        f.fenster->close();
        QTRY_VERIFY(hilfefenster() == nullptr);
        f.o.entferne("QNT5.HLP");
        f.fenster->Index1Click();
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("Die Hilfedatei \"QNT5.HLP\" kann nicht geöffnet werden.")});
        hilfeBeenden();
    }
};

QTEST_MAIN(tst_Hauptfenster)
#include "tst_Hauptfenster.moc"

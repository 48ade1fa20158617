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

#include "Testhilfe.h"
#include "app/Hilfe.h"
#include "app/Qnt01.h"
#include "list/widgets/ZeilenDelegate.h"

using namespace qnt;
using test::cp1252;

namespace {

enum { Brueche, Laenge, Temperatur, Weltzeit, Waehrungen, Zahlensysteme };

// One window over a small database of six categories, started with the given settings file.
struct Fenster {
    test::Datenordner ordner{false};
    test::SkriptMeldungen meldungen;
    std::unique_ptr<TMyWindow> w;

    explicit Fenster(int gebiet = Laenge, const QByteArray& einstellungen = {}) {
        ordner.schreibe("Gruppen.nfo", cp1252("Brüche\tB.DAT\tBruch\r\nLänge\tL.DAT\tMeter\r\nTemperatur\tT.DAT\tK\r\n"
                                              "Weltzeit\tZ.DAT\tUTC\r\nWährungen\tW.DAT\tEuro\r\nZahlensysteme\tN.DAT\tD\r\n"));
        ordner.schreibe("Gebiet.nfo", "B\r\n*\r\nL\r\n*\r\nT\r\n*\r\nZ\r\n*\r\nGeld\r\n*\r\nN\r\n*\r\n");
        ordner.schreibe("B.DAT", test::satzDatei({{"Bruch", 5}, {"Dezimalzahl", 5}}));
        ordner.schreibe("L.DAT", test::satzDatei({{"Elle", 39, 0.5, 1, "", "", "", 1, 1},
                                                  {"Fuß", 2, 0.3048, 1, "ft", "foot"},
                                                  {"Kilometer", 1, 1000},
                                                  {"Meter", 1, 1},
                                                  {"Zoll", 2, 0.0254}}));
        ordner.schreibe("T.DAT", test::satzDatei({{"Celsius"}, {"Fahrenheit"}}));
        ordner.schreibe("Z.DAT", test::satzDatei({{"Berlin", 36, 1}, {"Tokio", 63, 9}}));
        ordner.schreibe("W.DAT", test::satzDatei({{"Euro", 1, 1}}));
        ordner.schreibe("N.DAT", test::satzDatei({{"Binär", 5}, {"Dezimal", 5}, {"Hex", 5}}));
        if (!einstellungen.isNull()) ordner.schreibe("QNT5.INI", einstellungen);
        else ordner.schreibe("QNT5.INI", test::einstellungen(QByteArray::number(gebiet + 1).constData()));
        w = std::make_unique<TMyWindow>();
        w->zeigeStart();
    }
    QString zeile(int z) const { return w->ListBoxEinheit->model()->index(z, 0).data().toString(); }
    void eingabe(const QString& text) const { w->Edit_Eingabe->setText(text); }
    void tippe(const QString& text) const {
        for (QChar c : text) QTest::keyClick(w->Edit_Eingabe, c.toLatin1());
    }
};

} // namespace

class tst_Hauptfenster : public QObject {
    Q_OBJECT
private slots:
    void startZeigtDieWarnungUndSchaltetDieMenuesNachDenEinstellungen() {
        {
            Fenster f(Laenge, QByteArray());
            f.ordner.entferne("QNT5.INI");
            f.w = std::make_unique<TMyWindow>();
            f.w->zeigeStart();
            QCOMPARE(f.meldungen.boxen.size(), 1);
            QCOMPARE(f.meldungen.boxen[0].titel, QStringLiteral("Warnung"));
            QVERIFY(!f.w->EinheitensortierungnachAlphabet1->isEnabled());
            QVERIFY(!f.w->WissenschaZahlenanzeige1->isEnabled());
            QVERIFY(!f.w->WertKopieren1->isEnabled());
            f.w->close();
            QCOMPARE(f.ordner.lies("QNT5.INI"), test::einstellungen("1"));
        }
        Fenster f(Laenge, test::einstellungen("2", "1", "1"));
        QVERIFY(f.meldungen.boxen.isEmpty());
        QVERIFY(f.w->EinheitensortierungnachAlphabet1->isEnabled());
        QVERIFY(!f.w->EinheitensortierungnachLand1->isEnabled());
        QVERIFY(f.w->WissenschaZahlenanzeige1->isEnabled());
        QVERIFY(!f.w->Fliekommaanzeige1->isEnabled());
        QCOMPARE(test::einheitennamen(f.w->ListBoxEinheit),
                 (QStringList{"Kilometer", "Meter", "Fuß", "Zoll", "Elle"}));
        f.w->WissenschaZahlenanzeige1->trigger();
        QVERIFY(!f.w->WissenschaZahlenanzeige1->isEnabled());
        QVERIFY(f.w->Fliekommaanzeige1->isEnabled());
        f.w->EinheitensortierungnachAlphabet1->trigger();
        QVERIFY(!f.w->EinheitensortierungnachAlphabet1->isEnabled());
        QCOMPARE(test::einheitenname(f.w->ListBoxEinheit, 0), QStringLiteral("Elle"));
    }

    void unlesbarerIndexGehtAnDenFehlerberichtUndBefehleTunNichts() {
        Fenster f;
        f.ordner.entferne("Gruppen.nfo");
        f.meldungen.leeren();
        f.w = std::make_unique<TMyWindow>();
        f.w->zeigeStart();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Datei Gruppen.nfo kann nicht geöffnet werden")});
        QCOMPARE(f.meldungen.boxen[0].titel, QStringLiteral("Fehler"));
        QCOMPARE(f.w->ComboBox1->count(), 0);
        f.w->Einheitausblenden1Click();
        f.w->EinheitensortierungnachLand1Click();
        f.w->RechentasteClick();
        f.w->SpeedButton2Click();
        QCOMPARE(f.meldungen.boxen.size(), 1);
    }

    void berichteErscheinenInIhrerReihenfolge() {
        Fenster f;
        f.ordner.entferne("L.DAT");
        f.meldungen.leeren();
        f.w->ComboBox1Change();
        QCOMPARE(f.meldungen.texte(),
                 (QStringList{QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden!"),
                              QStringLiteral("Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle "
                                             "Einheiten oder alle Länder ausgeblendet oder die Datendatei konnte "
                                             "nicht geöffnet werden.")}));
        QCOMPARE(f.meldungen.boxen[0].titel, QStringLiteral("Fehler"));
        QCOMPARE(f.meldungen.boxen[1].titel, QStringLiteral("Information"));
        f.meldungen.leeren();
        f.w->GebietWaehlen(Waehrungen);
        QCOMPARE(f.w->ComboBox1->currentIndex(), static_cast<int>(Waehrungen));
        QCOMPARE(f.zeile(0), QStringLiteral("Euro"));
        f.w->SpeedButton2->click();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("\r\nGeld\r\n")});
    }

    void markierteZeileFuelltPanelUndGewaehlteEinheit() {
        Fenster f;
        QCOMPARE(f.w->Info_reg_Unterschiede->text(), QStringLiteral("Achtung: regionale Unterschiede"));
        QCOMPARE(f.w->Info_Landname2->text(), QStringLiteral("Deutschland - Preußen"));
        f.w->ListBoxEinheit->setCurrentRow(1); // as a click would
        QCOMPARE(f.w->Info_Kurzzeichen2->text(), QStringLiteral("ft"));
        QCOMPARE(f.w->Info_Sonstige_Namen2->text(), QStringLiteral("foot"));
        QCOMPARE(f.w->Info_Sonstige_Namen2->y(), 67); // pairs never move up
        QCOMPARE(f.w->Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
        QCOMPARE(f.w->Sitzung().markiert(), 1);
        f.w->GebietWaehlen(Weltzeit);
        QCOMPARE(f.w->Info_Uebersetzung1->text(), QString());
    }

    void strgEntfBlendetAusUndDieListeRuecktNach() {
        Fenster f;
        f.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        f.w->ListBoxEinheit->setFocus();
        f.w->ListBoxEinheit->setCurrentRow(2);
        QTest::keyClick(f.w->ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(test::einheitennamen(f.w->ListBoxEinheit), (QStringList{"Elle", "Fuß", "Meter", "Zoll"}));
        QCOMPARE(f.w->ListBoxEinheit->currentRow(), 1);
        QCOMPARE(f.w->Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
        QCOMPARE(test::satzAus(f.ordner.lies("L.DAT"), 2).Angezeigt(), 0);
        while (f.w->ListBoxEinheit->count() > 0) f.w->SpeedButton3->click();
        QCOMPARE(f.w->Label_gewaehlte_einheit->text(), QString());
        QTest::keyClick(f.w->ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(f.meldungen.boxen.isEmpty());
    }

    void rechentasteZeigtErgebnisseUndUeberschrift() {
        Fenster f;
        f.eingabe("1,50");
        f.w->ListBoxEinheit->setCurrentRow(3);
        QTest::mouseClick(f.w->Rechentaste, Qt::LeftButton);
        QVERIFY(f.w->WertKopieren1->isEnabled());
        QCOMPARE(f.zeile(2), QStringLiteral("Kilometer: 1,500000E-0003"));
        QCOMPARE(f.w->ListBoxEinheit->model()->index(2, 0).data(Qt::AccessibleTextRole), QVariant(f.zeile(2)));
        QCOMPARE(f.w->Label_Ausgangseinheit->text(), QStringLiteral("1,50  Meter"));
        QCOMPARE(f.w->Label2->text(), QStringLiteral("="));
        QVERIFY(f.w->Timer1->isActive());
        // The heading blinks three times; the phase carries over to the next heading.
        const bool sichtbar[] = {true, false, true, false, true, true};
        for (bool s : sichtbar) {
            f.w->Timer1Timer();
            QCOMPARE(f.w->Label2->isVisible(), s);
            QCOMPARE(f.w->Flagge1->isVisible(), s);
        }
        QVERIFY(!f.w->Timer1->isActive());
        f.w->RechentasteClick();
        f.w->Timer1Timer();
        QVERIFY(!f.w->Label2->isVisible());
        f.w->ComboBox1Change();
        QVERIFY(!f.w->Timer1->isActive());
        QCOMPARE(f.w->Label2->text(), QString());
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
            f.meldungen.leeren();
            f.w->MarkiereZeile(fall.zeile);
            f.eingabe(fall.eingabe);
            f.w->Edit_Eingabe->deselect();
            f.w->RechentasteClick();
            QCOMPARE(f.meldungen.texte(), QStringList{QString::fromUtf8(fall.text)});
            QCOMPARE(f.meldungen.boxen[0].titel, QStringLiteral("Fehler"));
            QCOMPARE(f.w->Edit_Eingabe->hasSelectedText(), fall.markiert);
        }
    }

    void laufzeitfehlerUndNeuladenNachDerRechnung() {
        Fenster f;
        f.eingabe("1e308");
        f.w->MarkiereZeile(2);
        QTest::mouseClick(f.w->Rechentaste, Qt::LeftButton);
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Gleitkommaüberlauf")});
        QVERIFY(!f.w->WertKopieren1->isEnabled());
        f.w->GebietWaehlen(Brueche);
        f.meldungen.leeren();
        f.w->MarkiereZeile(1);
        f.eingabe("0,1234567891");
        f.w->RechentasteClick();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Zahl im Eingabefeld zu groß!")});
        QCOMPARE(f.w->ListBoxEinheit->currentRow(), 0); // reloaded
    }

    void automatischesRechnenBeimTippenUndEinfuegen() {
        Fenster f;
        f.w->MarkiereZeile(3);
        f.eingabe("");
        f.w->AutomatischesRechnen1->trigger();
        QVERIFY(f.w->AutomatischesRechnen1->isChecked());
        f.tippe("12");
        QTRY_COMPARE(f.zeile(3), QStringLiteral("Meter: 1,200000E+0001"));
        // Neither the zero key nor the keypad's decimal key calculates.
        f.tippe("0");
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::qWait(20);
        QCOMPARE(f.w->Edit_Eingabe->text(), QStringLiteral("120,"));
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,200000E+0001"));
        f.tippe("5");
        QTRY_COMPARE(f.zeile(3), QStringLiteral("Meter: 1,205000E+0002"));
        // Pasting keeps 15 characters and calculates.
        QApplication::clipboard()->setText("12345678901234567890");
        f.w->Werteinfgen1->trigger();
        QCOMPARE(f.w->Edit_Eingabe->text(), QStringLiteral("123456789012345"));
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,234568E+0014"));
        f.w->AutomatischesRechnen1->trigger();
        QVERIFY(!f.w->AutomatischesRechnen1->isChecked());
        // A row chosen in the list recalculates only while it is on.
        f.eingabe("2");
        f.w->ListBoxEinheit->setCurrentRow(2);
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,234568E+0014"));
    }

    void eingabetasteRechnetAusFeldUndListe() {
        Fenster f;
        f.eingabe("x");
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(f.meldungen.boxen.size(), 1);
        f.meldungen.leeren();
        QTest::keyClick(f.w->ListBoxEinheit, Qt::Key_Enter);
        QCOMPARE(f.meldungen.boxen.size(), 1);
        f.meldungen.leeren();
        const QString text = f.w->Edit_Eingabe->text();
        QTest::keyClick(f.w.get(), Qt::Key_X); // the window's own keys do nothing
        QTest::keyClick(f.w.get(), Qt::Key_Return);
        QCOMPARE(f.w->Edit_Eingabe->text(), text);
        QVERIFY(f.meldungen.boxen.isEmpty());
    }

    void kopierenFolgtDerAnzeige() {
        Fenster f;
        f.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        QApplication::clipboard()->setText("alt");
        f.w->Edit_Eingabe->setFocus();
        f.w->Edit_Eingabe->deselect();
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_C, Qt::ControlModifier); // disabled before a result
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alt"));
        f.w->Kopieren1->trigger(); // the pop-up copies the empty text
        QCOMPARE(QApplication::clipboard()->text(), QString());
        f.w->MarkiereZeile(2);
        f.w->RechentasteClick();
        f.w->MarkiereZeile(3);
        QTest::keyClick(f.w->Edit_Eingabe, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" 1,000000E+0003"));
        f.w->Fliekommaanzeige1->trigger();
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1000,0000000"));
        f.w->Kopieren1->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("  1000,0000000"));
    }

    void rechnungBehaeltRollpositionUndMarkierteZeile() {
        Fenster f;
        QByteArray viele;
        for (int i = 0; i < 60; ++i)
            viele += test::satzDatei({{QByteArray("Einheit " + QByteArray::number(100 + i)).constData(), 1, 1.0 + i}});
        f.ordner.schreibe("L.DAT", viele);
        f.w->ComboBox1Change();
        f.w->MarkiereZeile(30);
        f.w->ListBoxEinheit->verticalScrollBar()->setValue(25);
        f.w->RechentasteClick();
        QCOMPARE(f.w->ListBoxEinheit->verticalScrollBar()->value(), 25);
        QCOMPARE(f.w->ListBoxEinheit->currentRow(), 30);
        f.eingabe("x");
        f.w->RechentasteClick();
        QCOMPARE(f.w->ListBoxEinheit->verticalScrollBar()->value(), 25);
    }

    void zeilenfarbenUndGekuerzteNamen() {
        Fenster f;
        f.ordner.schreibe("L.DAT", test::satzDatei({{"Elle"}, {"Britische Wärmeeinheit pro Stunde", 36},
                                                    {"Meter"}, {"Zoll"}}));
        f.w->ComboBox1Change();
        f.w->ListBoxEinheit->setCurrentRow(1);
        const auto bild = [&](int zeile, bool fokus) {
            QStyleOptionViewItem opt;
            opt.initFrom(f.w->ListBoxEinheit);
            opt.rect = QRect(0, 0, 300, ZeilenDelegate::kZeilenhoehe);
            opt.state = QStyle::State_Enabled;
            if (f.w->ListBoxEinheit->currentRow() == zeile) opt.state |= QStyle::State_Selected;
            if (fokus) opt.state |= QStyle::State_HasFocus;
            QImage b(300, ZeilenDelegate::kZeilenhoehe, QImage::Format_RGB32);
            QPainter p(&b);
            f.w->ListBoxEinheit->itemDelegate()->paint(&p, opt, f.w->ListBoxEinheit->model()->index(zeile, 0));
            return b;
        };
        const QColor silber(192, 192, 192), weiss = f.w->ListBoxEinheit->palette().color(QPalette::Base);
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
        QCOMPARE(f.w->ListBoxEinheit->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Britische Wärmeeinheit pro Stunde"));
    }

    void f1OeffnetDieHilfeUndSchliessenBeendetSie() {
        Fenster f;
        f.ordner.schreibe("QNT5.HLP", "<html><body><h1><a name=\"inhalt\"></a>Inhalt</h1><p>Quantora</p></body></html>");
        f.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        QTest::keyClick(f.w.get(), Qt::Key_F1);
        QVERIFY(hilfefenster() != nullptr && hilfefenster()->isVisible());
        QVERIFY(hilfefenster()->toPlainText().contains("Quantora"));
        f.w->close();
        QTRY_VERIFY(hilfefenster() == nullptr);
        f.ordner.entferne("QNT5.HLP");
        f.w->Index1Click();
        QCOMPARE(f.meldungen.texte(), QStringList{QStringLiteral("Die Hilfedatei \"QNT5.HLP\" kann nicht geöffnet werden.")});
        hilfeBeenden();
    }
};

QTEST_MAIN(tst_Hauptfenster)
#include "tst_Hauptfenster.moc"

// The main window's wiring: commands reach the session, its reports and results are shown, keys and menus
// are connected, the rows are drawn. The rules themselves are tested on the session.
#include <QtTest>

#include <QAction>
#include <QClipboard>
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

namespace {

enum { Laenge, Waehrungen, Zahlensysteme };

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", test::cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\nZahlensysteme\tN.DAT\tD\r\n"));
    o.schreibe("Gebiet.nfo", "L\r\n*\r\nGeld\r\n*\r\nN\r\n*\r\n");
    o.schreibe("L.DAT", test::satzDatei({{"Elle", 39, 0.5, 1, "", "", "", 1, 1}, {"Fuß", 2, 0.3048, 1, "ft", "foot"},
                                         {"Kilometer", 1, 1000}, {"Meter", 1, 1}, {"Zoll", 2, 0.0254}}));
    o.schreibe("W.DAT", test::satzDatei({{"Euro", 1, 1}}));
    o.schreibe("N.DAT", test::satzDatei({{"Binär", 5}, {"Dezimal", 5}, {"Hex", 5}}));
}

// The shared window probe over a small database, started on `gebiet` or with the given settings file.
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
    void tippe(const QString& t) const { for (QChar c : t) QTest::keyClick(fenster->Edit_Eingabe, c.toLatin1()); }
};

} // namespace

class tst_Hauptfenster : public QObject {
    Q_OBJECT
private slots:
    void ersterStartWarntUndDieMenuesFolgenDenEinstellungen() {
        {
            Fenster f(Laenge, QByteArray());
            f.o.entferne("QNT5.INI");
            f.fenster = std::make_unique<TMyWindow>();
            f.fenster->zeigeStart();
            QVERIFY(f.m.boxen.size() == 1 && f.m.boxen[0].titel == QStringLiteral("Warnung"));
            f.fenster->close();
            QCOMPARE(f.o.lies("QNT5.INI"), test::einstellungen("1"));
        }
        Fenster f(Laenge, test::einstellungen("1", "1", "1"));
        QVERIFY(f.m.boxen.isEmpty());
        QCOMPARE(test::einheitenname(f.fenster->ListBoxEinheit, 0), QStringLiteral("Kilometer"));
        f.fenster->EinheitensortierungnachAlphabet1->trigger();
        QVERIFY(!f.fenster->EinheitensortierungnachAlphabet1->isEnabled());
        QCOMPARE(test::einheitenname(f.fenster->ListBoxEinheit, 0), QStringLiteral("Elle"));
        f.fenster->GebietWaehlen(Waehrungen);
        f.fenster->SpeedButton2->click(); // the country list of the category
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("\r\nGeld\r\n")});
    }

    // The marked row fills the panel; Ctrl+C copies what is shown, Ctrl+Del hides the row, F1 opens help.
    void panelUndTastenDesFensters() {
        Fenster f;
        f.o.schreibe("QNT5.HLP", "<html><body><h1><a name=\"inhalt\"></a>Inhalt</h1><p>Quantora</p></body></html>");
        f.fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.fenster.get()));
        QApplication::clipboard()->setText("alt");
        f.fenster->Edit_Eingabe->setFocus();
        f.fenster->Edit_Eingabe->deselect();
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_C, Qt::ControlModifier); // disabled before a result
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alt"));
        f.fenster->MarkiereZeile(2);
        f.fenster->RechentasteClick();
        f.fenster->MarkiereZeile(3);
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" 1,000000E+0003"));
        f.fenster->Fliekommaanzeige1->trigger();
        f.fenster->Kopieren1->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("  1000,0000000"));

        f.fenster->ListBoxEinheit->setFocus();
        f.fenster->ListBoxEinheit->setCurrentRow(1); // as a click would
        QCOMPARE(f.fenster->Info_Kurzzeichen2->text(), QStringLiteral("ft"));
        QCOMPARE(f.fenster->Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
        QTest::keyClick(f.fenster->ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.fenster->Label_gewaehlte_einheit->text(), QStringLiteral("Elle"));
        QCOMPARE(test::satzAus(f.o.lies("L.DAT"), 1).Angezeigt(), 0);

        QTest::keyClick(f.fenster.get(), Qt::Key_F1);
        QVERIFY(hilfefenster() != nullptr && hilfefenster()->toPlainText().contains("Quantora"));
        f.fenster->close();
        QTRY_VERIFY(hilfefenster() == nullptr);
    }

    void rechentasteZeigtErgebnisseUndUeberschrift() {
        Fenster f;
        f.eingabe("1,50");
        f.fenster->ListBoxEinheit->setCurrentRow(3);
        QTest::mouseClick(f.fenster->Rechentaste, Qt::LeftButton);
        QCOMPARE(f.zeile(2), QStringLiteral("Kilometer: 1,500000E-0003"));
        QCOMPARE(f.fenster->ListBoxEinheit->model()->index(2, 0).data(Qt::AccessibleTextRole), QVariant(f.zeile(2)));
        QCOMPARE(f.fenster->Label_Ausgangseinheit->text(), QStringLiteral("1,50  Meter"));
        // The heading blinks three times; the phase carries over to the next heading.
        for (bool sichtbar : {true, false, true, false, true, true}) {
            f.fenster->Timer1Timer();
            QCOMPARE(f.fenster->Flagge1->isVisible(), sichtbar);
        }
        f.fenster->RechentasteClick();
        f.fenster->Timer1Timer();
        QVERIFY(!f.fenster->Label2->isVisible());
        // A calculation leaves the list scrolled where it was.
        QByteArray viele;
        for (int i = 0; i < 60; ++i) viele += test::satzDatei({{QByteArray("E" + QByteArray::number(100 + i)).constData()}});
        f.o.schreibe("L.DAT", viele);
        f.fenster->ComboBox1Change();
        f.fenster->MarkiereZeile(30);
        f.fenster->ListBoxEinheit->verticalScrollBar()->setValue(25);
        f.fenster->RechentasteClick();
        QCOMPARE(f.fenster->ListBoxEinheit->verticalScrollBar()->value(), 25);
    }

    // Return in the field or Enter in the list calculates; an input error focuses the field, marked or not.
    void eingabefehlerFokussierenDasFeldMitOderOhneMarkierung() {
        Fenster f(Zahlensysteme);
        const struct { int zeile; const char* eingabe; QWidget* ziel; Qt::Key taste; bool markiert; } faelle[] = {
            {0, "2", f.fenster->Edit_Eingabe, Qt::Key_Return, true},
            {2, "80000000", f.fenster->ListBoxEinheit, Qt::Key_Enter, false}};
        for (const auto& fall : faelle) {
            f.m.leeren();
            f.fenster->MarkiereZeile(fall.zeile);
            f.eingabe(fall.eingabe);
            f.fenster->Edit_Eingabe->deselect();
            QTest::keyClick(fall.ziel, fall.taste);
            QTRY_COMPARE(f.m.boxen.size(), 1);
            QCOMPARE(f.m.boxen[0].titel, QStringLiteral("Fehler"));
            QCOMPARE(f.fenster->Edit_Eingabe->hasSelectedText(), fall.markiert);
        }
        f.m.leeren();
        QTest::keyClick(f.fenster.get(), Qt::Key_Return); // the window's own keys do nothing
        QVERIFY(f.m.boxen.isEmpty());
    }

    void automatischesRechnenBeimTippenUndEinfuegen() {
        Fenster f;
        f.fenster->MarkiereZeile(3);
        f.eingabe("");
        f.fenster->AutomatischesRechnen1->trigger();
        f.tippe("12");
        QTRY_COMPARE(f.zeile(3), QStringLiteral("Meter: 1,200000E+0001"));
        // Neither the zero key nor the keypad's decimal key calculates.
        f.tippe("0");
        QTest::keyClick(f.fenster->Edit_Eingabe, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::qWait(20);
        QCOMPARE(f.fenster->Edit_Eingabe->text(), QStringLiteral("120,"));
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,200000E+0001"));
        QApplication::clipboard()->setText("12345678901234567890"); // pasting keeps 15 characters
        f.fenster->Werteinfgen1->trigger();
        QCOMPARE(f.zeile(3), QStringLiteral("Meter: 1,234568E+0014"));
    }

    void zeilenfarbenUndGekuerzteNamen() {
        Fenster f;
        f.o.schreibe("L.DAT", test::satzDatei({{"Elle"}, {"Britische Wärmeeinheit pro Stunde", 36}, {"Meter"}, {"Zoll"}}));
        f.fenster->ComboBox1Change();
        f.fenster->ListBoxEinheit->setCurrentRow(1);
        const auto bild = [&](int zeile, bool fokus) {
            QStyleOptionViewItem opt;
            opt.initFrom(f.fenster->ListBoxEinheit);
            opt.rect = QRect(0, 0, 300, ZeilenDelegate::kZeilenhoehe);
            opt.state = QStyle::State_Enabled | (fokus ? QStyle::State_HasFocus : QStyle::State_None) |
                        (f.fenster->ListBoxEinheit->currentRow() == zeile ? QStyle::State_Selected : QStyle::State_None);
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
    }

};

QTEST_MAIN(tst_Hauptfenster)
#include "tst_Hauptfenster.moc"

#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QPushButton>

#include "Testhilfe.h"
#include "app/Qnt01.h"

using namespace qnt;

namespace {

struct Zeile {
    const char* menue;
    const char* eintrag; // "-" for a separator
    const char* taste;
    bool aktiv;
};

// The whole menu tree as a user sees it right after the start (order by name, scientific notation).
const Zeile kBaum[] = {
    {"&Datei", "&Beenden", "", true},
    {"&Bearbeiten", "&Kopieren Rechenergebnis", "Ctrl+C", false},
    {"&Bearbeiten", "&Einfügen in Werteingabefeld", "", true},
    {"&Einheit", "Einheit &ausblenden", "Ctrl+Del", true},
    {"&Einheit", "Einheit &einblenden...", "", true},
    {"&Einheit", "Au&sgeblendete Einheiten löschen", "", true},
    {"&Einheit", "-", "", true},
    {"&Einheit", "Ei&gene Einheit einfügen...", "", true},
    {"&Einheit", "-", "", true},
    {"&Einheit", "&Umrechnungsfaktor ändern...", "", true},
    {"&Einheit", "Einheiten s&uchen", "", true},
    {"&Gebiet", "Neues Gebiet &einfügen...", "", true},
    {"&Gebiet", "Vorhandenes Gebiet &löschen...", "", true},
    {"Ei&nstellungen", "&Fließkommaanzeige", "", true},
    {"Ei&nstellungen", "&Wissenscha. Zahlenanzeige", "", false},
    {"Ei&nstellungen", "-", "", true},
    {"Ei&nstellungen", "Einheitensortierung nach &Alphabet", "", false},
    {"Ei&nstellungen", "Einheitensortierung nach &Land", "", true},
    {"Ei&nstellungen", "-", "", true},
    {"Ei&nstellungen", "Lä&nder aus-/einblenden...", "", true},
    {"Ei&nstellungen", "-", "", true},
    {"Ei&nstellungen", "&Automatisches Rechnen", "", true},
    {"&Informationen", "&Vorsatzzeichen", "", true},
    {"&Informationen", "&Chemische Elemente", "", true},
    {"&Informationen", "&Physikalische Konstanten", "", true},
    {"&Informationen", "&Stoffdaten", "", true},
    {"&Informationen", "&Diverse Daten", "", true},
    {"&Informationen", "Ra&vento", "", true},
    {"&Hilfe", "&Index", "F1", true},
    {"&Hilfe", "&Über Quantora", "", true},
};

struct Fenster {
    test::Datenordner ordner;
    test::SkriptMeldungen meldungen;
    TMyWindow w;
    Fenster() : ordner(true) {}
    void starte() {
        ordner.schreibe("QNT5.INI", test::einstellungen("1"));
        w.zeigeStart();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
};

} // namespace

class tst_Menue : public QObject {
    Q_OBJECT
private slots:
    void menuebaumWieBeschrieben() {
        test::Datenordner o;
        o.schreibe("QNT5.INI", test::einstellungen("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QStringList ist, soll;
        for (QAction* menue : w.menuBar()->actions())
            for (QAction* a : menue->menu()->actions())
                ist << menue->text() + " | " + (a->isSeparator() ? QStringLiteral("-") : a->text()) + " | " +
                           a->shortcut().toString() + " | " + (a->isEnabled() ? "an" : "aus");
        for (const auto& z : kBaum)
            soll << QString::fromUtf8(z.menue) + " | " + QString::fromUtf8(z.eintrag) + " | " + z.taste + " | " +
                        (z.aktiv ? "an" : "aus");
        QCOMPARE(ist, soll);
        QVERIFY(w.AutomatischesRechnen1->isCheckable());
        QVERIFY(!w.AutomatischesRechnen1->isChecked());
        QCOMPARE(w.PopupMenu1->actions().size(), 1);
        QCOMPARE(w.PopupMenu1->actions()[0]->text(), QStringLiteral("Kopieren"));
        QCOMPARE(w.Rechentaste->toolTip(), QStringLiteral("Einheit umrechnen"));
        QCOMPARE(w.SpeedButton2->toolTip(), QStringLiteral("Information über Gebiet"));
        QCOMPARE(w.SpeedButton3->toolTip(), QStringLiteral("Markierte Einheit ausblenden"));
        QCOMPARE(w.SpeedButton4->toolTip(), QStringLiteral("Einheit suchen"));
    }

    void gespeicherteEinstellungenSchaltenDiePaare() {
        test::Datenordner o;
        o.schreibe("QNT5.INI", test::einstellungen("1", "1", "1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QVERIFY(w.EinheitensortierungnachAlphabet1->isEnabled());
        QVERIFY(!w.EinheitensortierungnachLand1->isEnabled());
        QVERIFY(w.WissenschaZahlenanzeige1->isEnabled());
        QVERIFY(!w.Fliekommaanzeige1->isEnabled());
        w.WissenschaZahlenanzeige1->trigger();
        QVERIFY(!w.WissenschaZahlenanzeige1->isEnabled());
        QVERIFY(w.Fliekommaanzeige1->isEnabled());
    }

    void strgCErreichtDieKopieErstNachEinerRechnung() {
        Fenster f;
        f.starte();
        QApplication::clipboard()->setText("vorher");
        f.w.Edit_Eingabe->setFocus();
        f.w.Edit_Eingabe->deselect();
        QTest::keyClick(f.w.Edit_Eingabe, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("vorher"));
        f.w.Rechentaste->click();
        QVERIFY(f.w.WertKopieren1->isEnabled());
        QTest::keyClick(f.w.Edit_Eingabe, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" 1,000000E+0000"));
    }

    void strgEntfMitLeererListeTutNichts() {
        Fenster f;
        f.ordner.schreibe("Gruppen.nfo", "Leer\tLEER.DAT\tNichts\r\n");
        f.ordner.schreibe("Gebiet.nfo", "*\r\n");
        f.ordner.schreibe("LEER.DAT", "");
        f.ordner.schreibe("QNT5.INI", test::einstellungen("1"));
        f.w.zeigeStart();
        f.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w));
        f.meldungen.leeren();
        QCOMPARE(f.w.ListBoxEinheit->count(), 0);
        QTest::keyClick(f.w.ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(f.meldungen.boxen.isEmpty());
    }

    void strgEntfBlendetDieMarkierteEinheitAus() {
        Fenster f;
        f.starte();
        const int vorher = f.w.ListBoxEinheit->count();
        const QString zweite = f.w.ListBoxEinheit->item(1)->text();
        f.w.ListBoxEinheit->setFocus();
        QTest::keyClick(f.w.ListBoxEinheit, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.w.ListBoxEinheit->count(), vorher - 1);
        QCOMPARE(f.w.ListBoxEinheit->item(0)->text(), zweite);
    }

    void eigeneTastendrueckeDesFenstersTunNichts() {
        Fenster f;
        f.starte();
        const QString text = f.w.Edit_Eingabe->text();
        QTest::keyClick(&f.w, Qt::Key_X);
        QTest::keyClick(&f.w, Qt::Key_Return);
        QCOMPARE(f.w.Edit_Eingabe->text(), text);
        QVERIFY(!f.w.Sitzung().ErgebnisGueltig);
    }
};

QTEST_MAIN(tst_Menue)
#include "tst_Menue.moc"

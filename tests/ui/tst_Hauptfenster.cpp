#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "data/Einheit.h"

using namespace qnt;

namespace {

using test::cp1252;
using E = test::TestEinheit;

QByteArray datei(std::initializer_list<E> e) { return test::satzDatei(e); }

// A small database of three categories.
void kleineDatenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\nWeltzeit\tZ.DAT\tUTC\r\n"));
    o.schreibe("Gebiet.nfo", cp1252("Längen\r\n*\r\nGeld\r\n*\r\nUhr\r\n*\r\n"));
    o.schreibe("L.DAT", datei({{"Elle", 39, 1, 1, "", "", "", 1, 1},
                               {"Fuß", 2, 1, 1, "ft", "foot"},
                               {"Meter", 1, 1, 1, "m"},
                               {"Rute", 39, 1, 0},
                               {"Zoll", 2}}));
    o.schreibe("W.DAT", datei({{"Euro", 1, 1, 1, "EUR", "", "2022-09-05"}}));
    o.schreibe("Z.DAT", datei({{"Berlin", 36, 1, 1, "", "", "letzter So. März"}}));
}

QByteArray ini(const char* pos, const char* sort = "0", const char* wiss = "0", QByteArray laender = {}) {
    return test::einstellungen(pos, sort, wiss, laender);
}

QStringList zeilen(const TMyWindow& w) {
    QStringList l;
    for (int i = 0; i < w.ListBoxEinheit->count(); ++i) l << w.ListBoxEinheit->item(i)->text();
    return l;
}

const QString kLeer = QStringLiteral("Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle Einheiten "
                                     "oder alle Länder ausgeblendet oder die Datendatei konnte nicht geöffnet werden.");

} // namespace

class tst_Hauptfenster : public QObject {
    Q_OBJECT
private slots:
    void ersterStartOhneEinstellungen() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        test::SkriptMeldungen m;
        {
            TMyWindow w;
            w.zeigeStart();
            QCOMPARE(m.texte(), QStringList{QStringLiteral("Die Datei \"QNT5.INI\" wurde nicht gefunden. Der Quantora "
                                                           "wird mit Standardeinstellungen geöffnet")});
            QCOMPARE(m.boxen[0].titel, QStringLiteral("Warnung"));
            QCOMPARE(w.ComboBox1->currentIndex(), 0);
            QVERIFY(w.Sitzung().sortAlphabet());
            QVERIFY(w.Sitzung().wissAnzeige());
            QVERIFY(!w.Sitzung().AutoRechnen);
            QCOMPARE(zeilen(w), (QStringList{"Elle", "Fuß", "Meter", "Zoll"}));
            QVERIFY(!w.EinheitensortierungnachAlphabet1->isEnabled());
            QVERIFY(w.EinheitensortierungnachLand1->isEnabled());
            QVERIFY(!w.WissenschaZahlenanzeige1->isEnabled());
            QVERIFY(!w.WertKopieren1->isEnabled());
            w.close();
        }
        QCOMPARE(o.lies("QNT5.INI"), ini("1"));
        m.leeren();
        TMyWindow zweiter;
        zweiter.zeigeStart();
        QVERIFY(m.boxen.isEmpty());
    }

    void gespeichertePosition_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("warnung");
        QTest::newRow("0 opens the first") << ini("0") << 0 << false;
        QTest::newRow("beyond the end opens the first") << ini("9") << 0 << false;
        QTest::newRow("equal to the count opens the last") << ini("3") << 2 << false;
        QTest::newRow("seven lines: defaults") << QByteArray("5.0\r\n0\r\n0\r\n0\r\n3\r\n1\r\n1\r\n") << 0 << true;
        QTest::newRow("line 5 not a number") << ini("zwei") << 0 << true;
    }
    void gespeichertePosition() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, index);
        QFETCH(bool, warnung);
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", inhalt);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QCOMPARE(w.ComboBox1->currentIndex(), index);
        QCOMPARE(m.boxen.size(), warnung ? 1 : 0);
        if (warnung) QVERIFY(w.Sitzung().sortAlphabet() && w.Sitzung().wissAnzeige());
    }

    void einstellungenLandUndSortierung() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        QByteArray laender(91, '1');
        laender[35] = '2'; // Deutschland: only "0" hides
        laender[38] = '0'; // Preußen hidden
        o.schreibe("QNT5.INI", ini("1", "7", "1", laender));
        test::SkriptMeldungen m;
        {
            TMyWindow w;
            w.zeigeStart();
            QVERIFY(!w.Sitzung().sortAlphabet());
            QVERIFY(!w.Sitzung().wissAnzeige());
            QVERIFY(w.Sitzung().LandAngezeigt[36]);
            QVERIFY(!w.Sitzung().LandAngezeigt[39]);
            QCOMPARE(zeilen(w), (QStringList{"Meter", "Fuß", "Zoll"})); // by country, Elle of Preußen hidden
            QVERIFY(w.WissenschaZahlenanzeige1->isEnabled());
            QVERIFY(!w.Fliekommaanzeige1->isEnabled());
            w.GebietWaehlen(2);
            w.close();
        }
        laender[35] = '1';
        QCOMPARE(o.lies("QNT5.INI"), ini("3", "1", "1", laender));
    }

    void ohneGebietsindexBleibtDasFensterBenutzbar() {
        test::Datenordner o(false);
        o.schreibe("QNT5.INI", ini("2"));
        test::SkriptMeldungen m;
        {
            TMyWindow w;
            w.zeigeStart();
            QCOMPARE(m.texte(), QStringList{QStringLiteral("Datei Gruppen.nfo kann nicht geöffnet werden")});
            QCOMPARE(m.boxen[0].titel, QStringLiteral("Fehler"));
            QCOMPARE(w.ComboBox1->count(), 0);
            // Commands that need a category do nothing.
            w.Einheitausblenden1Click();
            w.EinheitensortierungnachLand1Click();
            w.EinheitensortierungnachAlphabet1Click();
            w.RechentasteClick();
            w.SpeedButton2Click();
            QCOMPARE(m.boxen.size(), 1);
            w.close();
        }
        QVERIFY(o.lies("QNT5.INI").startsWith("5.0\r\n0\r\n0\r\n0\r\n0\r\n"));
    }

    void fehlendeDatendatei() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.entferne("L.DAT");
        o.schreibe("QNT5.INI", ini("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QCOMPARE(m.texte(), (QStringList{QStringLiteral("Die Datei L.DAT konnte nicht geöffnet werden!"), kLeer}));
        m.leeren();
        w.ComboBox1->setCurrentIndex(1);
        w.ComboBox1Change();
        QCOMPARE(zeilen(w), QStringList{"Euro"});
        QVERIFY(m.boxen.isEmpty());
    }

    void sortierungNachLandDannNachNamen() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.EinheitensortierungnachLand1Click();
        QCOMPARE(zeilen(w), (QStringList{"Meter", "Fuß", "Zoll", "Elle"}));
        QVERIFY(!w.EinheitensortierungnachLand1->isEnabled());
        w.MarkiereZeile(1);
        w.Einheitausblenden1Click(); // hides Fuß in the file
        w.EinheitensortierungnachAlphabet1Click();
        QCOMPARE(zeilen(w), (QStringList{"Elle", "Meter", "Zoll"}));
        QCOMPARE(w.MarkierteZeile(), 0);
        QVERIFY(!w.Sitzung().ErgebnisGueltig);
    }

    void ausblenden() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("1"));
        const QByteArray vorher = o.lies("L.DAT");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.Einheitausblenden1Click(); // row 0: Elle
        QCOMPARE(zeilen(w), (QStringList{"Fuß", "Meter", "Zoll"}));
        QCOMPARE(w.MarkierteZeile(), 0);
        QCOMPARE(w.Label_gewaehlte_einheit->text(), QStringLiteral("Fuß"));
        QByteArray erwartet = vorher;
        erwartet[0] = 0; // only byte 0 of record 0 changed
        QCOMPARE(o.lies("L.DAT"), erwartet);

        w.MarkiereZeile(2);
        w.Einheitausblenden1Click(); // Zoll: row 1 gets marked
        QCOMPARE(w.MarkierteZeile(), 1);
        w.Einheitausblenden1Click();
        w.Einheitausblenden1Click();
        QVERIFY(zeilen(w).isEmpty());
        QVERIFY(m.boxen.isEmpty()); // the last hidden unit brings no empty-list message
        QCOMPARE(w.Label_gewaehlte_einheit->text(), QString());
        QCOMPARE(w.Info_Landname1->text(), QString());
        w.Einheitausblenden1Click(); // empty list: nothing
        QVERIFY(m.boxen.isEmpty());
    }

    void alleLaenderAusgeblendet() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("1", "0", "0", QByteArray(91, '0')));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QVERIFY(zeilen(w).isEmpty());
        QCOMPARE(m.texte(), QStringList{kLeer});
        QCOMPARE(m.boxen[0].titel, QStringLiteral("Information"));
    }

    void informationspanel() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        // Elle: both warnings, no symbol, no other names
        QCOMPARE(w.Info_reg_Unterschiede->text(), QStringLiteral("Achtung: regionale Unterschiede"));
        QCOMPARE(w.Info_zeit_unterschiede->text(), QStringLiteral("Achtung: zeitliche Unterschiede"));
        QCOMPARE(w.Info_Kurzzeichen1->text(), QString());
        QCOMPARE(w.Info_Landname2->text(), QStringLiteral("Deutschland - Preußen"));
        w.ListBoxEinheit->setCurrentRow(1); // Fuß, as a user would
        QCOMPARE(w.Info_Kurzzeichen1->text(), QStringLiteral("Kurzzeichen:"));
        QCOMPARE(w.Info_Kurzzeichen2->text(), QStringLiteral("ft"));
        QCOMPARE(w.Info_Sonstige_Namen2->text(), QStringLiteral("foot"));
        QCOMPARE(w.Info_Uebersetzung1->text(), QString());
        QCOMPARE(w.Info_Sonstige_Namen2->y(), 67); // pairs never move up
        QCOMPARE(w.Info_reg_Unterschiede->text(), QString());

        const struct {
            int index;
            const char* titel;
        } faelle[] = {{1, "Stand: "}, {2, "Sommerzeit (+ 1 Stunde): "}};
        for (const auto& f : faelle) {
            w.ComboBox1->setCurrentIndex(f.index);
            w.ComboBox1Change();
            QCOMPARE(w.Info_Uebersetzung1->text(), QString::fromUtf8(f.titel));
        }
        QCOMPARE(w.Info_Uebersetzung2->text(), QStringLiteral("letzter So. März"));
    }

    void beschreibungDesGebiets() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("2"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.SpeedButton2Click();
        QCOMPARE(m.texte(), QStringList{QStringLiteral("\r\nGeld\r\n")});
    }

    void blinkenSchrittFuerSchritt() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.Ergebnisse_anzeigen();
        QCOMPARE(w.Label_Ausgangseinheit->text(), QStringLiteral("1  Elle"));
        QCOMPARE(w.Label2->text(), QStringLiteral("="));
        QVERIFY(w.Timer1->isActive());
        const bool sichtbar[] = {true, false, true, false, true, true};
        for (int tick = 0; tick < 6; ++tick) {
            w.Timer1Timer();
            QCOMPARE(w.Label2->isVisible(), sichtbar[tick]);
            QCOMPARE(w.Flagge1->isVisible(), sichtbar[tick]);
        }
        QVERIFY(!w.Timer1->isActive());
        // The phase is not reset: the next heading starts with the opposite step.
        w.Ergebnisse_anzeigen();
        w.Timer1Timer();
        QVERIFY(!w.Label2->isVisible());
        w.ComboBox1Change();
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.Label2->text(), QString());
    }

    void zeilenfarben() {
        test::Datenordner o(false);
        kleineDatenbank(o);
        o.schreibe("QNT5.INI", ini("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.ListBoxEinheit->setCurrentRow(1);
        const auto farbe = [&](int zeile, bool fokus) {
            QStyleOptionViewItem opt;
            opt.initFrom(w.ListBoxEinheit);
            opt.rect = QRect(0, 0, 300, 16);
            opt.state = QStyle::State_Enabled;
            if (w.ListBoxEinheit->currentRow() == zeile) opt.state |= QStyle::State_Selected;
            if (fokus) opt.state |= QStyle::State_HasFocus;
            QImage bild(300, 16, QImage::Format_RGB32);
            QPainter p(&bild);
            w.ListBoxEinheit->itemDelegate()->paint(&p, opt, w.ListBoxEinheit->model()->index(zeile, 0));
            p.end();
            return QColor(bild.pixel(2, 8));
        };
        const QColor silber(192, 192, 192);
        QCOMPARE(farbe(0, false), w.ListBoxEinheit->palette().color(QPalette::Base));
        QCOMPARE(farbe(3, false), silber);
        QCOMPARE(farbe(1, false), silber); // selected but list not focused
        QVERIFY(farbe(1, true) != silber);  // selected and focused: selection colour
        QCOMPARE(farbe(2, false), w.ListBoxEinheit->palette().color(QPalette::Base));
    }
};

QTEST_MAIN(tst_Hauptfenster)
#include "tst_Hauptfenster.moc"

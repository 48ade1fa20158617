// The currency rate table: opened by the factor command in "Währungen", edited as a grid, saved as a whole.
#include <QtTest>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "app/Text.h"
#include "data/Dateischicht.h"
#include "data/Einheit.h"
#include "maintain/widgets/Fa_aenwa_neu.h"

using namespace qnt;
using test::cp1252;

namespace {

struct Waehrung {
    const char* name;
    int land;
    double faktor;
    int angezeigt = 1;
    const char* stand = "";
    const char* wert = "";
};

// The currencies in name order; the Gulden is hidden.
const Waehrung kKurse[] = {
    {"Dollar", 90, 0.92, 1, "01.06.2024", "ca. 0,9 Euro"},
    {"Escudo", 78, 0.00498797897068066},
    {"Forint", 88, 0.0025},
    {"Franken", 83, 1.04},
    {"Gulden", 71, 0.4537802160901389, 0},
    {"Mark", 36, 0.5112918811962185, 1, "fest"},
    {"Pfund", 54, 1.17},
    {"Rubel", 81, 0},
};
constexpr int kAnzahl = 8;
const char* const kCodes[kAnzahl] = {"USD", "PTE", "HUF", "CHF", "NLG", "DEM", "GBP", "RUB"};

QByteArray waehrungsdatei() {
    QByteArray b;
    for (const auto& w : kKurse) {
        TEinheitSatz s;
        s.setzeKurzzeichen(kCodes[&w - kKurse]);
        s.setzeAngezeigt(static_cast<std::uint8_t>(w.angezeigt));
        s.setzeLandNr(static_cast<std::uint8_t>(w.land));
        s.setzeName(w.name);
        s.setzeFaktor(w.faktor);
        s.setzeUebersetzung(w.stand);
        s.setzeCaWert(w.wert);
        s.bytes[271] = 0x5A; // a byte no field names survives the save
        b.append(reinterpret_cast<const char*>(s.bytes.data()), 272);
    }
    return b;
}

void datenbank(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\nWährungen\tW.DAT\tEuro\r\n"));
    o.schreibe("Gebiet.nfo", QByteArray("*\r\n*\r\n"));
    o.schreibe("L.DAT", test::satzDatei({{"Meter"}}));
    o.schreibe("W.DAT", waehrungsdatei());
    o.schreibe("QNT5.INI", test::einstellungen("2"));
}

// Runs `aktion` once the modal loop of `d` is running; whatever happens, the open dialog is closed
// afterwards, so a failed check cannot leave the test waiting.
QString text(const QTableWidget* t, int r, int s) {
    return t->item(r, s) ? t->item(r, s)->text() : QString();
}
void setze(QTableWidget* t, int r, int s, const QString& x) {
    t->item(r, s)->setText(x);
}

QStringList spalte(const QTableWidget* t, int s) {
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r)
        l << text(t, r, s);
    return l;
}

// The data folder is filled before the window reads its settings.
struct Daten {
    test::Datenordner o{false};
    Daten() { datenbank(o); }
};

struct Fixture : Daten {
    test::SkriptMeldungen m;
    TMyWindow w;
    TFaktor_aender_Waehrung_neu* d;
    QTableWidget* g;
    Fixture() {
        w.zeigeStart();
        d = w.Faktor_aender_Waehrung_neu;
        g = d->StringGrid1;
    }
};

} // namespace

class tst_Kurstabelle : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setzeFehlerHaken({}); }

    void oeffnen() {
        Fixture f;
        auto* d = f.d;
        auto* g = f.g;
        test::imDialog(d, [&] {
            QCOMPARE(d->windowTitle(), QStringLiteral("Umrechnungsfaktoren ändern - Währungen"));
            QCOMPARE(g->columnCount(), 5);
            QStringList kopf;
            for (int s = 0; s < 5; ++s) {
                kopf << g->horizontalHeaderItem(s)->text();
                QCOMPARE(g->columnWidth(s), 112);
            }
            QCOMPARE(kopf, (QStringList{"Land", "Währung", "Euro", "Stand", "Wert bzw.ca-Wert"}));
            QCOMPARE(g->rowCount(), kAnzahl); // the hidden Gulden too
            QCOMPARE(g->rowHeight(0), 20);
            QCOMPARE(spalte(g, 0), (QStringList{"USA", "Portugal", "Ungarn", "Schweiz", "Niederlande",
                                                "Deutschland", "Großbritannien", "Rußland"}));
            QCOMPARE(text(g, 0, 1), QStringLiteral("1 Dollar ="));
            QCOMPARE(text(g, 5, 2), QStringLiteral("        0,511291881196"));
            QCOMPARE(text(g, 0, 2), QStringLiteral("        0,920000000000"));
            QCOMPARE(text(g, 7, 2), QString()); // factor 0
            QCOMPARE(text(g, 0, 3), QStringLiteral("01.06.2024"));
            QCOMPARE(text(g, 0, 4), QStringLiteral("ca. 0,9 Euro"));
            for (int s = 0; s < 5; ++s)
                QCOMPARE(bool(g->item(0, s)->flags() & Qt::ItemIsEditable), s >= 2);
            QVERIFY(d->BitBtn_Land->isEnabled());
            QVERIFY(!d->BitBtn_Einheit->isEnabled());
            QVERIFY(d->BitBtn_Speichern->isDefault());
            QCOMPARE(d->BitBtn_Speichern->text(), QStringLiteral("Daten &speichern"));
            QCOMPARE(d->BitBtn_Abbrechen->text(), QStringLiteral("&Abbrechen"));
            QCOMPARE(d->Label_Festkurse->text(),
                     QStringLiteral("Achtung: Festkurse können nicht geändert werden!"));
            QCOMPARE(d->Memo1->text(),
                     QStringLiteral(
                         "Die Angaben in der Spalte \"Stand\" und \"Wert bzw. ca-Wert\" dienen nicht zur "
                         "Berechnung und werden nur zur Information im Info-Feld angezeigt (max. 32 bzw. "
                         "21 Buchstaben)."));
        });
        f.w.Umrechnungsfaktorndern1Click();
        QCOMPARE(f.g->rowCount(), 0); // discarded on closing
    }

    void falscheKurseInZeilenDreiUndSieben() {
        Fixture f;
        const QByteArray vorher = f.o.lies("W.DAT");
        bool offenGeblieben = false;
        test::imDialog(f.d, [&] {
            setze(f.g, 2, 2, "zwei");
            setze(f.g, 6, 2, "1,2,3");
            f.d->BitBtn_Speichern->click();
            offenGeblieben = f.d->isVisible();
            // Grid row 3 below the header.
            QCOMPARE(f.g->currentRow() + 1, 3);
            QCOMPARE(f.g->currentColumn(), 2);
            f.d->BitBtn_Abbrechen->click();
        });
        f.w.ErgebnisGueltig = true;
        f.w.Umrechnungsfaktorndern1Click();
        QVERIFY(offenGeblieben);
        QCOMPARE(f.m.texte(), QStringList{QStringLiteral("Falsche Eingabe, bitte berichtigen!")});
        QCOMPARE(f.m.boxen[0].art, MeldungArt::Fehler);
        QCOMPARE(f.o.lies("W.DAT"), vorher);
        QVERIFY(f.w.ErgebnisGueltig); // Abbrechen reloads nothing
    }

    void speichern() {
        Fixture f;
        const QByteArray vorher = f.o.lies("W.DAT");
        const QString stand40 = QStringLiteral("Stichtag 1. Juni 2024, Quelle Bundesbank");
        QCOMPARE(stand40.size(), 40);
        test::imDialog(f.d, [&] {
            setze(f.g, 0, 2, "0,9");
            setze(f.g, 0, 3, stand40);
            setze(f.g, 0, 4, "rund neun Zehntel Euro, schwankend");
            setze(f.g, 5, 2, "2,0");    // Mark: fixed rate
            setze(f.g, 4, 2, "1");      // Gulden: hidden, fixed rate
            setze(f.g, 2, 2, "");       // Forint: empty is 0
            setze(f.g, 7, 2, "1.5E-2"); // Rubel
            f.d->BitBtn_Speichern->click();
        });
        f.w.Umrechnungsfaktorndern1Click();
        QVERIFY(f.m.boxen.isEmpty());
        const QByteArray nachher = f.o.lies("W.DAT");
        QCOMPARE(nachher.size(), vorher.size());
        TEinheitSatz dollar = test::satzAus(vorher, 0);
        dollar.setzeFaktor(0.9);
        dollar.setzeUebersetzung(cp(stand40.left(32)));
        dollar.setzeCaWert("rund neun Zehntel Eur");
        QVERIFY(test::satzAus(nachher, 0) == dollar);
        QCOMPARE(test::satzAus(nachher, 5).Faktor(), 0.5112918811962185);
        QCOMPARE(test::satzAus(nachher, 4).Faktor(), 0.4537802160901389);
        QCOMPARE(test::satzAus(nachher, 4).Angezeigt(), 0);
        QCOMPARE(test::satzAus(nachher, 2).Faktor(), 0.0);
        QCOMPARE(test::satzAus(nachher, 7).Faktor(), 0.015);
        for (int k : {1, 3, 6})
            QVERIFY(test::satzAus(nachher, k) == test::satzAus(vorher, k));
        // The category was loaded again: the list carries the saved rates.
        QCOMPARE(f.w.ListBoxEinheit->count(), kAnzahl - 1);
        QCOMPARE(f.w.Einheitenliste[0].Satz.Faktor(), 0.9);
        QVERIFY(!f.o.existiert("TEMP.DAT"));
        // Opened again, the emptied rate stays empty.
        test::imDialog(f.d, [&] { QCOMPARE(text(f.g, 2, 2), QString()); });
        f.w.Umrechnungsfaktorndern1Click();
    }

    void sortierenUndDateiordnung() {
        Fixture f;
        const QByteArray vorher = f.o.lies("W.DAT");
        test::imDialog(f.d, [&] {
            const QStringList geoeffnet = spalte(f.g, 1);
            f.d->BitBtn_Land->click();
            QVERIFY(!f.d->BitBtn_Land->isEnabled());
            QVERIFY(f.d->BitBtn_Einheit->isEnabled());
            QCOMPARE(spalte(f.g, 0), (QStringList{"Deutschland", "Großbritannien", "Niederlande", "Portugal",
                                                  "Rußland", "Schweiz", "Ungarn", "USA"}));
            f.d->BitBtn_Einheit->click();
            QCOMPARE(spalte(f.g, 1), geoeffnet);
            QVERIFY(f.d->BitBtn_Land->isEnabled());
            QVERIFY(!f.d->BitBtn_Einheit->isEnabled());
            f.d->BitBtn_Land->click();
            setze(f.g, 7, 3, "sortiert"); // the Dollar, last by country
            f.d->BitBtn_Speichern->click();
        });
        f.w.Umrechnungsfaktorndern1Click();
        const QByteArray nachher = f.o.lies("W.DAT");
        TEinheitSatz dollar = test::satzAus(vorher, 0);
        dollar.setzeUebersetzung("sortiert");
        QVERIFY(test::satzAus(nachher, 0) == dollar);
        for (int k = 1; k < kAnzahl; ++k)
            QVERIFY2(test::satzAus(nachher, k) == test::satzAus(vorher, k), kKurse[k].name);
    }

    void abbrechenSchreibtNichts() {
        Fixture f;
        const QByteArray vorher = f.o.lies("W.DAT");
        test::imDialog(f.d, [&] {
            setze(f.g, 0, 2, "5");
            f.d->BitBtn_Abbrechen->click();
        });
        f.w.Umrechnungsfaktorndern1Click();
        QCOMPARE(f.o.lies("W.DAT"), vorher);
        QCOMPARE(f.w.Einheitenliste[0].Satz.Faktor(), 0.92);
    }

    void misslungenesSpeichernLaesstDieDateiGanz() {
        Fixture f;
        const QByteArray vorher = f.o.lies("W.DAT");
        test::imDialog(f.d, [&] {
            setze(f.g, 0, 2, "5");
            setzeFehlerHaken([](DateiOp op, std::string_view) { return op == DateiOp::Umbenennen; });
            f.d->BitBtn_Speichern->click();
            setzeFehlerHaken({});
        });
        f.w.Umrechnungsfaktorndern1Click();
        QVERIFY(!f.d->isVisible()); // closes all the same
        QCOMPARE(f.m.texte().value(0), QStringLiteral("Die Datei W.DAT konnte nicht geöffnet werden oder die "
                                                      "revidierte Datei konnte nicht geschrieben werden!"));
        QCOMPARE(f.o.lies("W.DAT"), vorher);
        QCOMPARE(f.w.Einheitenliste[0].Satz.Faktor(), 0.92);
    }

    void unlesbareDateiWirdNichtUeberschrieben() {
        Fixture f;
        bool speichernMoeglich = true;
        test::imDialog(f.d, [&] { speichernMoeglich = f.d->BitBtn_Speichern->isEnabled(); });
        f.o.entferne("W.DAT");
        f.w.Umrechnungsfaktorndern1Click();
        QCOMPARE(f.m.texte().value(0), QStringLiteral("Die Datei W.DAT konnte nicht geöffnet werden!"));
        QVERIFY(!speichernMoeglich);
        QVERIFY(!f.o.existiert("W.DAT"));
    }

    void referenzkurseAusDatei() {
        Fixture f;
        const QByteArray vorher = f.o.lies("W.DAT");
        f.o.schreibe("kurse.csv",
                     "Date, USD, CHF, HUF, NLG, JPY, \r\n04 December 2026, 1.25, 0.8, 500, 2, 160, \r\n");
        test::imDialog(f.d, [&] {
            f.d->KurseAusDatei(f.o.pfad() + "/fehlt.csv");
            QCOMPARE(f.m.texte(),
                     QStringList{"Die Datei " + f.o.pfad() + "/fehlt.csv kann nicht gelesen werden."});
            setze(f.g, 6, 3, "getippt"); // the Pfund is not in the file
            f.d->KurseAusDatei(f.o.pfad() + "/kurse.csv");
            QCOMPARE(f.d->Label_Kursstand->text(),
                     QStringLiteral("3 Kurse vom 2026-12-04 übernommen, 5 unverändert"));
            QCOMPARE(text(f.g, 0, 2), QStringLiteral("        0,800000000000"));
            QCOMPARE(text(f.g, 3, 3), QStringLiteral("2026-12-04"));
            QCOMPARE(text(f.g, 6, 3), QStringLiteral("getippt"));
            for (int r = 0; r < kAnzahl; ++r)
                QCOMPARE(f.g->item(r, 1)->font().bold(), r == 0 || r == 2 || r == 3);
            f.d->BitBtn_Speichern->click();
        });
        f.w.Umrechnungsfaktorndern1Click();
        QCOMPARE(f.m.texte().size(), 1);
        const QByteArray nachher = f.o.lies("W.DAT");
        const double faktor[] = {0.8, 0, 0.002, 1.25};
        for (int k = 0; k < kAnzahl; ++k) {
            TEinheitSatz s = test::satzAus(vorher, k);
            if (k == 0 || k == 2 || k == 3) {
                s.setzeFaktor(faktor[k]);
                s.setzeUebersetzung("2026-12-04");
            }
            if (k == 6) s.setzeUebersetzung("getippt");
            QVERIFY2(test::satzAus(nachher, k) == s, kKurse[k].name);
        }
    }

    void internetFehlerLaesstDieTabelle() {
        Fixture f;
        test::imDialog(f.d, [&] {
            const QStringList vorher = spalte(f.g, 2);
            f.d->Kursadresse =
                QUrl(QStringLiteral("http://127.0.0.1:1/eurofxref-daily.xml")); // nobody listens
            f.d->KurseAusDemInternet();
            QCOMPARE(f.m.texte(), QStringList{"Der Server 127.0.0.1 hat die Verbindung abgelehnt."});
            QCOMPARE(spalte(f.g, 2), vorher);
            QCOMPARE(f.d->Label_Kursstand->text(), QString());
            QVERIFY(!QApplication::overrideCursor());
        });
        f.w.Umrechnungsfaktorndern1Click();
    }

    void editierteZelleZaehltBeimSpeichern() {
        Fixture f;
        test::imDialog(f.d, [&] {
            f.g->setCurrentCell(3, 2);
            f.g->editItem(f.g->item(3, 2));
            auto* editor = qobject_cast<QLineEdit*>(f.g->indexWidget(f.g->currentIndex()));
            QVERIFY(editor);
            editor->setText("1,1");
            f.d->BitBtn_Speichern->click();
        });
        f.w.Umrechnungsfaktorndern1Click();
        QCOMPARE(test::satzAus(f.o.lies("W.DAT"), 3).Faktor(), 1.1);
    }
};

QTEST_MAIN(tst_Kurstabelle)
#include "tst_Kurstabelle.moc"

// The category dialogs: a new category's fields reach the index, the descriptions and its data file; deleting
// one asks first; the reports of both.
#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Fensterprobe.h"
#include "data/Dateischicht.h"
#include "maintain/widgets/GebietLoeschen.h"
#include "maintain/widgets/GebietNeuDialog.h"

using namespace qnt;
using test::cp1252;

namespace {

const QByteArray kGruppen = cp1252("Energie\tE.DAT\tJoule\r\nLänge\tL.DAT\tMeter\r\nZeit\tZ.DAT\tSekunde\r\n");
const QByteArray kInfo = cp1252("Energie: \r\nArbeit.\r\n*\r\nLänge: \r\nStrecken.\r\n*\r\nZeit: \r\nDauer.\r\n*\r\n");

// Three categories, "Länge" chosen.
void dreiGebiete(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", kGruppen);
    o.schreibe("Gebiet.nfo", kInfo);
    o.schreibe("E.DAT", test::satzDatei({{"Joule"}, {"Kalorie", 2, 4.1868}}));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 2, 0.3048}, {"Meter"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Sekunde"}, {"Stunde", 2, 3600}}));
    o.schreibe("QNT5.INI", test::einstellungen("2"));
}

// Every file of the folder with its bytes, to prove that nothing was written.
QMap<QString, QByteArray> alleDateien(const test::Datenordner& o) {
    QMap<QString, QByteArray> m;
    for (const auto& name : QDir(o.pfad()).entryList(QDir::Files))
        m.insert(name, o.lies(name));
    return m;
}

void fuelle(TGebietNeuDlg* d, const QString& name, const QString& grundeinheit, const QString& datei) {
    d->EditName->setText(name);
    d->EditNameExit();
    d->EditGrundeinheit->setText(grundeinheit);
    if (!datei.isNull()) d->EditDateiname->setText(datei);
}

} // namespace

class tst_Gebiete : public QObject {
    Q_OBJECT
private slots:
    // Every field reaches the files, and the new category is loaded and chosen.
    void neuesGebiet() {
        test::Fensterprobe p(dreiGebiete);
        auto* d = p.w().GebietNeuDlg;
        test::imDialog(d, [&] {
            fuelle(d, "Akustik", "Bel", "NEU");
            d->EditKurzzeichen->setText("B");
            d->EditWeitereNamen->setText("Dezibel");
            d->EditEinsatzgebiet->setText("Schall");
            d->ComboBoxLand->setCurrentIndex(d->ComboBoxLand->findText("Deutschland"));
            d->MemoInfo->setPlainText("Erste Zeile\nzweite Zeile");
            d->BtnEinfuegen->click();
        });
        p.w().NeuesGebieteinfgen1Click();
        QVERIFY(p.m.boxen.isEmpty());
        QCOMPARE(p.o.lies("Gruppen.nfo"), "Akustik\tNEU.DAT\tBel\r\n" + kGruppen);
        QCOMPARE(p.o.lies("Gebiet.nfo"), "Akustik: \r\nErste Zeile\r\nzweite Zeile\r\n*\r\n" + kInfo);
        TEinheitSatz erwartet;
        erwartet.setzeAngezeigt(1);
        erwartet.setzeEigene('j');
        erwartet.setzeLandNr(36);
        erwartet.setzeKurzzeichen("B");
        erwartet.setzeName("Bel");
        erwartet.setzeSonstigeNamen("Dezibel");
        erwartet.setzeEinsatzgebiet("Schall");
        erwartet.setzeFaktor(1.0);
        QCOMPARE(p.o.lies("NEU.DAT"), QByteArray(reinterpret_cast<const char*>(erwartet.bytes.data()), 272));
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Akustik"));
        QCOMPARE(p.liste(), QStringList{"Bel"});
    }

    // Each opening starts empty; leaving the name field proposes the file name, again each time.
    void oeffnenUndDateinamenvorschlag() {
        test::Fensterprobe p(dreiGebiete);
        auto* d = p.w().GebietNeuDlg;
        d->show();
        fuelle(d, "Alt", "Rest", "ALT");
        d->MemoInfo->setPlainText("Text");
        d->hide();
        d->show();
        for (QLineEdit* e : {d->EditName, d->EditGrundeinheit, d->EditDateiname})
            QVERIFY(e->text().isEmpty());
        QVERIFY(d->MemoInfo->toPlainText().isEmpty());
        QCOMPARE(d->ComboBoxLand->currentText(), QStringLiteral("SI-Einheit"));
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        d->EditName->setFocus();
        d->EditName->setText("Längeneinheiten alt");
        d->EditGrundeinheit->setFocus(Qt::TabFocusReason);
        QCOMPARE(d->EditDateiname->text(), QStringLiteral("LÄNGENEI"));
        d->EditDateiname->setText("AKU");
        d->EditName->setFocus(Qt::TabFocusReason);
        d->EditGrundeinheit->setFocus(Qt::TabFocusReason);
        QCOMPARE(d->EditDateiname->text(), QStringLiteral("LÄNGENEI"));
        d->hide();
    }

    // Each refusal is reported in turn, the last field named takes the focus, and nothing is written; a
    // data file that cannot be made leaves everything as it was.
    void neuesGebietVerweigert_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("platteVoll");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<QString>("fokus");
        const QString fehlt = QStringLiteral("Fehlende Angabe im Editierfeld!");
        QTest::newRow("alles leer") << "" << "" << false << QStringList{fehlt, fehlt, fehlt} << "";
        QTest::newRow("Datei und Name vorhanden")
            << "Zeit"
            << "z" << false
            << QStringList{"Der Dateiname ist schon vorhanden, bitte ändern!",
                           "Der Name des Gebietes ist schon vorhanden, bitte ändern!"}
            << "Zeit";
        QTest::newRow("Datei nicht anlegbar") << "Akustik" << "AKU" << true << QStringList{} << "Akustik";
    }
    void neuesGebietVerweigert() {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QFETCH(bool, platteVoll);
        QFETCH(QStringList, meldungen);
        QFETCH(QString, fokus);
        test::Fensterprobe p(dreiGebiete);
        const auto vorher = alleDateien(p.o);
        auto* d = p.w().GebietNeuDlg;
        test::imDialog(d, [&] {
            fuelle(d, name, name.isEmpty() ? "" : "Bel", datei);
            if (platteVoll)
                setzeFehlerHaken([](DateiOp op, std::string_view) { return op == DateiOp::Erzeugen; });
            d->BtnEinfuegen->click();
            setzeFehlerHaken({});
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), fokus.isEmpty() ? d->EditDateiname : d->EditName);
            d->BtnAbbrechen->click();
        });
        p.w().NeuesGebieteinfgen1Click();
        if (platteVoll) {
            QCOMPARE(p.m.boxen.size(), 1);
            QCOMPARE(p.m.boxen[0].art, MeldungArt::Fehler);
        } else {
            QCOMPARE(p.m.texte(), meldungen);
        }
        QCOMPARE(alleDateien(p.o), vorher);
        QCOMPARE(p.w().ComboBox1->count(), 3);
    }

    // Deleting asks first; "Nein" and Abbrechen change nothing, "Ja" removes the category everywhere.
    void loeschen() {
        test::Fensterprobe p(dreiGebiete);
        const auto vorher = alleDateien(p.o);
        auto* d = p.w().GebietLoeschenDlg;
        test::imDialog(d, [&] {
            QCOMPARE(d->ListBox1->currentRow(), 1); // the current category
            p.m.antworte(KnopfNein);
            d->OKBtn->click();
        });
        p.w().VorhandenesGebietlschen1Click();
        test::imDialog(d, [&] { d->CancelBtn->click(); });
        p.w().VorhandenesGebietlschen1Click();
        QCOMPARE(alleDateien(p.o), vorher);
        test::imDialog(d, [&] {
            d->ListBox1->setCurrentRow(0);
            p.m.antworte(KnopfJa);
            d->OKBtn->click();
        });
        p.w().VorhandenesGebietlschen1Click();
        QCOMPARE(p.m.texte(), (QStringList{"Soll das Gebiet \"Länge\" wirklich gelöscht werden?",
                                           "Soll das Gebiet \"Energie\" wirklich gelöscht werden?"}));
        QCOMPARE(p.m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        QCOMPARE(p.o.lies("Gruppen.nfo"), kGruppen.mid(kGruppen.indexOf('\n') + 1));
        QCOMPARE(p.o.lies("Gebiet.nfo"), kInfo.mid(kInfo.indexOf("*\r\n") + 3));
        QVERIFY(!p.o.existiert("E.DAT"));
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Länge"));
        QCOMPARE(p.liste(), (QStringList{"Fuß", "Meter"}));
    }

    // The only category stays; a missing data file ends the deletion with a report, and the dialog closes.
    void loeschenVerweigert_data() {
        QTest::addColumn<bool>("einziges");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("einziges Gebiet") << true << QStringList{"Das einzige Gebiet kann nicht gelöscht werden!"};
        QTest::newRow("Datendatei fehlt")
            << false
            << QStringList{"Soll das Gebiet \"Energie\" wirklich gelöscht werden?", "Datei nicht gefunden"};
    }
    void loeschenVerweigert() {
        QFETCH(bool, einziges);
        QFETCH(QStringList, meldungen);
        test::Fensterprobe p([&](const test::Datenordner& o) {
            dreiGebiete(o);
            if (einziges) {
                o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\n"));
                o.schreibe("Gebiet.nfo", cp1252("Länge: \r\n*\r\n"));
                o.schreibe("QNT5.INI", test::einstellungen("1"));
            }
            o.entferne("E.DAT");
        });
        const auto vorher = alleDateien(p.o);
        auto* d = p.w().GebietLoeschenDlg;
        test::imDialog(d, [&] {
            d->ListBox1->setCurrentRow(0);
            p.m.antworte(KnopfJa);
            d->OKBtn->click();
        });
        p.w().VorhandenesGebietlschen1Click();
        QCOMPARE(p.m.texte(), meldungen);
        QVERIFY(!d->isVisible());
        QCOMPARE(alleDateien(p.o), vorher);
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Länge"));
    }
};

QTEST_MAIN(tst_Gebiete)
#include "tst_Gebiete.moc"

// The category dialogs: a new category's fields reach its files; deleting asks first; their reports.
#include <QPlainTextEdit>

#include "Fensterprobe.h"
#include "maintain/widgets/GebietLoeschen.h"
#include "maintain/widgets/GebietNeuDialog.h"

using namespace qnt;
using test::cp1252;

namespace {

const QByteArray kGruppen =
    cp1252("Energie\tE.DAT\tJoule\r\nLänge\tL.DAT\tMeter\r\nZeit\tZ.DAT\tSekunde\r\n");
const QByteArray kInfo =
    cp1252("Energie: \r\nArbeit.\r\n*\r\nLänge: \r\nStrecken.\r\n*\r\nZeit: \r\nDauer.\r\n*\r\n");

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
        p.befehl(d, &TMyWindow::NeuesGebieteinfgen1Click, [&] {
            fuelle(d, "Akustik", "Bel", "NEU");
            d->EditKurzzeichen->setText("B");
            d->EditWeitereNamen->setText("Dezibel");
            d->EditEinsatzgebiet->setText("Schall");
            d->ComboBoxLand->setCurrentIndex(d->ComboBoxLand->findText("Deutschland"));
            d->MemoInfo->setPlainText("Erste Zeile\nzweite Zeile");
            d->BtnEinfuegen->click();
        });
        QVERIFY(p.m.boxen.isEmpty());
        QCOMPARE(p.o.lies("Gruppen.nfo"), "Akustik\tNEU.DAT\tBel\r\n" + kGruppen);
        QCOMPARE(p.o.lies("Gebiet.nfo"), "Akustik: \r\nErste Zeile\r\nzweite Zeile\r\n*\r\n" + kInfo);
        const TEinheitSatz s = test::satzAus(p.o.lies("NEU.DAT"), 0);
        QCOMPARE((std::vector<std::string>{s.Name(), s.Kurzzeichen(), s.SonstigeNamen(), s.Einsatzgebiet()}),
                 (std::vector<std::string>{"Bel", "B", "Dezibel", "Schall"}));
        QCOMPARE(s.LandNr(), 36);
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

    // Each refusal is reported in turn, the last field named takes the focus, and nothing is written.
    void neuesGebietVerweigert_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("meldungen");
        const QString fehlt = QStringLiteral("Fehlende Angabe im Editierfeld!");
        QTest::newRow("alles leer") << "" << QStringList{fehlt, fehlt, fehlt};
        QTest::newRow("Datei und Name vorhanden")
            << "Zeit"
            << QStringList{"Der Dateiname ist schon vorhanden, bitte ändern!",
                           "Der Name des Gebietes ist schon vorhanden, bitte ändern!"};
    }
    void neuesGebietVerweigert() {
        QFETCH(QString, name);
        QFETCH(QStringList, meldungen);
        test::Fensterprobe p(dreiGebiete);
        const auto vorher = alleDateien(p.o);
        auto* d = p.w().GebietNeuDlg;
        p.befehl(d, &TMyWindow::NeuesGebieteinfgen1Click, [&] {
            fuelle(d, name, name.isEmpty() ? "" : "Bel", name.left(1).toLower());
            d->BtnEinfuegen->click();
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), name.isEmpty() ? d->EditDateiname : d->EditName);
            d->BtnAbbrechen->click();
        });
        QCOMPARE(p.m.texte(), meldungen);
        QCOMPARE(alleDateien(p.o), vorher);
    }

    // Deleting asks first; "Nein" and Abbrechen change nothing, "Ja" removes the category everywhere.
    void loeschen() {
        test::Fensterprobe p(dreiGebiete);
        const auto vorher = alleDateien(p.o);
        auto* d = p.w().GebietLoeschenDlg;
        p.befehl(d, &TMyWindow::VorhandenesGebietlschen1Click, [&] {
            QCOMPARE(d->ListBox1->currentRow(), 1); // the current category
            p.m.antworte(KnopfNein);
            d->OKBtn->click();
        });
        p.befehl(d, &TMyWindow::VorhandenesGebietlschen1Click, [&] { d->CancelBtn->click(); });
        QCOMPARE(alleDateien(p.o), vorher);
        p.befehl(d, &TMyWindow::VorhandenesGebietlschen1Click, [&] {
            d->ListBox1->setCurrentRow(0);
            p.m.antworte(KnopfJa);
            d->OKBtn->click();
        });
        QCOMPARE(p.m.texte(), (QStringList{"Soll das Gebiet \"Länge\" wirklich gelöscht werden?",
                                           "Soll das Gebiet \"Energie\" wirklich gelöscht werden?"}));
        QCOMPARE(p.m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        QCOMPARE(p.o.lies("Gruppen.nfo"), kGruppen.mid(kGruppen.indexOf('\n') + 1));
        QCOMPARE(p.o.lies("Gebiet.nfo"), kInfo.mid(kInfo.indexOf("*\r\n") + 3));
        QVERIFY(!p.o.existiert("E.DAT"));
        QCOMPARE(p.w().ComboBox1->currentText(), QStringLiteral("Länge"));
        QCOMPARE(p.liste(), (QStringList{"Fuß", "Meter"}));

        // A missing data file ends the deletion with a report; the dialog closes all the same.
        p.m.leeren();
        p.o.entferne("Z.DAT");
        const auto danach = alleDateien(p.o);
        p.befehl(d, &TMyWindow::VorhandenesGebietlschen1Click, [&] {
            d->ListBox1->setCurrentRow(1);
            p.m.antworte(KnopfJa);
            d->OKBtn->click();
        });
        QCOMPARE(p.m.texte(),
                 (QStringList{"Soll das Gebiet \"Zeit\" wirklich gelöscht werden?", "Datei nicht gefunden"}));
        QCOMPARE(p.m.boxen[1].art, MeldungArt::Fehler);
        QVERIFY(!d->isVisible());
        QCOMPARE(alleDateien(p.o), danach);
    }
};

QTEST_MAIN(tst_Gebiete)
#include "tst_Gebiete.moc"

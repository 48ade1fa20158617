#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "data/Dateischicht.h"
#include "data/Einheit.h"
#include "maintain/widgets/GebietLoeschen.h"
#include "maintain/widgets/GebietNeuDialog.h"

using namespace qnt;
using test::cp1252;

namespace {

const QByteArray kGruppen = cp1252("Beschleunigung\tB.DAT\tMeter pro Sekundenquadrat\r\n"
                                   "Energie\tE.DAT\tJoule\r\n"
                                   "Länge\tL.DAT\tMeter\r\n"
                                   "Temperatur\tT.DAT\tKelvin\r\n"
                                   "Zeit\tZ.DAT\tSekunde\r\n");
const QByteArray kInfo = cp1252("Beschleunigung: \r\nÄnderung der Geschwindigkeit.\r\n*\r\n"
                                "Energie: \r\nArbeit.\r\nZwei Zeilen.\r\n*\r\n"
                                "Länge: \r\nStrecken.\r\n*\r\n"
                                "Temperatur: \r\nWärme.\r\n*\r\n"
                                "Zeit: \r\nDauer.\r\n*\r\n");

// Five categories, each with a data file of its own.
void fuenfGebiete(const test::Datenordner& o) {
    o.schreibe("Gruppen.nfo", kGruppen);
    o.schreibe("Gebiet.nfo", kInfo);
    o.schreibe("B.DAT", test::satzDatei({{"Meter pro Sekundenquadrat"}, {"Gal", 2, 0.01}}));
    o.schreibe("E.DAT", test::satzDatei({{"Joule"}, {"Kalorie", 2, 4.1868}}));
    o.schreibe("L.DAT", test::satzDatei({{"Fuß", 2, 0.3048}, {"Meter"}}));
    o.schreibe("T.DAT", test::satzDatei({{"Kelvin"}}));
    o.schreibe("Z.DAT", test::satzDatei({{"Sekunde"}, {"Stunde", 2, 3600}}));
    o.schreibe("QNT5.INI", test::einstellungen("3"));
}

QStringList zeilen(const QComboBox* c) {
    QStringList z;
    for (int i = 0; i < c->count(); ++i)
        z << c->itemText(i);
    return z;
}

QStringList zeilen(const QListWidget* l) {
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->item(i)->text();
    return z;
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
    void neuerDialogBeimOeffnen() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.GebietNeuDlg;
        d->show();
        fuelle(d, "Alt", "Rest", "ALT");
        d->MemoInfo->setPlainText("Text");
        d->ComboBoxLand->setCurrentIndex(5);
        d->hide();
        d->show();
        for (QLineEdit* e : {d->EditName, d->EditGrundeinheit, d->EditKurzzeichen, d->EditWeitereNamen,
                             d->EditEinsatzgebiet, d->EditDateiname})
            QVERIFY(e->text().isEmpty());
        QVERIFY(d->MemoInfo->toPlainText().isEmpty());
        QCOMPARE(d->focusWidget(), d->EditName);
        QCOMPARE(d->ComboBoxLand->count(), 66);
        QCOMPARE(d->ComboBoxLand->currentText(), QStringLiteral("SI-Einheit"));
        QCOMPARE(d->ComboBoxLand->itemText(65), QStringLiteral("Vietnam"));
        QCOMPARE(d->ComboBoxLand->findText(QString()), -1);
        // Typing beyond a field's limit is cut off as it happens.
        QTest::keyClicks(d->EditDateiname, "ABCDEFGHIJ");
        QCOMPARE(d->EditDateiname->text(), QStringLiteral("ABCDEFGH"));
    }

    void verlassenDesNamensfeldesSchlaegtVor() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.GebietNeuDlg;
        d->show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        d->EditName->setFocus();
        d->EditName->setText("Längeneinheiten alt");
        d->EditGrundeinheit->setFocus(Qt::TabFocusReason);
        QCOMPARE(d->EditDateiname->text(), QStringLiteral("LÄNGENEI"));
        // The proposal may be edited; leaving the name field again overwrites it.
        d->EditDateiname->setText("AKU");
        d->EditName->setFocus(Qt::TabFocusReason);
        d->EditGrundeinheit->setFocus(Qt::TabFocusReason);
        QCOMPARE(d->EditDateiname->text(), QStringLiteral("LÄNGENEI"));
    }

    void gebietWirdAnSeinerStelleEingefuegt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("stelle");
        QTest::newRow("vor dem ersten") << "Akustik" << 0;
        QTest::newRow("gleicher Name in anderer Schreibung dahinter") << "energie" << 2;
        QTest::newRow("Umlaut nach den Großbuchstaben") << "Ärger" << 5;
        QTest::newRow("hinter dem letzten") << "Zylinder" << 5;
    }
    void gebietWirdAnSeinerStelleEingefuegt() {
        QFETCH(QString, name);
        QFETCH(int, stelle);
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.GebietNeuDlg;
        test::imDialog(d, [&] {
            fuelle(d, name, "Bel", "NEU");
            d->EditKurzzeichen->setText("B");
            d->EditWeitereNamen->setText("Dezibel");
            d->EditEinsatzgebiet->setText("Schall");
            d->ComboBoxLand->setCurrentIndex(d->ComboBoxLand->findText("Deutschland"));
            d->MemoInfo->setPlainText("Erste Zeile\nzweite Zeile");
            d->BtnEinfuegen->click();
        });
        w.NeuesGebieteinfgen1Click();
        QVERIFY(!d->isVisible());
        QVERIFY(m.boxen.isEmpty());

        QStringList gruppen = QString::fromLatin1(kGruppen).split("\r\n", Qt::SkipEmptyParts);
        gruppen.insert(stelle, name + "\tNEU.DAT\tBel");
        QCOMPARE(o.lies("Gruppen.nfo"), gruppen.join("\r\n").toLatin1() + "\r\n");
        QStringList info = QString::fromLatin1(kInfo).split("*\r\n", Qt::SkipEmptyParts);
        info.insert(stelle, name + ": \r\nErste Zeile\r\nzweite Zeile\r\n");
        QCOMPARE(o.lies("Gebiet.nfo"), info.join("*\r\n").toLatin1() + "*\r\n");

        const QByteArray satz = o.lies("NEU.DAT");
        QCOMPARE(satz.size(), 272);
        TEinheitSatz erwartet;
        erwartet.setzeAngezeigt(1);
        erwartet.setzeEigene('j');
        erwartet.setzeLandNr(36);
        erwartet.setzeKurzzeichen("B");
        erwartet.setzeName("Bel");
        erwartet.setzeSonstigeNamen("Dezibel");
        erwartet.setzeEinsatzgebiet("Schall");
        erwartet.setzeFaktor(1.0);
        QCOMPARE(satz, QByteArray(reinterpret_cast<const char*>(erwartet.bytes.data()), 272));

        // The new category is loaded with its base unit alone.
        QCOMPARE(w.ComboBox1->count(), 6);
        QCOMPARE(w.ComboBox1->currentIndex(), stelle);
        QCOMPARE(w.ComboBox1->currentText(), name);
        QCOMPARE(test::einheitennamen(w.ListBoxEinheit), QStringList{"Bel"});
        QCOMPARE(w.Label_gewaehlte_einheit->text(), QStringLiteral("Bel"));
        QCOMPARE(w.Sitzung().Gebiete[static_cast<std::size_t>(stelle)].Bezug, std::string("Bel"));
        w.SpeedButton2Click();
        QCOMPARE(m.texte().last(),
                 QString(stelle == 0 ? "" : "\r\n") + name + ": \r\nErste Zeile\r\nzweite Zeile\r\n");
    }

    void leereInformation() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.GebietNeuDlg;
        d->show();
        fuelle(d, "Akustik", "Bel", QString());
        d->BtnEinfuegen->click();
        QVERIFY(o.lies("Gebiet.nfo")
                    .startsWith("Akustik: \r\nKeine Angaben vorhanden.\r\n*\r\nBeschleunigung: \r\n"));
        QVERIFY(o.existiert("AKUSTIK.DAT"));
    }

    void pruefungenVerweigern_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grundeinheit");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<QString>("fokus");
        const QString fehlt = QStringLiteral("Fehlende Angabe im Editierfeld!");
        const QString dateiDa = QStringLiteral("Der Dateiname ist schon vorhanden, bitte ändern!");
        const QString nameDa = QStringLiteral("Der Name des Gebietes ist schon vorhanden, bitte ändern!");
        const QString unzulaessig = QStringLiteral("Der Dateiname ist nicht zulässig, bitte ändern!");
        QTest::newRow("alles leer") << ""
                                    << ""
                                    << "" << QStringList{fehlt, fehlt, fehlt} << "EditDateiname";
        QTest::newRow("Datei vorhanden, andere Schreibung") << "Akustik"
                                                            << "Bel"
                                                            << "l" << QStringList{dateiDa} << "EditDateiname";
        QTest::newRow("Datei und Name vorhanden") << "Zeit"
                                                  << "Bel"
                                                  << "Z" << QStringList{dateiDa, nameDa} << "EditName";
        QTest::newRow("Pfad") << "Akustik"
                              << "Bel"
                              << "../AKU" << QStringList{unzulaessig} << "EditDateiname";
        QTest::newRow("zwei Punkte") << "Akustik"
                                     << "Bel"
                                     << ".." << QStringList{unzulaessig} << "EditDateiname";
        QTest::newRow("TEMP der Revision") << "Akustik"
                                           << "Bel"
                                           << "temp" << QStringList{unzulaessig} << "EditDateiname";
    }
    void pruefungenVerweigern() {
        QFETCH(QString, name);
        QFETCH(QString, grundeinheit);
        QFETCH(QString, datei);
        QFETCH(QStringList, meldungen);
        QFETCH(QString, fokus);
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const auto vorher = alleDateien(o);
        auto* d = w.GebietNeuDlg;
        test::imDialog(d, [&] {
            fuelle(d, name, grundeinheit, datei);
            d->BtnEinfuegen->click();
            QCOMPARE(m.texte(), meldungen);
            for (const auto& b : m.boxen)
                QCOMPARE(b.knoepfe, int(KnopfOK));
            QVERIFY(d->isVisible());
            const QMap<QString, QWidget*> felder{{"EditName", d->EditName},
                                                 {"EditGrundeinheit", d->EditGrundeinheit},
                                                 {"EditDateiname", d->EditDateiname}};
            QCOMPARE(d->focusWidget(), felder.value(fokus));
            QCOMPARE(d->EditName->text(), name); // everything typed stays
            d->BtnAbbrechen->click();
        });
        w.NeuesGebieteinfgen1Click();
        QCOMPARE(alleDateien(o), vorher);
        QCOMPARE(w.ComboBox1->count(), 5);
    }

    void abbrechenSchreibtNichts() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const auto vorher = alleDateien(o);
        test::imDialog(w.GebietNeuDlg, [&] {
            fuelle(w.GebietNeuDlg, "Akustik", "Bel", QString());
            w.GebietNeuDlg->BtnAbbrechen->click();
        });
        w.NeuesGebieteinfgen1Click();
        QCOMPARE(alleDateien(o), vorher);
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Länge"));
    }

    void datendateiNichtAnlegbar() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const auto vorher = alleDateien(o);
        auto* d = w.GebietNeuDlg;
        d->show();
        fuelle(d, "Akustik", "Bel", QString());
        setzeFehlerHaken([](DateiOp op, std::string_view name) {
            return op == DateiOp::Erzeugen && name == "AKUSTIK.DAT";
        });
        d->BtnEinfuegen->click();
        setzeFehlerHaken(nullptr);
        QCOMPARE(m.boxen.size(), 1);
        QCOMPARE(m.boxen[0].titel, QStringLiteral("Fehler"));
        QVERIFY(d->isVisible());
        QCOMPARE(alleDateien(o), vorher);
        QCOMPARE(w.Sitzung().Gebiete.size(), std::size_t(5));
        // Once the disk takes it again, the same input goes through.
        d->BtnEinfuegen->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Akustik"));
    }

    void ohneLesbarenIndexBleibenDieDateien() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        o.entferne("Gebiet.nfo");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QCOMPARE(w.ComboBox1->count(), 0);
        const auto vorher = alleDateien(o);
        QStringList geoeffnet;
        const auto schliessen = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* d = QApplication::activeModalWidget()) {
                    geoeffnet << d->windowTitle();
                    static_cast<QDialog*>(d)->reject();
                }
            });
        };
        schliessen();
        w.NeuesGebieteinfgen1Click();
        QCoreApplication::processEvents();
        schliessen();
        w.VorhandenesGebietlschen1Click();
        QCoreApplication::processEvents();
        QCOMPARE(geoeffnet, QStringList{});
        QCOMPARE(alleDateien(o), vorher);
    }

    // ---------------------------------------------------------------- deleting

    void zweitesVonFuenfLoeschen() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        auto* d = w.GebietLoeschenDlg;
        test::imDialog(d, [&] {
            QCOMPARE(zeilen(d->ListBox1), zeilen(w.ComboBox1));
            QCOMPARE(d->ListBox1->currentRow(), 2); // the current category
            QCOMPARE(d->focusWidget(), d->ListBox1);
            d->ListBox1->setCurrentRow(1);
            m.antworte(KnopfJa);
            d->OKBtn->click();
        });
        w.VorhandenesGebietlschen1Click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(m.boxen.size(), 1);
        QCOMPARE(m.boxen[0].text, QStringLiteral("Soll das Gebiet \"Energie\" wirklich gelöscht werden?"));
        QCOMPARE(m.boxen[0].knoepfe, KnopfJa | KnopfNein);
        QCOMPARE(o.lies("Gruppen.nfo"), cp1252("Beschleunigung\tB.DAT\tMeter pro Sekundenquadrat\r\n"
                                               "Länge\tL.DAT\tMeter\r\n"
                                               "Temperatur\tT.DAT\tKelvin\r\n"
                                               "Zeit\tZ.DAT\tSekunde\r\n"));
        QCOMPARE(o.lies("Gebiet.nfo"), cp1252("Beschleunigung: \r\nÄnderung der Geschwindigkeit.\r\n*\r\n"
                                              "Länge: \r\nStrecken.\r\n*\r\n"
                                              "Temperatur: \r\nWärme.\r\n*\r\n"
                                              "Zeit: \r\nDauer.\r\n*\r\n"));
        QVERIFY(!o.existiert("E.DAT"));
        QCOMPARE(zeilen(w.ComboBox1), (QStringList{"Beschleunigung", "Länge", "Temperatur", "Zeit"}));
        QCOMPARE(w.ComboBox1->currentIndex(), 0);
        QCOMPARE(test::einheitennamen(w.ListBoxEinheit), (QStringList{"Meter pro Sekundenquadrat", "Gal"}));
        m.leeren();
        w.GebietWaehlen(1);
        w.SpeedButton2Click();
        QCOMPARE(m.texte(), QStringList{"\r\nLänge: \r\nStrecken.\r\n"});
    }

    void neinUndAbbrechenAendernNichts() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const auto vorher = alleDateien(o);
        auto* d = w.GebietLoeschenDlg;
        test::imDialog(d, [&] {
            m.antworte(KnopfNein);
            d->OKBtn->click();
        });
        w.VorhandenesGebietlschen1Click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(m.texte(), QStringList{"Soll das Gebiet \"Länge\" wirklich gelöscht werden?"});
        test::imDialog(d, [&] { d->CancelBtn->click(); });
        w.VorhandenesGebietlschen1Click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(alleDateien(o), vorher);
        QCOMPARE(w.ComboBox1->count(), 5);
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Länge"));
    }

    void einzigesGebietBleibt() {
        test::Datenordner o(false);
        o.schreibe("Gruppen.nfo", cp1252("Länge\tL.DAT\tMeter\r\n"));
        o.schreibe("Gebiet.nfo", cp1252("Länge: \r\n*\r\n"));
        o.schreibe("L.DAT", test::satzDatei({{"Meter"}}));
        o.schreibe("QNT5.INI", test::einstellungen("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const auto vorher = alleDateien(o);
        test::imDialog(w.GebietLoeschenDlg, [&] { w.GebietLoeschenDlg->OKBtn->click(); });
        w.VorhandenesGebietlschen1Click();
        QCOMPARE(m.texte(), QStringList{"Das einzige Gebiet kann nicht gelöscht werden!"});
        QCOMPARE(alleDateien(o), vorher);
        QCOMPARE(w.ComboBox1->count(), 1);
        QCOMPARE(w.ListBoxEinheit->count(), 1);
    }

    void fehlendeDatendateiBeimLoeschen() {
        test::Datenordner o(false);
        fuenfGebiete(o);
        o.entferne("E.DAT");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const auto vorher = alleDateien(o);
        auto* d = w.GebietLoeschenDlg;
        test::imDialog(d, [&] {
            d->ListBox1->setCurrentRow(1);
            m.antworte(KnopfJa);
            d->OKBtn->click();
        });
        w.VorhandenesGebietlschen1Click();
        QCOMPARE(m.texte(), (QStringList{"Soll das Gebiet \"Energie\" wirklich gelöscht werden?",
                                         "Datei nicht gefunden"}));
        QCOMPARE(m.boxen[1].titel, QStringLiteral("Fehler"));
        QVERIFY(!d->isVisible());
        QCOMPARE(alleDateien(o), vorher);
        QCOMPARE(w.ComboBox1->count(), 5);
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Länge"));
        QCOMPARE(w.Sitzung().Gebiete.size(), std::size_t(5));
    }
};

QTEST_MAIN(tst_Gebiete)
#include "tst_Gebiete.moc"

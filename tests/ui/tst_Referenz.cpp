// The reference dialogs' wiring: menu, show, choices, errors. What the readers make of the files is core's.
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "app/Shell.h"
#include "reference/widgets/DivDaten.h"
#include "reference/widgets/Elem_info.h"
#include "reference/widgets/PhysKonstanten.h"
#include "reference/widgets/Ravento.h"
#include "reference/widgets/Stoffdaten.h"
#include "reference/widgets/TabListe.h"
#include "reference/widgets/Ueber.h"
#include "reference/widgets/Verweis.h"
#include "reference/widgets/Vorsatz.h"

using namespace qnt;

static QStringList zeilenVon(const QListWidget* liste) {
    QStringList z;
    for (int i = 0; i < liste->count(); ++i) z << liste->item(i)->text();
    return z;
}

class tst_Referenz : public QObject {
    Q_OBJECT
private slots:
    // Without its file a dialog reports it; with it, each show refills the list once from the first choice.
    void dateidialogeMeldenFehlendeDateienUndFolgenDerAuswahl() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        TStoffdatenDlg stoffe(nullptr);
        TElementeDlg elemente(nullptr);
        TDivDatenDlg tabellen(nullptr);
        TRaventoDlg ravento(nullptr);
        const std::pair<QDialog*, const char*> fehlend[] = {
            {&stoffe, "Stoffw4.nfo"}, {&elemente, "Stoffw8.nfo"}, {&tabellen, "STOFFW9.NFO"}, {&ravento, "Ravento.rtf"}};
        for (const auto& [dlg, datei] : fehlend) {
            dlg->show();
            QCOMPARE(m.texte().value(0), QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(datei));
            QCOMPARE(m.boxen.first().titel, QStringLiteral("Fehler"));
            dlg->accept();
            m.leeren();
        }
        ordner.schreibe(QStringLiteral("Stoffw4.nfo"), "Holz\t\t15\r\nKohle\t30\t29\r\n");
        ordner.schreibe(QStringLiteral("Stoffw1.nfo"), "Wasser\t\t998\r\n");
        ordner.schreibe(QStringLiteral("Stoffw8.nfo"), "Wasserstoff\tH\thydrogen\tgas\t1,008\t1\r\n"
                                                       "Uran\tU\turanium\tfest\t238,03\t92\tA\r\n");
        ordner.schreibe(QStringLiteral("Ravento.rtf"), "{\\rtf1\\ansi\\pard\\qc{\\b Ravento}\\par Termine}");
        QTextDocument* doc = ravento.RichEdit1->document();
        for (int mal = 0; mal < 2; ++mal) {
            ravento.show(); // reloads, formatted, over what was typed
            QCOMPARE(doc->toPlainText(), QStringLiteral("Ravento\nTermine"));
            QCOMPARE(doc->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
            QVERIFY(QTextCursor(doc->firstBlock()).charFormat().font().bold());
            ravento.accept();
            ravento.RichEdit1->setPlainText(QStringLiteral("getippt"));
            stoffe.show();
            QCOMPARE(zeilenVon(stoffe.ListBox1), QStringList{QStringLiteral("Kohle\t30")});
            stoffe.ComboBox1->setCurrentIndex(1);
            QCOMPARE(zeilenVon(stoffe.ListBox1), QStringList{QStringLiteral("Wasser\t998")});
            stoffe.accept();
            elemente.show();
            QCOMPARE(zeilenVon(elemente.ListBox1), (QStringList{"Wasserstoff", "Uran"}));
            QCOMPARE(elemente.Wert_Name->text(), QStringLiteral("Wasserstoff")); // the first row is marked
            elemente.ListBox1->setCurrentRow(1);
            QCOMPARE(elemente.Wert_Name->text(), QStringLiteral("Uran"));
            elemente.accept();
            QVERIFY(elemente.zeilen().empty()); // released at close
        }
        QVERIFY(m.boxen.isEmpty());
    }

    void festeTabellenStehenJedesMalEinmalDa() {
        TPhysKonstDlg konst(nullptr);
        TVorsatzzeichen vorsatz(nullptr);
        const std::pair<QDialog*, QListWidget*> faelle[] = {{&konst, konst.ListBox1}, {&vorsatz, vorsatz.ListBox1}};
        for (const auto& [dlg, liste] : faelle) {
            dlg->show();
            const QStringList erst = zeilenVon(liste);
            dlg->accept();
            dlg->show();
            QVERIFY(erst.size() > 10 && zeilenVon(liste) == erst);
        }
        // The prefix table fits its dialog: no line behind a scroll bar.
        QVERIFY(!vorsatz.ListBox1->verticalScrollBar()->isVisible());
    }

    void tabellenviewerZeigtJedesThemaUndPasstDieBreiteAn() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        QByteArray tabelle;
        for (int i = 1; i <= 153; ++i) tabelle += "Zeile " + QByteArray::number(i) + "\tSpalte 2\r\n";
        ordner.schreibe(QStringLiteral("STOFFW9.NFO"), tabelle);
        TDivDatenDlg dlg(nullptr);
        dlg.show();
        const int breite = dlg.width();
        const struct { const char* thema; int zeilen, sichtbar; int breit; } faelle[] = {
            {"Windstärken (Beaufort-Skala)", 18, 4, -1}, {"Erdbebenstärken (GOST)", 12, 0, 1},
            {"Papierformate nach DIN", 9, 6, -1}, {"Buchformate", 10, 0, 0}};
        for (const auto& f : faelle) {
            dlg.ComboBox1->setCurrentText(QString::fromUtf8(f.thema));
            QCOMPARE(dlg.ListBox1->count(), f.zeilen);
            if (f.breit >= 0) QCOMPARE(dlg.width() > breite, f.breit == 1);
            for (int i = 0; f.sichtbar && i < 6; ++i) QCOMPARE(dlg.Label[static_cast<std::size_t>(i)]->isHidden(), i >= f.sichtbar);
        }
        QVERIFY(m.boxen.isEmpty());
    }

    // A link goes to the shell and its dialog stays open.
    void verweiseGehenAnDieShell() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("Ravento.rtf"), "{\\rtf1 x}");
        QStringList aufrufe;
        setzeAdressHaken([&](const QString& a) { return aufrufe << a, false; }); // no browser
        TRaventoDlg ravento(nullptr);
        TueberBox ueber(nullptr);
        const std::pair<QDialog*, QLabel*> faelle[] = {{&ravento, ravento.Label5}, {&ueber, ueber.Webadresse}};
        for (const auto& [dlg, verweis] : faelle) {
            dlg->show();
            QTest::mouseClick(verweis, Qt::LeftButton);
            QVERIFY(dlg->isVisible());
            dlg->accept();
        }
        QCOMPARE(aufrufe, (QStringList{ravento.Label5->text(), QStringLiteral("https://www.quantora.example")}));
        setzeAdressHaken({});
        QVERIFY(m.boxen.isEmpty());
    }

    void menueOeffnetJedenViewerModalUndDieShippedDatenLadenOhneFehler() {
        test::Datenordner ordner;
        ordner.schreibe(QStringLiteral("QNT5.INI"), test::einstellungen("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const std::pair<QAction*, QDialog*> faelle[] = {
            {w.Vorsatzzeichen1, w.Vorsatzzeichen}, {w.ChemischeElemente1, w.ElementeDlg},
            {w.PhysikalischeKonstanten1, w.PhysKonstDlg}, {w.Stoffdaten1, w.StoffdatenDlg},
            {w.DiverseDaten1, w.DivDatenDlg}, {w.Ravento1, w.RaventoDlg}, {w.ber1, w.ueberBox}};
        for (const auto& [eintrag, dialog] : faelle) {
            QWidget* gezeigt = nullptr;
            QTimer::singleShot(0, this, [&] { if ((gezeigt = QApplication::activeModalWidget())) gezeigt->close(); });
            eintrag->trigger();
            QCOMPARE(gezeigt, static_cast<QWidget*>(dialog));
        }
        QCOMPARE(m.texte(), QStringList());
        w.close();
    }
};

QTEST_MAIN(tst_Referenz)
#include "tst_Referenz.moc"

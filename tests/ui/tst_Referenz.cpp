#include <QComboBox>
#include <QLabel>
#include <QPushButton>
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

namespace {

QStringList zeilenVon(const QListWidget* liste) {
    QStringList z;
    for (int i = 0; i < liste->count(); ++i)
        z << liste->item(i)->text();
    return z;
}

// Opens the dialog as the menu would (its show event fills it) and closes it again.
template <typename D> QStringList oeffneUndLies(D& dlg, const QListWidget* liste) {
    dlg.show();
    const QStringList z = zeilenVon(liste);
    dlg.accept();
    return z;
}

QByteArray tabellendatei(int zeilen) {
    QByteArray b;
    for (int i = 1; i <= zeilen; ++i)
        b += "Zeile " + QByteArray::number(i) + "\tSpalte 2\r\n";
    return b;
}

const QString kNichtOeffnen = QStringLiteral("Datei %1 kann nicht geöffnet werden");

} // namespace

class tst_Referenz : public QObject {
    Q_OBJECT
private slots:
    void stoffdatenZeigenBeiJedemOeffnenDenBrennwert() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("Stoffw4.nfo"), "Holz\t\t15\r\nKohle\t30\t29\r\n\t50\r\n");
        ordner.schreibe(QStringLiteral("Stoffw1.nfo"), "Wasser\t\t998\r\nLuft\r\n");
        TStoffdatenDlg dlg(nullptr);
        const QStringList erst = oeffneUndLies(dlg, dlg.ListBox1);
        QCOMPARE(erst, (QStringList{QStringLiteral("Kohle\t30"), QStringLiteral("\t50")}));

        dlg.show();
        QCOMPARE(dlg.ComboBox1->currentText(), QStringLiteral("Brennwert"));
        QCOMPARE(dlg.Label1->text(), QStringLiteral("Brennwert in MJ/kg"));
        QCOMPARE(dlg.Label2->text(), QString());
        QCOMPARE(zeilenVon(dlg.ListBox1), erst);
        dlg.ComboBox1->setCurrentIndex(1);
        QCOMPARE(dlg.Label1->text(), QStringLiteral("Dichte in kg/m³"));
        QCOMPARE(dlg.Label2->text(), QStringLiteral("(bei 20° C und 1013 mbar)"));
        QCOMPARE(zeilenVon(dlg.ListBox1), QStringList{QStringLiteral("Wasser\t998")});
        dlg.accept();

        QCOMPARE(oeffneUndLies(dlg, dlg.ListBox1), erst);
        QVERIFY(m.boxen.isEmpty());
    }

    void stoffdatenOhneDateiMeldenFehlerUndBleibenLeer() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        TStoffdatenDlg dlg(nullptr);
        dlg.show();
        QCOMPARE(m.texte(), QStringList{kNichtOeffnen.arg(QStringLiteral("Stoffw4.nfo"))});
        QCOMPARE(m.boxen.first().titel, QStringLiteral("Fehler"));
        QCOMPARE(dlg.Label1->text(), QString());
        QCOMPARE(dlg.Label2->text(), QString());
        QCOMPARE(dlg.ListBox1->count(), 0);
        dlg.accept();
    }

    void elementeZeigenDasDatenblattDerMarkiertenZeile() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(
            QStringLiteral("Stoffw8.nfo"),
            "Wasserstoff\tH\thydrogen\tgas\t1,008\t1\tH1\t+1, -1\t1s1\t0,0899\t-259\t-253\t14,3\t28,8\t"
            "Cavendish\t1766\r\n"
            "\r\n"
            "Uran\tU\turanium\tfest\t238,03\t92\tA\r\n");
        TElementeDlg dlg(nullptr);
        const QStringList erst = oeffneUndLies(dlg, dlg.ListBox1);
        QCOMPARE(erst, (QStringList{QStringLiteral("Wasserstoff"), QString(), QStringLiteral("Uran")}));
        QVERIFY(dlg.zeilen().empty()); // released at close

        dlg.show();
        QCOMPARE(zeilenVon(dlg.ListBox1), erst);
        QCOMPARE(dlg.ListBox1->currentRow(), 0);
        QCOMPARE(dlg.Wert_Name->text(), QStringLiteral("Wasserstoff"));
        QCOMPARE(dlg.Wert_Symbol->text(), QStringLiteral("H"));
        QCOMPARE(dlg.Wert_Gruppe->text(), QStringLiteral("1. Hauptgruppe"));
        QCOMPARE(dlg.Wert_Zustand->text(), QStringLiteral("gasförmig"));
        QCOMPARE(dlg.Label_Dichte->text(), QStringLiteral("Dichte in g/Liter bei 0° C und 1013 mbar:"));
        QCOMPARE(dlg.Wert_Entdeckung->text(), QStringLiteral("Entdeckt 1766 von Cavendish"));

        dlg.ListBox1->setCurrentRow(2);
        QCOMPARE(dlg.Wert_Name->text(), QStringLiteral("Uran"));
        QCOMPARE(dlg.Wert_Gruppe->text(), QStringLiteral("Actinoide"));
        QCOMPARE(dlg.Wert_Zustand->text(), QStringLiteral("fest"));
        QCOMPARE(dlg.Label_Dichte->text(), QStringLiteral("Dichte in g/cm³ bei 20° C und 1013 mbar:"));
        QCOMPARE(dlg.Wert_Entdeckung->text(), QStringLiteral("Entdeckt  von "));
        dlg.accept();

        dlg.show();
        QCOMPARE(dlg.ListBox1->currentRow(), 0);
        QCOMPARE(dlg.Wert_Name->text(), QStringLiteral("Wasserstoff"));
        dlg.accept();
        QVERIFY(m.boxen.isEmpty());
    }

    void elementeOhneDateiOeffnenMitLeererListe() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        TElementeDlg dlg(nullptr);
        dlg.show();
        QCOMPARE(m.texte(), QStringList{kNichtOeffnen.arg(QStringLiteral("Stoffw8.nfo"))});
        QCOMPARE(dlg.ListBox1->count(), 0);
        QCOMPARE(dlg.Wert_Name->text(), QString());
        dlg.accept();

        ordner.schreibe(QStringLiteral("Stoffw8.nfo"), "");
        m.leeren();
        dlg.show();
        QVERIFY(m.boxen.isEmpty());
        QCOMPARE(dlg.ListBox1->count(), 0);
        dlg.accept();
    }

    void konstantenStehenJedesMalEinmalDaMitTabstoppen() {
        test::SkriptMeldungen m;
        TPhysKonstDlg dlg(nullptr);
        const QStringList erst = oeffneUndLies(dlg, dlg.ListBox1);
        QCOMPARE(erst.first(), QStringLiteral("Absol. Nullpunkt der Temperatur\t-273,15° C"));
        QCOMPARE(oeffneUndLies(dlg, dlg.ListBox1), erst);
    }

    void vorsatzzeichenInFesterSchriftMitSechzehnPixelZeilen() {
        test::SkriptMeldungen m;
        TVorsatzzeichen dlg(nullptr);
        const QStringList erst = oeffneUndLies(dlg, dlg.ListBox1);
        QCOMPARE(erst.at(16), QStringLiteral("µ  = Mikro  = 10^-6"));
        QCOMPARE(oeffneUndLies(dlg, dlg.ListBox1), erst);
        dlg.show();
        // The dialog fits the table: no line hidden behind a scroll bar or cut at the side.
        QVERIFY(!dlg.ListBox1->verticalScrollBar()->isVisible());
        QVERIFY(!dlg.ListBox1->horizontalScrollBar()->isVisible());
        QVERIFY(dlg.ListBox1->geometry().bottom() < dlg.OKBtn->geometry().top());
        dlg.OKBtn->click();
        QVERIFY(!dlg.isVisible());
    }

    void tabellenviewerKehrtNachBreitemThemaZurBasisbreiteZurueck() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("STOFFW9.NFO"), tabellendatei(153));
        TDivDatenDlg dlg(nullptr);
        const QStringList erst = oeffneUndLies(dlg, dlg.ListBox1);
        QCOMPARE(erst.size(), 10); // "Buchformate", lines 138-147
        QCOMPARE(erst.first(), QStringLiteral("Zeile 138\tSpalte 2"));
        QVERIFY(dlg.zeilen().empty());

        dlg.show();
        QCOMPARE(zeilenVon(dlg.ListBox1), erst);
        QCOMPARE(dlg.ComboBox1->currentText(), QStringLiteral("Buchformate"));
        const int breite = dlg.width(), liste = dlg.ListBox1->width();
        dlg.ComboBox1->setCurrentText(QStringLiteral("Erdbebenstärken (GOST)"));
        QCOMPARE(dlg.ListBox1->count(), 12);
        QCOMPARE(dlg.width(), breite + 350);
        QCOMPARE(dlg.ListBox1->width(), liste + 350);
        QCOMPARE(dlg.Label[1]->text(), QStringLiteral("Kennzeichnung"));
        dlg.ComboBox1->setCurrentText(QStringLiteral("Buchformate"));
        QCOMPARE(dlg.width(), breite);
        dlg.accept();
        QVERIFY(m.boxen.isEmpty());
    }

    void tabellenviewerZeigtJedesThemaMitSeinenUeberschriften() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("STOFFW9.NFO"), tabellendatei(153));
        TDivDatenDlg dlg(nullptr);
        dlg.show();
        struct Fall {
            QString thema;
            int zeilen;
            int sichtbar;
        };
        const Fall faelle[] = {
            {QStringLiteral("Windstärken (Beaufort-Skala)"), 18, 4},
            {QStringLiteral("Seebebenstärken (Sieberg-Skala)"), 6, 2},
            {QStringLiteral("Papierformate nach DIN"), 9, 6},
            {QStringLiteral("Frequenzen/Wellenlängen elektromagnetischer Wellen"), 28, 3},
            {QStringLiteral("Erdbebenstärken (Richter)"), 12, 2},
        };
        for (const auto& f : faelle) {
            dlg.ComboBox1->setCurrentText(f.thema);
            QCOMPARE(dlg.ComboBox1->currentText(), f.thema);
            QCOMPARE(dlg.ListBox1->count(), f.zeilen);
            for (int i = 0; i < 6; ++i)
                QCOMPARE(dlg.Label[static_cast<std::size_t>(i)]->isHidden(), i >= f.sichtbar);
        }
        dlg.accept();
        QVERIFY(m.boxen.isEmpty());
    }

    void tabellenviewerMeldetDieErsteFehlendeZeile() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("STOFFW9.NFO"), tabellendatei(150));
        TDivDatenDlg dlg(nullptr);
        dlg.show();
        QVERIFY(m.boxen.isEmpty());
        dlg.ComboBox1->setCurrentText(QStringLiteral("Seebebenstärken (Sieberg-Skala)"));
        QCOMPARE(dlg.ListBox1->count(), 3);
        QCOMPARE(m.texte(),
                 QStringList{QStringLiteral("Der Index der Liste überschreitet das Maximum (150)")});
        dlg.accept();
    }

    void tabellenviewerOhneDateiHatAuswahlAberKeineTabelle() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        TDivDatenDlg dlg(nullptr);
        dlg.show();
        QCOMPARE(m.texte(), QStringList{kNichtOeffnen.arg(QStringLiteral("STOFFW9.NFO"))});
        QCOMPARE(dlg.ComboBox1->count(), 11);
        QCOMPARE(dlg.ListBox1->count(), 0);
        m.leeren();
        dlg.ComboBox1->setCurrentText(QStringLiteral("Erdbebenstärken (GOST)"));
        QCOMPARE(dlg.ListBox1->count(), 0);
        QCOMPARE(m.texte(),
                 QStringList{QStringLiteral("Der Index der Liste überschreitet das Maximum (52)")});
        dlg.accept();
    }

    void raventoLaedtDieDateiBeiJedemOeffnenNeu() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("Ravento.rtf"),
                        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red0\\green0"
                        "\\blue255;}\\pard\\qc{\\b Ravento}\\par\\cf1 Termine f\\'fcr "
                        "alle\\line zweite Zeile\\par}");
        TRaventoDlg dlg(nullptr);
        dlg.show();
        QTextDocument* doc = dlg.RichEdit1->document();
        QCOMPARE(doc->toRawText(), QStringLiteral("Ravento\u2029Termine für alle\u2028zweite Zeile"));
        QCOMPARE(doc->blockCount(), 2);
        QCOMPARE(doc->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
        QTextCursor c(doc);
        c.setPosition(1);
        QVERIFY(c.charFormat().font().bold());
        c.setPosition(doc->lastBlock().position() + 2);
        QCOMPARE(c.charFormat().foreground().color(), QColor(0, 0, 255));
        dlg.accept();

        dlg.RichEdit1->setPlainText(QStringLiteral("getippt"));
        dlg.show();
        QCOMPARE(doc->toPlainText().left(7), QStringLiteral("Ravento"));
        dlg.accept();

        // Without the file the field keeps what it held.
        ordner.entferne(QStringLiteral("Ravento.rtf"));
        dlg.show();
        QCOMPARE(m.texte(), QStringList{kNichtOeffnen.arg(QStringLiteral("Ravento.rtf"))});
        QCOMPARE(doc->toPlainText().left(7), QStringLiteral("Ravento"));
        dlg.accept();
    }

    void verweiseGehenAnDieShellUndDasFensterBleibtOffen() {
        test::Datenordner ordner(false);
        test::SkriptMeldungen m;
        ordner.schreibe(QStringLiteral("Ravento.rtf"), "{\\rtf1 x}");
        QStringList aufrufe;
        setzeAdressHaken([&](const QString& a) {
            aufrufe << a;
            return false; // no browser
        });
        TRaventoDlg ravento(nullptr);
        ravento.show();
        QTest::mouseClick(ravento.Label5, Qt::LeftButton);
        QCOMPARE(aufrufe, QStringList{ravento.Label5->text()});
        QVERIFY(ravento.Label5->text().contains(QStringLiteral(".example")));
        QVERIFY(ravento.isVisible());
        ravento.accept();

        TueberBox ueber(nullptr);
        ueber.show();
        QCOMPARE(ueber.ProductName->text(), QStringLiteral("Quantora Pro"));
        QCOMPARE(ueber.Version->text(), QStringLiteral("Version 5.0"));
        QTest::mouseClick(ueber.Webadresse, Qt::LeftButton);
        QCOMPARE(aufrufe.last(), QStringLiteral("https://www.quantora.example"));
        QVERIFY(ueber.isVisible());
        ueber.accept();
        setzeAdressHaken({});
        QVERIFY(m.boxen.isEmpty());
    }

    void menueOeffnetJedenViewerModalUndDieShippedDatenLadenOhneFehler() {
        test::Datenordner ordner;
        ordner.schreibe(QStringLiteral("QNT5.INI"), test::einstellungen("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        const struct {
            QAction* eintrag;
            QDialog* dialog;
        } faelle[] = {
            {w.Vorsatzzeichen1, w.Vorsatzzeichen},
            {w.ChemischeElemente1, w.ElementeDlg},
            {w.PhysikalischeKonstanten1, w.PhysKonstDlg},
            {w.Stoffdaten1, w.StoffdatenDlg},
            {w.DiverseDaten1, w.DivDatenDlg},
            {w.Ravento1, w.RaventoDlg},
            {w.ber1, w.ueberBox},
        };
        for (const auto& f : faelle) {
            QWidget* gezeigt = nullptr;
            QTimer::singleShot(0, this, [&] {
                gezeigt = QApplication::activeModalWidget();
                if (gezeigt) gezeigt->close();
            });
            f.eintrag->trigger();
            QCOMPARE(gezeigt, static_cast<QWidget*>(f.dialog));
        }
        QCOMPARE(m.texte(), QStringList());
        w.close();
    }
};

QTEST_MAIN(tst_Referenz)
#include "tst_Referenz.moc"

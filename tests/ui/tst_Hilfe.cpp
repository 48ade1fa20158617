#include <QtTest>

#include <QTextBrowser>

#include "Testhilfe.h"
#include "app/Hilfe.h"
#include "app/Qnt01.h"

using namespace qnt;

class tst_Hilfe : public QObject {
    Q_OBJECT
private slots:
    void f1OeffnetDieHilfeUndSchliessenBeendetSie() {
        test::Datenordner o;
        o.schreibe("QNT5.INI", test::einstellungen("1"));
        o.schreibe("QNT5.HLP", "<html><body><h1><a name=\"inhalt\"></a>Inhalt</h1><p>Quantora</p></body></html>");
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QVERIFY(hilfefenster() == nullptr);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(hilfefenster() != nullptr);
        QVERIFY(hilfefenster()->isVisible());
        QVERIFY(hilfefenster()->toPlainText().contains("Quantora"));
        QTest::keyClick(&w, Qt::Key_F1); // a second request reuses the window
        w.close();
        QTRY_VERIFY(hilfefenster() == nullptr);
        QVERIFY(m.boxen.isEmpty());
    }

    void fehlendeHilfedateiGibtFehlermeldung() {
        test::Datenordner o;
        o.entferne("QNT5.HLP");
        o.schreibe("QNT5.INI", test::einstellungen("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.Index1Click();
        QCOMPARE(m.texte(), QStringList{QStringLiteral("Die Hilfedatei \"QNT5.HLP\" kann nicht geöffnet werden.")});
        QVERIFY(hilfefenster() == nullptr);
    }
};

QTEST_MAIN(tst_Hilfe)
#include "tst_Hilfe.moc"

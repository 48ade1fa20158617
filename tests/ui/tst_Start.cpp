#include <QtTest>

#include "Testhilfe.h"
#include "app/Qnt01.h"

using namespace qnt;

class tst_Start : public QObject {
    Q_OBJECT
private slots:
    void fensterTraegtTitelUndFesteGroesse() {
        test::Datenordner ordner;
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QCOMPARE(m.texte(), QStringList{}); // the shipped settings file: no warning at the first start
        QCOMPARE(w.windowTitle(), QStringLiteral("Quantora Pro"));
        QCOMPARE(w.centralWidget()->size(), QSize(561, 374));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        w.close();
    }
};

QTEST_MAIN(tst_Start)
#include "tst_Start.moc"

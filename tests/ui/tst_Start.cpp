#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "Testhilfe.h"
#include "app/Anwendung.h"
#include "app/Qnt01.h"

using namespace qnt;

class tst_Start : public QObject {
    Q_OBJECT
private slots:
    // The shipped settings file: no warning at the first start.
    void ausgelieferteDatenStartenOhneWarnung() {
        test::Datenordner ordner;
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        QCOMPARE(m.texte(), QStringList{});
        w.close();
    }

    void anwendungTraegtSymbolUndQtsDeutscheTexte() {
        QIcon symbol = QApplication::windowIcon();
        QVERIFY(!symbol.isNull());
        QCOMPARE(symbol.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
        QCOMPARE(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText), QStringLiteral("Strg+C"));
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_Delete).toString(QKeySequence::NativeText),
                 QStringLiteral("Strg+Entf"));
        QLineEdit eingabe;
        std::unique_ptr<QMenu> menue(eingabe.createStandardContextMenu());
        QCOMPARE(menue->actions().constFirst()->text(), QStringLiteral("&Rückgängig\tStrg+Z"));
    }
};

// The real application object, as the program starts it.
int main(int argc, char** argv) {
    Anwendung app(argc, argv);
    tst_Start t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_Start.moc"

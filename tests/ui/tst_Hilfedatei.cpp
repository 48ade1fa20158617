// The shipped help file in the real help window: Qt's HTML reader finds every anchor that a link names,
// and a click on a link of the contents brings its section to the top of the window.
#include <QtTest>

#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>

#include "Testhilfe.h"
#include "app/Hilfe.h"

using namespace qnt;

namespace {

struct Verweise {
    QSet<QString> anker;
    QStringList ziele; // internal link targets, in document order
};

Verweise verweiseIn(const QTextDocument* doc) {
    Verweise v;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& n : f.anchorNames()) v.anker.insert(n);
            if (f.isAnchor() && f.anchorHref().startsWith(QLatin1Char('#'))) v.ziele << f.anchorHref().mid(1);
        }
    }
    return v;
}

// The text of the line at the top of the browser's view.
QString obersteZeile(QTextBrowser* b) {
    QTextCursor c = b->cursorForPosition(QPoint(4, 4));
    return c.block().text().trimmed();
}

} // namespace

class tst_Hilfedatei : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { hilfeBeenden(); }

    void jederVerweisFindetSeinenAnker() {
        test::Datenordner o;
        test::SkriptMeldungen m;
        hilfeInhalt(nullptr);
        QVERIFY(m.boxen.isEmpty());
        QTextBrowser* b = hilfefenster();
        QVERIFY(b != nullptr);
        const Verweise v = verweiseIn(b->document());
        QVERIFY(v.anker.contains(QStringLiteral("inhalt")));
        QVERIFY(!v.ziele.isEmpty());
        for (const QString& ziel : v.ziele) QVERIFY2(v.anker.contains(ziel), qPrintable("#" + ziel));
    }

    void oeffnetBeimInhaltUndSpringtZuDenAbschnitten_data() {
        QTest::addColumn<QString>("anker");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("Menübefehle") << "menues" << "3. Die Menübefehle";
        QTest::newRow("Brüche") << "brueche" << "Brüche";
        QTest::newRow("QNT5.INI") << "qnt5-ini" << "QNT5.INI – die Einstellungen";
        QTest::newRow("Meldungen") << "meldungen" << "12. Meldungen von A bis Z";
    }

    void oeffnetBeimInhaltUndSpringtZuDenAbschnitten() {
        QFETCH(QString, anker);
        QFETCH(QString, ueberschrift);
        test::Datenordner o;
        test::SkriptMeldungen m;
        hilfeInhalt(nullptr);
        QTextBrowser* b = hilfefenster();
        QVERIFY(b != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(b));
        QCOMPARE(obersteZeile(b), QStringLiteral("Quantora Pro – Hilfe"));

        emit b->anchorClicked(QUrl(QLatin1Char('#') + anker));
        QVERIFY(b->verticalScrollBar()->value() > 0);
        QCOMPARE(obersteZeile(b), ueberschrift);
        QVERIFY(m.boxen.isEmpty());
    }
};

QTEST_MAIN(tst_Hilfedatei)
#include "tst_Hilfedatei.moc"

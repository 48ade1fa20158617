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

// The text of the line at the top of the browser's view.
static QString obersteZeile(QTextBrowser* b) {
    return b->cursorForPosition(QPoint(4, 4)).block().text().trimmed();
}

class tst_Hilfedatei : public QObject {
    Q_OBJECT
private slots:
    void verweiseFindenIhreAnkerUndSpringenZuDenAbschnitten() {
        test::Datenordner o;
        test::SkriptMeldungen m;
        hilfeInhalt(nullptr);
        QTextBrowser* b = hilfefenster();
        QVERIFY(b != nullptr);
        QSet<QString> anker;
        QStringList ziele;
        for (QTextBlock bl = b->document()->begin(); bl.isValid(); bl = bl.next())
            for (auto it = bl.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                for (const QString& n : f.anchorNames()) anker.insert(n);
                if (f.isAnchor() && f.anchorHref().startsWith(u'#')) ziele << f.anchorHref().mid(1);
            }
        QVERIFY(anker.contains(QStringLiteral("inhalt")) && !ziele.isEmpty());
        for (const QString& ziel : ziele) QVERIFY2(anker.contains(ziel), qPrintable("#" + ziel));

        QVERIFY(QTest::qWaitForWindowExposed(b));
        QCOMPARE(obersteZeile(b), QStringLiteral("Quantora Pro – Hilfe"));
        const std::pair<const char*, const char*> faelle[] = {{"menues", "3. Die Menübefehle"},
            {"qnt5-ini", "QNT5.INI – die Einstellungen"}, {"meldungen", "12. Meldungen von A bis Z"},
            {"brueche", "Brüche"}};
        for (const auto& [sprung, ueberschrift] : faelle) {
            emit b->anchorClicked(QUrl(QStringLiteral("#") + QLatin1String(sprung)));
            QVERIFY(b->verticalScrollBar()->value() > 0);
            QCOMPARE(obersteZeile(b), QString::fromUtf8(ueberschrift));
        }
        QVERIFY(m.boxen.isEmpty());
        hilfeBeenden();
    }
};

QTEST_MAIN(tst_Hilfedatei)
#include "tst_Hilfedatei.moc"

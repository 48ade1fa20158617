#include <QtTest>

#include <cstdlib>

#include "app/Flaggen.h"
#include "data/Laender.h"

using namespace qnt;

namespace {
bool nahe(QColor ist, QColor soll) {
    constexpr int toleranz = 60;
    return std::abs(ist.red() - soll.red()) <= toleranz && std::abs(ist.green() - soll.green()) <= toleranz &&
           std::abs(ist.blue() - soll.blue()) <= toleranz;
}

QImage bild(int landNr) { return flagge(landNr).toImage().convertToFormat(QImage::Format_RGB32); }
} // namespace

class tst_Flaggen : public QObject {
    Q_OBJECT
private slots:
    void jedeLandNrGibtEinBildVon32Mal16() {
        for (int land = 1; land <= kLaenderAnzahl; ++land) {
            const QPixmap p = flagge(land);
            QVERIFY2(!p.isNull(), qPrintable(QString::number(land)));
            QCOMPARE(p.size(), QSize(32, 16));
        }
    }

    void leereZeilenUndFremdeNummernSindNeutral() {
        const QImage neutral = bild(0);
        QCOMPARE(neutral.size(), QSize(32, 16));
        for (int land : {-1, 92, 255, 1000})
            QVERIFY2(bild(land) == neutral, qPrintable(QString::number(land)));
        for (int land = 1; land <= kLaenderAnzahl; ++land)
            if (!landNrGueltig(land)) QVERIFY2(bild(land) == neutral, qPrintable(QString::number(land)));
    }

    // A wrong file name or a copied picture would show one country's flag for another.
    void jedesBelegteLandHatEinEigenesBild() {
        QList<QImage> gesehen;
        for (int land = 1; land <= kLaenderAnzahl; ++land) {
            if (!landNrGueltig(land)) continue;
            const QImage b = bild(land);
            QVERIFY2(b != bild(0), qPrintable(QString::number(land)));
            QVERIFY2(!gesehen.contains(b), qPrintable(QString::number(land)));
            gesehen.append(b);
        }
    }

    void farben_data() {
        QTest::addColumn<int>("land");
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("Deutschland oben schwarz") << 36 << QPoint(16, 0) << QColor(0, 0, 0);
        QTest::newRow("Deutschland Mitte rot") << 36 << QPoint(16, 8) << QColor(221, 0, 0);
        QTest::newRow("Deutschland unten gold") << 36 << QPoint(16, 14) << QColor(255, 206, 0);
        QTest::newRow("Japan Mitte rot") << 63 << QPoint(16, 8) << QColor(188, 0, 45);
        QTest::newRow("Japan Feld weiss") << 63 << QPoint(4, 4) << QColor(255, 255, 255);
        QTest::newRow("Frankreich links blau") << 51 << QPoint(3, 8) << QColor(0, 35, 149);
        QTest::newRow("Frankreich rechts rot") << 51 << QPoint(28, 8) << QColor(237, 41, 57);
        QTest::newRow("Italien links gruen") << 62 << QPoint(3, 8) << QColor(0, 146, 70);
        QTest::newRow("Schweiz Kreuz weiss") << 83 << QPoint(16, 8) << QColor(255, 255, 255);
        QTest::newRow("Schweiz Feld rot") << 83 << QPoint(3, 3) << QColor(255, 0, 0);
        QTest::newRow("Preussen oben schwarz") << 39 << QPoint(16, 3) << QColor(0, 0, 0);
        QTest::newRow("Preussen unten weiss") << 39 << QPoint(16, 12) << QColor(255, 255, 255);
        QTest::newRow("Sachsen unten gruen") << 40 << QPoint(16, 12) << QColor(0, 150, 70);
        QTest::newRow("Baden Mitte rot") << 37 << QPoint(16, 8) << QColor(220, 20, 30);
        QTest::newRow("SI blau") << 1 << QPoint(2, 2) << QColor(24, 62, 138);
    }

    void farben() {
        QFETCH(int, land);
        QFETCH(QPoint, punkt);
        QFETCH(QColor, farbe);
        const QColor ist = bild(land).pixelColor(punkt);
        QVERIFY2(nahe(ist, farbe), qPrintable(ist.name() + QStringLiteral(" statt ") + farbe.name()));
    }
};

QTEST_MAIN(tst_Flaggen)
#include "tst_Flaggen.moc"

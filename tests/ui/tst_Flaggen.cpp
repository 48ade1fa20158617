#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "app/Flaggen.h"
#include "data/Laender.h"

using namespace qnt;

static QImage bild(int landNr) {
    return flagge(landNr).toImage().convertToFormat(QImage::Format_RGB32);
}

class tst_Flaggen : public QObject {
    Q_OBJECT
private slots:
    // Unused numbers are neutral; a wrong or copied picture would show one country's flag for another.
    void jedesBelegteLandHatEinEigenesBildUndDerRestIstNeutral() {
        const QImage neutral = bild(0);
        QList<QImage> gesehen;
        for (int land = -1; land <= kLaenderAnzahl + 1; ++land) {
            const QImage b = bild(land);
            QVERIFY2(landNrGueltig(land) ? b != neutral && !gesehen.contains(b) : b == neutral,
                     qPrintable(QString::number(land)));
            if (landNrGueltig(land)) gesehen.append(b);
        }
    }

    void farben() {
        const std::tuple<int, QPoint, QColor> faelle[] = {
            {36, {16, 0}, QColor(0, 0, 0)},       {36, {16, 14}, QColor(255, 206, 0)},
            {63, {16, 8}, QColor(188, 0, 45)},    {51, {3, 8}, QColor(0, 35, 149)},
            {83, {16, 8}, QColor(255, 255, 255)}, {1, {2, 2}, QColor(24, 62, 138)}};
        for (const auto& [land, punkt, farbe] : faelle) {
            const QColor ist = bild(land).pixelColor(punkt);
            const int abweichung =
                std::max({std::abs(ist.red() - farbe.red()), std::abs(ist.green() - farbe.green()),
                          std::abs(ist.blue() - farbe.blue())});
            QVERIFY2(abweichung <= 60, qPrintable(QString::number(land) + ": " + ist.name()));
        }
    }
};

QTEST_MAIN(tst_Flaggen)
#include "tst_Flaggen.moc"

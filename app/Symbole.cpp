#include "app/Symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qnt {
namespace {
template <typename F> QIcon zeichne(F&& f) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    f(m);
    return QIcon(p);
}
} // namespace

QIcon symbolInfo() {
    return zeichne([](QPainter& m) {
        m.setBrush(QColor(30, 90, 200));
        m.setPen(Qt::NoPen);
        m.drawEllipse(1, 1, 14, 14);
        m.setBrush(Qt::white);
        m.drawEllipse(QPointF(8, 4.5), 1.4, 1.4);
        m.drawRect(QRectF(6.8, 6.5, 2.4, 6));
    });
}

QIcon symbolSuchen() {
    return zeichne([](QPainter& m) {
        m.setPen(QPen(QColor(40, 40, 40), 2));
        m.setBrush(QColor(200, 225, 255));
        m.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
        m.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(QPointF(10, 10), QPointF(14, 14));
    });
}

QIcon symbolAusblenden() {
    return zeichne([](QPainter& m) {
        QPainterPath auge;
        auge.moveTo(1, 8);
        auge.quadTo(8, 1, 15, 8);
        auge.quadTo(8, 15, 1, 8);
        m.setPen(QPen(QColor(40, 40, 40), 1.3));
        m.setBrush(Qt::white);
        m.drawPath(auge);
        m.setBrush(QColor(40, 40, 40));
        m.drawEllipse(QPointF(8, 8), 2.2, 2.2);
        m.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(QPointF(2, 14), QPointF(14, 2));
    });
}
} // namespace qnt

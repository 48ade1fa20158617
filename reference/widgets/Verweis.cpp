#include "reference/widgets/Verweis.h"

#include <QMouseEvent>

namespace qnt {

TVerweis::TVerweis(const QString& adresse, int pixelhoehe, QWidget* eltern) : QLabel(adresse, eltern) {
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    f.setPixelSize(pixelhoehe);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
    adjustSize();
}

void TVerweis::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit geklickt();
}

} // namespace qnt

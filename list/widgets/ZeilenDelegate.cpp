#include "list/widgets/ZeilenDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "app/Flaggen.h"
#include "app/Text.h"
#include "list/Sitzung.h"

namespace qnt {

ZeilenDelegate::ZeilenDelegate(const TSitzung& sitzung, QObject* eltern)
    : QStyledItemDelegate(eltern), sitzung_(sitzung) {}

QSize ZeilenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kZeilenhoehe};
}

void ZeilenDelegate::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int zeile = index.row();
    const QRect r = option.rect;
    const bool markiert = option.state & QStyle::State_Selected;
    const bool fokus = option.state & QStyle::State_HasFocus;
    const QPalette& pal = option.palette;
    QColor hinter = markiert ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Base);
    QColor schrift = markiert ? pal.color(QPalette::Active, QPalette::HighlightedText) : QColor(Qt::black);
    if (zeile % 2 == 1 && !(markiert && fokus)) {
        hinter = QColor(192, 192, 192);
        schrift = Qt::black;
    }
    maler->save();
    maler->fillRect(r, hinter);
    maler->setPen(schrift);
    maler->setFont(option.font);
    const auto& liste = sitzung_.liste();
    if (zeile >= 0 && zeile < static_cast<int>(liste.size())) {
        const auto& e = liste[static_cast<std::size_t>(zeile)];
        // The right edge of the row is exclusive in the platform's rectangles.
        const int rechts = r.right() + 1;
        const int xName = static_cast<int>(std::lround(rechts / 3.0));
        const QRect textZeile(r.left(), r.top(), r.width(), kZeilenhoehe);
        const int xFlagge = rechts - 2 * kZeilenhoehe;
        // A name too long for its space ends in an ellipsis before the flag; the tool tip holds it whole.
        const QString name = QFontMetrics(option.font).elidedText(qs(e.Satz.Name()), Qt::ElideRight,
                                                                  xFlagge - kAbstand - xName);
        maler->drawText(QRect(xName, r.top(), rechts - xName, kZeilenhoehe), Qt::AlignLeft | Qt::AlignVCenter, name);
        maler->drawPixmap(xFlagge, r.top(), flagge(e.Satz.LandNr()));
        if (sitzung_.ErgebnisGueltig)
            maler->drawText(textZeile, Qt::AlignLeft | Qt::AlignVCenter, qs(sitzung_.ergebnistext(e)));
    }
    if (fokus) {
        QStyleOptionFocusRect fr;
        fr.rect = r;
        fr.state = option.state;
        fr.backgroundColor = hinter;
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fr, maler);
    }
    maler->restore();
}

} // namespace qnt

#include "reference/widgets/TabListe.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace qnt {

namespace {

class TabDelegate final : public QStyledItemDelegate {
public:
    explicit TabDelegate(TTabListe* liste) : QStyledItemDelegate(liste), liste_(liste) {}

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QStyle* stil = opt.widget ? opt.widget->style() : QApplication::style();
        stil->drawControl(QStyle::CE_ItemViewItem, &opt, maler, opt.widget);

        const QRect rahmen =
            stil->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).adjusted(2, 0, 0, 0);
        QTextOption textoption(Qt::AlignLeft | Qt::AlignVCenter);
        textoption.setWrapMode(QTextOption::NoWrap);
        textoption.setTabStopDistance(liste_->tabAbstand());
        const bool markiert = opt.state & QStyle::State_Selected;
        const QPalette::ColorGroup gruppe =
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        maler->save();
        maler->setFont(opt.font);
        maler->setPen(opt.palette.color(gruppe, markiert ? QPalette::HighlightedText : QPalette::Text));
        maler->drawText(QRectF(rahmen), text, textoption);
        maler->restore();
    }

private:
    TTabListe* liste_;
};

} // namespace

QFont referenzSchrift() {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    return f;
}

qreal mittlereZeichenbreite(const QFont& schrift) {
    const QFontMetricsF m(schrift);
    return m.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
}

TTabListe::TTabListe(QWidget* eltern) : QListWidget(eltern) {
    setItemDelegate(new TabDelegate(this));
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TTabListe::setzeTabweite(int einheiten) {
    tabweite_ = einheiten;
    viewport()->update();
}

qreal TTabListe::tabAbstand() const {
    return tabweite_ * mittlereZeichenbreite(font()) / 4.0;
}

} // namespace qnt

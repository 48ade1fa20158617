#pragma once
// Draws one row of the unit list: result at the left, name at a third of the width, flag at the right.
#include <QStyledItemDelegate>

namespace qnt {

class TMyWindow;

class ZeilenDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kZeilenhoehe = 16;
    explicit ZeilenDelegate(const TMyWindow& fenster, QObject* eltern = nullptr);
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TMyWindow& fenster_;
};

} // namespace qnt

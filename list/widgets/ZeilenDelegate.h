#pragma once
// Draws one row of the unit list: result at the left, name at a third of the width, flag at the right.
#include <QStyledItemDelegate>

namespace qnt {

class TSitzung;

class ZeilenDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kZeilenhoehe = 16;
    explicit ZeilenDelegate(const TSitzung& sitzung, QObject* eltern = nullptr);
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TSitzung& sitzung_;
};

} // namespace qnt

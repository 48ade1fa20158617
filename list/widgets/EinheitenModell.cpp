#include "list/widgets/EinheitenModell.h"

#include <algorithm>

#include "app/Text.h"
#include "list/Sitzung.h"

namespace qnt {

TEinheitenModell::TEinheitenModell(const TSitzung& sitzung, QObject* eltern)
    : QAbstractListModel(eltern), sitzung_(sitzung), zeilen_(static_cast<int>(sitzung.liste().size())) {}

int TEinheitenModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : zeilen_; }

QVariant TEinheitenModell::data(const QModelIndex& index, int rolle) const {
    const int zeile = index.row();
    if (!index.isValid() || zeile >= static_cast<int>(sitzung_.liste().size())) return {};
    switch (rolle) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return qs(sitzung_.zeilentext(zeile));
    case Qt::ToolTipRole:
        return qs(sitzung_.liste()[static_cast<std::size_t>(zeile)].Satz.Name());
    default:
        return {};
    }
}

void TEinheitenModell::neuAufbauen() {
    beginResetModel();
    zeilen_ = static_cast<int>(sitzung_.liste().size());
    endResetModel();
}

void TEinheitenModell::ergebnisseGeaendert() {
    if (zeilen_ > 0) emit dataChanged(index(0), index(zeilen_ - 1), {Qt::DisplayRole, Qt::AccessibleTextRole});
}

void TEinheitenModell::zeileEntfernt(int zeile) {
    if (zeile < 0 || zeile >= zeilen_) return;
    beginRemoveRows({}, zeile, zeile);
    --zeilen_;
    endRemoveRows();
}

int TEinheitenAnsicht::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void TEinheitenAnsicht::setCurrentRow(int zeile) {
    if (!model()) return;
    setCurrentIndex(model()->index(zeile, 0));
}

void TEinheitenAnsicht::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
    QListView::currentChanged(aktuell, vorher);
    emit currentRowChanged(aktuell.isValid() ? aktuell.row() : -1);
}

void TEinheitenAnsicht::dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen) {
    const QModelIndex erste = indexAt(QPoint(1, 1));
    if (!isVisible() || !erste.isValid() || !oben.isValid() || !unten.isValid()) {
        QListView::dataChanged(oben, unten, rollen);
        return;
    }
    const QModelIndex letzte = indexAt(QPoint(1, viewport()->height() - 1));
    const int von = std::max(oben.row(), erste.row());
    const int bis = std::min(unten.row(), letzte.isValid() ? letzte.row() : unten.row());
    if (von <= bis) QAbstractItemView::dataChanged(model()->index(von, 0), model()->index(bis, 0), rollen);
}

} // namespace qnt

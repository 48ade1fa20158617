#pragma once
// The session's unit list as rows for a view; the rows read the session, so a calculation only signals.
#include <QAbstractListModel>
#include <QListView>

namespace qnt {

class TSitzung;

class TEinheitenModell : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TEinheitenModell(const TSitzung& sitzung, QObject* eltern = nullptr);
    int rowCount(const QModelIndex& eltern = {}) const override;
    // Display and accessible text "name: result" (the name alone without results); tool tip the full name.
    QVariant data(const QModelIndex& index, int rolle) const override;

    // The session's list was replaced.
    void neuAufbauen();
    // The results or their form changed; the rows stay.
    void ergebnisseGeaendert();
    // The session dropped row `zeile`.
    void zeileEntfernt(int zeile);

private:
    const TSitzung& sitzung_;
    int zeilen_ = 0;
};

// The unit list's view, with the row-based calls of a plain list.
class TEinheitenAnsicht : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;
    int currentRow() const;
    void setCurrentRow(int zeile);

signals:
    void currentRowChanged(int zeile);

protected:
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
    // Every row has the same height whatever it shows, so changed rows need no new layout, and only the visible
    // ones a redraw: the others are drawn from the session when they come into view.
    void dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen = {}) override;
};

} // namespace qnt

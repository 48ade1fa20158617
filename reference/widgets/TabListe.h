#pragma once
// A list whose lines are split at tab characters and aligned at evenly spaced tab stops.
#include <QListWidget>

namespace qnt {

class TTabListe : public QListWidget {
    Q_OBJECT
public:
    explicit TTabListe(QWidget* eltern);

    // Tab width in list-box tab units: 4 units are one average character width of the list's font.
    void setzeTabweite(int einheiten);
    int tabweite() const { return tabweite_; }
    // Distance between two tab stops in pixels.
    qreal tabAbstand() const;

private:
    int tabweite_ = 32;
};

// The font of the reference viewers, the one the main window's form uses: their pixel layout and
// tab stops are made for it.
QFont referenzSchrift();

// The average character width as the platform's dialog units count it: the mean of A–Z and a–z.
qreal mittlereZeichenbreite(const QFont& schrift);

} // namespace qnt

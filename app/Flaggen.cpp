#include "app/Flaggen.h"

#include <QPixmapCache>
#include <QString>

#include "data/Laender.h"

// The resources live in a static library: without this call the linker may drop them.
static void flaggenRessourcen() { Q_INIT_RESOURCE(flaggen); }

namespace qnt {
namespace {

QString ressource(int landNr) {
    if (landNr < 1 || landNr > kLaenderAnzahl) return QStringLiteral(":/flaggen/neutral.png");
    return QStringLiteral(":/flaggen/%1.png").arg(landNr, 2, 10, QLatin1Char('0'));
}

} // namespace

QPixmap flagge(int landNr) {
    static const bool geladen = (flaggenRessourcen(), true);
    (void)geladen;
    // Rows are drawn often; decode each picture once.
    const QString name = ressource(landNr);
    QPixmap p;
    if (QPixmapCache::find(name, &p)) return p;
    if (!p.load(name)) {
        p = QPixmap(32, 16);
        p.fill(QColor(226, 226, 226));
    }
    QPixmapCache::insert(name, p);
    return p;
}

} // namespace qnt

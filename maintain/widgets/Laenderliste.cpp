#include "maintain/widgets/Laenderliste.h"

#include <QComboBox>

#include "app/Text.h"
#include "data/Laender.h"
#include "maintain/Laenderauswahl.h"

namespace qnt {

void fuelleLaenderliste(QComboBox* liste) {
    liste->clear();
    for (const int land : laenderAuswahl())
        liste->addItem(qs(landName(land)), land);
    liste->setCurrentIndex(0);
}

int gewaehlteLandNr(const QComboBox* liste) {
    const QString text = liste->isEditable() ? liste->currentText() : liste->itemText(liste->currentIndex());
    const int i = liste->findText(text, Qt::MatchFixedString);
    return i < 0 ? kLandEigeneEinheit : gueltigeLandNr(liste->itemData(i).toInt());
}

} // namespace qnt

#include "maintain/Laenderauswahl.h"

#include "data/Laender.h"

namespace qnt {

const std::vector<int>& laenderAuswahl() {
    static const std::vector<int> auswahl = [] {
        std::vector<int> v;
        for (int n = 1; n <= kLaenderAnzahl; ++n)
            if (landNrGueltig(n)) v.push_back(n);
        return v;
    }();
    return auswahl;
}

int gueltigeLandNr(int landNr) {
    return landNrGueltig(landNr) ? landNr : kLandEigeneEinheit;
}

} // namespace qnt

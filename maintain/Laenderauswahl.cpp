#include "maintain/Laenderauswahl.h"

#include "list/Laender.h"

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

std::string_view landName(int landNr) {
    return landNr >= 1 && landNr <= kLaenderAnzahl ? Laendernamen[static_cast<std::size_t>(landNr)] : "";
}

int gueltigeLandNr(int landNr) {
    return landNrGueltig(landNr) ? landNr : kLandEigeneEinheit;
}

} // namespace qnt

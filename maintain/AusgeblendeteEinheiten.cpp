#include "maintain/AusgeblendeteEinheiten.h"

#include "data/Gebiete.h"
#include "maintain/Laenderauswahl.h"

namespace qnt {

bool ladeAusgeblendete(std::string_view datei, std::vector<TAusgeblendeteEinheit>& liste) {
    std::vector<TEinheitSatz> saetze;
    if (!liesSaetze(datei, saetze)) return false;
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        const TEinheitSatz& s = saetze[i];
        if (s.Angezeigt() == 0)
            liste.push_back(
                {s.Name() + " - " + std::string(landName(s.LandNr())), {static_cast<std::int32_t>(i)}});
    }
    return true;
}

Pflegeergebnis einblenden(std::string_view datei, const std::vector<std::int32_t>& satzNrn) {
    if (satzNrn.empty()) return {};
    return SatzAktualisieren(datei, satzNrn, [](TEinheitSatz& s) { s.setzeAngezeigt(1); });
}

std::optional<std::string> loeschVerweigerung(Gebietsart art) {
    if (art != Gebietsart::Temperatur) return std::nullopt;
    return "Beim Gebiet \"Temperatur\" k\xF6nnen keine Einheiten gel\xF6scht werden!";
}

std::string loeschFrage(std::string_view gebietname) {
    return "Sollen die ausgeblendeten Einheiten des Gebietes \"" + std::string(gebietname) +
           "\" wirklich aus der Datendatei gel\xF6scht werden?";
}

Pflegeergebnis loescheAusgeblendete(std::string_view datei) {
    return DatendateiRevidieren(datei, behalteAngezeigte());
}

} // namespace qnt

#include "list/Einheitenliste.h"

#include "data/Fehler.h"
#include "data/Gebiete.h"

namespace qnt {

bool ladeEinheitenliste(std::string_view dateiname, const TLandAngezeigt& landAngezeigt, TEinheitenliste& liste) {
    liste.clear();
    Datendatei d;
    std::int32_t n = 0;
    if (!d.oeffnenNurLesen(dateiname) || !d.anzahl(n)) return false;
    liste.reserve(static_cast<std::size_t>(n));
    for (std::int32_t k = 0; k < n; ++k) {
        TEinheitSatz s;
        if (!d.lies(s)) return false;
        const int land = s.LandNr();
        const bool landSichtbar =
            land < 1 || land > kLaenderAnzahl || landAngezeigt[static_cast<std::size_t>(land)];
        if (s.Angezeigt() == 1 && landSichtbar) liste.push_back({s, k, {}, {}});
    }
    d.schliessen();
    return true;
}

void sortiereNachLand(TEinheitenliste& liste) {
    TEinheitenliste neu;
    neu.reserve(liste.size());
    for (int c = 1; c <= kLaenderAnzahl; ++c)
        for (auto& e : liste)
            if (e.Satz.LandNr() == c) neu.push_back(std::move(e));
    for (auto& e : liste)
        if (e.Satz.LandNr() < 1 || e.Satz.LandNr() > kLaenderAnzahl) neu.push_back(std::move(e));
    liste = std::move(neu);
}

void einheitAusblenden(std::string_view dateiname, std::int32_t satzNr) {
    Datendatei d;
    if (!d.oeffnen(dateiname)) throw oeffnenFehler(d.oeffnenFehler());
    TEinheitSatz s;
    if (!d.positioniere(satzNr) || !d.lies(s)) throw eaFehler(100);
    s.setzeAngezeigt(0);
    if (!d.positioniere(satzNr) || !d.schreibe(s)) throw eaFehler(101);
    if (!d.schliessen()) throw eaFehler(101);
}

std::string datendateiMeldung(std::string_view dateiname) {
    return "Die Datei " + std::string(dateiname) + " konnte nicht ge\xF6" "ffnet werden!";
}

std::string uebersetzungsUeberschrift(Gebietsart art) {
    if (art == Gebietsart::Waehrungen) return "Stand: ";
    if (art == Gebietsart::Weltzeit) return "Sommerzeit (+ 1 Stunde): ";
    return "\xDC" "bersetzung: ";
}

} // namespace qnt

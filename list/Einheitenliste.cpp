#include "list/Einheitenliste.h"

#include <cstring>

#include "data/Fehler.h"
#include "data/Gebiete.h"

namespace qnt {

namespace {
// Builds the record right inside the new list entry: a TEinheitSatz made first would be copied once more.
struct SatzAus {
    const char* satz;
    operator TEinheitSatz() const { return TEinheitSatz(satz); }
};
} // namespace

bool ladeEinheitenliste(std::string_view dateiname, const TLandAngezeigt& landAngezeigt, TEinheitenliste& liste) {
    // Reused between loads, as the list is: a category switch then costs no fresh memory.
    static thread_local Bytepuffer inhalt;
    Datendatei d;
    if (!d.oeffnenNurLesen(dateiname)) {
        liste.clear();
        return false;
    }
    const bool gelesen = d.liesAlle(inhalt);
    const std::size_t n = gelesen ? inhalt.size() / kSatzGroesse : 0;
    if (liste.capacity() < n) {
        TEinheitenliste neu;
        ohneSpeichermangel(dateiname, [&] { neu.reserve(n); });
        liste.swap(neu);
    }
    liste.clear();
    if (!gelesen) return false;
    for (std::size_t k = 0; k < n; ++k) {
        const char* satz = inhalt.data() + k * kSatzGroesse;
        const int land = static_cast<std::uint8_t>(satz[8]);
        const bool landSichtbar =
            land < 1 || land > kLaenderAnzahl || landAngezeigt[static_cast<std::size_t>(land)];
        if (satz[0] != 1 || !landSichtbar) continue;
        liste.emplace_back(SatzAus{satz}, static_cast<std::int32_t>(k));
    }
    return d.schliessen();
}

void sortiereNachLand(TEinheitenliste& liste) {
    // One stable counting pass: countries 1..91 in order, then every number outside them, each group
    // in its previous order.
    constexpr int kAusserhalb = kLaenderAnzahl + 1;
    const auto gruppe = [](const TAusgabetextobject& e) {
        const int land = e.Satz.LandNr();
        return land >= 1 && land <= kLaenderAnzahl ? land : kAusserhalb;
    };
    std::array<std::size_t, kAusserhalb + 2> beginn{};
    for (const auto& e : liste)
        ++beginn[static_cast<std::size_t>(gruppe(e)) + 1];
    for (std::size_t g = 1; g < beginn.size(); ++g)
        beginn[g] += beginn[g - 1];
    std::vector<std::size_t> quelle(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
        quelle[beginn[static_cast<std::size_t>(gruppe(liste[i]))]++] = i;
    TEinheitenliste neu;
    neu.reserve(liste.size());
    for (const std::size_t i : quelle)
        neu.push_back(std::move(liste[i]));
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

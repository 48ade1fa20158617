#include "list/Einheitenliste.h"

#include <algorithm>
#include <cstring>

#include "data/Fehler.h"
#include "data/Gebiete.h"

namespace qnt {

bool ladeEinheitenliste(std::string_view dateiname, const TLandAngezeigt& landAngezeigt, TEinheitenliste& liste) {
    // Blocks that stay in the processor's cache while they are copied into the list: one read of the
    // whole file measured slower, since the file's copy and the list together overflow the cache.
    constexpr std::int64_t kBlock = 1024;
    static thread_local Bytepuffer block;
    Datendatei d;
    std::int64_t n = 0;
    if (!d.oeffnenNurLesen(dateiname) || !d.ladbareAnzahl(n)) {
        liste.clear();
        return false;
    }
    if (liste.capacity() < static_cast<std::size_t>(n)) {
        TEinheitenliste neu;
        ohneSpeichermangel(dateiname, [&] { neu.reserve(static_cast<std::size_t>(n)); });
        liste.swap(neu);
    }
    // Entries of the previous list are overwritten where they stand: clearing first would walk the
    // whole old list once more only to destroy it.
    std::size_t m = 0;
    for (std::int64_t von = 0; von < n; von += kBlock) {
        const std::int64_t anzahl = std::min(kBlock, n - von);
        if (!d.liesBereich(von, anzahl, block)) {
            liste.clear();
            return false;
        }
        for (std::int64_t i = 0; i < anzahl; ++i) {
            const char* satz = block.data() + i * kSatzGroesse;
            const int land = static_cast<std::uint8_t>(satz[8]);
            const bool landSichtbar =
                land < 1 || land > kLaenderAnzahl || landAngezeigt[static_cast<std::size_t>(land)];
            if (satz[0] != 1 || !landSichtbar) continue;
            if (m == liste.size()) liste.emplace_back();
            TAusgabetextobject& e = liste[m++];
            std::memcpy(e.Satz.bytes.data(), satz, kSatzGroesse);
            e.SatzNr = static_cast<std::int32_t>(von + i);
            e.ErgebnisWiss.clear();
            e.ErgebnisFest.clear();
        }
    }
    liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(m), liste.end());
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
    // Where every entry comes from, then the entries moved along the cycles of that permutation, each once:
    // a second list of the same size would cost fresh memory on every sort.
    std::vector<std::size_t> quelle(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
        quelle[beginn[static_cast<std::size_t>(gruppe(liste[i]))]++] = i;
    for (std::size_t start = 0; start < liste.size(); ++start) {
        if (quelle[start] == start) continue;
        TAusgabetextobject frei = std::move(liste[start]);
        std::size_t platz = start;
        while (quelle[platz] != start) {
            const std::size_t von = quelle[platz];
            liste[platz] = std::move(liste[von]);
            quelle[platz] = platz;
            platz = von;
        }
        liste[platz] = std::move(frei);
        quelle[platz] = platz;
    }
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

#pragma once
// Entry lists for the converter tests.
#include <string>
#include <vector>

#include "convert/Umrechner.h"
#include "data/Einheit.h"

namespace qnt::test {

inline TAusgabetextobject eintrag(double faktor, std::int32_t satzNr) {
    TAusgabetextobject e;
    e.Satz.setzeFaktor(faktor);
    e.SatzNr = satzNr;
    // Earlier results, which a rejected calculation must leave standing.
    e.ErgebnisWiss = "alt wiss";
    e.ErgebnisFest = "alt fest";
    return e;
}

// One entry per factor, at the record positions 0, 1, 2, ...
inline std::vector<TAusgabetextobject> eintraegeMitFaktoren(const std::vector<double>& faktoren) {
    std::vector<TAusgabetextobject> l;
    for (std::size_t i = 0; i < faktoren.size(); ++i)
        l.push_back(eintrag(faktoren[i], static_cast<std::int32_t>(i)));
    return l;
}

// Entries at the given record positions, factor 1.
inline std::vector<TAusgabetextobject> eintraegeAnPositionen(const std::vector<std::int32_t>& positionen) {
    std::vector<TAusgabetextobject> l;
    for (std::int32_t p : positionen)
        l.push_back(eintrag(1, p));
    return l;
}

inline bool unveraendert(const std::vector<TAusgabetextobject>& l) {
    for (const auto& e : l)
        if (e.ErgebnisWiss != "alt wiss" || e.ErgebnisFest != "alt fest") return false;
    return true;
}

} // namespace qnt::test

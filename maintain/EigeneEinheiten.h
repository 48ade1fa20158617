#pragma once
// Own units: which dialog serves a category, the record each dialog builds, and the insertion.
#include <optional>
#include <string>
#include <string_view>

#include "data/Einheit.h"
#include "data/Gebiete.h"
#include "maintain/Revision.h"

namespace qnt {

// True for the categories that convert by rules of their own and take neither own units nor new factors.
bool ohneFaktorumrechnung(Gebietsart art);

enum class Einfuegedialog { Keiner, Gewoehnlich, Waehrung, Weltzeit };
Einfuegedialog einfuegedialogFuer(Gebietsart art);

// The refusal for "Zahlensysteme", "Temperatur" and "Brüche".
std::optional<std::string> einfuegeVerweigerung(Gebietsart art);

// Shown when the factor field does not parse.
inline constexpr std::string_view kFaktorfeldFalsch =
    "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte \xE4ndern!";

// The fields of the three dialogs as typed; texts are cut to their capacity in the record.
// A LandNr that names no country becomes 4 ("Eigene Einheit").
struct TEigeneEinheit {
    std::string Name, Kurzzeichen, SonstigeNamen, Einsatzgebiet;
    int LandNr = 1;
};
struct TEigeneWaehrung {
    std::string Name, Kurzzeichen, Stand, Wert;
    int LandNr = 1;
};
struct TEigeneWeltzeit {
    std::string Name, Kurzzeichen, Sommerzeit;
    int LandNr = 1;
};

// The records: Angezeigt 1, Eigene "j", zero bytes wherever no field is written.
TEinheitSatz satzEigeneEinheit(const TEigeneEinheit& e, double faktor);
TEinheitSatz satzEigeneWaehrung(const TEigeneWaehrung& e, double faktor);
// The world-time factor is hours: the typed minutes divided by 60.
TEinheitSatz satzEigeneWeltzeit(const TEigeneWeltzeit& e, double minuten);

// Inserts `neu` at its place in name order (in front of an equal name).
Pflegeergebnis fuegeEinheitEin(std::string_view datei, const TEinheitSatz& neu);

} // namespace qnt

#pragma once
// The currency rate table: every record of the currency file with its rate in euro and two notes,
// edited as a table and saved as a whole.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "list/Einheitenliste.h"
#include "maintain/Revision.h"

namespace qnt {

// The stored factor of a currency with a fixed euro rate, chosen by LandNr: the double nearest to
// 1 / rate. Nothing for other countries.
std::optional<double> festkurs(int landNr);

// 12 decimals, right-aligned to 22 characters, decimal comma; empty for a factor of 0.
std::string kursText(double faktor);

struct TKurstabelle {
    TEinheitenliste Eintraege; // in display order
    bool NachLand = false;     // sorted by country ("Nach &Einheit sortieren" enabled)
};

// Every record, hidden ones included, in file order. False when the file cannot be opened or read
// (message: oeffnenFehlertext).
bool ladeKurstabelle(std::string_view datei, TKurstabelle& tabelle);

// Stable regrouping by LandNr; back to file order.
void sortiereNachLand(TKurstabelle& tabelle);
void sortiereNachEinheit(TKurstabelle& tabelle);

// The five cell texts of an entry: country, "1 <Name> =", rate, Stand, Wert.
struct TKurszeile {
    std::string Land, Waehrung, Euro, Stand, Wert;
};
TKurszeile kursZeile(const TAusgabetextobject& eintrag);

// The editable cells of one row as typed.
struct TKurszellen {
    std::string Euro, Stand, Wert;
};

inline constexpr std::string_view kFalscheEingabe = "Falsche Eingabe, bitte berichtigen!";

// The decimal number parse of the input field; nothing when the text does not parse.
using ZahlLeser = std::function<std::optional<double>(std::string_view)>;

struct TKursspeicherung {
    enum class Art { Gespeichert, FalscheEingabe, Schreibfehler };
    Art Ergebnis = Art::Gespeichert;
    int Zeile = -1;      // FalscheEingabe: the entry index of the first bad rate (grid row Zeile + 1)
    std::string Meldung; // the text to show, empty when saved
};

// Writes every entry back in file order (the table is re-sorted if it is by country) through the safe
// rewrite.
Pflegeergebnis schreibeKurstabelle(std::string_view datei, TKurstabelle& tabelle);

// Saves the table: the rates are checked first (an empty cell is 0), and only if all parse the entries
// take the cells (a rate cell still showing the entry's rate keeps all its digits; fixed rates win;
// Stand cut to 32, Wert to 21), go back to file order and are written through the safe rewrite.
// `zellen` holds one row per entry in display order; rows without cells keep their record.
TKursspeicherung speichereKurstabelle(std::string_view datei, TKurstabelle& tabelle,
                                      const std::vector<TKurszellen>& zellen, const ZahlLeser& leser);

} // namespace qnt

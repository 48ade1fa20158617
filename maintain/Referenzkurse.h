#pragma once
// The euro reference rates of the European Central Bank, as its daily XML or CSV file, and their
// takeover into the currency table.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "maintain/Revision.h"

namespace qnt {

// Larger files are refused unread; the daily file is a few kilobytes.
inline constexpr std::size_t kKursdateiGrenze = 1024 * 1024;

struct TReferenzkurse {
    std::string Datum;                           // YYYY-MM-DD, the form of the table's "Stand"
    std::map<std::string, double> EuroJeEinheit; // ISO code -> value of one unit in euro (1 / rate)
};

// Either the rates or the German message that refuses the file (code page 1252).
struct TKurslesung {
    std::optional<TReferenzkurse> Kurse;
    std::string Meldung;
};

// `inhalt` is the file's bytes (UTF-8 or ASCII). Refuses anything but a complete rate file.
TKurslesung liesReferenzkurse(std::string_view inhalt);

// "Die Kursdatei ist größer als 1 MB." for callers that check the size before reading.
std::string kursdateiZuGrossText();

struct TKursuebernahme {
    std::vector<std::int32_t> Uebernommen; // SatzNr of the entries that took a rate
    std::size_t Unveraendert = 0;
};

// Every entry whose Kurzzeichen has a rate takes it and the date as "Stand". Fixed rates and the
// euro itself never change; Angezeigt and every other field stay as they are.
TKursuebernahme uebernehmeKurse(std::vector<TAusgabetextobject>& eintraege, const TReferenzkurse& kurse);

// "31 Kurse vom 2026-12-04 übernommen, 140 unverändert"
std::string uebernahmeText(const TKursuebernahme& u, const TReferenzkurse& kurse);

// Without a window: the data file of "Währungen" named by the category index takes the rates through
// the safe rewrite. Meldung is the line to print, on success the takeover text.
Pflegeergebnis aktualisiereWaehrungen(const TReferenzkurse& kurse);

} // namespace qnt

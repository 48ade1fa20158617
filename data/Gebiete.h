#pragma once
// The category index "Gruppen.nfo" and the category descriptions "Gebiet.nfo".
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

struct TGebietEintrag {
    std::string Gebietname;
    std::string Dateiname;
    std::string Bezug;
    bool operator==(const TGebietEintrag&) const = default;
};

using TGebiete = std::vector<TGebietEintrag>;

inline constexpr std::string_view kGruppenDatei = "Gruppen.nfo";
inline constexpr std::string_view kGebietDatei = "Gebiet.nfo";

// Field n (1-based) of a text split at a separator; the last field runs to the end.
std::string ZeilenFeld(std::string_view text, char trenner, int n);
// Fields 1..anzahl in one pass: element k - 1 is ZeilenFeld(text, trenner, k). Views into `text`.
std::vector<std::string_view> ZeilenFelder(std::string_view text, char trenner, int anzahl);

TGebiete zerlegeGebiete(const std::vector<std::string>& zeilen);
std::vector<std::string> gebieteAlsZeilen(const TGebiete& gebiete);

// Gebietsinfo: every line of "Gebiet.nfo" followed by CR LF.
std::string gebietsinfoAusZeilen(const std::vector<std::string>& zeilen);
// The lines written back for `anzahl` categories.
std::vector<std::string> gebietsinfoAlsZeilen(const std::string& gebietsinfo, int anzahl);
// Description of category k (1-based), as shown: field k split at '*'.
std::string gebietsBeschreibung(const std::string& gebietsinfo, int k);

// File access; false when the file cannot be opened, read or written.
bool ladeGebiete(TGebiete& gebiete, std::string_view datei = kGruppenDatei);
bool speichereGebiete(const TGebiete& gebiete, std::string_view datei = kGruppenDatei);
bool ladeGebietsinfo(std::string& gebietsinfo, std::string_view datei = kGebietDatei);
bool speichereGebietsinfo(const std::string& gebietsinfo, int anzahl, std::string_view datei = kGebietDatei);

// The five categories that convert by rules of their own, by name.
inline constexpr std::string_view kTemperatur = "Temperatur";
inline constexpr std::string_view kZahlensysteme = "Zahlensysteme";
inline constexpr std::string_view kWeltzeit = "Weltzeit";
inline constexpr std::string_view kWaehrungen = "W\xE4hrungen";
inline constexpr std::string_view kBrueche = "Br\xFC" "che";


// What kind a category is; decided once from its name where the category is loaded.
enum class Gebietsart { Gewoehnlich, Temperatur, Waehrungen, Weltzeit, Zahlensysteme, Brueche };
Gebietsart gebietsartVon(std::string_view gebietname);

} // namespace qnt

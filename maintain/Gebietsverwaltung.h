#pragma once
// Creating and deleting categories: the index line, the description and the data file change together.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"

namespace qnt {

// The fields of the new-category dialog as typed. `Dateiname` is without ".DAT".
struct TNeuesGebiet {
    std::string Gebietname, Grundeinheit, Kurzzeichen, SonstigeNamen, Einsatzgebiet, Information, Dateiname;
    int LandNr = 1;
};

// The first 8 characters of the name, upper-cased by the code page 1252 rules.
std::string dateinamenVorschlag(std::string_view gebietname);

// True for a typed file name (without ".DAT") that makes a plain file name of its own: no path, no
// character a file name may not hold, no device name, not "TEMP" (the revision's temporary file).
bool dateinameZulaessig(std::string_view dateiname);

enum class GebietFeld { Name, Grundeinheit, Dateiname, Information };
struct TGebietPruefung {
    GebietFeld Feld;
    std::string Meldung;
    bool operator==(const TGebietPruefung&) const = default;
};

inline constexpr std::string_view kFehlendeAngabe = "Fehlende Angabe im Editierfeld!";
inline constexpr std::string_view kDateinameVorhanden = "Der Dateiname ist schon vorhanden, bitte \xE4ndern!";
inline constexpr std::string_view kGebietVorhanden =
    "Der Name des Gebietes ist schon vorhanden, bitte \xE4ndern!";
inline constexpr std::string_view kDateinameUnzulaessig =
    "Der Dateiname ist nicht zul\xE4ssig, bitte \xE4ndern!";
// A TAB or line break in a name, or a "*" in the name or the information, would break the index files.
inline constexpr std::string_view kZeichenUnzulaessig =
    "Unzul\xE4ssiges Zeichen im Editierfeld, bitte \xE4ndern!";

// Every failing check in the order the dialog shows them; empty when the category may be created.
// Focus goes to the field of the last one.
std::vector<TGebietPruefung> pruefeNeuesGebiet(const TNeuesGebiet& neu, const TGebiete& gebiete);

// 0-based place: in front of the first category whose upper-cased name compares greater.
std::size_t einfuegeStelle(const TGebiete& gebiete, std::string_view gebietname);

// The base unit: factor 1, Angezeigt 1, Eigene "j", the typed texts.
TEinheitSatz grundeinheitSatz(const TNeuesGebiet& neu);

// "<name>: " CR LF and the information (or "Keine Angaben vorhanden."), with CR LF line ends.
std::string gebietsBeschreibungNeu(const TNeuesGebiet& neu);

// Gebietsinfo of `anzahl` categories with `beschreibung` placed at 0-based `stelle`, or without the
// description at `stelle`. Every description stays beside its category; the text is in the form that
// loading the saved file gives.
std::string gebietsinfoMitNeuem(const std::string& gebietsinfo, int anzahl, std::size_t stelle,
                                std::string_view beschreibung);
std::string gebietsinfoOhne(const std::string& gebietsinfo, int anzahl, std::size_t stelle);

// Creates the category: data file first, then index and descriptions; a failure undoes what was written
// and throws LaufzeitFehler, leaving `gebiete` and `gebietsinfo` unchanged. Returns the 0-based position.
std::size_t legeGebietAn(TGebiete& gebiete, std::string& gebietsinfo, const TNeuesGebiet& neu);

// "Das einzige Gebiet kann nicht gelöscht werden!" when only one category is left.
std::optional<std::string> gebietLoeschVerweigerung(const TGebiete& gebiete);
std::string gebietLoeschFrage(std::string_view gebietname);

// Deletes category `stelle`: its data file, index line and description. A missing data file throws
// "Datei nicht gefunden" and a write-protected one "E/A-Fehler 5", changing nothing; a failed save of the
// index files restores them and the data file.
void loescheGebiet(TGebiete& gebiete, std::string& gebietsinfo, std::size_t stelle);

} // namespace qnt

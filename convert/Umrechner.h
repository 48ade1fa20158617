#pragma once
// The converters: one input text, the marked entry and the entries in, the result texts or a report out.
//
// The session (TSitzung::rechne) calls rechne with the category's Gebietsart and turns the result into its
// answer: results to show, a report (with focus and selection of the input), a reload of the category.
//
// Every converter computes all results before it writes the first one: a report or an exception leaves every
// entry as it was.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"

namespace qnt {

struct Rechenergebnis {
    enum class Art {
        Nichts,        // nothing was calculated (empty list, or a source unit the converter does not know)
        Ok,            // every entry's texts written
        OkMitHinweis,  // written, and `meldung` is to be reported after they are shown
        Eingabefehler, // nothing written; report `meldung`
    };
    Art art = Art::Ok;
    std::string meldung;   // code page 1252; empty unless there is something to report
    bool markieren = true; // after the focus, also select the input field's whole text
    bool neuLaden = false; // after the report, reload the category as after a change of category

    bool ergebnisseGeschrieben() const { return art == Art::Ok || art == Art::OkMitHinweis; }

    static Rechenergebnis ok() { return {}; }
    static Rechenergebnis nichts() { return {Art::Nichts, {}, true, false}; }
    static Rechenergebnis fehler(std::string_view text, bool markieren = true) {
        return {Art::Eingabefehler, std::string(text), markieren, false};
    }
};

// The input messages (code page 1252).
namespace meldung {
inline constexpr std::string_view kBitteAendern = "Falsche Eingabe im Werteingabeld! Bitte \xE4ndern! ";
inline constexpr std::string_view kKeinBruch =
    "Falsche Eingabe im Werteingabeld! Die Zahl ist kein Bruch! Richtig z.B. 1/5!";
inline constexpr std::string_view kGanzeZahl =
    "Falsche Eingabe im Werteingabeld! Die Zahl ist eine ganze Zahl und "
    "kann nicht in einen Bruch umgerechnet werden!";
inline constexpr std::string_view kEingabeZuGross = "Zahl im Eingabefeld zu gro\xDF!";
inline constexpr std::string_view kNurEinsUndNull =
    "Falsche Eingabe im Werteingabeld! Es sind nur 1 und 0 erlaubt!";
inline constexpr std::string_view kNurGanzeZahlen =
    "Falsche Eingabe im Werteingabeld! Es sind nur ganze Zahlen erlaubt!";
inline constexpr std::string_view kNurHexZiffern =
    "Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen "
    "erlaubt: 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, A, B, C, D, E, F!";
inline constexpr std::string_view kNurOktalZiffern =
    "Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, 4, 5, 6, 7!";
inline constexpr std::string_view kNurRoemischeZiffern =
    "Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: I, V, X, L, C, D, M!";
inline constexpr std::string_view kHexZuGross = "Die Hexadezimalzahl ist zu gro\xDF!";
inline constexpr std::string_view kOktalZuGross = "Die Oktalzahl ist zu gro\xDF!";
inline constexpr std::string_view kBinaerZuGross = "Die Bin\xE4rzahl ist zu gro\xDF!";
inline constexpr std::string_view kRoemischZuGross = "Die R\xF6mische Zahl ist zu gro\xDF!";
inline constexpr std::string_view kFalscheRoemische = "Falsche R\xF6mische Zahl!";
inline constexpr std::string_view kUhrzeit =
    "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!";
} // namespace meldung

// Result texts that stand in a row instead of a value.
namespace ergebnistext {
inline constexpr std::string_view kZahlZuGross = "Zahl zu gro\xDF";
inline constexpr std::string_view kZahlZuKlein = "Zahl zu klein";
inline constexpr std::string_view kBruchZuGross = " Zahl zu gro\xDF";
inline constexpr std::string_view kUnbekannt = " unbekannt";
inline constexpr std::string_view kNaechsterTag = " n\xE4. Tag";
inline constexpr std::string_view kVortag = " Vortag";
} // namespace ergebnistext

// The calculation of a category of kind `art` (an ordinary one converts by factor). `quelle` is the marked row.
// Throws LaufzeitFehler for a value beyond the range of double ("Gleitkommaüberlauf"), for a fraction
// input such as "1,5e3" ("'5e3' ist kein gültiger Integerwert") and for a marked row outside a non-empty
// list.
Rechenergebnis rechne(Gebietsart art, std::string_view eingabe, int quelle,
                      std::vector<TAusgabetextobject>& eintraege);
// The same for a category known by name.
Rechenergebnis rechne(std::string_view gebietname, std::string_view eingabe, int quelle,
                      std::vector<TAusgabetextobject>& eintraege);

// The single converters; `quelle` must be a valid index.
Rechenergebnis rechneFaktor(std::string_view eingabe, std::size_t quelle,
                            std::vector<TAusgabetextobject>& eintraege);
Rechenergebnis rechneWaehrung(std::string_view eingabe, std::size_t quelle,
                              std::vector<TAusgabetextobject>& eintraege);
Rechenergebnis rechneTemperatur(std::string_view eingabe, std::size_t quelle,
                                std::vector<TAusgabetextobject>& eintraege);
Rechenergebnis rechneZahlensystem(std::string_view eingabe, std::size_t quelle,
                                  std::vector<TAusgabetextobject>& eintraege);
Rechenergebnis rechneWeltzeit(std::string_view eingabe, std::size_t quelle,
                              std::vector<TAusgabetextobject>& eintraege);
Rechenergebnis rechneBruch(std::string_view eingabe, std::size_t quelle,
                           std::vector<TAusgabetextobject>& eintraege);

// Roman numeral of a value: "" for 0, "Zahl zu groß" from 10000 on or beyond 15 letters, "Zahl zu klein"
// for negative values.
std::string roemischeZahl(std::int32_t wert);

} // namespace qnt

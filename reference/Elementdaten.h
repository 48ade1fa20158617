#pragma once
// The chemical elements of "Stoffw8.nfo": one element per line, 16 tab-separated fields.
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

inline constexpr std::string_view kElementDatei = "Stoffw8.nfo";

// Fixed captions of the data sheet.
namespace elementtext {
inline constexpr std::string_view EnglischerName = "Englischer Name:";
inline constexpr std::string_view Ordnungszahl = "Ordnungszahl:";
inline constexpr std::string_view Gruppe = "Gruppe:";
inline constexpr std::string_view Oxidationszahl = "Oxidationszahl:";
inline constexpr std::string_view Elektronenkonfig = "Elektronenkonfig.:";
inline constexpr std::string_view PhysikalischeDaten = "Physikalische Daten:";
inline constexpr std::string_view Aggregatzustand = "Aggregatzustand:";
inline constexpr std::string_view Atommasse = "Atommasse:";
inline constexpr std::string_view Schmelzpunkt = "Schmelzpunkt in \xB0"
                                                 "C:";
inline constexpr std::string_view Siedepunkt = "Siedepunkt in \xB0"
                                               "C:";
inline constexpr std::string_view Waermekapazitaet = "Spez. W\xE4rmekapazit\xE4t bei 25\xB0 C und 1 bar";
inline constexpr std::string_view JeGramm = "in J/g K:";
inline constexpr std::string_view JeMol = "in J/mol K:";
inline constexpr std::string_view DichteFestFluessig = "Dichte in g/cm\xB3 bei 20\xB0 C und 1013 mbar:";
inline constexpr std::string_view DichteGas = "Dichte in g/Liter bei 0\xB0 C und 1013 mbar:";
} // namespace elementtext

// "A" Actinoide, "L" Lanthanoide, otherwise the second character and ". Hauptgruppe" ("H" first) or
// ". Nebengruppe".
std::string gruppenText(std::string_view code);

// "fest", "flüssig", "gasförmig"; an unknown code shows nothing.
std::string zustandsText(std::string_view code);

// The density caption follows the state text shown.
std::string_view dichteBeschriftung(std::string_view zustandstext);

struct Elementblatt {
    std::string Name;
    std::string Symbol;
    std::string EnglischerName;
    std::string Entdeckung; // "Entdeckt <year> von <discoverer>", built even when both are empty
    std::string Ordnungszahl;
    std::string Gruppe;
    std::string Oxidationszahl;
    std::string Elektronenkonfig;
    std::string Zustand;
    std::string Atommasse;
    std::string Schmelzpunkt;
    std::string Siedepunkt;
    std::string DichteBeschriftung;
    std::string Dichte;
    std::string WaermeJeGramm;
    std::string WaermeJeMol;
};

Elementblatt elementblatt(std::string_view zeile);

// Field 1 of every line; an empty line gives an empty entry, so entry i stays line i.
std::vector<std::string> elementNamen(const std::vector<std::string>& zeilen);

} // namespace qnt

#pragma once
// Changing the factor of one unit: the texts the dialogs open with, and the write in place.
#include <optional>
#include <string>
#include <string_view>

#include "data/Einheit.h"
#include "data/Gebiete.h"
#include "maintain/Revision.h"

namespace qnt {

enum class Faktordialog { Keiner, Gewoehnlich, Kurstabelle, Weltzeit };
Faktordialog faktordialogFuer(Gebietsart art);

// The refusal for "Zahlensysteme", "Temperatur" and "Brüche".
std::optional<std::string> faktorVerweigerung(Gebietsart art);

inline constexpr std::string_view kEingabefeldFalsch =
    "Falsche oder keine Angabe im Eingabefeld! Bitte \xE4ndern!";

// 17 characters: blank or "-", one digit, ",", eight digits, "E", sign, four exponent digits
// (nine significant digits, rounded to nearest). 0.0254 gives " 2,54000000E-0002".
std::string faktorText(double faktor);

// The world-time factor (hours) as whole minutes, halves to the even neighbour: 5.5 gives "330".
std::string minutenText(double stunden);

// Writes the new factor into record eintrag.SatzNr; only on success the entry takes it too.
Pflegeergebnis aendereFaktor(std::string_view datei, TAusgabetextobject& eintrag, double faktor);

// World time: factor = minuten / 60 and the summer-time note (cut to 32) into Uebersetzung;
// only on success the entry takes both.
Pflegeergebnis aendereWeltzeit(std::string_view datei, TAusgabetextobject& eintrag, double minuten,
                               std::string_view sommerzeit);

} // namespace qnt

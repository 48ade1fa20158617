#pragma once
// Reading the input value and writing results: the two number parses and the two result notations.
//
//   auto v = qnt::dezimalzahlLesen(" 1,5e3");   // 1500.0; std::nullopt for a malformed text;
//                                               // throws LaufzeitFehler "Gleitkommaüberlauf" beyond double
//   auto n = qnt::ganzzahlLesen("-12");         // -12; std::nullopt outside the signed 32-bit range
//   auto t = qnt::Ergebnis_formatieren(1234.5); // t.Wiss " 1,234500E+0003", t.Fest "  1234,5000000"
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qnt {

// Decimal number: leading blanks, an optional sign, digits with an optional separator ("," and "." alike)
// and an optional exponent ("E"/"e", optional sign, at least one digit), nothing after. Digits may be
// missing on either side of the separator: "." and "E5" read as 0. The value is computed in extended
// precision and rounded once to double.
enum class Lesestatus { Ok, Fehler, Ueberlauf };
struct Dezimalzahl {
    Lesestatus status = Lesestatus::Fehler;
    double wert = 0; // valid only with Ok; "-0" gives negative zero
};
Dezimalzahl dezimalzahlPruefen(std::string_view text);

// The same, for callers that let an overflow end the event: throws gleitkommaUeberlaufFehler().
std::optional<double> dezimalzahlLesen(std::string_view text);

// Whole number: leading blanks, an optional sign, decimal digits, nothing after; signed 32-bit range.
std::optional<std::int32_t> ganzzahlLesen(std::string_view text);

// The text without its leading and trailing blanks.
std::string_view ohneRandBlanks(std::string_view text);

// The two result texts of an entry.
struct Ergebnistexte {
    std::string Wiss; // always 15 characters: " 1,234500E+0003"
    std::string Fest; // fixed form right-aligned in 14, or the scientific text outside 5e-11..9.9e12
};

// Rounds half away from zero on the exact value of the double. A non-finite r throws
// gleitkommaUeberlaufFehler(): no result text ever shows "inf" or "nan".
Ergebnistexte Ergebnis_formatieren(double r);
// The same, written into existing texts (an entry's ErgebnisWiss and ErgebnisFest) without temporaries.
void Ergebnis_formatieren(double r, std::string& wiss, std::string& fest);

// Decimals of the fixed form: 10 below 10, one fewer per power of ten, 0 from 10^10 on.
int Nachkommastellen(double x);

} // namespace qnt

// "Zahlensysteme": one signed 32-bit value in binary, decimal, hexadecimal, octal and roman notation.
#include <array>
#include <cstdint>
#include <string>

#include "convert/Umrechner.h"
#include "convert/Zahlen.h"

namespace qnt {

namespace {

enum Schreibweise : std::int32_t { Binaer = 0, Dezimal = 1, Hexadezimal = 2, Oktal = 3, Roemisch = 4 };

constexpr std::int64_t kGroesster = 0x7FFFFFFF;

int roemischerWert(char c) {
    switch (c) {
    case 'I':
        return 1;
    case 'V':
        return 5;
    case 'X':
        return 10;
    case 'L':
        return 50;
    case 'C':
        return 100;
    case 'D':
        return 500;
    case 'M':
        return 1000;
    default:
        return 0;
    }
}

int ziffernwert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Digits in a base, checked against kGroesster as they come, so no text of any length can wrap.
std::optional<std::int64_t> stellenwert(std::string_view ziffern, int basis) {
    std::int64_t wert = 0;
    for (char c : ziffern) {
        wert = wert * basis + ziffernwert(c);
        if (wert > kGroesster) return std::nullopt;
    }
    return wert;
}

std::optional<std::int64_t> roemischLesen(std::string_view text) {
    std::int64_t wert = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int w = roemischerWert(text[i]);
        if (i + 1 < text.size() && roemischerWert(text[i + 1]) > w)
            wert -= w;
        else
            wert += w;
        if (wert > kGroesster) return std::nullopt;
    }
    return wert;
}

std::string inBasis(std::uint32_t wert, unsigned basis) {
    if (wert == 0) return "0";
    std::string text;
    for (; wert != 0; wert /= basis)
        text.insert(text.begin(), "0123456789ABCDEF"[wert % basis]);
    return text;
}

// Negative values in binary, octal and hexadecimal are their 32-bit two's complement.
std::string notation(std::int32_t schreibweise, std::int32_t wert) {
    const auto bits = static_cast<std::uint32_t>(wert);
    std::string text;
    switch (schreibweise) {
    case Binaer:
        text = inBasis(bits, 2);
        break;
    case Dezimal:
        text = std::to_string(wert);
        break;
    case Hexadezimal:
        text = inBasis(bits, 16);
        break;
    case Oktal:
        text = inBasis(bits, 8);
        break;
    default:
        return roemischeZahl(wert);
    }
    return text.size() > 15 ? std::string(ergebnistext::kZahlZuGross) : text;
}

struct Pruefung {
    std::string_view erlaubt;
    std::string_view falschesZeichen;
    std::string_view zuGross; // shown with the focus only, like the hexadecimal limit
};

Pruefung pruefungFuer(std::int32_t schreibweise) {
    switch (schreibweise) {
    case Binaer:
        return {"01", meldung::kNurEinsUndNull, meldung::kBinaerZuGross};
    case Hexadezimal:
        return {"0123456789ABCDEF", meldung::kNurHexZiffern, meldung::kHexZuGross};
    case Oktal:
        return {"01234567", meldung::kNurOktalZiffern, meldung::kOktalZuGross};
    default:
        return {"IVXLCDM", meldung::kNurRoemischeZiffern, meldung::kRoemischZuGross};
    }
}

} // namespace

std::string roemischeZahl(std::int32_t wert) {
    // No roman numeral exists below 1; 0 is the empty numeral, a negative value is named as such.
    if (wert < 0) return std::string(ergebnistext::kZahlZuKlein);
    if (wert >= 10000) return std::string(ergebnistext::kZahlZuGross);
    std::string text(static_cast<std::size_t>(wert / 1000), 'M');
    struct Stelle {
        int teiler;
        char eins, fuenf, zehn;
    };
    for (const Stelle s : {Stelle{100, 'C', 'D', 'M'}, Stelle{10, 'X', 'L', 'C'}, Stelle{1, 'I', 'V', 'X'}}) {
        int ziffer = wert / s.teiler % 10;
        if (ziffer == 9) {
            text += s.eins;
            text += s.zehn;
            continue;
        }
        if (ziffer >= 5) {
            text += s.fuenf;
            ziffer -= 5;
        }
        if (ziffer == 4) {
            text += s.eins;
            text += s.fuenf;
            continue;
        }
        text.append(static_cast<std::size_t>(ziffer), s.eins);
    }
    return text.size() > 15 ? std::string(ergebnistext::kZahlZuGross) : text;
}

Rechenergebnis rechneZahlensystem(std::string_view eingabe, std::size_t quelle,
                                  std::vector<TAusgabetextobject>& eintraege) {
    const std::int32_t schreibweise = eintraege[quelle].SatzNr;
    if (schreibweise < Binaer || schreibweise > Roemisch) return Rechenergebnis::nichts();

    const std::string_view getrimmt = ohneRandBlanks(eingabe);
    std::int32_t wert = 0;
    if (schreibweise == Dezimal) {
        const std::optional<std::int32_t> n = ganzzahlLesen(eingabe);
        if (!n) return Rechenergebnis::fehler(meldung::kNurGanzeZahlen);
        wert = *n;
    } else {
        // An empty input passes every digit check and reads as 0, in all four notations alike.
        const Pruefung p = pruefungFuer(schreibweise);
        if (getrimmt.find_first_not_of(p.erlaubt) != std::string_view::npos)
            return Rechenergebnis::fehler(p.falschesZeichen);
        const std::optional<std::int64_t> w = schreibweise == Roemisch ? roemischLesen(getrimmt)
                                              : schreibweise == Binaer ? stellenwert(getrimmt, 2)
                                              : schreibweise == Oktal  ? stellenwert(getrimmt, 8)
                                                                       : stellenwert(getrimmt, 16);
        if (!w) return Rechenergebnis::fehler(p.zuGross, false);
        wert = static_cast<std::int32_t>(*w);
    }

    // Rows of unknown positions (only in a corrupt file) are emptied, so no earlier value stays beside the
    // new.
    for (TAusgabetextobject& e : eintraege) {
        const bool bekannt = e.SatzNr >= Binaer && e.SatzNr <= Roemisch;
        e.ErgebnisWiss = bekannt ? notation(e.SatzNr, wert) : std::string();
        e.ErgebnisFest = e.ErgebnisWiss;
    }
    if (schreibweise == Roemisch && getrimmt != eintraege[quelle].ErgebnisWiss) {
        Rechenergebnis e = Rechenergebnis::fehler(meldung::kFalscheRoemische, false);
        e.art = Rechenergebnis::Art::OkMitHinweis;
        return e;
    }
    return Rechenergebnis::ok();
}

} // namespace qnt

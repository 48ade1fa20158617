// "Brüche": a common fraction and its decimal value, from either side.
#include <cstdint>
#include <string>

#include "convert/Umrechner.h"
#include "convert/Zahlen.h"
#include "data/Fehler.h"

namespace qnt {

namespace {

constexpr std::int32_t kBruch = 0;
constexpr std::int32_t kDezimal = 1;

std::int64_t ggT(std::int64_t a, std::int64_t b) {
    while (b != 0) {
        const std::int64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// " 1 1/2", "  3/4", " 2"; a negative value carries its sign in front, where the blank of the empty whole
// part stands: " -1 1/2", " -3/4", " -2". The sign never lands in the denominator.
std::string bruchtext(bool negativ, const std::string& ganzteil, std::int64_t zaehler, std::int64_t nenner) {
    std::string text = negativ ? " -" : " ";
    text += ganzteil;
    if (zaehler != 0) {
        const std::int64_t g = ggT(nenner, zaehler);
        if (!ganzteil.empty() || !negativ) text += ' ';
        text += std::to_string(zaehler / g) + "/" + std::to_string(nenner / g);
    }
    return text.size() > 15 ? std::string(ergebnistext::kBruchZuGross) : text;
}

// The entries by record position; a hidden unit simply receives nothing.
void schreibeBruch(std::vector<TAusgabetextobject>& eintraege, const std::string& bruch, double wert) {
    const Ergebnistexte dezimal = Ergebnis_formatieren(wert);
    for (TAusgabetextobject& e : eintraege) {
        if (e.SatzNr == kBruch) {
            e.ErgebnisWiss = bruch;
            e.ErgebnisFest = bruch;
        } else if (e.SatzNr == kDezimal) {
            e.ErgebnisWiss = dezimal.Wiss;
            e.ErgebnisFest = dezimal.Fest;
        } else {
            e.ErgebnisWiss.clear();
            e.ErgebnisFest.clear();
        }
    }
}

Rechenergebnis ausBruch(std::string_view eingabe, std::vector<TAusgabetextobject>& eintraege) {
    const std::string_view text = ohneRandBlanks(eingabe);
    const std::size_t strich = text.find('/');
    if (strich == std::string_view::npos || strich == 0 || strich + 1 == text.size())
        return Rechenergebnis::fehler(meldung::kKeinBruch);
    const std::optional<std::int32_t> z = ganzzahlLesen(text.substr(0, strich));
    const std::optional<std::int32_t> n = ganzzahlLesen(text.substr(strich + 1));
    if (!z || !n || *z == 0 || *n == 0) return Rechenergebnis::fehler(meldung::kBitteAendern);

    const double q = static_cast<double>(*z) / static_cast<double>(*n);
    const bool negativ = (*z < 0) != (*n < 0);
    const std::int64_t zaehler = *z < 0 ? -std::int64_t{*z} : *z;
    const std::int64_t nenner = *n < 0 ? -std::int64_t{*n} : *n;
    const std::int64_t ganz = zaehler / nenner;
    const std::string ganzteil = ganz == 0 ? std::string() : std::to_string(ganz);
    schreibeBruch(eintraege, bruchtext(negativ, ganzteil, zaehler % nenner, nenner), q);
    return Rechenergebnis::ok();
}

bool nurZiffern(std::string_view s) {
    return s.find_first_not_of("0123456789") == std::string_view::npos;
}

Rechenergebnis ausDezimalzahl(std::string_view eingabe, std::vector<TAusgabetextobject>& eintraege) {
    const std::optional<double> v = dezimalzahlLesen(eingabe);
    if (!v || *v == 0) return Rechenergebnis::fehler(meldung::kBitteAendern);

    std::string punktText(eingabe);
    for (char& c : punktText)
        if (c == ',') c = '.';
    const std::size_t punkt = punktText.find('.');
    const std::string_view teil = punkt == std::string::npos ? std::string_view(punktText)
                                                             : std::string_view(punktText).substr(punkt + 1);
    bool nurNull = false;
    if (nurZiffern(teil)) {
        // Digits only: however many, they are zero or not (a long run is the ten-decimal limit's affair).
        nurNull = teil.find_first_not_of('0') == std::string_view::npos;
    } else {
        // An exponent after the separator, or a text without one: read as a whole number; anything else
        // ends the calculation with the conversion error.
        const std::optional<std::int32_t> n = ganzzahlLesen(teil);
        if (!n) throw keinIntegerwertFehler(std::string(teil));
        nurNull = *n == 0;
    }
    if (teil.empty() || nurNull || punkt == std::string::npos)
        return Rechenergebnis::fehler(meldung::kGanzeZahl);

    // From here the text is: blanks, an optional sign, digits, ".", digits (at least one not zero).
    std::string_view getrimmt = ohneRandBlanks(punktText);
    const bool negativ = getrimmt.front() == '-';
    if (getrimmt.front() == '-' || getrimmt.front() == '+') getrimmt.remove_prefix(1);
    const std::size_t p = getrimmt.find('.');
    const std::string_view nachkomma = getrimmt.substr(p + 1);
    if (nachkomma.size() >= 10) {
        Rechenergebnis e = Rechenergebnis::fehler(meldung::kEingabeZuGross, false);
        e.neuLaden = true;
        return e;
    }
    std::string_view vorkomma = getrimmt.substr(0, p);
    vorkomma.remove_prefix(std::min(vorkomma.find_first_not_of('0'), vorkomma.size()));

    std::int64_t zaehler = 0;
    std::int64_t nenner = 1;
    for (char c : nachkomma) {
        zaehler = zaehler * 10 + (c - '0');
        nenner *= 10;
    }
    schreibeBruch(eintraege, bruchtext(negativ, std::string(vorkomma), zaehler, nenner), *v);
    return Rechenergebnis::ok();
}

} // namespace

Rechenergebnis rechneBruch(std::string_view eingabe, std::size_t quelle,
                           std::vector<TAusgabetextobject>& eintraege) {
    switch (eintraege[quelle].SatzNr) {
    case kBruch:
        return ausBruch(eingabe, eintraege);
    case kDezimal:
        return ausDezimalzahl(eingabe, eintraege);
    default:
        return Rechenergebnis::nichts();
    }
}

} // namespace qnt

#include "convert/Zahlen.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "data/Fehler.h"

namespace qnt {

namespace {

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

std::string_view ziffernAb(std::string_view text, std::size_t& i) {
    const std::size_t anfang = i;
    while (i < text.size() && istZiffer(text[i]))
        ++i;
    return text.substr(anfang, i - anfang);
}

// Beyond these decimal exponents of the leading digit a value is surely infinite or zero as a double;
// in between, extended precision holds it without leaving its range.
constexpr long long kGrenzeGross = 400;
constexpr long long kGrenzeKlein = -400;
constexpr long long kExponentKappe = 1'000'000'000;

} // namespace

Dezimalzahl dezimalzahlPruefen(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return {};

    const std::string_view ganz = ziffernAb(text, i);
    std::string_view bruch;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        bruch = ziffernAb(text, i);
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool expNegativ = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            expNegativ = text[i] == '-';
            ++i;
        }
        const std::string_view expZiffern = ziffernAb(text, i);
        if (expZiffern.empty()) return {};
        for (char c : expZiffern)
            exponent = std::min(exponent * 10 + (c - '0'), kExponentKappe);
        if (expNegativ) exponent = -exponent;
    }
    if (i != text.size()) return {};

    // The value is ziffern × 10^exp10 with the leading and trailing zeros taken off the digits.
    std::string ziffern;
    ziffern.reserve(ganz.size() + bruch.size());
    ziffern.append(ganz).append(bruch);
    long long exp10 = exponent - static_cast<long long>(bruch.size());
    const std::size_t ersteNichtNull = ziffern.find_first_not_of('0');
    const double nullWert = negativ ? -0.0 : 0.0;
    if (ersteNichtNull == std::string::npos) return {Lesestatus::Ok, nullWert};
    const std::size_t letzteNichtNull = ziffern.find_last_not_of('0');
    exp10 += static_cast<long long>(ziffern.size() - 1 - letzteNichtNull);
    ziffern = ziffern.substr(ersteNichtNull, letzteNichtNull + 1 - ersteNichtNull);

    const long long fuehrend = exp10 + static_cast<long long>(ziffern.size()) - 1;
    if (fuehrend > kGrenzeGross) return {Lesestatus::Ueberlauf, 0};
    if (fuehrend < kGrenzeKlein) return {Lesestatus::Ok, nullWert};

    char expText[24];
    expText[0] = 'e';
    const auto expEnde = std::to_chars(expText + 1, expText + sizeof expText, exp10).ptr;
    ziffern.append(expText, expEnde);
    long double erweitert = 0;
    const auto [ende, ec] = std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), erweitert);
    if (ec != std::errc{} || ende != ziffern.data() + ziffern.size()) return {};
    const double wert = static_cast<double>(erweitert);
    if (std::isinf(wert)) return {Lesestatus::Ueberlauf, 0};
    return {Lesestatus::Ok, negativ ? -wert : wert};
}

std::optional<double> dezimalzahlLesen(std::string_view text) {
    const Dezimalzahl z = dezimalzahlPruefen(text);
    if (z.status == Lesestatus::Ueberlauf) throw gleitkommaUeberlaufFehler();
    if (z.status == Lesestatus::Fehler) return std::nullopt;
    return z.wert;
}

std::optional<std::int32_t> ganzzahlLesen(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    const std::string_view ziffern = ziffernAb(text, i);
    if (ziffern.empty() || i != text.size()) return std::nullopt;
    const std::int64_t grenze = negativ ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t wert = 0;
    for (char c : ziffern) {
        wert = wert * 10 + (c - '0');
        if (wert > grenze) return std::nullopt;
    }
    return static_cast<std::int32_t>(negativ ? -wert : wert);
}

int Nachkommastellen(double x) {
    const double a = std::fabs(x);
    double grenze = 10;
    for (int stellen = 10; stellen > 0; --stellen, grenze *= 10)
        if (a < grenze) return stellen;
    return 0;
}

namespace {

// True when a > 0 lies exactly halfway between two neighbouring multiples of 10^-k (k may be negative).
// Only then can the correctly rounded digits of to_chars (ties to even) differ from half away from zero.
bool liegtGenauMittig(double a, int k) {
    int e2 = 0;
    std::uint64_t mantisse = static_cast<std::uint64_t>(std::ldexp(std::frexp(a, &e2), 53));
    if (mantisse == 0) return false;
    int p = e2 - 53;
    const int nullBits = std::countr_zero(mantisse);
    mantisse >>= nullBits;
    p += nullBits;
    // a · 10^k · 2 = mantisse · 5^k · 2^(p+k+1) must be an odd whole number.
    if (p + k + 1 != 0) return false;
    if (k >= 0) return true;
    std::uint64_t fuenfHoch = 1;
    for (int j = 0; j < -k; ++j) {
        if (fuenfHoch > std::numeric_limits<std::uint64_t>::max() / 5) return false;
        fuenfHoch *= 5;
    }
    return mantisse % fuenfHoch == 0;
}

// Adds one in the last place of the digits [anfang, ende), skipping the separator; true on a carry out.
bool plusEinsHinten(char* anfang, char* ende) {
    for (char* z = ende; z != anfang;) {
        --z;
        if (*z == '.') continue;
        if (*z != '9') {
            ++*z;
            return false;
        }
        *z = '0';
    }
    return true;
}

constexpr int kWissLaenge = 15;
constexpr int kFestBreite = 14;

std::string wissenschaftlich(double a, bool negativ) {
    std::string text(kWissLaenge, ' ');
    char ziffern[8] = {'0', '0', '0', '0', '0', '0', '0', '0'};
    int exponent = 0;
    if (a != 0) {
        char buf[40];
        // "d.dddddde+XX": seven significant digits, then the decimal exponent.
        auto zerlege = [&](int genauigkeit) {
            const char* ende =
                std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, genauigkeit).ptr;
            ziffern[0] = buf[0];
            for (int j = 1; j <= genauigkeit; ++j)
                ziffern[j] = buf[j + 1];
            const char* e = buf + genauigkeit + 2;
            std::from_chars(e[1] == '+' ? e + 2 : e + 1, ende, exponent);
        };
        zerlege(6);
        if (liegtGenauMittig(a, 6 - exponent)) {
            // Exactly eight significant digits ending in 5: round that half away from zero.
            zerlege(7);
            if (plusEinsHinten(ziffern, ziffern + 7)) {
                ziffern[0] = '1';
                ++exponent;
            }
        }
    }
    text[0] = negativ ? '-' : ' ';
    text[1] = ziffern[0];
    text[2] = ',';
    for (int j = 1; j <= 6; ++j)
        text[static_cast<std::size_t>(2 + j)] = ziffern[j];
    text[9] = 'E';
    text[10] = exponent < 0 ? '-' : '+';
    int betrag = exponent < 0 ? -exponent : exponent;
    for (int j = 14; j >= 11; --j, betrag /= 10)
        text[static_cast<std::size_t>(j)] = static_cast<char>('0' + betrag % 10);
    return text;
}

std::string festkomma(double a, bool negativ, int stellen) {
    // buf[0] stays free for a carry into a new leading digit.
    char buf[48];
    char* anfang = buf + 1;
    char* ende = std::to_chars(anfang, buf + sizeof buf, a, std::chars_format::fixed, stellen).ptr;
    if (liegtGenauMittig(a, stellen)) {
        ende = std::to_chars(anfang, buf + sizeof buf, a, std::chars_format::fixed, stellen + 1).ptr - 1;
        if (stellen == 0) --ende; // the separator before the dropped 5
        if (plusEinsHinten(anfang, ende)) *--anfang = '1';
    }
    if (negativ) *--anfang = '-';
    const auto laenge = static_cast<std::size_t>(ende - anfang);
    std::string text(laenge < kFestBreite ? kFestBreite - laenge : 0, ' ');
    text.append(anfang, laenge);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

} // namespace

Ergebnistexte Ergebnis_formatieren(double r) {
    if (!std::isfinite(r)) throw gleitkommaUeberlaufFehler();
    const double a = std::fabs(r);
    const bool negativ = r < 0; // negative zero is shown as zero
    Ergebnistexte t;
    t.Wiss = wissenschaftlich(a, negativ);
    // The double nearest 5e-11 lies above 5·10^-11, so this compares with the exact limit: every value shown
    // in fixed form has a non-zero digit among its ten decimals.
    if (a >= 5e-11 && a <= 9.9e12)
        t.Fest = festkomma(a, negativ, Nachkommastellen(a));
    else
        t.Fest = t.Wiss;
    return t;
}

} // namespace qnt

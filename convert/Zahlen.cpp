#include "convert/Zahlen.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
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

std::string_view ohneRandBlanks(std::string_view text) {
    const std::size_t anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') + 1 - anfang);
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

__extension__ using u128 = unsigned __int128;

constexpr int kMaxZehnerpotenz = 22;

constexpr std::array<u128, kMaxZehnerpotenz + 1> kZehnHoch = [] {
    std::array<u128, kMaxZehnerpotenz + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

int bitBreite(u128 x) {
    const auto hoch = static_cast<std::uint64_t>(x >> 64);
    if (hoch != 0) return 128 - std::countl_zero(hoch);
    return 64 - std::countl_zero(static_cast<std::uint64_t>(x));
}

// a = mantisse · 2^e exactly, for a finite a >= 0.
void zerlege(double a, std::uint64_t& mantisse, int& e) {
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    mantisse = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0) {
        e = -1074; // denormal
    } else {
        mantisse |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
}

// a · 10^k (a > 0 finite) as its whole part and whether the exact rest is at least one half, in 128-bit
// integers: a = mantisse · 2^e exactly. False when the numbers would not fit.
bool skaliert(double a, int k, std::uint64_t& ganz, bool& aufrunden) {
    if (k > kMaxZehnerpotenz || k < -kMaxZehnerpotenz) return false;
    std::uint64_t mantisse = 0;
    int e = 0;
    zerlege(a, mantisse, e);
    u128 zaehler = mantisse;
    u128 nenner = 1;
    if (k >= 0)
        zaehler *= kZehnHoch[static_cast<std::size_t>(k)];
    else
        nenner = kZehnHoch[static_cast<std::size_t>(-k)];
    u128 q = 0;
    u128 rest = 0;
    if (e >= 0) {
        if (bitBreite(zaehler) + e > 126) return false;
        zaehler <<= e;
        q = zaehler / nenner;
        rest = zaehler % nenner;
    } else {
        if (bitBreite(nenner) - e > 126) return false;
        nenner <<= -e;
        if (k >= 0) { // a power of two
            q = zaehler >> -e;
            rest = zaehler & (nenner - 1);
        } else if ((nenner >> 64) == 0) { // the common case, at a fraction of the cost of 128-bit division
            const auto z64 = static_cast<std::uint64_t>(zaehler);
            const auto n64 = static_cast<std::uint64_t>(nenner);
            q = z64 / n64;
            rest = z64 % n64;
        } else {
            q = zaehler / nenner;
            rest = zaehler % nenner;
        }
    }
    if (q > std::numeric_limits<std::uint64_t>::max() / 2) return false;
    ganz = static_cast<std::uint64_t>(q);
    aufrunden = rest >= nenner - rest;
    return true;
}

constexpr std::uint64_t kMillion = 1'000'000;

// Seven significant digits of a > 0 (as a number 1000000..9999999) and the decimal exponent, the rest rounded
// half away from zero, through to_chars: for the far ends of the double range, beyond 128-bit arithmetic.
void wissZiffernFern(double a, std::uint64_t& ziffern, int& exponent) {
    char buf[40];
    auto zerlege = [&](int genauigkeit) {
        const char* ende =
            std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, genauigkeit).ptr;
        ziffern = static_cast<std::uint64_t>(buf[0] - '0');
        for (int j = 1; j <= genauigkeit; ++j)
            ziffern = ziffern * 10 + static_cast<std::uint64_t>(buf[j + 1] - '0');
        const char* e = buf + genauigkeit + 2;
        std::from_chars(e[1] == '+' ? e + 2 : e + 1, ende, exponent);
    };
    zerlege(6);
    if (liegtGenauMittig(a, 6 - exponent)) {
        // Exactly eight significant digits ending in 5 (to_chars rounds that to even): round it up.
        zerlege(7);
        ziffern = ziffern / 10 + 1;
    }
    if (ziffern == 10 * kMillion) {
        ziffern = kMillion;
        ++exponent;
    }
}

void wissZiffern(double a, std::uint64_t& ziffern, int& exponent) {
    std::uint64_t mantisse = 0;
    int e = 0;
    zerlege(a, mantisse, e);
    // a lies in [2^b, 2^(b+1)), so its decimal exponent is floor(b · log10 2) or one more.
    const int b = e + 63 - std::countl_zero(mantisse);
    exponent = static_cast<int>(std::floor(b * 0.30102999566398120));
    std::uint64_t ganz = 0;
    bool aufrunden = false;
    if (!skaliert(a, 6 - exponent, ganz, aufrunden) || ganz < kMillion || ganz >= 100 * kMillion)
        return wissZiffernFern(a, ziffern, exponent);
    if (ganz >= 10 * kMillion) {
        // One digit too many: floor(x / 10) = floor(floor(x) / 10), and the dropped digit decides the
        // rounding.
        aufrunden = ganz % 10 >= 5;
        ganz /= 10;
        ++exponent;
    }
    ziffern = ganz + (aufrunden ? 1 : 0);
    if (ziffern == 10 * kMillion) { // 9.9999995 and above carry into the exponent
        ziffern = kMillion;
        ++exponent;
    }
}

constexpr std::size_t kWissLaenge = 15;
constexpr std::size_t kFestBreite = 14;

// Writes n >= 0 as exactly `stellen` digits ending before `ende`, two at a time; returns the first digit.
char* ziffernVor(char* ende, std::uint64_t n, int stellen) {
    static constexpr char kPaare[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    for (; stellen >= 2; stellen -= 2, n /= 100) {
        const auto p = static_cast<std::size_t>(n % 100) * 2;
        *--ende = kPaare[p + 1];
        *--ende = kPaare[p];
    }
    if (stellen == 1) *--ende = static_cast<char>('0' + n % 10);
    return ende;
}

int ziffernzahl(std::uint64_t n) {
    int z = 1;
    for (; n >= 10; n /= 10)
        ++z;
    return z;
}

void wissenschaftlich(double a, bool negativ, char (&text)[kWissLaenge]) {
    std::uint64_t ziffern = 0;
    int exponent = 0;
    if (a != 0) wissZiffern(a, ziffern, exponent);
    // " d,ddddddE+eeee"
    text[0] = negativ ? '-' : ' ';
    ziffernVor(text + 9, ziffern % kMillion, 6);
    text[2] = ',';
    text[1] = static_cast<char>('0' + ziffern / kMillion);
    text[9] = 'E';
    text[10] = exponent < 0 ? '-' : '+';
    ziffernVor(text + 15, static_cast<std::uint64_t>(exponent < 0 ? -exponent : exponent), 4);
}

// a in 5e-11..9.9e12 with `stellen` decimals (0..10): a · 10^stellen stays below 2^87, always in reach of
// skaliert. Returns the length, 0 when out of reach after all.
std::size_t festkomma(double a, bool negativ, int stellen, char (&text)[kWissLaenge]) {
    std::uint64_t ganz = 0;
    bool aufrunden = false;
    if (!skaliert(a, stellen, ganz, aufrunden)) return 0;
    if (aufrunden) ++ganz;
    char buf[32];
    char* ende = buf + sizeof buf;
    std::uint64_t teiler = 1;
    for (int j = 0; j < stellen; ++j)
        teiler *= 10;
    char* z = ziffernVor(ende, ganz % teiler, stellen);
    if (stellen > 0) *--z = ',';
    const std::uint64_t vorKomma = ganz / teiler;
    z = ziffernVor(z, vorKomma, ziffernzahl(vorKomma));
    if (negativ) *--z = '-';
    const auto laenge = static_cast<std::size_t>(ende - z);
    if (laenge > kFestBreite) return 0;
    std::memset(text, ' ', kFestBreite - laenge);
    std::memcpy(text + (kFestBreite - laenge), z, laenge);
    return kFestBreite;
}

} // namespace

void Ergebnis_formatieren(double r, std::string& wiss, std::string& fest) {
    if (!std::isfinite(r)) throw gleitkommaUeberlaufFehler();
    const double a = std::fabs(r);
    const bool negativ = r < 0; // negative zero is shown as zero
    char text[kWissLaenge];
    wissenschaftlich(a, negativ, text);
    wiss.assign(text, kWissLaenge);
    // The double nearest 5e-11 lies above 5·10^-11, so this compares with the exact limit: every value shown
    // in fixed form has a non-zero digit among its ten decimals.
    std::size_t laenge = 0;
    if (a >= 5e-11 && a <= 9.9e12) laenge = festkomma(a, negativ, Nachkommastellen(a), text);
    if (laenge == 0)
        fest = wiss;
    else
        fest.assign(text, laenge);
}

Ergebnistexte Ergebnis_formatieren(double r) {
    Ergebnistexte t;
    Ergebnis_formatieren(r, t.Wiss, t.Fest);
    return t;
}

} // namespace qnt

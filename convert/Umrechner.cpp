#include "convert/Umrechner.h"

#include <cmath>

#include "convert/Zahlen.h"
#include "data/Fehler.h"
#include "data/Gebiete.h"

namespace qnt {

namespace {

void schreibe(TAusgabetextobject& e, Ergebnistexte t) {
    e.ErgebnisWiss = std::move(t.Wiss);
    e.ErgebnisFest = std::move(t.Fest);
}

double endlichOderUeberlauf(double x) {
    if (!std::isfinite(x)) throw gleitkommaUeberlaufFehler();
    return x;
}

// b = v × f_s, then r_i = b / f_i for a positive factor and 0 otherwise; all of them before anything is
// written.
std::vector<double> quotienten(double v, std::size_t quelle,
                               const std::vector<TAusgabetextobject>& eintraege) {
    const double b = endlichOderUeberlauf(v * eintraege[quelle].Satz.Faktor());
    std::vector<double> r;
    r.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const double f = e.Satz.Faktor();
        r.push_back(f > 0 ? endlichOderUeberlauf(b / f) : 0.0);
    }
    return r;
}

// Temperature scales by record position. The way through Kelvin stays in extended precision and only the
// result is rounded to double: rounding K as well would turn 100 °C into 99.99999999999997 °C, which shows
// with one decimal too many.
constexpr long double kNullpunkt = 273.15L;

enum class Skala { Celsius, Fahrenheit, Kelvin, Rankine, Reaumur, Unbekannt };

Skala skalaAn(std::int32_t satzNr) {
    switch (satzNr) {
    case 0:
    case 1:
    case 5:
        return Skala::Celsius;
    case 2:
    case 6:
        return Skala::Fahrenheit;
    case 3:
    case 9:
        return Skala::Kelvin;
    case 4:
    case 7:
        return Skala::Rankine;
    case 8:
        return Skala::Reaumur;
    default:
        return Skala::Unbekannt;
    }
}

long double inKelvin(Skala s, long double v) {
    switch (s) {
    case Skala::Celsius:
        return v + kNullpunkt;
    case Skala::Fahrenheit:
        return (v - 32) * 5 / 9 + kNullpunkt;
    case Skala::Rankine:
        return v * 5 / 9;
    case Skala::Reaumur:
        return v * 1.25L + kNullpunkt;
    case Skala::Kelvin:
    case Skala::Unbekannt:
        break;
    }
    return v;
}

double ausKelvin(Skala s, long double k) {
    switch (s) {
    case Skala::Celsius:
        return static_cast<double>(k - kNullpunkt);
    case Skala::Fahrenheit:
        return static_cast<double>((k - kNullpunkt) * 9 / 5 + 32);
    case Skala::Rankine:
        return static_cast<double>(k * 9 / 5);
    case Skala::Reaumur:
        return static_cast<double>((k - kNullpunkt) * 4 / 5);
    case Skala::Kelvin:
    case Skala::Unbekannt:
        break;
    }
    return static_cast<double>(k);
}

// The way through Kelvin and back leaves a small error on Fahrenheit: 0 °C must give exactly 32 °F.
double einrasten(double r) {
    double ganz = 0;
    const double bruch = std::modf(std::fabs(r), &ganz);
    if (bruch != 0 && (bruch <= 1e-10 || bruch >= 0.9999999999)) return std::round(r);
    return r;
}

// World-time offsets: the factor in hours as whole minutes, the even neighbour for a half (as the factor
// dialog shows them). A factor beyond any clock ends the calculation like an overflow.
std::int64_t minutenVersatz(double faktor) {
    const double minuten = faktor * 60;
    if (!(std::fabs(minuten) < 0x1p40)) throw gleitkommaUeberlaufFehler();
    return static_cast<std::int64_t>(std::nearbyint(minuten));
}

std::string zweistellig(std::int64_t n) {
    std::string s = std::to_string(n);
    return n < 10 ? "0" + s : s;
}

std::string tagesmarke(std::int64_t tage) {
    if (tage == 0) return {};
    if (tage == 1) return std::string(ergebnistext::kNaechsterTag);
    if (tage == -1) return std::string(ergebnistext::kVortag);
    // Offsets far apart (UTC-12 to UTC+14) can reach a second day.
    return (tage > 0 ? " +" : " ") + std::to_string(tage) + " Tage";
}

constexpr std::int64_t kTagMinuten = 1440;

} // namespace

Rechenergebnis rechneFaktor(std::string_view eingabe, std::size_t quelle,
                            std::vector<TAusgabetextobject>& eintraege) {
    const std::optional<double> v = dezimalzahlLesen(eingabe);
    if (!v || *v == 0) return Rechenergebnis::fehler(meldung::kBitteAendern);
    const std::vector<double> r = quotienten(*v, quelle, eintraege);
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        Ergebnis_formatieren(r[i], eintraege[i].ErgebnisWiss, eintraege[i].ErgebnisFest);
    return Rechenergebnis::ok();
}

Rechenergebnis rechneWaehrung(std::string_view eingabe, std::size_t quelle,
                              std::vector<TAusgabetextobject>& eintraege) {
    const std::optional<double> v = dezimalzahlLesen(eingabe);
    if (!v || *v == 0) return Rechenergebnis::fehler(meldung::kBitteAendern);
    const std::vector<double> r = quotienten(*v, quelle, eintraege);
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        if (eintraege[i].Satz.Faktor() == 0 || r[i] == 0)
            schreibe(eintraege[i],
                     {std::string(ergebnistext::kUnbekannt), std::string(ergebnistext::kUnbekannt)});
        else
            Ergebnis_formatieren(r[i], eintraege[i].ErgebnisWiss, eintraege[i].ErgebnisFest);
    }
    return Rechenergebnis::ok();
}

Rechenergebnis rechneTemperatur(std::string_view eingabe, std::size_t quelle,
                                std::vector<TAusgabetextobject>& eintraege) {
    const std::optional<double> v = dezimalzahlLesen(eingabe);
    if (!v) return Rechenergebnis::fehler(meldung::kBitteAendern);
    // Only a corrupt data file has units beyond the ten known scales: such a source converts nothing,
    // such a target shows no text rather than an invented one.
    const Skala quellskala = skalaAn(eintraege[quelle].SatzNr);
    if (quellskala == Skala::Unbekannt) return Rechenergebnis::nichts();
    const long double k = inKelvin(quellskala, *v);

    std::vector<double> r(eintraege.size());
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        const Skala s = skalaAn(eintraege[i].SatzNr);
        double x = endlichOderUeberlauf(ausKelvin(s, k));
        if (s == Skala::Fahrenheit) x = einrasten(x);
        if (std::fabs(x) < 1e-10) x = 0; // also turns a negative zero into zero
        r[i] = x;
    }
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        if (skalaAn(eintraege[i].SatzNr) == Skala::Unbekannt) {
            schreibe(eintraege[i], {});
            continue;
        }
        Ergebnistexte t = Ergebnis_formatieren(r[i]);
        if (r[i] == 0) t.Fest = "  0,0000000000";
        schreibe(eintraege[i], std::move(t));
    }
    return Rechenergebnis::ok();
}

Rechenergebnis rechneWeltzeit(std::string_view eingabe, std::size_t quelle,
                              std::vector<TAusgabetextobject>& eintraege) {
    const std::size_t doppelpunkt = eingabe.find(':');
    if (doppelpunkt == std::string_view::npos) return Rechenergebnis::fehler(meldung::kUhrzeit);
    const std::optional<std::int32_t> stunden = ganzzahlLesen(eingabe.substr(0, doppelpunkt));
    const std::optional<std::int32_t> minuten = ganzzahlLesen(eingabe.substr(doppelpunkt + 1));
    // A time of day has no negative part; minutes of 60 and more carry into the hours.
    if (!stunden || !minuten || *stunden < 0 || *minuten < 0)
        return Rechenergebnis::fehler(meldung::kUhrzeit);
    std::int64_t t = std::int64_t{*stunden} * 60 + *minuten;
    if (t == kTagMinuten) t = 0;
    if (t > kTagMinuten) return Rechenergebnis::fehler(meldung::kUhrzeit);

    const std::int64_t bezug = t - minutenVersatz(eintraege[quelle].Satz.Faktor());
    std::vector<std::string> texte;
    texte.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const std::int64_t m = minutenVersatz(e.Satz.Faktor()) + bezug;
        // Floor division: every time lies in 00:00..23:59 and the day mark counts the days crossed.
        std::int64_t tage = m / kTagMinuten;
        std::int64_t rest = m % kTagMinuten;
        if (rest < 0) {
            rest += kTagMinuten;
            --tage;
        }
        std::string text = zweistellig(rest / 60) + ":" + zweistellig(rest % 60) + tagesmarke(tage);
        if (text.size() > 15) text = std::string(ergebnistext::kZahlZuGross);
        texte.push_back(std::move(text));
    }
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        eintraege[i].ErgebnisWiss = texte[i];
        eintraege[i].ErgebnisFest = std::move(texte[i]);
    }
    return Rechenergebnis::ok();
}

Rechenergebnis rechne(Gebietsart art, std::string_view eingabe, int quelle,
                      std::vector<TAusgabetextobject>& eintraege) {
    if (eintraege.empty()) return Rechenergebnis::nichts();
    if (quelle < 0 || static_cast<std::size_t>(quelle) >= eintraege.size()) throw listenIndexFehler(quelle);
    const auto q = static_cast<std::size_t>(quelle);
    switch (art) {
    case Gebietsart::Brueche: return rechneBruch(eingabe, q, eintraege);
    case Gebietsart::Zahlensysteme: return rechneZahlensystem(eingabe, q, eintraege);
    case Gebietsart::Weltzeit: return rechneWeltzeit(eingabe, q, eintraege);
    case Gebietsart::Waehrungen: return rechneWaehrung(eingabe, q, eintraege);
    case Gebietsart::Temperatur: return rechneTemperatur(eingabe, q, eintraege);
    case Gebietsart::Gewoehnlich: break;
    }
    return rechneFaktor(eingabe, q, eintraege);
}

Rechenergebnis rechne(std::string_view gebietname, std::string_view eingabe, int quelle,
                      std::vector<TAusgabetextobject>& eintraege) {
    return rechne(gebietsartVon(gebietname), eingabe, quelle, eintraege);
}

} // namespace qnt

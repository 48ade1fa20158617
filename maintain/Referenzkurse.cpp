#include "maintain/Referenzkurse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "convert/Zahlen.h"
#include "data/Fehler.h"
#include "data/Gebiete.h"
#include "maintain/Kurstabelle.h"

namespace qnt {

namespace {

constexpr std::string_view kEuro = "EUR";

TKurslesung abgelehnt(std::string meldung) {
    return {std::nullopt, std::move(meldung)};
}

std::string unvollstaendigText() {
    return "Die Kursdatei ist unvollst\xE4ndig.";
}

std::string keinDatumText() {
    return "Die Kursdatei nennt kein g\xFCltiges Datum.";
}

std::string keinFormatText() {
    return "Die Datei enth\xE4lt keine Referenzkurse der Europ\xE4ischen Zentralbank (XML oder CSV).";
}

// A piece of the file inside a message: short, and only printable ASCII, since the file is not
// in the message's code page.
std::string zitat(std::string_view s) {
    std::string z = "\"";
    for (char c : s.substr(0, 12))
        z += (c >= ' ' && c <= '~') ? c : '?';
    return z + (s.size() > 12 ? "...\"" : "\"");
}

std::string_view ohneRand(std::string_view s) {
    const auto a = s.find_first_not_of(" \t\r\n");
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

bool istIsoCode(std::string_view c) {
    return c.size() == 3 && std::all_of(c.begin(), c.end(), [](char z) { return z >= 'A' && z <= 'Z'; });
}

bool ziffern(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char z) { return z >= '0' && z <= '9'; });
}

// "2026-12-04", or the daily CSV's "04 December 2026"; nothing when neither.
std::optional<std::string> datum(std::string_view s) {
    s = ohneRand(s);
    int j = 0, m = 0, t = 0;
    if (s.size() == 10 && s[4] == '-' && s[7] == '-' && ziffern(s.substr(0, 4)) && ziffern(s.substr(5, 2)) &&
        ziffern(s.substr(8, 2))) {
        // Digits only, checked above: the reads cannot fail.
        j = *ganzzahlLesen(s.substr(0, 4));
        m = *ganzzahlLesen(s.substr(5, 2));
        t = *ganzzahlLesen(s.substr(8, 2));
    } else {
        static constexpr std::string_view monate[] = {"January",   "February", "March",    "April",
                                                      "May",       "June",     "July",     "August",
                                                      "September", "October",  "November", "December"};
        const auto l1 = s.find(' '), l2 = s.rfind(' ');
        if (l1 == std::string_view::npos || l1 == l2) return std::nullopt;
        const auto tag = s.substr(0, l1), monat = s.substr(l1 + 1, l2 - l1 - 1), jahr = s.substr(l2 + 1);
        if (!ziffern(tag) || tag.size() > 2 || !ziffern(jahr) || jahr.size() != 4) return std::nullopt;
        for (int i = 0; i < 12; ++i)
            if (monat == monate[i]) m = i + 1;
        j = *ganzzahlLesen(jahr), t = *ganzzahlLesen(tag);
    }
    static constexpr int tage[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (j < 1999 || m < 1 || m > 12 || t < 1 || t > tage[m - 1]) return std::nullopt;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", j, m, t);
    return std::string(text);
}

// Collects the rates and checks each as it comes.
class Sammler {
public:
    // False with the message set when the pair is refused.
    bool nimm(std::string_view code, std::string_view kurs) {
        if (!istIsoCode(code)) {
            meldung = "Die Kursdatei enth\xE4lt das ung\xFCltige W\xE4hrungsk\xFCrzel " + zitat(code) + ".";
            return false;
        }
        double wert = 0;
        const auto [ende, fehler] = std::from_chars(kurs.data(), kurs.data() + kurs.size(), wert);
        if (fehler != std::errc() || ende != kurs.data() + kurs.size() || !std::isfinite(wert) || wert <= 0) {
            meldung = "Die Kursdatei nennt f\xFCr " + std::string(code) + " den ung\xFCltigen Kurs " +
                      zitat(kurs) + ".";
            return false;
        }
        const std::string c(code);
        const auto [platz, neu] = kurse.EuroJeEinheit.emplace(c, 1.0 / wert);
        if (!neu && platz->second != 1.0 / wert) {
            meldung = "Die Kursdatei nennt f\xFCr " + c + " zwei verschiedene Kurse.";
            return false;
        }
        return true;
    }

    TKurslesung ergebnis() {
        if (kurse.Datum.empty()) return abgelehnt(keinDatumText());
        if (kurse.EuroJeEinheit.empty()) return abgelehnt("Die Kursdatei enth\xE4lt keine Kurse.");
        return {std::move(kurse), {}};
    }

    TReferenzkurse kurse;
    std::string meldung;
};

// The value of attribute `name` inside a tag's text, in single or double quotes.
std::optional<std::string_view> attribut(std::string_view tag, std::string_view name) {
    for (std::size_t p = tag.find(name); p != std::string_view::npos; p = tag.find(name, p + 1)) {
        if (p == 0 || (tag[p - 1] != ' ' && tag[p - 1] != '\t' && tag[p - 1] != '\n' && tag[p - 1] != '\r'))
            continue;
        std::size_t q = p + name.size();
        while (q < tag.size() && tag[q] == ' ')
            ++q;
        if (q >= tag.size() || tag[q] != '=') continue;
        ++q;
        while (q < tag.size() && tag[q] == ' ')
            ++q;
        if (q >= tag.size() || (tag[q] != '\'' && tag[q] != '"')) return std::nullopt;
        const auto ende = tag.find(tag[q], q + 1);
        if (ende == std::string_view::npos) return std::nullopt;
        return tag.substr(q + 1, ende - q - 1);
    }
    return std::nullopt;
}

// The gesmes envelope: the first Cube with a time gives the date, the Cubes with a currency that
// follow it give the rates; a second day (the history files) ends the reading.
TKurslesung liesXml(std::string_view s) {
    // A download cut short must not pass for a day with fewer currencies.
    const std::string_view schluss = s.substr(s.rfind('<') + 1);
    const bool vollstaendig =
        schluss == "/Envelope>" || (schluss.starts_with('/') && schluss.ends_with(":Envelope>"));
    Sammler sammler;
    bool umschlag = false, fertig = false;
    for (std::size_t p = s.find('<'); p != std::string_view::npos && !fertig; p = s.find('<', p + 1)) {
        if (s.compare(p, 4, "<!--") == 0) {
            p = s.find("-->", p);
            if (p == std::string_view::npos) break;
            continue;
        }
        const auto ende = s.find('>', p);
        if (ende == std::string_view::npos) break;
        const std::string_view tag = s.substr(p + 1, ende - p - 1);
        const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
        if (!umschlag) {
            if (name.starts_with('?') || name.starts_with('!')) continue;
            // The root element must be the envelope.
            if (name != "Envelope" && !name.ends_with(":Envelope")) return abgelehnt(keinFormatText());
            if (!vollstaendig) return abgelehnt(unvollstaendigText());
            umschlag = true;
            continue;
        }
        if (name != "Cube") continue;
        if (const auto zeit = attribut(tag, "time")) {
            if (!sammler.kurse.Datum.empty()) break;
            const auto d = datum(*zeit);
            if (!d) return abgelehnt(keinDatumText());
            sammler.kurse.Datum = *d;
        }
        const auto code = attribut(tag, "currency");
        const auto kurs = attribut(tag, "rate");
        if (code || kurs) {
            if (sammler.kurse.Datum.empty()) return abgelehnt(keinDatumText());
            if (!sammler.nimm(code.value_or(""), kurs.value_or(""))) return abgelehnt(sammler.meldung);
        }
        p = ende;
    }
    if (!umschlag) return abgelehnt(keinFormatText());
    return sammler.ergebnis();
}

std::vector<std::string_view> felder(std::string_view zeile) {
    std::vector<std::string_view> f;
    for (std::size_t a = 0;;) {
        const auto k = zeile.find(',', a);
        f.push_back(ohneRand(zeile.substr(a, k == std::string_view::npos ? k : k - a)));
        if (k == std::string_view::npos) break;
        a = k + 1;
    }
    while (!f.empty() && f.back().empty()) // the daily file ends every line with ", "
        f.pop_back();
    return f;
}

// "Date, USD, JPY, …" and a line of values below; of several value lines (the history file) the
// first, the newest, counts. "N/A" marks a currency without a rate that day.
TKurslesung liesCsv(std::string_view s) {
    std::vector<std::string_view> zeilen;
    for (std::size_t a = 0; a < s.size() && zeilen.size() < 2;) {
        auto e = s.find('\n', a);
        if (e == std::string_view::npos) e = s.size();
        if (!ohneRand(s.substr(a, e - a)).empty()) zeilen.push_back(s.substr(a, e - a));
        a = e + 1;
    }
    const auto kopf = felder(zeilen[0]);
    if (kopf.empty() || kopf[0] != "Date") return abgelehnt(keinFormatText());
    Sammler sammler;
    if (zeilen.size() < 2) return abgelehnt(unvollstaendigText());
    const auto werte = felder(zeilen[1]);
    if (werte.size() > kopf.size()) return abgelehnt(keinFormatText());
    // The daily file ends both lines with a comma; a value line without it was cut off.
    const auto komma = [](std::string_view z) { return ohneRand(z).ends_with(','); };
    if (werte.size() < kopf.size() || (komma(zeilen[0]) && !komma(zeilen[1])))
        return abgelehnt(unvollstaendigText());
    const auto d = datum(werte[0]);
    if (!d) return sammler.ergebnis();
    sammler.kurse.Datum = *d;
    for (std::size_t i = 1; i < kopf.size(); ++i) {
        if (werte[i] == "N/A") continue;
        if (!sammler.nimm(kopf[i], werte[i])) return abgelehnt(sammler.meldung);
    }
    return sammler.ergebnis();
}

} // namespace

std::string kursdateiZuGrossText() {
    return "Die Kursdatei ist gr\xF6\xDF"
           "er als 1 MB.";
}

TKurslesung liesReferenzkurse(std::string_view inhalt) {
    if (inhalt.size() > kKursdateiGrenze) return abgelehnt(kursdateiZuGrossText());
    if (inhalt.starts_with("\xEF\xBB\xBF")) inhalt.remove_prefix(3);
    const std::string_view s = ohneRand(inhalt);
    if (s.starts_with('<')) return liesXml(s);
    if (s.starts_with("Date")) return liesCsv(s);
    return abgelehnt(keinFormatText());
}

TKursuebernahme uebernehmeKurse(std::vector<TAusgabetextobject>& eintraege, const TReferenzkurse& kurse) {
    TKursuebernahme u;
    for (auto& e : eintraege) {
        TEinheitSatz& s = e.Satz;
        const std::string code(ohneRand(s.Kurzzeichen()));
        const auto kurs = kurse.EuroJeEinheit.find(code);
        if (kurs == kurse.EuroJeEinheit.end() || code == kEuro || festkurs(s.LandNr())) {
            ++u.Unveraendert;
            continue;
        }
        s.setzeFaktor(kurs->second);
        s.setzeUebersetzung(kurse.Datum);
        u.Uebernommen.push_back(e.SatzNr);
    }
    return u;
}

std::string uebernahmeText(const TKursuebernahme& u, const TReferenzkurse& kurse) {
    const std::size_t n = u.Uebernommen.size();
    return std::to_string(n) + (n == 1 ? " Kurs vom " : " Kurse vom ") + kurse.Datum +
           " \xFC"
           "bernommen, " +
           std::to_string(u.Unveraendert) + " unver\xE4ndert";
}

Pflegeergebnis aktualisiereWaehrungen(const TReferenzkurse& kurse) {
    TGebiete gebiete;
    if (!ladeGebiete(gebiete)) return {false, dateiNichtOeffnenFehler(std::string(kGruppenDatei)).what()};
    const auto g = std::find_if(gebiete.begin(), gebiete.end(),
                                [](const TGebietEintrag& e) { return e.Gebietname == kWaehrungen; });
    if (g == gebiete.end())
        return {false, "Das Gebiet \"" + std::string(kWaehrungen) + "\" fehlt in " +
                           std::string(kGruppenDatei) + "."};
    TKurstabelle tabelle;
    if (!ladeKurstabelle(g->Dateiname, tabelle)) return {false, oeffnenFehlertext(g->Dateiname)};
    const TKursuebernahme u = uebernehmeKurse(tabelle.Eintraege, kurse);
    auto r = schreibeKurstabelle(g->Dateiname, tabelle);
    if (!r) return r;
    return {true, uebernahmeText(u, kurse)};
}

} // namespace qnt

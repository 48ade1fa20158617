#include "data/Gebiete.h"

#include <algorithm>

#include "data/Textdatei.h"

namespace qnt {

std::string ZeilenFeld(std::string_view text, char trenner, int n) {
    std::string_view w = text;
    std::string_view feld;
    int i = 1;
    bool gefunden = !text.empty();
    while (i <= n && gefunden) {
        const auto p = w.find(trenner);
        if (p != std::string_view::npos) {
            feld = w.substr(0, p);
            w.remove_prefix(p + 1);
            ++i;
        } else {
            feld = w;
            gefunden = false;
        }
    }
    return n <= i ? std::string(feld) : std::string();
}

std::vector<std::string_view> ZeilenFelder(std::string_view text, char trenner, int anzahl) {
    std::vector<std::string_view> felder;
    felder.reserve(static_cast<std::size_t>(std::max(anzahl, 0)));
    std::string_view rest = text;
    bool weiter = !text.empty();
    for (int k = 1; k <= anzahl; ++k) {
        if (!weiter) {
            felder.emplace_back();
            continue;
        }
        const auto p = rest.find(trenner);
        felder.push_back(rest.substr(0, p));
        if (p == std::string_view::npos)
            weiter = false;
        else
            rest.remove_prefix(p + 1);
    }
    return felder;
}

TGebiete zerlegeGebiete(const std::vector<std::string>& zeilen) {
    TGebiete g;
    g.reserve(zeilen.size());
    for (const auto& z : zeilen)
        g.push_back({ZeilenFeld(z, '\t', 1), ZeilenFeld(z, '\t', 2), ZeilenFeld(z, '\t', 3)});
    return g;
}

std::vector<std::string> gebieteAlsZeilen(const TGebiete& gebiete) {
    std::vector<std::string> zeilen;
    zeilen.reserve(gebiete.size());
    for (const auto& e : gebiete) zeilen.push_back(e.Gebietname + '\t' + e.Dateiname + '\t' + e.Bezug);
    return zeilen;
}

std::string gebietsinfoAusZeilen(const std::vector<std::string>& zeilen) {
    std::string info;
    for (const auto& z : zeilen) {
        info += z;
        info += "\r\n";
    }
    return info;
}

std::vector<std::string> gebietsinfoAlsZeilen(const std::string& gebietsinfo, int anzahl) {
    std::string text;
    text.reserve(gebietsinfo.size() + 8 * static_cast<std::size_t>(std::max(anzahl, 0)));
    const auto felder = ZeilenFelder(gebietsinfo, '*', anzahl);
    for (std::size_t k = 0; k < felder.size(); ++k) {
        std::string_view s = felder[k];
        s.remove_suffix(std::min<std::size_t>(s.size(), 2));
        if (k > 0) s.remove_prefix(std::min<std::size_t>(s.size(), 2));
        text.append(s).append("\r\n*\r\n");
    }
    return zerlegeZeilen(text);
}

std::string gebietsBeschreibung(const std::string& gebietsinfo, int k) { return ZeilenFeld(gebietsinfo, '*', k); }

bool ladeGebiete(TGebiete& gebiete, std::string_view datei) {
    std::vector<std::string> zeilen;
    if (!liesZeilen(datei, zeilen)) return false;
    gebiete = zerlegeGebiete(zeilen);
    return true;
}

bool speichereGebiete(const TGebiete& gebiete, std::string_view datei) {
    return schreibeZeilen(datei, gebieteAlsZeilen(gebiete));
}

bool ladeGebietsinfo(std::string& gebietsinfo, std::string_view datei) {
    std::vector<std::string> zeilen;
    if (!liesZeilen(datei, zeilen)) return false;
    gebietsinfo = gebietsinfoAusZeilen(zeilen);
    return true;
}

bool speichereGebietsinfo(const std::string& gebietsinfo, int anzahl, std::string_view datei) {
    return schreibeZeilen(datei, gebietsinfoAlsZeilen(gebietsinfo, anzahl));
}

Gebietsart gebietsartVon(std::string_view gebietname) {
    if (gebietname == kTemperatur) return Gebietsart::Temperatur;
    if (gebietname == kWaehrungen) return Gebietsart::Waehrungen;
    if (gebietname == kWeltzeit) return Gebietsart::Weltzeit;
    if (gebietname == kZahlensysteme) return Gebietsart::Zahlensysteme;
    if (gebietname == kBrueche) return Gebietsart::Brueche;
    return Gebietsart::Gewoehnlich;
}

} // namespace qnt

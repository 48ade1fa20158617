#include "data/Gebiete.h"

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
    for (int k = 1; k <= anzahl; ++k) {
        std::string s = ZeilenFeld(gebietsinfo, '*', k);
        s.erase(s.size() >= 2 ? s.size() - 2 : 0);
        if (k > 1) s.erase(0, 2);
        text += s;
        text += "\r\n*\r\n";
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

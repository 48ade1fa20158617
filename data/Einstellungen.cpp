#include "data/Einstellungen.h"

#include <charconv>

#include "data/Textdatei.h"

namespace qnt {

const char* const kEinstellungenFehlen = "Die Datei \"QNT5.INI\" wurde nicht gefunden. Der Quantora wird mit "
                                         "Standardeinstellungen ge\xF6" "ffnet";
const char* const kEinstellungenNichtGeschrieben =
    "Die Datei \"QNT5.INI\" konnte nicht geschrieben werden. Die aktuellen Einstellungen k\xF6nnen deshalb "
    "nicht gespeichert werden.";

bool liesGanzzahl(std::string_view text, int& wert) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '+') ++i;
    const char* anfang = text.data() + i;
    const char* ende = text.data() + text.size();
    if (anfang == ende || *anfang == ' ') return false;
    const auto [p, ec] = std::from_chars(anfang, ende, wert);
    return ec == std::errc() && p == ende;
}

bool leseEinstellungen(TEinstellungen& e, std::string_view datei) {
    e = TEinstellungen{};
    std::vector<std::string> z;
    if (!liesZeilen(datei, z) || z.size() < 8) return false;
    TEinstellungen neu;
    int sortierung = 0, anzeige = 0;
    if (!liesGanzzahl(z[4], neu.Gebietsposition) || !liesGanzzahl(z[5], sortierung) ||
        !liesGanzzahl(z[6], anzeige))
        return false;
    neu.SortAlphabet = sortierung == 0;
    neu.WissAnzeige = anzeige == 0;
    for (int i = 1; i <= kLaenderAnzahl; ++i) {
        const auto pos = static_cast<std::size_t>(i - 1);
        neu.LandAngezeigt[static_cast<std::size_t>(i)] = pos >= z[7].size() || z[7][pos] != '0';
    }
    e = neu;
    return true;
}

std::vector<std::string> einstellungsZeilen(const TEinstellungen& e) {
    std::string laender;
    for (int i = 1; i <= kLaenderAnzahl; ++i) laender += e.LandAngezeigt[static_cast<std::size_t>(i)] ? '1' : '0';
    return {"5.0", "0", "0", "0", std::to_string(e.Gebietsposition), e.SortAlphabet ? "0" : "1",
            e.WissAnzeige ? "0" : "1", laender};
}

bool schreibeEinstellungen(const TEinstellungen& e, std::string_view datei) {
    return schreibeZeilen(datei, einstellungsZeilen(e));
}

} // namespace qnt

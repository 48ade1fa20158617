#include "maintain/Faktoraenderung.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/Gebiete.h"
#include "maintain/EigeneEinheiten.h"

namespace qnt {

Faktordialog faktordialogFuer(Gebietsart art) {
    if (ohneFaktorumrechnung(art)) return Faktordialog::Keiner;
    if (art == Gebietsart::Waehrungen) return Faktordialog::Kurstabelle;
    if (art == Gebietsart::Weltzeit) return Faktordialog::Weltzeit;
    return Faktordialog::Gewoehnlich;
}

std::optional<std::string> faktorVerweigerung(Gebietsart art) {
    if (!ohneFaktorumrechnung(art)) return std::nullopt;
    return "Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor m\xF6glich ist, ist ein "
           "\xC4ndern des Umrechnungsfaktors nicht m\xF6glich!";
}

std::string faktorText(double faktor) {
    if (std::isnan(faktor)) return "NAN";
    if (std::isinf(faktor)) return faktor < 0 ? "-INF" : "INF";
    // printf rounds correctly to nine significant digits; only the layout is ours.
    char roh[32];
    std::snprintf(roh, sizeof roh, "%.8E", std::fabs(faktor));
    const std::string_view r(roh); // "d.ddddddddE+xx"
    const auto e = r.find('E');
    const int exponent = std::atoi(roh + e + 1);
    char text[32];
    std::snprintf(text, sizeof text, "%c%c,%.*sE%c%04d", faktor < 0 ? '-' : ' ', roh[0],
                  static_cast<int>(e - 2), roh + 2, exponent < 0 ? '-' : '+', std::abs(exponent));
    return text;
}

std::string minutenText(double stunden) {
    const double minuten = std::nearbyint(stunden * 60) + 0.0; // + 0.0 turns -0 into 0
    if (!std::isfinite(minuten)) return "0";
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", minuten);
    return text;
}

Pflegeergebnis aendereFaktor(std::string_view datei, TAusgabetextobject& eintrag, double faktor) {
    auto r = SatzAktualisieren(datei, {eintrag.SatzNr}, [&](TEinheitSatz& s) { s.setzeFaktor(faktor); });
    if (r) eintrag.Satz.setzeFaktor(faktor);
    return r;
}

Pflegeergebnis aendereWeltzeit(std::string_view datei, TAusgabetextobject& eintrag, double minuten,
                               std::string_view sommerzeit) {
    const double faktor = minuten / 60;
    const auto aendere = [&](TEinheitSatz& s) {
        s.setzeFaktor(faktor);
        s.setzeUebersetzung(sommerzeit);
    };
    auto r = SatzAktualisieren(datei, {eintrag.SatzNr}, aendere);
    if (r) aendere(eintrag.Satz);
    return r;
}

} // namespace qnt

#include "reference/Elementdaten.h"

#include "data/Gebiete.h"

namespace qnt {

std::string gruppenText(std::string_view code) {
    if (code == "A") return "Actinoide";
    if (code == "L") return "Lanthanoide";
    // Only one character is the group number; a code too short for it shows no number.
    std::string s = code.size() >= 2 ? std::string(1, code[1]) : std::string();
    s += ". ";
    s += (!code.empty() && code[0] == 'H') ? "Hauptgruppe" : "Nebengruppe";
    return s;
}

std::string zustandsText(std::string_view code) {
    if (code == "fest") return "fest";
    if (code == "fl") return "fl\xFCssig";
    if (code == "gas") return "gasf\xF6rmig";
    return {};
}

std::string_view dichteBeschriftung(std::string_view zustandstext) {
    if (zustandstext == "fest" || zustandstext == "fl\xFCssig") return elementtext::DichteFestFluessig;
    return elementtext::DichteGas;
}

Elementblatt elementblatt(std::string_view zeile) {
    auto feld = [&](int n) { return ZeilenFeld(zeile, '\t', n); };
    Elementblatt b;
    b.Name = feld(1);
    b.Symbol = feld(2);
    b.EnglischerName = feld(3);
    if (b.EnglischerName == "=") b.EnglischerName = b.Name;
    b.Zustand = zustandsText(feld(4));
    b.Atommasse = feld(5);
    b.Ordnungszahl = feld(6);
    b.Gruppe = gruppenText(feld(7));
    b.Oxidationszahl = feld(8);
    b.Elektronenkonfig = feld(9);
    b.Dichte = feld(10);
    b.DichteBeschriftung = dichteBeschriftung(b.Zustand);
    b.Schmelzpunkt = feld(11);
    b.Siedepunkt = feld(12);
    b.WaermeJeGramm = feld(13);
    b.WaermeJeMol = feld(14);
    b.Entdeckung = "Entdeckt " + feld(16) + " von " + feld(15);
    return b;
}

std::vector<std::string> elementNamen(const std::vector<std::string>& zeilen) {
    std::vector<std::string> namen;
    namen.reserve(zeilen.size());
    for (const auto& z : zeilen)
        namen.push_back(ZeilenFeld(z, '\t', 1));
    return namen;
}

} // namespace qnt

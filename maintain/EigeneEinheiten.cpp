#include "maintain/EigeneEinheiten.h"

#include "data/Gebiete.h"
#include "maintain/Laenderauswahl.h"

namespace qnt {

bool ohneFaktorumrechnung(Gebietsart art) {
    return art == Gebietsart::Zahlensysteme || art == Gebietsart::Temperatur || art == Gebietsart::Brueche;
}

Einfuegedialog einfuegedialogFuer(Gebietsart art) {
    if (ohneFaktorumrechnung(art)) return Einfuegedialog::Keiner;
    if (art == Gebietsart::Waehrungen) return Einfuegedialog::Waehrung;
    if (art == Gebietsart::Weltzeit) return Einfuegedialog::Weltzeit;
    return Einfuegedialog::Gewoehnlich;
}

std::optional<std::string> einfuegeVerweigerung(Gebietsart art) {
    if (!ohneFaktorumrechnung(art)) return std::nullopt;
    return "Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor m\xF6glich ist, ist ein "
           "Einf\xFCgen von eigenen Einheiten nicht m\xF6glich!";
}

namespace {
TEinheitSatz grundsatz(std::string_view name, std::string_view kurzzeichen, int landNr, double faktor) {
    TEinheitSatz s = neuerEigenerSatz();
    s.setzeLandNr(static_cast<std::uint8_t>(gueltigeLandNr(landNr)));
    s.setzeKurzzeichen(kurzzeichen);
    s.setzeName(name);
    s.setzeFaktor(faktor);
    return s;
}
} // namespace

TEinheitSatz satzEigeneEinheit(const TEigeneEinheit& e, double faktor) {
    TEinheitSatz s = grundsatz(e.Name, e.Kurzzeichen, e.LandNr, faktor);
    s.setzeSonstigeNamen(e.SonstigeNamen);
    s.setzeEinsatzgebiet(e.Einsatzgebiet);
    return s;
}

TEinheitSatz satzEigeneWaehrung(const TEigeneWaehrung& e, double faktor) {
    TEinheitSatz s = grundsatz(e.Name, e.Kurzzeichen, e.LandNr, faktor);
    s.setzeUebersetzung(e.Stand);
    s.setzeCaWert(e.Wert);
    return s;
}

TEinheitSatz satzEigeneWeltzeit(const TEigeneWeltzeit& e, double minuten) {
    TEinheitSatz s = grundsatz(e.Name, e.Kurzzeichen, e.LandNr, minuten / 60);
    s.setzeUebersetzung(e.Sommerzeit);
    return s;
}

Pflegeergebnis fuegeEinheitEin(std::string_view datei, const TEinheitSatz& neu) {
    return DatendateiRevidieren(datei, fuegeSortiertEin(neu));
}

} // namespace qnt

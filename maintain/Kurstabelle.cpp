#include "maintain/Kurstabelle.h"

#include <algorithm>
#include <cstdio>

#include "maintain/Laenderauswahl.h"

namespace qnt {

std::optional<double> festkurs(int landNr) {
    // Council Regulation (EC) No 2866/98 of 31 December 1998 on the conversion rates between the euro
    // and the currencies of the Member States adopting the euro (units per euro), stored as 1 / rate.
    switch (landNr) {
    case 28:
        return 0.02478935247732394; // Belgien, 40.3399 BEF
    case 36:
        return 0.5112918811962185; // Deutschland, 1.95583 DEM
    case 50:
        return 0.16818792646151104; // Finnland, 5.94573 FIM
    case 51:
        return 0.1524490172374104; // Frankreich, 6.55957 FRF
    case 62:
        return 0.0005164568990894864; // Italien, 1936.27 ITL
    case 71:
        return 0.4537802160901389; // Niederlande, 2.20371 NLG
    case 73:
        return 0.07267283416785972; // Österreich, 13.7603 ATS
    case 78:
        return 0.00498797897068066; // Portugal, 200.482 PTE
    case 84:
        return 0.0060101210438378225; // Spanien, 166.386 ESP
    default:
        return std::nullopt;
    }
}

std::string kursText(double faktor) {
    if (faktor == 0) return {};
    char text[400];
    std::snprintf(text, sizeof text, "%22.12f", faktor);
    std::string s(text);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

bool ladeKurstabelle(std::string_view datei, TKurstabelle& tabelle) {
    tabelle = {};
    std::vector<TEinheitSatz> saetze;
    if (!liesSaetze(datei, saetze)) return false;
    tabelle.Eintraege.reserve(saetze.size());
    for (std::size_t i = 0; i < saetze.size(); ++i)
        tabelle.Eintraege.push_back({saetze[i], static_cast<std::int32_t>(i), {}, {}});
    return true;
}

void sortiereNachLand(TKurstabelle& tabelle) {
    // Countries outside the table stay, behind the others, so that a save never drops a record.
    sortiereNachLand(tabelle.Eintraege);
    tabelle.NachLand = true;
}

void sortiereNachEinheit(TKurstabelle& tabelle) {
    std::stable_sort(tabelle.Eintraege.begin(), tabelle.Eintraege.end(),
                     [](const auto& a, const auto& b) { return a.SatzNr < b.SatzNr; });
    tabelle.NachLand = false;
}

TKurszeile kursZeile(const TAusgabetextobject& eintrag) {
    const TEinheitSatz& s = eintrag.Satz;
    return {std::string(landName(s.LandNr())), "1 " + s.Name() + " =", kursText(s.Faktor()), s.Uebersetzung(),
            s.CaWert()};
}

Pflegeergebnis schreibeKurstabelle(std::string_view datei, TKurstabelle& tabelle) {
    if (tabelle.NachLand) sortiereNachEinheit(tabelle);
    TSatzAusgabe ausgabe;
    ausgabe.reserviere(tabelle.Eintraege.size());
    for (const auto& e : tabelle.Eintraege)
        ausgabe.schreibe(e.Satz);
    return ersetzeDatendatei(datei, ausgabe);
}

TKursspeicherung speichereKurstabelle(std::string_view datei, TKurstabelle& tabelle,
                                      const std::vector<TKurszellen>& zellen, const ZahlLeser& leser) {
    const std::size_t n = std::min(zellen.size(), tabelle.Eintraege.size());
    std::vector<double> kurse(n);
    for (std::size_t r = 0; r < n; ++r) {
        const std::string& text = zellen[r].Euro;
        const auto wert = leser(text.empty() ? std::string_view("0") : std::string_view(text));
        if (!wert)
            return {TKursspeicherung::Art::FalscheEingabe, static_cast<int>(r), std::string(kFalscheEingabe)};
        // A rate shown with 12 decimals and left as shown keeps all its digits.
        const double bisher = tabelle.Eintraege[r].Satz.Faktor();
        kurse[r] = text == kursText(bisher) ? bisher : *wert;
    }
    for (std::size_t r = 0; r < n; ++r) {
        TEinheitSatz& s = tabelle.Eintraege[r].Satz;
        s.setzeFaktor(festkurs(s.LandNr()).value_or(kurse[r]));
        s.setzeUebersetzung(zellen[r].Stand);
        s.setzeCaWert(zellen[r].Wert);
    }
    auto r = schreibeKurstabelle(datei, tabelle);
    if (!r) return {TKursspeicherung::Art::Schreibfehler, -1, std::move(r.Meldung)};
    return {};
}

} // namespace qnt

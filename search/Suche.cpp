#include "search/Suche.h"

#include <algorithm>
#include <cstring>

#include "data/Dateischicht.h"
#include "data/Fehler.h"
#include "data/Laender.h"

namespace qnt {

namespace {

// Field offsets of the record (length byte first) and their capacities.
constexpr std::size_t kKurzzeichen = 9, kName = 30, kSonstige = 76;

std::string_view feld(const char* satz, std::size_t offset, int kapazitaet) {
    const auto laenge =
        std::min<std::size_t>(static_cast<unsigned char>(satz[offset]), static_cast<std::size_t>(kapazitaet));
    return {satz + offset + 1, laenge};
}

// Only A-Z fold: "Ä" and "ä" stay apart.
char klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

std::string_view kleinIn(std::string_view s, char* puffer) {
    for (std::size_t i = 0; i < s.size(); ++i)
        puffer[i] = klein(s[i]);
    return {puffer, s.size()};
}

bool gleichOhneGross(std::string_view s, std::string_view kleinBegriff) {
    if (s.size() != kleinBegriff.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (klein(s[i]) != kleinBegriff[i]) return false;
    return true;
}

bool passt(std::string_view s, std::string_view kleinBegriff, bool exakt) {
    if (exakt) return gleichOhneGross(s, kleinBegriff);
    if (s.size() < kleinBegriff.size()) return false;
    char puffer[64];
    return kleinIn(s, puffer).find(kleinBegriff) != std::string_view::npos;
}

} // namespace

std::optional<TSuchergebnis> suche(const TGebiete& gebiete, std::string_view begriff, Suchart art,
                                   Namenssuche namenssuche) {
    if (begriff.empty()) return std::nullopt;
    std::string kleinBegriff(begriff);
    std::transform(kleinBegriff.begin(), kleinBegriff.end(), kleinBegriff.begin(), klein);
    const bool exakt = art == Suchart::Abkuerzung || namenssuche == Namenssuche::Exakt;

    TSuchergebnis ergebnis;
    Bytepuffer inhalt;
    for (std::size_t g = 0; g < gebiete.size(); ++g) {
        Datendatei d;
        if (!d.oeffnenNurLesen(gebiete[g].Dateiname) || !d.liesAlle(inhalt) || !d.schliessen()) {
            ergebnis.DateiFehlt = true;
            break;
        }
        const std::size_t n = inhalt.size() / kSatzGroesse;
        for (std::size_t i = 0; i < n; ++i) {
            const char* satz = inhalt.data() + i * kSatzGroesse;
            Trefferfeld feldTrifft = Trefferfeld::Kurzzeichen;
            if (art == Suchart::Name) {
                if (passt(feld(satz, kName, kap::Name), kleinBegriff, exakt))
                    feldTrifft = Trefferfeld::Name;
                else if (passt(feld(satz, kSonstige, kap::SonstigeNamen), kleinBegriff, exakt))
                    feldTrifft = Trefferfeld::SonstigeNamen;
                else
                    continue;
            } else if (!passt(feld(satz, kKurzzeichen, kap::Kurzzeichen), kleinBegriff, true)) {
                continue;
            }
            ohneSpeichermangel(gebiete[g].Dateiname, [&] {
                ergebnis.Treffer.push_back({static_cast<std::int32_t>(g + 1), static_cast<std::int32_t>(i),
                                            static_cast<std::uint8_t>(satz[8]),
                                            static_cast<std::uint8_t>(satz[0]), feldTrifft});
            });
        }
    }
    return ergebnis;
}

std::vector<std::string> trefferZeilen(const TGebiete& gebiete, const std::vector<TSuchobjekt>& treffer) {
    std::vector<std::string> zeilen(treffer.size());
    Bytepuffer bereich;
    for (std::size_t a = 0; a < treffer.size();) {
        // A run of hits in one category, and the span of records it needs.
        const std::int32_t gebietNr = treffer[a].GebietNr;
        std::size_t b = a;
        std::int32_t von = treffer[a].SatzNr, bis = von;
        for (; b < treffer.size() && treffer[b].GebietNr == gebietNr; ++b) {
            von = std::min(von, treffer[b].SatzNr);
            bis = std::max(bis, treffer[b].SatzNr);
        }
        Datendatei d;
        std::int64_t n = 0;
        const bool gelesen = gebietNr >= 1 && static_cast<std::size_t>(gebietNr) <= gebiete.size() &&
                             d.oeffnenNurLesen(gebiete[static_cast<std::size_t>(gebietNr - 1)].Dateiname) &&
                             d.anzahl(n) && von >= 0 && bis < n && d.liesBereich(von, bis - von + 1, bereich);
        for (; gelesen && a < b; ++a) {
            const char* satz =
                bereich.data() + static_cast<std::size_t>(treffer[a].SatzNr - von) * kSatzGroesse;
            std::string& zeile = zeilen[a];
            switch (treffer[a].Feld) {
            case Trefferfeld::Name:
                zeile.append(feld(satz, kName, kap::Name));
                break;
            case Trefferfeld::SonstigeNamen:
                zeile.append(feld(satz, kSonstige, kap::SonstigeNamen));
                break;
            case Trefferfeld::Kurzzeichen:
                zeile.append(feld(satz, kKurzzeichen, kap::Kurzzeichen))
                    .append(" - ")
                    .append(feld(satz, kName, kap::Name));
                break;
            }
            zeile.append(" - ").append(landName(treffer[a].LandNr));
        }
        a = b;
    }
    return zeilen;
}

std::optional<TEinheitSatz> trefferSatz(const TGebiete& gebiete, const TSuchobjekt& treffer) {
    if (treffer.GebietNr < 1 || static_cast<std::size_t>(treffer.GebietNr) > gebiete.size())
        return std::nullopt;
    Datendatei d;
    TEinheitSatz s;
    if (!d.oeffnenNurLesen(gebiete[static_cast<std::size_t>(treffer.GebietNr - 1)].Dateiname) ||
        !d.liesSatz(treffer.SatzNr, s))
        return std::nullopt;
    return s;
}

void trefferEinblenden(const TGebiete& gebiete, const TSuchobjekt& treffer) {
    const auto g = static_cast<std::size_t>(treffer.GebietNr - 1);
    if (treffer.GebietNr < 1 || g >= gebiete.size()) throw listenIndexFehler(treffer.GebietNr - 1);
    schreibeAngezeigt(gebiete[g].Dateiname, treffer.SatzNr, 1);
}

std::optional<std::size_t> findeTreffer(const std::vector<TAusgabetextobject>& liste, std::string_view name,
                                        int landNr) {
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i].Satz.Name() == name && liste[i].Satz.LandNr() == landNr) return i;
    return std::nullopt;
}

} // namespace qnt

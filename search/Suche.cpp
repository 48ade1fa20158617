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
    std::string inhalt;
    for (std::size_t g = 0; g < gebiete.size(); ++g) {
        if (!liesGanzeDatei(gebiete[g].Dateiname, inhalt)) {
            ergebnis.DateiFehlt = true;
            break;
        }
        const std::size_t n = inhalt.size() / kSatzGroesse;
        for (std::size_t i = 0; i < n; ++i) {
            const char* satz = inhalt.data() + i * kSatzGroesse;
            const std::string_view name = feld(satz, kName, kap::Name);
            const std::string_view sonstige = feld(satz, kSonstige, kap::SonstigeNamen);
            const std::string_view kurz = feld(satz, kKurzzeichen, kap::Kurzzeichen);
            const auto landNr = static_cast<std::uint8_t>(satz[8]);
            std::string zeile;
            if (art == Suchart::Name) {
                const bool nameTrifft = passt(name, kleinBegriff, exakt);
                if (!nameTrifft && !passt(sonstige, kleinBegriff, exakt)) continue;
                zeile.append(nameTrifft ? name : sonstige);
            } else {
                if (!passt(kurz, kleinBegriff, true)) continue;
                zeile.append(kurz).append(" - ").append(name);
            }
            zeile.append(" - ").append(landName(landNr));
            ergebnis.Zeilen.push_back(std::move(zeile));
            ergebnis.Treffer.push_back({std::string(name), std::string(kurz), std::string(sonstige),
                                        static_cast<std::uint8_t>(satz[0]), static_cast<std::int32_t>(g + 1),
                                        landNr, static_cast<std::int32_t>(i)});
        }
    }
    return ergebnis;
}

void trefferEinblenden(const TGebiete& gebiete, const TSuchobjekt& treffer) {
    const auto g = static_cast<std::size_t>(treffer.GebietNr - 1);
    if (treffer.GebietNr < 1 || g >= gebiete.size()) throw listenIndexFehler(treffer.GebietNr - 1);
    const std::string& datei = gebiete[g].Dateiname;
    Datendatei d;
    if (!d.oeffnen(datei)) throw oeffnenFehler(d.oeffnenFehler());
    std::int32_t n = 0;
    TEinheitSatz s;
    if (!d.anzahl(n) || treffer.SatzNr < 0 || treffer.SatzNr >= n || !d.positioniere(treffer.SatzNr) ||
        !d.lies(s))
        throw eaFehler(100);
    s.setzeAngezeigt(1);
    if (!d.positioniere(treffer.SatzNr) || !d.schreibe(s) || !d.sync() || !d.schliessen())
        throw eaFehler(101);
}

std::optional<std::size_t> findeTreffer(const std::vector<TAusgabetextobject>& liste,
                                        const TSuchobjekt& treffer) {
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i].Satz.Name() == treffer.Name && liste[i].Satz.LandNr() == treffer.LandNr) return i;
    return std::nullopt;
}

} // namespace qnt

#include "data/Einheit.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace qnt {

static_assert(std::endian::native == std::endian::little, "records are little-endian");

double TEinheitSatz::Faktor() const {
    double f = 0;
    std::memcpy(&f, bytes.data() + 68, sizeof f);
    return f;
}

void TEinheitSatz::setzeFaktor(double f) { std::memcpy(bytes.data() + 68, &f, sizeof f); }

std::string TEinheitSatz::text(std::size_t offset, int kapazitaet) const {
    const int laenge = std::min<int>(bytes[offset], kapazitaet);
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset + 1), static_cast<std::size_t>(laenge));
}

void TEinheitSatz::setzeText(std::size_t offset, int kapazitaet, std::string_view s) {
    const std::size_t laenge = std::min<std::size_t>(s.size(), static_cast<std::size_t>(kapazitaet));
    bytes[offset] = static_cast<std::uint8_t>(laenge);
    std::memcpy(bytes.data() + offset + 1, s.data(), laenge);
}

TEinheitSatz neuerEigenerSatz() {
    TEinheitSatz s;
    s.setzeAngezeigt(1);
    s.setzeEigene('j');
    return s;
}

bool Datendatei::anzahl(std::int64_t& n) {
    std::int64_t bytes = 0;
    if (!datei_.groesse(bytes)) return false;
    n = bytes / static_cast<std::int64_t>(kSatzGroesse);
    return true;
}

bool Datendatei::liesSatz(std::int64_t satzNr, TEinheitSatz& s) {
    std::int64_t n = 0;
    return anzahl(n) && satzNr >= 0 && satzNr < n && positioniere(satzNr) && lies(s);
}

bool Datendatei::liesBereich(std::int64_t von, std::int64_t anzahl, Bytepuffer& puffer) {
    const auto n = static_cast<std::size_t>(anzahl) * kSatzGroesse;
    ohneSpeichermangel(name(), [&] { return puffer.bereite(n); });
    return positioniere(von) && (n == 0 || datei_.lies(puffer.data(), n));
}

bool Datendatei::schreibeBereich(std::int64_t von, const Bytepuffer& puffer) {
    return positioniere(von) && (puffer.empty() || datei_.schreibe(puffer.data(), puffer.size()));
}

bool Datendatei::ladbareAnzahl(std::int64_t& n) {
    if (!anzahl(n)) return false;
    // SatzNr is 32-bit: records beyond it could not be named, shown or written back.
    if (n > std::numeric_limits<std::int32_t>::max()) throw datendateiZuGrossFehler(name());
    return true;
}

bool Datendatei::liesAlle(Bytepuffer& puffer) {
    std::int64_t n = 0;
    return ladbareAnzahl(n) && liesBereich(0, n, puffer);
}

void schreibeAngezeigt(std::string_view datei, std::int64_t satzNr, std::uint8_t wert) {
    Datendatei d;
    if (!d.oeffnen(datei)) throw oeffnenFehler(d.oeffnenFehler());
    TEinheitSatz s;
    if (!d.liesSatz(satzNr, s)) throw eaFehler(100);
    s.setzeAngezeigt(wert);
    if (!d.positioniere(satzNr) || !d.schreibe(s) || !d.sync() || !d.schliessen()) throw eaFehler(101);
}

} // namespace qnt

namespace qnt {
int vergleicheNamen(std::string_view a, std::string_view b) {
    const auto falte = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 'a' && u <= 'z' ? u - 32 : u;
    };
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = falte(a[i]) - falte(b[i]);
        if (d != 0) return d;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}
} // namespace qnt

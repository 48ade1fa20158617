#pragma once
// The 272-byte unit record of a data file and the objects that carry records through the program.
#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/Dateischicht.h"
#include "data/Fehler.h"

namespace qnt {

constexpr std::size_t kSatzGroesse = 272;

// Capacities of the length-prefixed texts, in bytes.
namespace kap {
constexpr int Kurzzeichen = 20;
constexpr int Name = 34;
constexpr int SonstigeNamen = 33;
constexpr int Uebersetzung = 32;
constexpr int Einsatzgebiet = 27;
constexpr int Entspricht = 40;
constexpr int CaWert = 21;
constexpr int Ort = 17;
constexpr int Zeitraum = 15;
} // namespace kap

// The record is kept as its raw bytes, so reserved and uninterpreted bytes survive every copy.
class TEinheitSatz {
public:
    std::array<std::uint8_t, kSatzGroesse> bytes;

    TEinheitSatz() : bytes{} {}
    // A copy of the record at `satz` (kSatzGroesse bytes read from a data file), without zeroing it first.
    explicit TEinheitSatz(const char* satz) { std::memcpy(bytes.data(), satz, kSatzGroesse); }

    std::uint8_t Angezeigt() const { return bytes[0]; }
    void setzeAngezeigt(std::uint8_t v) { bytes[0] = v; }
    char Eigene() const { return static_cast<char>(bytes[1]); }
    void setzeEigene(char c) { bytes[1] = static_cast<std::uint8_t>(c); }
    std::uint8_t LandNr() const { return bytes[8]; }
    void setzeLandNr(std::uint8_t v) { bytes[8] = v; }
    double Faktor() const;
    void setzeFaktor(double f);
    std::uint8_t RegUnterschiede() const { return bytes[252]; }
    void setzeRegUnterschiede(std::uint8_t v) { bytes[252] = v; }
    std::uint8_t ZeitUnterschiede() const { return bytes[269]; }
    void setzeZeitUnterschiede(std::uint8_t v) { bytes[269] = v; }

    // Texts (code page 1252). Setters cut to the capacity.
    std::string Kurzzeichen() const { return text(9, kap::Kurzzeichen); }
    std::string Name() const { return text(30, kap::Name); }
    std::string SonstigeNamen() const { return text(76, kap::SonstigeNamen); }
    std::string Uebersetzung() const { return text(110, kap::Uebersetzung); }
    std::string Einsatzgebiet() const { return text(143, kap::Einsatzgebiet); }
    std::string Entspricht() const { return text(171, kap::Entspricht); }
    std::string CaWert() const { return text(212, kap::CaWert); }
    std::string Ort() const { return text(234, kap::Ort); }
    std::string Zeitraum() const { return text(253, kap::Zeitraum); }
    void setzeKurzzeichen(std::string_view s) { setzeText(9, kap::Kurzzeichen, s); }
    void setzeName(std::string_view s) { setzeText(30, kap::Name, s); }
    void setzeSonstigeNamen(std::string_view s) { setzeText(76, kap::SonstigeNamen, s); }
    void setzeUebersetzung(std::string_view s) { setzeText(110, kap::Uebersetzung, s); }
    void setzeEinsatzgebiet(std::string_view s) { setzeText(143, kap::Einsatzgebiet, s); }
    void setzeEntspricht(std::string_view s) { setzeText(171, kap::Entspricht, s); }
    void setzeCaWert(std::string_view s) { setzeText(212, kap::CaWert, s); }
    void setzeOrt(std::string_view s) { setzeText(234, kap::Ort, s); }
    void setzeZeitraum(std::string_view s) { setzeText(253, kap::Zeitraum, s); }

    bool operator==(const TEinheitSatz&) const = default;

private:
    std::string text(std::size_t offset, int kapazitaet) const;
    void setzeText(std::size_t offset, int kapazitaet, std::string_view s);
};

// A record built by the program itself (own units, base units of new categories):
// all zero bytes, shown, Eigene "j".
TEinheitSatz neuerEigenerSatz();

// One row of the unit list.
struct TAusgabetextobject {
    TEinheitSatz Satz;
    std::int32_t SatzNr = 0;
    std::string ErgebnisWiss; // at most 15 characters
    std::string ErgebnisFest; // at most 15 characters
};

// A record position attached to a row of the show-hidden dialog.
struct TDatenobject {
    std::int32_t SatzNr = 0;
};

// A data file as a file of 272-byte records. A trailing partial record is not counted.
class Datendatei {
public:
    bool oeffnen(std::string_view name) { return datei_.oeffnen(name, Datei::Modus::LesenSchreiben); }
    bool oeffnenNurLesen(std::string_view name) { return datei_.oeffnen(name, Datei::Modus::Lesen); }
    bool erzeugen(std::string_view name) { return datei_.oeffnen(name, Datei::Modus::Erzeugen); }
    bool anzahl(std::int64_t& n);
    bool positioniere(std::int64_t satzNr) {
        return datei_.positioniere(satzNr * std::int64_t{kSatzGroesse});
    }
    bool lies(TEinheitSatz& s) { return datei_.lies(s.bytes.data(), kSatzGroesse); }
    bool schreibe(const TEinheitSatz& s) { return datei_.schreibe(s.bytes.data(), kSatzGroesse); }
    // Record `satzNr`; false when the file does not hold it or it cannot be read.
    bool liesSatz(std::int64_t satzNr, TEinheitSatz& s);
    // Records von .. von + anzahl - 1 in one read, or written back in one write.
    bool liesBereich(std::int64_t von, std::int64_t anzahl, Bytepuffer& puffer);
    bool schreibeBereich(std::int64_t von, const Bytepuffer& puffer);
    // The record count, refused (LaufzeitFehler, datendateiZuGrossFehler) when a SatzNr cannot count it.
    bool ladbareAnzahl(std::int64_t& n);
    // Every whole record in one read. A file with more records than a SatzNr counts, or than memory
    // holds, throws LaufzeitFehler (datendateiZuGrossFehler) before `puffer` changes.
    bool liesAlle(Bytepuffer& puffer);
    bool sync() { return datei_.sync(); }
    bool schliessen() { return datei_.schliessen(); }
    bool offen() const { return datei_.offen(); }
    const std::string& name() const { return datei_.name(); }
    int oeffnenFehler() const { return datei_.oeffnenFehler(); }

private:
    Datei datei_;
};

// Sets Angezeigt (byte 0) of record `satzNr` to `wert`, nothing else, and syncs the file. Throws LaufzeitFehler:
// the cause of a refused opening (oeffnenFehler), "E/A-Fehler 100" for a record the file does not hold or
// that cannot be read, "E/A-Fehler 101" when it cannot be written back.
void schreibeAngezeigt(std::string_view datei, std::int64_t satzNr, std::uint8_t wert);

// Runs `f`; running out of memory on the way becomes datendateiZuGrossFehler(datei), so the user is told
// in German which file could not be loaded.
template <class F> decltype(auto) ohneSpeichermangel(std::string_view datei, F&& f) {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        throw datendateiZuGrossFehler(std::string(datei));
    } catch (const std::length_error&) {
        throw datendateiZuGrossFehler(std::string(datei));
    }
}

} // namespace qnt

namespace qnt {
// Name order of the data files: only a-z fold onto A-Z, other bytes compare by code,
// a prefix is smaller. Negative, zero or positive like strcmp.
int vergleicheNamen(std::string_view a, std::string_view b);
} // namespace qnt

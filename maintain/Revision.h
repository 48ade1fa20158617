#pragma once
// The two ways a category's data file is changed: a whole rewrite through a temporary file
// (DatendateiRevidieren) and records rewritten in place (SatzAktualisieren).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"

namespace qnt {

// Outcome of a maintenance write: success, or the text of the failure report (error icon, OK).
struct Pflegeergebnis {
    bool Erfolg = true;
    std::string Meldung;
    explicit operator bool() const { return Erfolg; }
};

// "Die Datei <name> konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben werden!"
std::string revisionsFehlertext(std::string_view datei);
// "Die Datei <name> konnte nicht geöffnet werden!" (a data file that cannot be read into a list)
std::string oeffnenFehlertext(std::string_view datei);

// The records a copy rule writes; collected in memory and written in one pass.
class TSatzAusgabe {
public:
    void schreibe(const TEinheitSatz& s);
    std::size_t anzahl() const { return bytes_.size() / kSatzGroesse; }
    const std::string& bytes() const { return bytes_; }
    void reserviere(std::size_t saetze) { bytes_.reserve(saetze * kSatzGroesse); }

private:
    std::string bytes_;
};

// A copy rule is called with every record of the data file in file order and writes zero, one or two
// records; then it is called once more with nullptr and may write a closing record.
// The revision works on its own copy, so a rule with state starts afresh each time.
using TKopierregel = std::function<void(const TEinheitSatz* gelesen, TSatzAusgabe& ausgabe)>;

// Keeps the records whose Angezeigt is 1.
TKopierregel behalteAngezeigte();
// Writes `neu` in front of the first record whose name compares greater or equal (vergleicheNamen),
// or at the end.
TKopierregel fuegeSortiertEin(const TEinheitSatz& neu);

// The temporary file of a revision of `datei`: "TEMP.DAT", or "TEMP.NEU" when the data file itself
// is called TEMP.DAT (in any letter case).
std::string temporaereDatei(std::string_view datei);

// Rewrites `datei` through the copy rule. The new contents go to the temporary file, which is synced
// and then renamed over the data file: whatever fails, the data file holds either all old or all new
// records. A missing or write-protected data file fails before anything is created; one too large to load
// throws LaufzeitFehler naming it (datendateiZuGrossFehler).
Pflegeergebnis DatendateiRevidieren(std::string_view datei, TKopierregel regel);

// Replaces the whole contents of the existing data file `datei` by `saetze`, safely as above.
Pflegeergebnis ersetzeDatendatei(std::string_view datei, const TSatzAusgabe& saetze);

// Applies `aenderung` to the records at the given positions, in the given order, in place: the span from
// the first to the last of them is read in one read and written back in one write. A position outside the
// file fails the update; the positions before it are still changed and written.
using TSatzaenderung = std::function<void(TEinheitSatz&)>;
Pflegeergebnis SatzAktualisieren(std::string_view datei, const std::vector<std::int32_t>& satzNrn,
                                 const TSatzaenderung& aenderung);

// Every whole record of a data file, read in one read. False when the file cannot be opened or read;
// a file too large to load throws (datendateiZuGrossFehler) and leaves `saetze` as it was.
bool liesSaetze(std::string_view datei, std::vector<TEinheitSatz>& saetze);

} // namespace qnt

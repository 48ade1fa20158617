#pragma once
// The running program's state behind the main window, and its rules. The window asks, then shows.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einstellungen.h"
#include "data/Gebiete.h"
#include "list/Einheitenliste.h"

namespace qnt {

enum class Berichtsart { Information, Warnung, Fehler };

// A message for the window to show, in order.
struct TBericht {
    Berichtsart Art = Berichtsart::Information;
    std::string Text;
    bool EingabeFokus = false;     // afterwards the input field takes the focus
    bool EingabeMarkieren = false; // ... and its text is selected
    bool operator==(const TBericht&) const = default;
};
using TBerichte = std::vector<TBericht>;

// What a command did.
struct TAntwort {
    bool Ausgefuehrt = false; // false: nothing happened (no category, empty list)
    bool Ergebnisse = false;  // the rows hold new results
    TBerichte Berichte;
    bool NeuLaden = false; // afterwards the category is loaded anew, as if chosen again
    bool operator==(const TAntwort&) const = default;
};

// The information panel of the marked unit: eight caption/text pairs, then country and warnings.
struct TInfopanel {
    std::array<std::array<std::string, 2>, 8> Paare{};
    std::string LandTitel, Land, Regional, Zeitlich;
    bool operator==(const TInfopanel&) const = default;
};

class TSitzung {
public:
    // --- Start and end
    // Reads the settings file; a warning when it could not be read (defaults then).
    TBerichte starte(std::string_view einstellungsdatei = kEinstellungsDatei);
    // Loads the category index and descriptions (throws LaufzeitFehler when one cannot be read), chooses the
    // saved category and loads its list.
    TBerichte oeffne();
    // Writes the settings file; a warning when that failed. The list is emptied.
    TBerichte beende(std::string_view einstellungsdatei = kEinstellungsDatei);
    TEinstellungen einstellungen() const;

    // --- Categories
    TGebiete Gebiete;
    std::string Gebietsinfo;
    int gebietsindex() const { return gebietsindex_; } // -1 when none is chosen
    bool gebietGewaehlt() const { return gebietsindex_ >= 0; }
    Gebietsart art() const { return art_; }
    std::string gebietname() const;
    std::string datei() const;
    std::string bezug() const;
    // The description of the chosen category, for the information button.
    std::optional<std::string> gebietsbeschreibung() const;
    // Chooses category `index` (clamped to the index; -1 when there is none), invalidates the results and loads
    // its list with the first row marked.
    TBerichte waehleGebiet(int index);

    // --- The unit list of the chosen category
    const TEinheitenliste& liste() const { return liste_; }
    TEinheitenliste& liste() { return liste_; }
    int markiert() const { return markiert_; } // -1 when the list is empty
    void markiere(int zeile);
    TAusgabetextobject* markierterEintrag();
    // The unit shown below the list: the marked one, or the first when none is marked; null for an empty list.
    const TAusgabetextobject* gewaehlteEinheit() const;
    TInfopanel infopanel() const;
    // Reads the list anew from the data file (results invalid, first row marked).
    TBerichte listeNeuLaden();

    // --- Settings
    int GespeichertePosition = 1;
    bool sortAlphabet() const { return sortAlphabet_; }
    TAntwort sortiereNachLand();
    TAntwort sortiereNachAlphabet();
    bool wissAnzeige() const { return wissAnzeige_; }
    // The result text an entry shows in the chosen form.
    const std::string& ergebnistext(const TAusgabetextobject& e) const {
        return wissAnzeige_ ? e.ErgebnisWiss : e.ErgebnisFest;
    }
    // True when the shown results change their form.
    bool setzeWissAnzeige(bool wiss);
    TLandAngezeigt LandAngezeigt = alleLaenderAngezeigt();

    // --- Commands on the list
    // Hides the marked unit in the data file (throws LaufzeitFehler on an I/O error) and drops its row; the
    // row above is marked.
    TAntwort blendeAus();

    // --- Calculation
    // True while the rows hold the results of the last calculation.
    bool ErgebnisGueltig = false;
    TAntwort rechne(std::string_view eingabe);
    // The result of the marked row as shown (scientific or fixed), for the clipboard.
    std::optional<std::string> markierterWert() const;
    // The text a row shows for assistive technology: "name: result", or the name alone without results.
    std::string zeilentext(int zeile) const;

    // --- Automatic calculation
    bool AutoRechnen = false;
    // Switches it; true when a calculation is due now.
    bool schalteAutoRechnen();
    // Whether a change (row, list, input) recalculates now.
    bool neuberechnungFaellig(bool eingabeLeer) const;
    // Whether a released key in the input field recalculates: not the 0 key nor the keypad's decimal key,
    // and never for fractions.
    bool tasteRechnet(bool nullTaste, bool dezimalZiffernblock, bool eingabeLeer) const;

    // --- Maintenance
    std::optional<std::string> loeschVerweigerung() const;
    std::string loeschFrage() const;
    // Deletes the hidden units of the chosen category for good; always reloads afterwards.
    TAntwort loescheAusgeblendete();

private:
    TBerichte listeLaden();
    void zeilenFuellen(TBerichte& berichte);

    int gebietsindex_ = -1;
    Gebietsart art_ = Gebietsart::Gewoehnlich;
    TEinheitenliste liste_;
    int markiert_ = -1;
    bool sortAlphabet_ = true;
    bool wissAnzeige_ = true;
};

} // namespace qnt

#pragma once
// Errors that no handler catches travel as this one type to the program's general error report.
#include <stdexcept>
#include <string>

namespace qnt {

class LaufzeitFehler : public std::runtime_error {
public:
    // The text is code page 1252, as shown to the user.
    explicit LaufzeitFehler(const std::string& text) : std::runtime_error(text) {}
};

// The runtime's German texts.
LaufzeitFehler dateiNichtOeffnenFehler(const std::string& dateiname); // "Datei %s kann nicht geöffnet werden"
LaufzeitFehler dateiNichtGefundenFehler();                             // "Datei nicht gefunden"
LaufzeitFehler eaFehler(int nummer);                                   // "E/A-Fehler %d"
// A file that could not be opened, by its errno: "Datei nicht gefunden" for a missing file, "Zugriff
// verweigert" for one that may not be written (or a read-only file system), "E/A-Fehler %d" otherwise.
LaufzeitFehler oeffnenFehler(int fehlernummer);
LaufzeitFehler gleitkommaUeberlaufFehler();                            // "Gleitkommaüberlauf"
LaufzeitFehler listenIndexFehler(int index);      // "Der Index der Liste überschreitet das Maximum (%d)"
// "Die Datei %s ist zu groß und kann nicht geladen werden!"
LaufzeitFehler datendateiZuGrossFehler(const std::string& dateiname);
LaufzeitFehler keinIntegerwertFehler(const std::string& text); // "'%s' ist kein gültiger Integerwert"

} // namespace qnt

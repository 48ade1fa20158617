#pragma once
// The command line. Our options are long ones ("--help") from one table and are checked before Qt or any
// window exists, so "--help" answers on a terminal without a display. Everything else goes on to Qt
// ("-platform offscreen", "-style Fusion"); what Qt does not take either is refused afterwards.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

enum class OptionsWert { keiner, erlaubt, noetig };

struct Option {
    std::string_view lang;       // with its dashes: "--version"
    char kurz;                   // 'h' for "-h", or 0
    OptionsWert wert;            // "--x=WERT" or "--x WERT"; an allowed value never starts with '-'
    std::string_view wertname;   // "DATEI", for the usage text
    std::string_view erklaerung; // one line of the usage text
    // Returns the exit status that ends the program, or nothing to open the window.
    std::optional<int> (*ausfuehren)(const std::optional<std::string>& wert, std::ostream& aus,
                                     std::ostream& fehler);
};

struct Befehlszeile {
    std::optional<int> ende;   // exit status: the program ends without a window
    std::vector<char*> fuerQt; // argv[0] and what is not ours; null-terminated like argv
    int anzahlFuerQt() const { return static_cast<int>(fuerQt.size()) - 1; }
};

// Checks every argument first and only then runs the options in their order; a mistake runs none.
Befehlszeile werteAus(int argc, char** argv, std::ostream& aus, std::ostream& fehler);

// After Qt has taken its own options: anything left is refused with exit status 2.
std::optional<int> pruefeRest(int argc, char** argv, std::ostream& fehler);

} // namespace qnt

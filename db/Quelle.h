#pragma once
// Compiles the UTF-8 sources of the shipped database into the runtime files (code page 1252, CR LF).
#include <map>
#include <string>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"

namespace qnt::dbc {

struct Fehler {
    std::string datei;
    int zeile = 0;
    std::string grund;
    std::string text() const;
};

struct QuellGebiet {
    TGebietEintrag eintrag; // code page 1252
    std::string stamm;      // file stem of the sources
    int zeile = 0;
};

struct Quelleinheit {
    TEinheitSatz satz;
    std::string rolle; // role in a special category, e.g. "Celsius", "binaer"
    int zeile = 0;
};

// Parses "Gebiete.txt": lines "Gebietname | Dateiname | Bezug", '#' starts a comment.
bool parseGebiete(const std::string& quelle, const std::string& dateiname, std::vector<QuellGebiet>& gebiete,
                  std::vector<Fehler>& fehler);

// Parses one unit file of a category; checks capacities, code page, LandNr, name order and,
// for the special categories, the positions their converters rely on.
bool parseEinheiten(const std::string& quelle, const std::string& dateiname, const std::string& gebietname,
                    std::vector<Quelleinheit>& einheiten, std::vector<Fehler>& fehler);

// Evaluates a factor expression: numbers, + - * / ^, parentheses, pi, and [Name] for another unit's factor.
bool werteAus(const std::string& ausdruck, const std::map<std::string, std::string>& ausdruecke, double& wert,
              std::string& grund);

// Converts a UTF-8 text file into code page 1252 with CR LF line ends.
bool textNachCp1252(const std::string& utf8, const std::string& dateiname, std::string& cp,
                    std::vector<Fehler>& fehler);

// The whole database: reads db/ at `quelle`, writes the runtime files into `ziel`.
bool kompiliere(const std::string& quelle, const std::string& ziel, std::vector<Fehler>& fehler,
                std::string& bericht);

} // namespace qnt::dbc

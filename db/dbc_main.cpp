// Build tool: compiles the database sources into the runtime data folder.
#include <iostream>

#include "db/Quelle.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: quantora_dbc QUELLORDNER ZIELORDNER\n";
        return 2;
    }
    std::vector<qnt::dbc::Fehler> fehler;
    std::string bericht;
    const bool ok = qnt::dbc::kompiliere(argv[1], argv[2], fehler, bericht);
    for (const auto& f : fehler) std::cerr << f.text() << "\n";
    if (!ok) return 1;
    std::cout << bericht;
    return 0;
}

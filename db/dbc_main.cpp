// Build tool: compiles the database sources into the runtime data folder.
// The table of categories is printed only on request ("--bericht" or QUANTORA_DB_BERICHT=1), so that an
// ordinary build stays quiet; errors are always printed.
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "db/Quelle.h"

int main(int argc, char** argv) {
    bool berichten = false;
    if (const char* v = std::getenv("QUANTORA_DB_BERICHT"); v && *v && std::string_view(v) != "0")
        berichten = true;
    if (argc == 4 && std::string_view(argv[1]) == "--bericht") {
        berichten = true;
        ++argv;
        --argc;
    }
    if (argc != 3) {
        std::cerr << "Aufruf: quantora_dbc [--bericht] QUELLORDNER ZIELORDNER\n";
        return 2;
    }
    std::vector<qnt::dbc::Fehler> fehler;
    std::string bericht;
    const bool ok = qnt::dbc::kompiliere(argv[1], argv[2], fehler, bericht);
    for (const auto& f : fehler)
        std::cerr << f.text() << "\n";
    if (!ok) return 1;
    if (berichten) std::cout << bericht;
    return 0;
}

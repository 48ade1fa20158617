#include "app/Anwendung.h"
#include "app/Befehlszeile.h"

#include <iostream>

int main(int argc, char** argv) {
    qnt::Befehlszeile befehle = qnt::werteAus(argc, argv, std::cout, std::cerr);
    if (befehle.ende) return *befehle.ende;
    int qtArgc = befehle.anzahlFuerQt();
    qnt::Anwendung app(qtArgc, befehle.fuerQt.data());
    if (auto ende = qnt::pruefeRest(qtArgc, befehle.fuerQt.data(), std::cerr)) return *ende;
    const auto fenster = qnt::hauptfensterStarten();
    return app.exec();
}

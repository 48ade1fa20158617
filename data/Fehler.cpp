#include "data/Fehler.h"

#include <cerrno>

namespace qnt {

LaufzeitFehler dateiNichtOeffnenFehler(const std::string& dateiname) {
    return LaufzeitFehler("Datei " + dateiname + " kann nicht ge\xF6" "ffnet werden");
}
LaufzeitFehler dateiNichtGefundenFehler() { return LaufzeitFehler("Datei nicht gefunden"); }
LaufzeitFehler eaFehler(int nummer) { return LaufzeitFehler("E/A-Fehler " + std::to_string(nummer)); }

LaufzeitFehler oeffnenFehler(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return dateiNichtGefundenFehler();
    case EACCES:
    case EPERM:
    case EROFS:
        return LaufzeitFehler("Zugriff verweigert");
    default:
        return eaFehler(fehlernummer);
    }
}
LaufzeitFehler gleitkommaUeberlaufFehler() { return LaufzeitFehler("Gleitkomma\xFC" "berlauf"); }
LaufzeitFehler listenIndexFehler(int index) {
    return LaufzeitFehler("Der Index der Liste \xFC" "berschreitet das Maximum (" + std::to_string(index) + ")");
}
LaufzeitFehler datendateiZuGrossFehler(const std::string& dateiname) {
    return LaufzeitFehler("Die Datei " + dateiname + " ist zu gro\xDF und kann nicht geladen werden!");
}
LaufzeitFehler keinIntegerwertFehler(const std::string& text) {
    return LaufzeitFehler("'" + text + "' ist kein g\xFCltiger Integerwert");
}

} // namespace qnt

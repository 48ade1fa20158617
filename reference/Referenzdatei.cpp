#include "reference/Referenzdatei.h"

#include "data/Dateischicht.h"
#include "data/Fehler.h"
#include "data/Textdatei.h"

namespace qnt {

std::string ladeReferenzdatei(std::string_view name) {
    Bytepuffer inhalt;
    if (!liesGanzeDatei(name, inhalt)) throw dateiNichtOeffnenFehler(std::string(name));
    return std::string(inhalt.ansicht());
}

std::vector<std::string> ladeReferenzzeilen(std::string_view name) {
    std::vector<std::string> zeilen;
    if (!liesZeilen(name, zeilen)) throw dateiNichtOeffnenFehler(std::string(name));
    return zeilen;
}

} // namespace qnt

#include "data/Textdatei.h"

#include "data/Dateischicht.h"

namespace qnt {

std::vector<std::string> zerlegeZeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            zeilen.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) zeilen.emplace_back(text.substr(start));
    return zeilen;
}

bool liesZeilen(std::string_view name, std::vector<std::string>& zeilen) {
    Bytepuffer inhalt;
    if (!liesGanzeDatei(name, inhalt)) return false;
    zeilen = zerlegeZeilen(inhalt.ansicht());
    return true;
}

bool schreibeZeilen(std::string_view name, const std::vector<std::string>& zeilen) {
    std::string inhalt;
    for (const auto& z : zeilen) {
        inhalt += z;
        inhalt += "\r\n";
    }
    return schreibeGanzeDateiSicher(name, inhalt);
}

} // namespace qnt

#include "reference/Tabellendaten.h"

namespace qnt {

// clang-format off
const std::array<TabellenThema, 11> kTabellenThemen = {{
    {"Windst\xE4rken (Beaufort-Skala)", 1, 18, 55,
     {"St\xE4rke", "Geschw./kn", "Geschw./m/s", "Art"}, 85, 150},
    {"Seest\xE4rken", 19, 28, 50,
     {"St\xE4rke", "Wellenl\xE4nge/m", "Wellenh\xF6he/m", "Windst\xE4rke", "Kennzeichen"}, 75, 180},
    {"Erdbebenst\xE4rken (Mercalli)", 29, 40, 60,
     {"Grad", "Kennzeichnung", "Wirkung"}, 90, 250},
    {"Erdbebenst\xE4rken (Richter)", 41, 52, 60,
     {"St\xE4rke", "Auswirkung"}, 90, 150},
    {"Erdbebenst\xE4rken (GOST)", 53, 64, 100,
     {"St\xE4rke", "Kennzeichnung", "Wirkung"}, 150, 350},
    {"Lichtempfindlichkeit von Fotomaterial", 65, 85, 40,
     {"DIN", "ASA", "GOST", "Weston", "Schreiner"}, 60, 30},
    {"Frequenzen/Wellenl\xE4ngen elektromagnetischer Wellen", 86, 113, 100,
     {"Welle", "Frequenz in Hz", "Wellenl\xE4nge in cm"}, 150, 180},
    {"Lautst\xE4rken", 114, 128, 60,
     {"Phon", "relat. St\xE4rke", "Beispiel"}, 90, 100},
    {"Papierformate nach DIN", 129, 137, 60,
     {"Format", "Gr\xF6\xDF" "e", "Reihe A in mm", "Reihe B in mm", "Reihe C in mm", "Reihe D in mm"}, 90, 250},
    {"Buchformate", 138, 147, 60,
     {"Bezeichnung", "Abk\xFCrzung", "R\xFC" "ckenh\xF6he in cm"}, 90, 0},
    {"Seebebenst\xE4rken (Sieberg-Skala)", 148, 153, 40,
     {"St\xE4rke", "Wirkung"}, 60, 150},
}};
// clang-format on

const std::array<std::string_view, 11> kTabellenThemenSortiert = {
    "Buchformate",
    "Erdbebenst\xE4rken (GOST)",
    "Erdbebenst\xE4rken (Mercalli)",
    "Erdbebenst\xE4rken (Richter)",
    "Frequenzen/Wellenl\xE4ngen elektromagnetischer Wellen",
    "Lautst\xE4rken",
    "Lichtempfindlichkeit von Fotomaterial",
    "Papierformate nach DIN",
    "Seebebenst\xE4rken (Sieberg-Skala)",
    "Seest\xE4rken",
    "Windst\xE4rken (Beaufort-Skala)",
};

int TabellenThema::spaltenzahl() const {
    int n = 0;
    while (n < static_cast<int>(Spalten.size()) && !Spalten[static_cast<std::size_t>(n)].empty())
        ++n;
    return n;
}

const TabellenThema* findeTabellenThema(std::string_view text) {
    for (const auto& t : kTabellenThemen)
        if (t.Text == text) return &t;
    return nullptr;
}

TabellenAuszug tabellenZeilen(const std::vector<std::string>& datei, const TabellenThema& thema) {
    TabellenAuszug a;
    const int anzahl = static_cast<int>(datei.size());
    for (int nr = thema.Von; nr <= thema.Bis; ++nr) {
        if (nr > anzahl) {
            a.FehlendeZeile = nr - 1;
            break;
        }
        a.Zeilen.push_back(datei[static_cast<std::size_t>(nr - 1)]);
    }
    return a;
}

} // namespace qnt

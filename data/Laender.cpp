#include "data/Laender.h"

namespace qnt {

const std::array<std::string_view, kLaenderAnzahl + 1> Laendernamen = {
    "",
    "SI-Einheit", "Internationale Einheit", "Englisches System", "Eigene Einheit", "Sonstige Einheit",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "\xC4gypten", "\xC4gypten antik", "\xC4thiopien", "Afghanistan", "Algerien", "Arabien", "Argentinien",
    "Belgien", "Bolivien", "Brasilien", "Bulgarien", "Chile", "China", "Costa Rica", "D\xE4nemark",
    "Deutschland", "Deutschland - Baden", "Deutschland - Bayern", "Deutschland - Preu\xDF" "en",
    "Deutschland - Sachsen",
    "", "", "", "", "", "", "", "", "",
    "Finnland", "Frankreich", "Griechenland", "Griechenland antik", "Gro\xDF" "britannien", "Guatemala",
    "Haiti", "Indien", "Indonesien",
    "",
    "Iran", "Israel antik", "Italien", "Japan", "Jugoslawien", "Kolumbien", "Korea", "Kuba", "Libyen",
    "Marokko", "Mexiko", "Niederlande", "Norwegen", "\xD6sterreich", "Paraguay", "Peru", "Philippinen",
    "Polen", "Portugal", "R\xF6misches Reich", "Rum\xE4nien", "Ru\xDF" "land", "Schweden", "Schweiz",
    "Spanien", "Thailand", "T\xFCrkei", "Tunesien", "Ungarn", "Uruguay", "USA", "Vietnam"};

bool landNrGueltig(int landNr) {
    return landNr >= 1 && landNr <= kLaenderAnzahl && !Laendernamen[static_cast<std::size_t>(landNr)].empty();
}

std::string_view landName(int landNr) {
    return landNr >= 1 && landNr <= kLaenderAnzahl ? Laendernamen[static_cast<std::size_t>(landNr)] : "";
}

TLandAngezeigt alleLaenderAngezeigt() {
    TLandAngezeigt a;
    a.fill(true);
    return a;
}

} // namespace qnt

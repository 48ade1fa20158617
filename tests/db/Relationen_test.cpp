// The shipped unit data, read from the compiled files: relations that follow only through several
// source lines, units against the value their law or standard gives them, and areas as squares of the
// shipped lengths, each to 1e-12. Rows that merely repeat one source line are left to the source.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Datenbank.h"

namespace {

using namespace dbtest;

constexpr double kPi = 3.14159265358979323846;

// mengeA * a = mengeB * b; without b, mengeB is the value in the category's base unit.
struct Relation {
    const char* quelle; // the law, standard or rule the row checks
    const char* datei;
    double mengeA;
    const char* a; // unit name, code page 1252
    double mengeB;
    const char* b;
};

const Relation kRelationen[] = {
    {"Zoll ist 2,54 cm", "LAENGE.DAT", 1, "Zoll", 2.54, "Zentimeter"},
    {"acht Furlong sind eine Meile", "LAENGE.DAT", 8, "Furlong", 1, "Meile"},
    {"Lichtjahr nach IAU", "LAENGE.DAT", 1, "Lichtjahr", 9460730472580800.0, "Meter"},
    {"preussische Meile hat 24000 Fuss", "LAENGE.DAT", 1, "Meile (preu\xDFisch)", 24000,
     "Fu\xDF (preu\xDFisch)"},
    {"Toise hat 864 Pariser Linien", "LAENGE.DAT", 1, "Toise", 864, "Linie (Paris)"},
    {"Saschen hat 48 Werschok", "LAENGE.DAT", 1, "Saschen", 48, "Werschok"},
    {"Li ist 500 m", "LAENGE.DAT", 1, "Li (China)", 500, "Meter"},
    {"japanisches Ri hat 12960 Shaku", "LAENGE.DAT", 1, "Ri (Japan)", 12960, "Shaku"},
    {"Mille passus hat 5000 Pes", "LAENGE.DAT", 1, "Mille passus", 5000, "Pes"},
    {"Schweizer Wegstunde ist 4,8 km", "LAENGE.DAT", 1, "Wegstunde (Schweiz)", 4.8, "Kilometer"},
    {"Yot hat 8000 Wa", "LAENGE.DAT", 1, "Yot", 8000, "Wa"},
    {"Quadratmeile hat 640 Acre", "FLAECHE.DAT", 1, "Quadratmeile", 640, "Acre"},
    {"bayerisches Tagwerk hat 40000 Quadratfuss", "FLAECHE.DAT", 1, "Tagwerk (bayerisch)", 40000,
     "Quadratfu\xDF (bayerisch)"},
    {"badischer Morgen ist 36 Ar", "FLAECHE.DAT", 1, "Morgen (badisch)", 36, "Ar"},
    {"Schweizer Juchart ist 36 Ar", "FLAECHE.DAT", 1, "Juchart (Schweiz)", 36, "Ar"},
    {"Arpent von Paris hat 32400 Quadratfuss", "FLAECHE.DAT", 1, "Arpent (Paris)", 32400,
     "Quadratfu\xDF (Paris)"},
    {"Iugerum hat 28800 Quadratpes", "FLAECHE.DAT", 1, "Iugerum", 28800, "Pes quadratus"},
    {"drei Mu sind 2000 Quadratmeter", "FLAECHE.DAT", 3, "Mu (China)", 2000, "Quadratmeter"},
    {"japanisches Cho hat 3000 Tsubo", "FLAECHE.DAT", 1, "Cho (Japan)", 3000, "Tsubo"},
    {"121 Tsubo sind 400 Quadratmeter", "FLAECHE.DAT", 121, "Tsubo", 400, "Quadratmeter"},
    {"Rai ist 16 Ar", "FLAECHE.DAT", 1, "Rai", 16, "Ar"},
    {"Section hat 640 Survey Acre", "FLAECHE.DAT", 1, "Section", 640, "Acre (US Survey)"},
    {"Fanega hat 9216 Quadratvaras", "FLAECHE.DAT", 1, "Fanega de tierra", 9216, "Quadratvara (Spanien)"},
    {"Tag hat 86400 Sekunden", "ZEIT.DAT", 1, "Tag", 86400, "Sekunde"},
    {"Woche hat 168 Stunden", "ZEIT.DAT", 1, "Woche", 168, "Stunde"},
    {"Dezimaltag hat 100000 Dezimalsekunden", "ZEIT.DAT", 1, "Tag", 100000, "Dezimalsekunde"},
    {"Sothisperiode sind 1461 aegyptische Jahre", "ZEIT.DAT", 1, "Sothisperiode", 1461,
     "\xC4gyptisches Jahr"},
    {"Moment ist eineinhalb Minuten", "ZEIT.DAT", 2, "Moment (mittelalterlich)", 3, "Minute"},
    {"technische Atmosphaere sind 10 m Wassersaeule", "DRUCK.DAT", 1, "Technische Atmosph\xE4re", 10,
     "Meter Wassers\xE4ule"},
    {"Kilowattstunde sind 3,6 MJ", "ENERGIE.DAT", 1, "Kilowattstunde", 3.6, "Megajoule"},
    {"IT-Kilokalorie", "ENERGIE.DAT", 1, "Kilokalorie (IT)", 4186.8, "Joule"},
    {"Btu IT", "ENERGIE.DAT", 1, "British thermal unit (IT)", 1055.05585262, "Joule"},
    {"Steinkohleneinheit", "ENERGIE.DAT", 1, "Tonne Steinkohleneinheit", 29.3076, "Gigajoule"},
    {"Rohoeleinheit", "ENERGIE.DAT", 1, "Tonne Roh\xF6leinheit", 41.868, "Gigajoule"},
    {"Megatonne TNT", "ENERGIE.DAT", 1, "Megatonne TNT", 4.184e15, "Joule"},
    {"Grad sind 3600 Winkelsekunden", "WINKEL.DAT", 1, "Grad", 3600, "Winkelsekunde"},
    {"Zeitsekunde sind 15 Winkelsekunden", "WINKEL.DAT", 1, "Zeitsekunde", 15, "Winkelsekunde"},
    {"Mikrocurie sind 37 kBq", "RADIOAKT.DAT", 1, "Mikrocurie", 37, "Kilobecquerel"},
    {"Twip ist 1/1440 Zoll", "TYPOGRAF.DAT", 1440, "Twip", 1, "Zoll"},
    {"Grossgros sind 1728 Stueck", "STUECK.DAT", 1, "Gro\xDFgros", 1728, "St\xFC" "ck"},
    {"grosses Tausend sind 12 Gros und 10 Dutzend", "STUECK.DAT", 1, "Gro\xDF" "es Tausend", 120, "Dutzend"},
    {"Ries Schreibpapier sind 480 Bogen", "PAPIER.DAT", 1, "Ries (Schreibpapier)", 480, "Bogen"},
    {"Ries Druckpapier sind 500 Bogen", "PAPIER.DAT", 1, "Ries (Druckpapier)", 500, "Bogen"},
    {"Neuries sind 1000 Bogen", "PAPIER.DAT", 1, "Neuries", 1000, "Bogen"},
    {"Rame sind 500 Bogen", "PAPIER.DAT", 1, "Rame", 500, "Bogen"},
    {"Oktavbogen hat 16 Seiten", "PAPIER.DAT", 16, "Seite (Oktav)", 1, "Bogen"},
    {"Zentner sind 50 kg", "MASSE.DAT", 1, "Zentner", 50, "Kilogramm"},
    {"bayerischer Zentner sind 56 kg", "MASSE.DAT", 1, "Zentner (bayerisch)", 56, "Kilogramm"},
    {"Maund sind 100 Troy-Pfund", "MASSE.DAT", 1, "Maund", 100, "Troy-Pfund"},
    {"Skeppund hat 400 Skalpund", "MASSE.DAT", 1, "Skeppund (schwedisch)", 400, "Sk\xE5" "lpund"},
    {"preussischer Kubikfuss hat 27 Quart", "VOLUMEN.DAT", 1, "Kubikfu\xDF (preu\xDF" "isch)", 27,
     "Quart (preu\xDF" "isch)"},
    {"preussischer Scheffel hat 3072 Kubikzoll", "VOLUMEN.DAT", 1, "Scheffel (preu\xDF" "isch)", 3072,
     "Kubikzoll (preu\xDF" "isch)"},
    {"preussisches Oxhoft hat 180 Quart", "VOLUMEN.DAT", 1, "Oxhoft (preu\xDF" "isch)", 180,
     "Quart (preu\xDF" "isch)"},
    {"Koku hat 100 Sho", "VOLUMEN.DAT", 1, "Koku", 100, "Sho"},
    {"Amphora hat 48 Sextarii", "VOLUMEN.DAT", 1, "Amphora (r\xF6" "misch)", 48, "Sextarius"},
    {"badisches Ohm sind 150 Liter", "VOLUMEN.DAT", 1, "Ohm (badisch)", 150, "Liter"},
    {"Korzec sind 128 Liter", "VOLUMEN.DAT", 1, "Korzec", 128, "Liter"},
    {"Preussen 1816: 139,13 Pariser Linien, 1 m = 443,296 Linien", "LAENGE.DAT", 1, "Fu\xDF (preu\xDFisch)",
     139.13 / 443.296, nullptr},
    {"Wuerttemberg 1806: 127 Pariser Linien", "LAENGE.DAT", 1, "Fu\xDF (w\xFCrttembergisch)", 127 / 443.296,
     nullptr},
    {"Hannover 1836: 23/24 englische Fuss", "LAENGE.DAT", 1, "Fu\xDF (hannoversch)", 0.2921, nullptr},
    {"pied du roi: 144 Linien", "LAENGE.DAT", 1, "Fu\xDF (Paris)", 144 / 443.296, nullptr},
    {"Russland 1835: sieben englische Fuss", "LAENGE.DAT", 1, "Saschen", 2.1336, nullptr},
    {"Acre: 4046,8564224 m2", "FLAECHE.DAT", 1, "Acre", 4046.8564224, nullptr},
    {"Survey Acre nach NIST Handbook 44", "FLAECHE.DAT", 1, "Acre (US Survey)", 4046.872609874252, nullptr},
    {"preussischer Morgen 1816", "FLAECHE.DAT", 1, "Morgen (preu\xDFisch)",
     180 * 144 * (139.13 / 443.296) * (139.13 / 443.296), nullptr},
    {"oesterreichisches Joch nach dem Gesetz von 1871", "FLAECHE.DAT", 1, "Joch (\xF6sterreichisch)",
     1600 * 1.89648384 * 1.89648384, nullptr},
    {"Desjatine nach dem Ukas von 1835", "FLAECHE.DAT", 1, "Desjatine", 2400 * 2.1336 * 2.1336, nullptr},
    {"Tsubo nach dem Gesetz von 1891", "FLAECHE.DAT", 1, "Tsubo", 400.0 / 121, nullptr},
    {"Mu nach dem Gesetz von 1929", "FLAECHE.DAT", 1, "Mu (China)", 2000.0 / 3, nullptr},
    {"Rai nach dem Gesetz von 1923", "FLAECHE.DAT", 1, "Rai", 1600, nullptr},
    {"Feddan nach dem Kataster von 1907", "FLAECHE.DAT", 1, "Feddan", 1000.0 / 3 * 3.55 * 3.55, nullptr},
    {"bayerisches Tagwerk", "FLAECHE.DAT", 1, "Tagwerk (bayerisch)", 40000 * 0.291859206 * 0.291859206,
     nullptr},
    {"Frankreich, Gesetz 19 frimaire an VIII", "MASSE.DAT", 1, "Livre (poids de marc)", 9216 / 18827.15,
     nullptr},
    {"Preussen 1816: 27 Quart sind ein Kubikfuss", "VOLUMEN.DAT", 1, "Quart (preu\xDF" "isch)",
     std::pow(0.31385, 3) / 27, nullptr},
    {"Paris 1742, Meter nach dem Gesetz von 1799", "VOLUMEN.DAT", 1, "Pinte (Paris)",
     48 * std::pow(12 / 443.296, 3), nullptr},
    {"Daenemark: 1/32 Kubikfuss", "VOLUMEN.DAT", 1, "Pot (d\xE4" "nisch)", std::pow(0.31385, 3) / 32,
     nullptr},
    {"Paris: Boisseau 655,78 Pariser Kubikzoll (Kr\xFCger 1830)", "VOLUMEN.DAT", 1, "Boisseau (Paris)",
     655.78 * std::pow(12 / 443.296, 3), nullptr},
    {"Setier 12 Boisseaux (Noback 1851)", "VOLUMEN.DAT", 1, "Setier (Paris)", 12, "Boisseau (Paris)"},
    {"Litron 1/16 Boisseau (Rozier 1782)", "VOLUMEN.DAT", 16, "Litron", 1, "Boisseau (Paris)"},
    {"Minot 3 Boisseaux", "VOLUMEN.DAT", 1, "Minot (Paris)", 3, "Boisseau (Paris)"},
    {"Muid 144 Boisseaux", "VOLUMEN.DAT", 1, "Muid (Getreide)", 144, "Boisseau (Paris)"},
    // The irrevocable euro rates; saving the rate table forces them onto every currency of these countries.
    {"1 EUR = 40,3399 BEF", "WAEHRUNG.DAT", 40.3399, "Belgischer Franc", 1, nullptr},
    {"1 EUR = 1,95583 DEM", "WAEHRUNG.DAT", 1.95583, "Deutsche Mark", 1, nullptr},
    {"1 EUR = 5,94573 FIM", "WAEHRUNG.DAT", 5.94573, "Finnmark", 1, nullptr},
    {"1 EUR = 6,55957 FRF", "WAEHRUNG.DAT", 6.55957, "Franz\xF6sischer Franc", 1, nullptr},
    {"1 EUR = 1936,27 ITL", "WAEHRUNG.DAT", 1936.27, "Italienische Lira", 1, nullptr},
    {"1 EUR = 2,20371 NLG", "WAEHRUNG.DAT", 2.20371, "Niederl\xE4ndischer Gulden", 1, nullptr},
    {"1 EUR = 13,7603 ATS", "WAEHRUNG.DAT", 13.7603, "\xD6sterreichischer Schilling", 1, nullptr},
    {"1 EUR = 200,482 PTE", "WAEHRUNG.DAT", 200.482, "Portugiesischer Escudo", 1, nullptr},
    {"1 EUR = 166,386 ESP", "WAEHRUNG.DAT", 166.386, "Spanische Peseta", 1, nullptr},
    {"1 EUR = 655,957 XOF", "WAEHRUNG.DAT", 655.957, "CFA-Franc BCEAO", 1, nullptr},
};

TEST(Datenbestand, RelationenUndGesetzlicheWerteGeltenAufZwoelfStellen) {
    for (const auto& r : kRelationen) {
        SCOPED_TRACE(std::string(r.datei) + ": " + r.quelle);
        const double soll = r.b ? r.mengeB * faktor(r.datei, r.b) : r.mengeB;
        EXPECT_TRUE(relativGleich(r.mengeA * faktor(r.datei, r.a), soll));
    }
}

// An area unit built on a length unit is the square of that length as shipped in the length file.
const std::pair<const char*, const char*> kQuadrate[] = {
    {"Quadratzoll", "Zoll"}, {"Quadratyard", "Yard"}, {"Quadratmeile", "Meile"},
    {"Quadratfu\xDF (US Survey)", "Fu\xDF (US Survey)"}, {"Quadratvara (Texas)", "Vara (Texas)"},
    {"Quadratfu\xDF (preu\xDFisch)", "Fu\xDF (preu\xDFisch)"},
    {"Quadratrute (preu\xDFisch)", "Rute (preu\xDFisch)"},
    {"Quadratfu\xDF (bayerisch)", "Fu\xDF (bayerisch)"}, {"Quadratrute (bayerisch)", "Rute (bayerisch)"},
    {"Quadratrute (badisch)", "Rute (badisch)"},
    {"Quadratrute (s\xE4" "chsisch)", "Rute (s\xE4" "chsisch)"},
    {"Quadratrute (w\xFCrttembergisch)", "Rute (w\xFCrttembergisch)"},
    {"Quadratrute (hannoversch)", "Rute (hannoversch)"},
    {"Quadratklafter (hessisch)", "Klafter (hessisch)"},
    {"Quadratmeile (geographisch)", "Geographische Meile"}, {"Quadratklafter (Wien)", "Klafter (Wien)"},
    {"Quadratrute (Schweiz)", "Rute (Schweiz)"}, {"Quadratfu\xDF (Paris)", "Fu\xDF (Paris)"},
    {"Perche carr\xE9" "e (Paris)", "Perche (Paris)"}, {"Pes quadratus", "Pes"},
    {"Quadratelle (\xC4gypten)", "K\xF6nigselle (\xC4gypten)"},
    {"Quadratelle (hebr\xE4isch)", "Elle (hebr\xE4isch)"}, {"Quadratsaschen", "Saschen"},
    {"Quadratchi (China)", "Chi (China)"}, {"Tsubo", "Ken"}, {"Quadratvara (Spanien)", "Vara (Spanien)"},
    {"Quadratvara (Mexiko)", "Vara (Mexiko)"}, {"Quadratvara (Argentinien)", "Vara (Argentinien)"},
    {"Quadratvara (Kuba)", "Vara (Kuba)"}, {"Bra\xE7" "a quadrada", "Bra\xE7" "a (Portugal)"},
    {"Quadratroede (Rijnland)", "Roede (Rijnland)"}, {"Kvadratalen (D\xE4nemark)", "Alen (D\xE4nemark)"},
    {"Kvadratstang (Norwegen)", "Stang (Norwegen)"}, {"Kvadratfot (Schweden)", "Fot (Schweden)"},
    {"Quadratrute (Polen)", "Rute (Polen)"}, {"Quadratzira", "Zira (osmanisch)"},
    {"Quadrat-Qasaba", "Qasaba (\xC4gypten)"},
};

TEST(Datenbestand, FlaechenSindQuadrateDerLaengen) {
    for (const auto& [flaeche, laenge] : kQuadrate) {
        SCOPED_TRACE(flaeche);
        const double l = faktor("LAENGE.DAT", laenge);
        EXPECT_TRUE(relativGleich(faktor("FLAECHE.DAT", flaeche), l * l));
    }
}

} // namespace

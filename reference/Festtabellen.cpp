#include "reference/Festtabellen.h"

namespace qnt {

// Names and units as the program has always shown them; each value is the CODATA 2022 recommended value
// (physics.nist.gov/constants) rounded to the digits shown. Derived rows: Loschmidt constant and molar
// volume at 273,15 K and 101,325 kPa; Rydberg constant for hydrogen R_inf / (1 + m_e/m_p); hydrogen atom
// 1,00782503223 u (AME2020) times the atomic mass constant.
const std::array<PhysKonstante, 33> kPhysKonstanten = {{
    {"Absol. Nullpunkt der Temperatur", "-273,15\xB0 C"},
    {"Alpha-Teilchen, Ruhemasse", "6,6447 x 10^-27 kg"},
    {"Atomare Masseneinheit", "1,6605391 x 10^-27 kg"},
    {"Avogadro-Konstante", "6,022 x 10^26 kMol^-1"},
    {"Boltzmann-Konstante", "1,38065 x 10^-23 J K^-1"},
    {"Bohrscher Radius", "5,292 x 10^-11 m"},
    {"Bohrsches Magneton", "9,274 x 10^-24 A m^2"},
    {"Compton-Wellenl\xE4nge des Elektrons", "2,426 x 10^-12 m"},
    {"Deuteron, Ruhemasse", "3,3436 x 10^-27 kg"},
    {"Elektrische Feldkonstante", "8,8542 x 10^-12 F m^-1"},
    {"Elektron, Ladung", "1,6022 x 10^-19 A s"},
    {"Elektron, Ladung spez.", "1,7588 x 10^11 A s kg^-1"},
    {"Elektron, Radius", "2,8179 x 10^-15 m"},
    {"Elektron, Ruheenergie", "8,187 x 10^-14 J"},
    {"Elektron, Ruhemasse", "9,1094 x 10^-31 kg"},
    {"Faraday-Konstante", "9,6485 x 10^7 A s kmol^-1"},
    {"Graviations-Konstante", "6,674 x 10^-11 m^3 kg^-1 s^-2)"},
    {"Lichtgeschwindigkeit im Vakuum", "2,99792 x 10^8 m s-1"},
    {"Loschmidt-Konstante", "2,6868 x 10^25 m^-3"},
    {"Magnetische Feldkonstante", "1,2566 x 10^-6 H m^-1"},
    {"Molare Gaskonstante", "8,314 x 10^3 J K^-1 kmol^-1"},
    {"Molvolumen idealer Gase", "22,414 m^3 kmol^-1"},
    {"Neutron, Ruheenergie", "1,5053 x 10^-10 J"},
    {"Neutron, Ruhemasse", "1,6749 x 10^-27 kg"},
    {"Physikalischer Normaldruck", "1,01325 x 10^5 Pa"},
    {"Planck-Konstante", "6,6261 x 10^-34 J s"},
    {"Proton, Ladung spez.", "9,5788 x 10^7 A s kg^-1"},
    {"Proton, Ruheenergie", "1,5033 x 10^-10 J"},
    {"Proton, Ruhemasse", "1,6726 x 10^-27 kg"},
    {"Rydberg-Konstante f\xFCr das H-Atom", "1,0968 x 10^7 m^-1"},
    {"Wasserstoff-Atom, Ruhemasse", "1,67353 x 10^-27 kg"},
    {"Wellenwiderstand des Vakuums", "376,730 Ohm"},
    {"Wien-Konstante", "2,8978 x 10^-3 m K"},
}};

std::string konstantenZeile(const PhysKonstante& k) {
    std::string s(k.Name);
    s += '\t';
    s += k.Wert;
    return s;
}

// All 24 SI decimal prefixes (zetta, yotta, zepto, yocto since 1991; ronna, quetta, ronto, quecto since 2022,
// 27th CGPM), largest first, with the German names. Symbol in 2 characters, " = ", name in 6 characters,
// " = ", power of ten; 0xB5 is the micro sign.
const std::array<std::string_view, 25> kVorsatzzeilen = {
    "Q  = Quetta = 10^30",    "R  = Ronna  = 10^27",  "Y  = Yotta  = 10^24",  "Z  = Zetta  = 10^21",
    "E  = Exa    = 10^18",    "P  = Peta   = 10^15",  "T  = Tera   = 10^12",  "G  = Giga   = 10^9",
    "M  = Mega   = 10^6",     "k  = Kilo   = 10^3",   "h  = Hekto  = 10^2",   "da = Deka   = 10^1",
    "--------------------",   "d  = Dezi   = 10^-1",  "c  = Zenti  = 10^-2",  "m  = Milli  = 10^-3",
    "\xB5  = Mikro  = 10^-6", "n  = Nano   = 10^-9",  "p  = Piko   = 10^-12", "f  = Femto  = 10^-15",
    "a  = Atto   = 10^-18",   "z  = Zepto  = 10^-21", "y  = Yokto  = 10^-24", "r  = Ronto  = 10^-27",
    "q  = Quekto = 10^-30",
};

} // namespace qnt

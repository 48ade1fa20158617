// The shipped units of the physical, typographic and counting categories: stated relations between
// units hold to 1e-12, every category has its base unit and a sensible number of units, and the
// descriptions name the base unit.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Datenbank.h"

namespace {

using namespace qnt;
using namespace dbtest;

struct Relation {
    const char* was;   // readable name of the row
    const char* datei; // data file
    double mengeA;
    const char* a; // unit name, code page 1252
    double mengeB;
    const char* b;
};

// mengeA × a = mengeB × b
const Relation kRelationen[] = {
    // Zeit
    {"Tag hat 86400 Sekunden", "ZEIT.DAT", 1, "Tag", 86400, "Sekunde"},
    {"Woche hat 168 Stunden", "ZEIT.DAT", 1, "Woche", 168, "Stunde"},
    {"400 gregorianische Jahre haben 146097 Tage", "ZEIT.DAT", 400, "Jahr (gregorianisch)", 146097, "Tag"},
    {"julianisches Jahr hat 365,25 Tage", "ZEIT.DAT", 1, "Jahr (julianisch)", 365.25, "Tag"},
    {"julianisches Jahrhundert sind 100 julianische Jahre", "ZEIT.DAT", 1, "Julianisches Jahrhundert", 100,
     "Jahr (julianisch)"},
    {"Jahrhundert sind 1200 gregorianische Monate", "ZEIT.DAT", 1, "Jahrhundert", 1200,
     "Monat (gregorianisch)"},
    {"vier Quartale sind ein gregorianisches Jahr", "ZEIT.DAT", 4, "Quartal", 1, "Jahr (gregorianisch)"},
    {"kaufmaennisches Jahr hat 12 Zinsmonate", "ZEIT.DAT", 1, "Jahr (kaufm\xE4nnisch)", 12,
     "Monat (kaufm\xE4nnisch)"},
    {"Schaltjahr hat 366 Tage", "ZEIT.DAT", 1, "Schaltjahr", 366, "Tag"},
    {"Stunde hat 1080 Chalakim", "ZEIT.DAT", 1, "Stunde", 1080, "Chelek"},
    {"Dezimaltag hat 100000 Dezimalsekunden", "ZEIT.DAT", 1, "Tag", 100000, "Dezimalsekunde"},
    {"Sothisperiode sind 1461 aegyptische Jahre", "ZEIT.DAT", 1, "Sothisperiode", 1461,
     "\xC4gyptisches Jahr"},
    {"Moment ist eineinhalb Minuten", "ZEIT.DAT", 2, "Moment (mittelalterlich)", 3, "Minute"},
    // Geschwindigkeit
    {"3,6 km/h sind 1 m/s", "GESCHWIN.DAT", 3.6, "Kilometer pro Stunde", 1, "Meter pro Sekunde"},
    {"Knoten ist 1852 m pro Stunde", "GESCHWIN.DAT", 3600, "Knoten", 1852, "Meter pro Sekunde"},
    {"Meile pro Stunde ist 88 Fuss pro Minute", "GESCHWIN.DAT", 1, "Meile pro Stunde", 88,
     "Fu\xDF pro Minute"},
    {"Meile pro Stunde ist 1,609344 km/h", "GESCHWIN.DAT", 1, "Meile pro Stunde", 1.609344,
     "Kilometer pro Stunde"},
    {"Meile pro Minute sind 60 mph", "GESCHWIN.DAT", 1, "Meile pro Minute", 60, "Meile pro Stunde"},
    {"Lichtgeschwindigkeit", "GESCHWIN.DAT", 1, "Lichtgeschwindigkeit", 299792458, "Meter pro Sekunde"},
    {"saechsische Postmeile 1840 ist 7,5 km", "GESCHWIN.DAT", 1,
     "S\xE4"
     "chsische Postmeile pro Stunde",
     7.5, "Kilometer pro Stunde"},
    // Beschleunigung
    {"Normfallbeschleunigung", "BESCHLEU.DAT", 1, "Normfallbeschleunigung", 9.80665,
     "Meter pro Quadratsekunde"},
    {"Gal ist ein Zentimeter pro Quadratsekunde", "BESCHLEU.DAT", 1, "Gal", 1,
     "Zentimeter pro Quadratsekunde"},
    {"1000 Milligal sind ein Gal", "BESCHLEU.DAT", 1000, "Milligal", 1, "Gal"},
    {"1000 Milli-g sind g", "BESCHLEU.DAT", 1000, "Milli-g", 1, "Normfallbeschleunigung"},
    // Kraft
    {"Kilopond", "KRAFT.DAT", 1, "Kilopond", 9.80665, "Newton"},
    {"Pound-force ist Pfund mal g", "KRAFT.DAT", 1, "Pound-force", 4.4482216152605, "Newton"},
    {"Kip sind 1000 lbf", "KRAFT.DAT", 1, "Kip", 1000, "Pound-force"},
    {"Zentnerkraft sind 100 Pfundkraft", "KRAFT.DAT", 1, "Zentnerkraft", 100, "Pfundkraft (Zollpfund)"},
    {"Megapond sind 1000 Kilopond", "KRAFT.DAT", 1, "Megapond", 1000, "Kilopond"},
    {"Dyn", "KRAFT.DAT", 100000, "Dyn", 1, "Newton"},
    {"Poundal ist lb ft/s2", "KRAFT.DAT", 1, "Poundal", 0.138254954376, "Newton"},
    {"Sthene sind 1000 Newton", "KRAFT.DAT", 1, "Sth\xE8ne", 1, "Kilonewton"},
    // Druck
    {"Atmosphaere sind 760 Torr", "DRUCK.DAT", 1, "Physikalische Atmosph\xE4re", 760, "Torr"},
    {"Atmosphaere sind 101325 Pascal", "DRUCK.DAT", 1, "Physikalische Atmosph\xE4re", 101325, "Pascal"},
    {"technische Atmosphaere sind 10 m Wassersaeule", "DRUCK.DAT", 1, "Technische Atmosph\xE4re", 10,
     "Meter Wassers\xE4ule"},
    {"Hektopascal ist Millibar", "DRUCK.DAT", 1, "Hektopascal", 1, "Millibar"},
    {"Bar sind 1000 Millibar", "DRUCK.DAT", 1, "Bar", 1000, "Millibar"},
    {"Zoll Hg sind 25,4 mm Hg", "DRUCK.DAT", 1, "Zoll Quecksilbers\xE4ule", 25.4,
     "Millimeter Quecksilbers\xE4ule"},
    {"mm Hg konventionell", "DRUCK.DAT", 1, "Millimeter Quecksilbers\xE4ule", 133.322387415, "Pascal"},
    {"Pariser Zoll sind 12 Linien", "DRUCK.DAT", 1, "Pariser Zoll Quecksilbers\xE4ule", 12,
     "Pariser Linie Quecksilbers\xE4ule"},
    {"psi sind 144 psf", "DRUCK.DAT", 1, "Pfund pro Quadratzoll", 144, "Pfund pro Quadratfu\xDF"},
    {"ksi sind 1000 psi", "DRUCK.DAT", 1, "Kilopfund pro Quadratzoll", 1000, "Pfund pro Quadratzoll"},
    {"kp/mm2 sind 100 at", "DRUCK.DAT", 1, "Kilopond pro Quadratmillimeter", 100, "Technische Atmosph\xE4re"},
    {"N/mm2 ist MPa", "DRUCK.DAT", 1, "Newton pro Quadratmillimeter", 1, "Megapascal"},
    // Energie
    {"Kilowattstunde sind 3,6 MJ", "ENERGIE.DAT", 1, "Kilowattstunde", 3.6, "Megajoule"},
    {"Elektronvolt exakt", "ENERGIE.DAT", 1, "Elektronvolt", 1.602176634e-19, "Joule"},
    {"MeV sind 10^6 eV", "ENERGIE.DAT", 1, "Megaelektronvolt", 1e6, "Elektronvolt"},
    {"IT-Kilokalorie", "ENERGIE.DAT", 1, "Kilokalorie (IT)", 4186.8, "Joule"},
    {"thermochemische Kalorie", "ENERGIE.DAT", 1000, "Kalorie (thermochemisch)", 4.184, "Kilojoule"},
    {"Btu IT", "ENERGIE.DAT", 1, "British thermal unit (IT)", 1055.05585262, "Joule"},
    {"Quad sind 10^15 Btu", "ENERGIE.DAT", 1, "Quad", 1e15, "British thermal unit (IT)"},
    {"Steinkohleneinheit", "ENERGIE.DAT", 1, "Tonne Steinkohleneinheit", 29.3076, "Gigajoule"},
    {"Rohoeleinheit", "ENERGIE.DAT", 1, "Tonne Roh\xF6leinheit", 41.868, "Gigajoule"},
    {"Rydberg ist halbes Hartree", "ENERGIE.DAT", 2, "Rydberg", 1, "Hartree"},
    {"Pferdestaerkenstunde", "ENERGIE.DAT", 1, "Pferdest\xE4rkenstunde", 2647795.5, "Joule"},
    {"Megatonne TNT", "ENERGIE.DAT", 1, "Megatonne TNT", 4.184e15, "Joule"},
    {"Thermie ist eine Megakalorie 15 Grad", "ENERGIE.DAT", 1, "Thermie", 1e6,
     "Kalorie (15 \xB0"
     "C)"},
    {"Fuss-Pfund sind 12 Zoll-Pfund", "ENERGIE.DAT", 1, "Fu\xDF-Pfund", 12, "Zoll-Pfund"},
    // Leistung
    {"PS sind 75 kpm/s", "LEISTUNG.DAT", 1, "Pferdest\xE4rke", 75, "Kilopondmeter pro Sekunde"},
    {"PS in Watt", "LEISTUNG.DAT", 1, "Pferdest\xE4rke", 735.49875, "Watt"},
    {"hp sind 550 ft lbf/s", "LEISTUNG.DAT", 1, "Horsepower (mechanisch)", 550, "Fu\xDF-Pfund pro Sekunde"},
    {"hp in Watt", "LEISTUNG.DAT", 1, "Horsepower (mechanisch)", 745.69987158227022, "Watt"},
    {"Kaeltetonne sind 12000 Btu/h", "LEISTUNG.DAT", 1, "K\xE4ltetonne", 12000,
     "British thermal unit pro Stunde"},
    {"kcal/h sind 1,163 W", "LEISTUNG.DAT", 1, "Kilokalorie pro Stunde (IT)", 1.163, "Watt"},
    {"Poncelet sind 100 kpm/s", "LEISTUNG.DAT", 1, "Poncelet", 100, "Kilopondmeter pro Sekunde"},
    // Drehmoment
    {"Kilopondmeter", "DREHMOME.DAT", 1, "Kilopondmeter", 9.80665, "Newtonmeter"},
    {"lbf ft sind 12 lbf in", "DREHMOME.DAT", 1, "Pound-force-Fu\xDF", 12, "Pound-force-Zoll"},
    {"lbf in sind 16 ozf in", "DREHMOME.DAT", 1, "Pound-force-Zoll", 16, "Ounce-force-Zoll"},
    // Dichte
    {"g/cm3 ist kg/l", "DICHTE.DAT", 1, "Gramm pro Kubikzentimeter", 1, "Kilogramm pro Liter"},
    {"kg/l sind 1000 kg/m3", "DICHTE.DAT", 1, "Kilogramm pro Liter", 1000, "Kilogramm pro Kubikmeter"},
    {"lb/in3 sind 1728 lb/ft3", "DICHTE.DAT", 1, "Pfund pro Kubikzoll", 1728, "Pfund pro Kubikfu\xDF"},
    {"slug/ft3 sind g mal lb/ft3 durch Fuss", "DICHTE.DAT", 0.3048, "Slug pro Kubikfu\xDF", 9.80665,
     "Pfund pro Kubikfu\xDF"},
    // Winkel
    {"Vollwinkel sind 360 Grad", "WINKEL.DAT", 1, "Vollwinkel", 360, "Grad"},
    {"Vollwinkel sind 400 Gon", "WINKEL.DAT", 1, "Vollwinkel", 400, "Gon"},
    {"Grad sind 3600 Winkelsekunden", "WINKEL.DAT", 1, "Grad", 3600, "Winkelsekunde"},
    {"rechter Winkel sind 100 Gon", "WINKEL.DAT", 1, "Rechter Winkel", 100, "Gon"},
    {"Stundenwinkel sind 15 Grad", "WINKEL.DAT", 1, "Stundenwinkel", 15, "Grad"},
    {"Zeitsekunde sind 15 Winkelsekunden", "WINKEL.DAT", 1, "Zeitsekunde", 15, "Winkelsekunde"},
    {"NATO-Strich und Warschauer Pakt", "WINKEL.DAT", 6400, "Strich (NATO)", 6000,
     "Strich (Warschauer Pakt)"},
    {"Neusekunde sind 0,1 Milligon", "WINKEL.DAT", 10, "Neusekunde", 1, "Milligon"},
    {"Kompassrose hat 32 Striche", "WINKEL.DAT", 32, "Nautischer Strich", 1, "Umdrehung"},
    // Frequenz
    {"3000 U/min sind 50 Hz", "FREQUENZ.DAT", 3000, "Umdrehungen pro Minute", 50, "Hertz"},
    {"Kilozyklus ist Kilohertz", "FREQUENZ.DAT", 1, "Kilozyklen pro Sekunde", 1, "Kilohertz"},
    {"Tag hat 24 Stunden", "FREQUENZ.DAT", 24, "Reziproker Tag", 1, "Reziproke Stunde"},
    // Datenmenge
    {"Byte hat 8 Bit", "DATENMEN.DAT", 1, "Byte", 8, "Bit"},
    {"Kibibyte hat 1024 Byte", "DATENMEN.DAT", 1, "Kibibyte", 1024, "Byte"},
    {"Gibibyte hat 1024 Mebibyte", "DATENMEN.DAT", 1, "Gibibyte", 1024, "Mebibyte"},
    {"Terabyte sind 1000 Gigabyte", "DATENMEN.DAT", 1, "Terabyte", 1000, "Gigabyte"},
    {"Diskette 1,44 MB sind 1440 KiB", "DATENMEN.DAT", 1.44, "Megabyte (Diskette)", 1440, "Kibibyte"},
    {"binaeres Megabyte ist Mebibyte", "DATENMEN.DAT", 1, "Megabyte (bin\xE4r)", 1, "Mebibyte"},
    {"Nibble ist halbes Byte", "DATENMEN.DAT", 2, "Nibble", 1, "Byte"},
    {"Quettabyte sind 10^30 Byte", "DATENMEN.DAT", 1, "Quettabyte", 1e30, "Byte"},
    // Datenuebertragungsrate
    {"Megabyte pro Sekunde sind 8 Megabit", "DATENRAT.DAT", 1, "Megabyte pro Sekunde", 8,
     "Megabit pro Sekunde"},
    {"E1 sind 32 ISDN-Kanaele", "DATENRAT.DAT", 1, "E1-Leitung", 32, "ISDN-B-Kanal"},
    {"STM-16 sind 16 STM-1", "DATENRAT.DAT", 1, "STM-16", 16, "STM-1"},
    {"Mebibyte pro Sekunde", "DATENRAT.DAT", 1, "Mebibyte pro Sekunde", 8388608, "Bit pro Sekunde"},
    // Elektrische und magnetische Einheiten
    {"Amperestunde sind 3600 Coulomb", "LADUNG.DAT", 1, "Amperestunde", 3600, "Coulomb"},
    {"Milliamperestunde", "LADUNG.DAT", 1000, "Milliamperestunde", 1, "Amperestunde"},
    {"Faraday ist e mal N_A", "LADUNG.DAT", 1, "Faraday", 6.02214076e23, "Elementarladung"},
    {"Abcoulomb sind 10 Coulomb", "LADUNG.DAT", 1, "Abcoulomb", 10, "Coulomb"},
    {"Statcoulomb mal 10c ist Coulomb", "LADUNG.DAT", 2997924580, "Statcoulomb", 1, "Coulomb"},
    {"konventionelles Volt 1990", "SPANNUNG.DAT", 1, "Konventionelles Volt", 1.0000001066651072, "Volt"},
    {"internationales Volt", "SPANNUNG.DAT", 1, "Internationales Volt", 1.00034, "Volt"},
    {"Statvolt", "SPANNUNG.DAT", 1, "Statvolt", 299.792458, "Volt"},
    {"konventionelles Ampere 1990", "STROM.DAT", 1, "Konventionelles Ampere", 1.0000000888714378, "Ampere"},
    {"Abampere sind 10 Ampere", "STROM.DAT", 1, "Abampere", 10, "Ampere"},
    {"Megaohm sind 1000 Kiloohm", "WIDERST.DAT", 1, "Megaohm", 1000, "Kiloohm"},
    {"Von-Klitzing-Widerstand", "WIDERST.DAT", 1, "Von-Klitzing-Widerstand", 25812.80745930451, "Ohm"},
    {"Statohm ist c^2 mal 10^-5 Ohm", "WIDERST.DAT", 1, "Statohm", 8.987551787368176e11, "Ohm"},
    {"Mikrofarad sind 10^6 Pikofarad", "KAPAZIT.DAT", 1, "Mikrofarad", 1e6, "Pikofarad"},
    {"Statfarad mal Statohm", "KAPAZIT.DAT", 8.987551787368176e11, "Statfarad", 1, "Farad"},
    {"Abhenry", "INDUKTIV.DAT", 1e9, "Abhenry", 1, "Henry"},
    {"Maxwell", "MAGFLUSS.DAT", 1e8, "Maxwell", 1, "Weber"},
    {"Flussquant ist h durch 2e", "MAGFLUSS.DAT", 1, "Magnetisches Flussquant", 2.067833848461929e-15,
     "Weber"},
    {"Gauss", "FLUSSDIC.DAT", 10000, "Gau\xDF", 1, "Tesla"},
    {"Gamma ist Nanotesla", "FLUSSDIC.DAT", 1, "Gamma", 1, "Nanotesla"},
    // Licht und Strahlung
    {"Hefnerkerze sind 0,886 internationale Kerzen", "LICHTST.DAT", 1, "Hefnerkerze", 0.886,
     "Internationale Kerze"},
    {"Neue Kerze ist Candela", "LICHTST.DAT", 1, "Neue Kerze", 1, "Candela"},
    {"Stilb sind pi Lambert", "LEUCHTD.DAT", 1, "Stilb", 3.14159265358979323846, "Lambert"},
    {"Lambert sind 10000 Apostilb", "LEUCHTD.DAT", 1, "Lambert", 10000, "Apostilb"},
    {"Footlambert mal pi ist cd/ft2", "LEUCHTD.DAT", 3.14159265358979323846, "Footlambert", 1,
     "Candela pro Quadratfu\xDF"},
    {"Phot sind 10000 Lux", "BELEUCHT.DAT", 1, "Phot", 10000, "Lux"},
    {"Footcandle", "BELEUCHT.DAT", 1, "Footcandle", 10.763910416709722, "Lux"},
    {"Curie sind 37 GBq", "RADIOAKT.DAT", 1, "Curie", 37, "Gigabecquerel"},
    {"Mikrocurie sind 37 kBq", "RADIOAKT.DAT", 1, "Mikrocurie", 37, "Kilobecquerel"},
    {"60 Zerfaelle pro Minute sind 1 Bq", "RADIOAKT.DAT", 60, "Zerf\xE4lle pro Minute", 1, "Becquerel"},
    {"Rad ist Zentigray", "ENERGIED.DAT", 1, "Rad", 1, "Zentigray"},
    {"Rad sind 100 erg/g", "ENERGIED.DAT", 1, "Rad", 100, "Erg pro Gramm"},
    {"Rem ist Zentisievert", "AEQUIDOS.DAT", 1, "Rem", 1, "Zentisievert"},
    {"Millirem sind 10 Mikrosievert", "AEQUIDOS.DAT", 1, "Millirem", 10, "Mikrosievert"},
    // Viskositaet, Stoffmenge, Stroeme
    {"Zentipoise ist Millipascalsekunde", "DYNVISK.DAT", 1, "Zentipoise", 1, "Millipascalsekunde"},
    {"Poise sind 0,1 Pa s", "DYNVISK.DAT", 10, "Poise", 1, "Pascalsekunde"},
    {"Reyn sind 144 lbf s/ft2", "DYNVISK.DAT", 1, "Reyn", 144, "Pound-force-Sekunde pro Quadratfu\xDF"},
    {"Zentistokes ist mm2/s", "KINVISK.DAT", 1, "Zentistokes", 1, "Quadratmillimeter pro Sekunde"},
    {"Stokes sind 100 Zentistokes", "KINVISK.DAT", 1, "Stokes", 100, "Zentistokes"},
    {"Pfund-Mol", "STOFFMEN.DAT", 1, "Pfund-Mol", 453.59237, "Mol"},
    {"Mol hat N_A Teilchen", "STOFFMEN.DAT", 1, "Mol", 6.02214076e23, "Teilchen"},
    {"Sekundenliter", "VOLSTROM.DAT", 3600, "Liter pro Sekunde", 3.6 * 3600, "Kubikmeter pro Stunde"},
    {"Barrel sind 42 Gallonen", "VOLSTROM.DAT", 1, "Barrel pro Tag", 42, "Gallone (US) pro Tag"},
    {"cfm sind 60 cfs", "VOLSTROM.DAT", 60, "Kubikfu\xDF pro Minute", 1, "Kubikfu\xDF pro Sekunde"},
    {"Tonne pro Stunde", "MASSSTRO.DAT", 3.6, "Tonne pro Stunde", 1, "Kilogramm pro Sekunde"},
    {"short ton pro Stunde sind 2000 lb/h", "MASSSTRO.DAT", 1, "Short ton pro Stunde", 2000,
     "Pfund pro Stunde"},
    // Typografie
    {"Cicero sind 12 Didot-Punkt", "TYPOGRAF.DAT", 1, "Cicero", 12, "Didot-Punkt"},
    {"2660 Didot-Punkt sind ein Meter", "TYPOGRAF.DAT", 2660, "Didot-Punkt", 1000, "Millimeter"},
    {"Konkordanz sind 4 Cicero", "TYPOGRAF.DAT", 1, "Konkordanz", 4, "Cicero"},
    {"72 DTP-Punkt sind ein Zoll", "TYPOGRAF.DAT", 72, "DTP-Punkt", 1, "Zoll"},
    {"DTP-Pica sind 12 DTP-Punkt", "TYPOGRAF.DAT", 1, "DTP-Pica", 12, "DTP-Punkt"},
    {"72,27 TeX-Punkt sind ein Zoll", "TYPOGRAF.DAT", 72.27, "TeX-Punkt", 1, "Zoll"},
    {"1157 dd sind 1238 TeX-Punkt", "TYPOGRAF.DAT", 1157, "Didot-Punkt (TeX)", 1238, "TeX-Punkt"},
    {"Petit sind 8 Punkt", "TYPOGRAF.DAT", 1, "Petit", 8, "Didot-Punkt"},
    {"Doppelcicero sind 2 Cicero", "TYPOGRAF.DAT", 1, "Doppelcicero", 2, "Cicero"},
    {"Nonpareille ist halbe Cicero", "TYPOGRAF.DAT", 2, "Nonpareille", 1, "Cicero"},
    {"864 Didot-Punkte sind ein Pariser Fuss", "TYPOGRAF.DAT", 864, "Didot-Punkt (Pariser Zoll)",
     144000 / 443.296, "Millimeter"},
    {"Twip ist 1/1440 Zoll", "TYPOGRAF.DAT", 1440, "Twip", 1, "Zoll"},
    {"CSS-Pixel sind 3/4 DTP-Punkt", "TYPOGRAF.DAT", 4, "Pixel (CSS)", 3, "DTP-Punkt"},
    // Stueckmasse
    {"Gros sind 12 Dutzend", "STUECK.DAT", 1, "Gros", 12, "Dutzend"},
    {"Grossgros sind 1728 Stueck", "STUECK.DAT", 1, "Gro\xDFgros", 1728,
     "St\xFC"
     "ck"},
    {"Schock sind 4 Mandeln", "STUECK.DAT", 1, "Schock", 4, "Mandel"},
    {"Schock sind 5 Dutzend", "STUECK.DAT", 1, "Schock", 5, "Dutzend"},
    {"Stiege sind 20 Stueck", "STUECK.DAT", 1, "Stiege", 20,
     "St\xFC"
     "ck"},
    {"grosses Tausend sind 12 Gros und 10 Dutzend", "STUECK.DAT", 1,
     "Gro\xDF"
     "es Tausend",
     120, "Dutzend"},
    {"Zimmer sind 2 Stiegen", "STUECK.DAT", 1, "Zimmer", 2, "Stiege"},
    {"Paar", "STUECK.DAT", 6, "Paar", 1, "Dutzend"},
    // Papiermasse
    {"Ries Schreibpapier sind 480 Bogen", "PAPIER.DAT", 1, "Ries (Schreibpapier)", 480, "Bogen"},
    {"Ries Druckpapier sind 500 Bogen", "PAPIER.DAT", 1, "Ries (Druckpapier)", 500, "Bogen"},
    {"Ballen sind 10 Ries", "PAPIER.DAT", 1, "Ballen (Druckpapier)", 10, "Ries (Druckpapier)"},
    {"Buch Schreibpapier sind 24 Bogen", "PAPIER.DAT", 1, "Buch (Schreibpapier)", 24, "Bogen"},
    {"Neuries sind 1000 Bogen", "PAPIER.DAT", 1, "Neuries", 1000, "Bogen"},
    {"Neubuch sind 10 Hefte", "PAPIER.DAT", 1, "Neubuch", 10, "Heft (neu)"},
    {"Ream sind 20 Quires", "PAPIER.DAT", 1, "Ream", 20, "Quire"},
    {"Rame sind 500 Bogen", "PAPIER.DAT", 1, "Rame", 500, "Bogen"},
    {"Oktavbogen hat 16 Seiten", "PAPIER.DAT", 16, "Seite (Oktav)", 1, "Bogen"},
};

TEST(RelationenWeitere, GeltenAufZwoelfStellen) {
    for (const auto& r : kRelationen) {
        SCOPED_TRACE(r.was);
        EXPECT_TRUE(gleichViel(r.datei, r.mengeA, r.a, r.mengeB, r.b));
    }
}

struct Umfang {
    const char* datei;
    std::size_t mindestens;
    std::size_t hoechstens;
};

// The big categories carry 25 to 50 units, the others at least 8.
const Umfang kUmfaenge[] = {
    {"ZEIT.DAT", 25, 50},     {"GESCHWIN.DAT", 25, 50}, {"BESCHLEU.DAT", 8, 50},  {"KRAFT.DAT", 25, 50},
    {"DRUCK.DAT", 25, 50},    {"ENERGIE.DAT", 25, 50},  {"LEISTUNG.DAT", 25, 50}, {"DREHMOME.DAT", 8, 50},
    {"DICHTE.DAT", 8, 50},    {"WINKEL.DAT", 25, 50},   {"FREQUENZ.DAT", 8, 50},  {"DATENMEN.DAT", 25, 50},
    {"DATENRAT.DAT", 8, 50},  {"LADUNG.DAT", 8, 50},    {"SPANNUNG.DAT", 8, 50},  {"STROM.DAT", 8, 50},
    {"WIDERST.DAT", 8, 50},   {"KAPAZIT.DAT", 8, 50},   {"INDUKTIV.DAT", 8, 50},  {"MAGFLUSS.DAT", 8, 50},
    {"FLUSSDIC.DAT", 8, 50},  {"LICHTST.DAT", 8, 50},   {"LEUCHTD.DAT", 8, 50},   {"BELEUCHT.DAT", 8, 50},
    {"RADIOAKT.DAT", 8, 50},  {"ENERGIED.DAT", 8, 50},  {"AEQUIDOS.DAT", 8, 50},  {"DYNVISK.DAT", 8, 50},
    {"KINVISK.DAT", 8, 50},   {"STOFFMEN.DAT", 8, 50},  {"VOLSTROM.DAT", 8, 50},  {"MASSSTRO.DAT", 8, 50},
    {"TYPOGRAF.DAT", 25, 50}, {"STUECK.DAT", 25, 50},   {"PAPIER.DAT", 25, 50},
};

TEST(RelationenWeitere, JedesGebietHatSeineBezugseinheitUndGenugEinheiten) {
    ASSERT_EQ(std::size(kUmfaenge), 35u);
    std::size_t summe = 0;
    for (const auto& u : kUmfaenge) {
        SCOPED_TRACE(u.datei);
        const int nr = gebietNr(u.datei);
        ASSERT_GT(nr, 0);
        const auto saetze = liesSaetze(u.datei);
        summe += saetze.size();
        EXPECT_GE(saetze.size(), u.mindestens);
        EXPECT_LE(saetze.size(), u.hoechstens);
        EXPECT_EQ(faktor(u.datei, gebiete()[static_cast<std::size_t>(nr - 1)].Bezug), 1.0);
        for (const auto& s : saetze) {
            EXPECT_TRUE(std::isfinite(s.Faktor()) && s.Faktor() > 0) << s.Name();
            EXPECT_EQ(s.Angezeigt(), 1) << s.Name();
        }
    }
    EXPECT_GE(summe, 700u);
}

// Every description of these categories, and those of the rule-based categories, names its base unit.
TEST(RelationenWeitere, BeschreibungNenntDieBezugseinheit) {
    std::vector<std::string> dateien = {"TEMPERAT.DAT", "ZAHLENSY.DAT", "BRUECHE.DAT"};
    for (const auto& u : kUmfaenge) dateien.push_back(u.datei);
    for (const auto& datei : dateien) {
        SCOPED_TRACE(datei);
        const int nr = gebietNr(datei);
        ASSERT_GT(nr, 0);
        const std::string text = gebietsBeschreibung(gebietsinfo(), nr);
        EXPECT_NE(text.find("Bezugseinheit: " + gebiete()[static_cast<std::size_t>(nr - 1)].Bezug), std::string::npos)
            << text;
        EXPECT_GT(text.size(), 300u) << text;
    }
}

} // namespace

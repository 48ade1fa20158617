#!/usr/bin/env python3
"""Writes db/einheiten/WAEHRUNG.txt from the rate table of GNU units.

    python3 tools/waehrungen.py [/usr/share/units/currency.units] > db/einheiten/WAEHRUNG.txt

The table (Debian package "units") is US-dollar based; every rate is turned into euro per unit
with exact fractions and rounded once to the nearest double. The euro and the national currencies
that the euro replaced keep their irrevocable conversion rates. Re-run after updating the package.
"""

import re
import sys
from fractions import Fraction

QUELLE = "/usr/share/units/currency.units"

# Countries of the program's country table (LandNr); every other currency gets 5 ("Sonstige Einheit").
# Currencies of dependent territories stay at 5 as well: they are not the named country's own currency.
# ISO code -> (German name, LandNr, where it is used, period)
WAEHRUNGEN = {
    "AED": ("VAE-Dirham", 5, "Vereinigte Arab. Emirate", ""),
    "AFN": ("Afghani", 24, "Afghanistan", ""),
    "ALL": ("Albanischer Lek", 5, "Albanien", ""),
    "AMD": ("Armenischer Dram", 5, "Armenien", ""),
    "ANG": ("Antillen-Gulden", 5, "Curaçao, Sint Maarten", ""),
    "AOA": ("Kwanza", 5, "Angola", ""),
    "ARS": ("Argentinischer Peso", 27, "Argentinien", ""),
    "ATS": ("Österreichischer Schilling", 73, "Österreich", "bis 2001"),
    "AUD": ("Australischer Dollar", 5, "Australien", ""),
    "AWG": ("Aruba-Florin", 5, "Aruba", ""),
    "AZN": ("Aserbaidschan-Manat", 5, "Aserbaidschan", ""),
    "BAM": ("Konvertible Mark", 5, "Bosnien und Herzegowina", ""),
    "BBD": ("Barbados-Dollar", 5, "Barbados", ""),
    "BDT": ("Taka", 5, "Bangladesch", ""),
    "BEF": ("Belgischer Franc", 28, "Belgien", "bis 2001"),
    "BGN": ("Bulgarischer Lew", 31, "Bulgarien", ""),
    "BHD": ("Bahrain-Dinar", 5, "Bahrain", ""),
    "BIF": ("Burundi-Franc", 5, "Burundi", ""),
    "BND": ("Brunei-Dollar", 5, "Brunei", ""),
    "BOB": ("Boliviano", 29, "Bolivien", ""),
    "BRL": ("Brasilianischer Real", 30, "Brasilien", ""),
    "BSD": ("Bahama-Dollar", 5, "Bahamas", ""),
    "BWP": ("Pula", 5, "Botsuana", ""),
    "BYN": ("Belarus-Rubel", 5, "Belarus", ""),
    "BYR": ("Belarus-Rubel (alt)", 5, "Belarus", "bis 2016"),
    "BZD": ("Belize-Dollar", 5, "Belize", ""),
    "CAD": ("Kanadischer Dollar", 5, "Kanada", ""),
    "CDF": ("Kongo-Franc", 5, "Demokrat. Republik Kongo", ""),
    "CHF": ("Schweizer Franken", 83, "Schweiz, Liechtenstein", ""),
    "CLP": ("Chilenischer Peso", 32, "Chile", ""),
    "CNY": ("Renminbi Yuan", 33, "China", ""),
    "COP": ("Kolumbianischer Peso", 65, "Kolumbien", ""),
    "CRC": ("Costa-Rica-Colón", 34, "Costa Rica", ""),
    "CUP": ("Kubanischer Peso", 67, "Kuba", ""),
    "CVE": ("Kap-Verde-Escudo", 5, "Kap Verde", ""),
    "CYP": ("Zypern-Pfund", 5, "Zypern", "bis 2007"),
    "CZK": ("Tschechische Krone", 5, "Tschechien", ""),
    "DEM": ("Deutsche Mark", 36, "Deutschland", "bis 2001"),
    "DJF": ("Dschibuti-Franc", 5, "Dschibuti", ""),
    "DKK": ("Dänische Krone", 35, "Dänemark", ""),
    "DOP": ("Dominikanischer Peso", 5, "Dominikanische Republik", ""),
    "DZD": ("Algerischer Dinar", 25, "Algerien", ""),
    "EEK": ("Estnische Krone", 5, "Estland", "bis 2010"),
    "EGP": ("Ägyptisches Pfund", 21, "Ägypten", ""),
    "ERN": ("Nakfa", 5, "Eritrea", ""),
    "ESP": ("Spanische Peseta", 84, "Spanien", "bis 2001"),
    "ETB": ("Birr", 23, "Äthiopien", ""),
    "EUR": ("Euro", 2, "Euro-Währungsgebiet", ""),
    "FIM": ("Finnmark", 50, "Finnland", "bis 2001"),
    "FJD": ("Fidschi-Dollar", 5, "Fidschi", ""),
    "FOK": ("Färöische Krone", 5, "Färöer", ""),
    "FRF": ("Französischer Franc", 51, "Frankreich", "bis 2001"),
    "GBP": ("Pfund Sterling", 54, "Großbritannien", ""),
    "GEL": ("Lari", 5, "Georgien", ""),
    "GGP": ("Guernsey-Pfund", 5, "Guernsey", ""),
    "GHS": ("Cedi", 5, "Ghana", ""),
    "GIP": ("Gibraltar-Pfund", 5, "Gibraltar", ""),
    "GMD": ("Dalasi", 5, "Gambia", ""),
    "GNF": ("Guinea-Franc", 5, "Guinea", ""),
    "GRD": ("Griechische Drachme", 52, "Griechenland", "bis 2001"),
    "GTQ": ("Quetzal", 55, "Guatemala", ""),
    "GYD": ("Guyana-Dollar", 5, "Guyana", ""),
    "HKD": ("Hongkong-Dollar", 5, "Hongkong", ""),
    "HNL": ("Lempira", 5, "Honduras", ""),
    "HRK": ("Kuna", 5, "Kroatien", "bis 2022"),
    "HTG": ("Gourde", 56, "Haiti", ""),
    "HUF": ("Forint", 88, "Ungarn", ""),
    "IDR": ("Rupiah", 58, "Indonesien", ""),
    "IEP": ("Irisches Pfund", 5, "Irland", "bis 2001"),
    "ILS": ("Neuer Schekel", 5, "Israel", ""),
    "IMP": ("Isle-of-Man-Pfund", 5, "Isle of Man", ""),
    "INR": ("Indische Rupie", 57, "Indien", ""),
    "IQD": ("Irak-Dinar", 5, "Irak", ""),
    "IRR": ("Iranischer Rial", 60, "Iran", ""),
    "ISK": ("Isländische Krone", 5, "Island", ""),
    "ITL": ("Italienische Lira", 62, "Italien", "bis 2001"),
    "JEP": ("Jersey-Pfund", 5, "Jersey", ""),
    "JMD": ("Jamaika-Dollar", 5, "Jamaika", ""),
    "JOD": ("Jordan-Dinar", 5, "Jordanien", ""),
    "JPY": ("Yen", 63, "Japan", ""),
    "KES": ("Kenia-Schilling", 5, "Kenia", ""),
    "KGS": ("Som", 5, "Kirgisistan", ""),
    "KHR": ("Riel", 5, "Kambodscha", ""),
    "KID": ("Kiribati-Dollar", 5, "Kiribati", ""),
    "KMF": ("Komoren-Franc", 5, "Komoren", ""),
    "KRW": ("Südkoreanischer Won", 66, "Südkorea", ""),
    "KWD": ("Kuwait-Dinar", 5, "Kuwait", ""),
    "KZT": ("Tenge", 5, "Kasachstan", ""),
    "LAK": ("Kip", 5, "Laos", ""),
    "LBP": ("Libanesisches Pfund", 5, "Libanon", ""),
    "LKR": ("Sri-Lanka-Rupie", 5, "Sri Lanka", ""),
    "LRD": ("Liberianischer Dollar", 5, "Liberia", ""),
    "LSL": ("Loti", 5, "Lesotho", ""),
    "LTL": ("Litas", 5, "Litauen", "bis 2014"),
    "LUF": ("Luxemburgischer Franc", 5, "Luxemburg", "bis 2001"),
    "LVL": ("Lats", 5, "Lettland", "bis 2013"),
    "LYD": ("Libyscher Dinar", 68, "Libyen", ""),
    "MAD": ("Marokkanischer Dirham", 69, "Marokko", ""),
    "MDL": ("Moldauischer Leu", 5, "Moldau", ""),
    "MGA": ("Ariary", 5, "Madagaskar", ""),
    "MKD": ("Denar", 5, "Nordmazedonien", ""),
    "MMK": ("Kyat", 5, "Myanmar", ""),
    "MNT": ("Tögrög", 5, "Mongolei", ""),
    "MOP": ("Pataca", 5, "Macau", ""),
    "MRO": ("Ouguiya (alt)", 5, "Mauretanien", "bis 2017"),
    "MRU": ("Ouguiya", 5, "Mauretanien", ""),
    "MTL": ("Maltesische Lira", 5, "Malta", "bis 2007"),
    "MUR": ("Mauritius-Rupie", 5, "Mauritius", ""),
    "MVR": ("Rufiyaa", 5, "Malediven", ""),
    "MWK": ("Malawi-Kwacha", 5, "Malawi", ""),
    "MXN": ("Mexikanischer Peso", 70, "Mexiko", ""),
    "MYR": ("Ringgit", 5, "Malaysia", ""),
    "MZN": ("Metical", 5, "Mosambik", ""),
    "NAD": ("Namibia-Dollar", 5, "Namibia", ""),
    "NGN": ("Naira", 5, "Nigeria", ""),
    "NIO": ("Córdoba Oro", 5, "Nicaragua", ""),
    "NLG": ("Niederländischer Gulden", 71, "Niederlande", "bis 2001"),
    "NOK": ("Norwegische Krone", 72, "Norwegen", ""),
    "NPR": ("Nepalesische Rupie", 5, "Nepal", ""),
    "NZD": ("Neuseeland-Dollar", 5, "Neuseeland", ""),
    "OMR": ("Omanischer Rial", 5, "Oman", ""),
    "PAB": ("Balboa", 5, "Panama", ""),
    "PEN": ("Sol", 75, "Peru", ""),
    "PGK": ("Kina", 5, "Papua-Neuguinea", ""),
    "PHP": ("Philippinischer Peso", 76, "Philippinen", ""),
    "PKR": ("Pakistanische Rupie", 5, "Pakistan", ""),
    "PLN": ("Zloty", 77, "Polen", ""),
    "PTE": ("Portugiesischer Escudo", 78, "Portugal", "bis 2001"),
    "PYG": ("Guaraní", 74, "Paraguay", ""),
    "QAR": ("Katar-Riyal", 5, "Katar", ""),
    "RON": ("Rumänischer Leu", 80, "Rumänien", ""),
    "RSD": ("Serbischer Dinar", 5, "Serbien", ""),
    "RUB": ("Russischer Rubel", 81, "Russland", ""),
    "RWF": ("Ruanda-Franc", 5, "Ruanda", ""),
    "SAR": ("Saudi-Riyal", 5, "Saudi-Arabien", ""),
    "SBD": ("Salomonen-Dollar", 5, "Salomonen", ""),
    "SCR": ("Seychellen-Rupie", 5, "Seychellen", ""),
    "SDG": ("Sudanesisches Pfund", 5, "Sudan", ""),
    "SEK": ("Schwedische Krone", 82, "Schweden", ""),
    "SGD": ("Singapur-Dollar", 5, "Singapur", ""),
    "SIT": ("Tolar", 5, "Slowenien", "bis 2006"),
    "SKK": ("Slowakische Krone", 5, "Slowakei", "bis 2008"),
    "SOS": ("Somalia-Schilling", 5, "Somalia", ""),
    "SRD": ("Suriname-Dollar", 5, "Suriname", ""),
    "SSP": ("Südsudanesisches Pfund", 5, "Südsudan", ""),
    "STN": ("Dobra", 5, "São Tomé und Príncipe", ""),
    "SVC": ("El-Salvador-Colón", 5, "El Salvador", ""),
    "SYP": ("Syrisches Pfund", 5, "Syrien", ""),
    "SZL": ("Lilangeni", 5, "Eswatini", ""),
    "THB": ("Baht", 85, "Thailand", ""),
    "TJS": ("Somoni", 5, "Tadschikistan", ""),
    "TMT": ("Turkmenistan-Manat", 5, "Turkmenistan", ""),
    "TND": ("Tunesischer Dinar", 87, "Tunesien", ""),
    "TOP": ("Pa'anga", 5, "Tonga", ""),
    "TRY": ("Türkische Lira", 86, "Türkei", ""),
    "TTD": ("Trinidad-und-Tobago-Dollar", 5, "Trinidad und Tobago", ""),
    "TVD": ("Tuvalu-Dollar", 5, "Tuvalu", ""),
    "TWD": ("Neuer Taiwan-Dollar", 5, "Taiwan", ""),
    "TZS": ("Tansania-Schilling", 5, "Tansania", ""),
    "UAH": ("Hrywnja", 5, "Ukraine", ""),
    "UGX": ("Uganda-Schilling", 5, "Uganda", ""),
    "USD": ("US-Dollar", 90, "USA", ""),
    "UYU": ("Uruguayischer Peso", 89, "Uruguay", ""),
    "UZS": ("Usbekistan-Sum", 5, "Usbekistan", ""),
    "VES": ("Bolívar Soberano", 5, "Venezuela", ""),
    "VND": ("Dong", 91, "Vietnam", ""),
    "VUV": ("Vatu", 5, "Vanuatu", ""),
    "WST": ("Tala", 5, "Samoa", ""),
    "XAF": ("CFA-Franc BEAC", 5, "Zentralafrika", ""),
    "XCD": ("Ostkaribischer Dollar", 5, "Ostkaribik", ""),
    "XOF": ("CFA-Franc BCEAO", 5, "Westafrika", ""),
    "XPF": ("CFP-Franc", 5, "Franz. Pazifikgebiete", ""),
    "YER": ("Jemen-Rial", 5, "Jemen", ""),
    "ZAR": ("Rand", 5, "Südafrika", ""),
    "ZMW": ("Sambischer Kwacha", 5, "Sambia", ""),
}

# Other names, for the search.
SONSTIGE_NAMEN = {
    "BYN": "Weißrussischer Rubel",
    "BYR": "Weißrussischer Rubel",
    "CHF": "Franken",
    "CNY": "Renminbi, Yuan",
    "DEM": "D-Mark",
    "FIM": "Markka",
    "GBP": "Britisches Pfund",
    "HUF": "Ungarischer Forint",
    "JPY": "Japanischer Yen",
    "KRW": "Won",
    "PEN": "Nuevo Sol",
    "PLN": "Polnischer Zloty",
    "THB": "Thailändischer Baht",
    "USD": "Dollar",
    "VND": "Vietnamesischer Dong",
    "ZAR": "Südafrikanischer Rand",
}

# Currencies of a country of the table that the rate table lacks: shown as " unbekannt".
OHNE_KURS = {
    "KPW": ("Nordkoreanischer Won", 66, "Nordkorea", ""),
}

# The irrevocable conversion rates (units per euro) and the day they took effect
# (Council Regulations (EC) No 2866/98, 1478/2000 and the later accession regulations).
# The nine rates of the program's fixed-rate table must stay exactly these.
FESTKURSE = {
    "ATS": ("13.7603", "1999-01-01"),
    "BEF": ("40.3399", "1999-01-01"),
    "DEM": ("1.95583", "1999-01-01"),
    "ESP": ("166.386", "1999-01-01"),
    "FIM": ("5.94573", "1999-01-01"),
    "FRF": ("6.55957", "1999-01-01"),
    "IEP": ("0.787564", "1999-01-01"),
    "ITL": ("1936.27", "1999-01-01"),
    "LUF": ("40.3399", "1999-01-01"),
    "NLG": ("2.20371", "1999-01-01"),
    "PTE": ("200.482", "1999-01-01"),
    "GRD": ("340.75", "2001-01-01"),
    "SIT": ("239.640", "2007-01-01"),
    "CYP": ("0.585274", "2008-01-01"),
    "MTL": ("0.4293", "2008-01-01"),
    "SKK": ("30.1260", "2009-01-01"),
    "EEK": ("15.6466", "2011-01-01"),
    "LVL": ("0.702804", "2014-01-01"),
    "LTL": ("3.4528", "2015-01-01"),
}

# Fixed-rate table of the program: LandNr -> stored factor. A currency of one of these
# countries always gets this factor when the rate table is saved.
FESTKURS_LAENDER = {
    28: 0.02478935247732394,
    36: 0.5112918811962185,
    50: 0.16818792646151104,
    51: 0.1524490172374104,
    62: 0.0005164568990894864,
    71: 0.4537802160901389,
    73: 0.07267283416785972,
    78: 0.00498797897068066,
    84: 0.0060101210438378225,
}

KAPAZITAET = {"Name": 34, "Kurzzeichen": 20, "SonstigeNamen": 33, "Uebersetzung": 32, "Einsatzgebiet": 27, "Entspricht": 40,
              "Zeitraum": 15}


def lies_tabelle(pfad):
    """Returns (date, {ISO code: name}, {name: definition})."""
    codes, defs, datum = {}, {}, None
    in_codes = True
    with open(pfad, encoding="utf-8") as f:
        for zeile in f:
            m = re.match(r"!message .* on (\d{4}-\d{2}-\d{2})", zeile)
            if m:
                datum = m.group(1)
            text = zeile.split("#", 1)[0].strip()
            if zeile.startswith("# Currency exchange rates"):
                in_codes = False
            if not text or text.startswith("!"):
                continue
            name, _, definition = text.partition(" ")
            definition = definition.strip()
            if in_codes and re.fullmatch(r"[A-Z]{3}", name):
                codes[name] = definition
            else:
                defs[name] = definition
    if datum is None:
        sys.exit("kein Datum in " + pfad)
    return datum, codes, defs


def in_dollar(name, codes, defs, tiefe=0):
    """Value of one unit `name` in US dollars, as an exact fraction."""
    if tiefe > 10:
        sys.exit("zirkuläre Definition bei " + name)
    if name == "US$":
        return Fraction(1)
    if name in codes:
        name = codes[name]
    if name == "US$":
        return Fraction(1)
    definition = defs[name]
    if definition == "!":
        return Fraction(1)
    m = re.fullmatch(r"(?:([0-9.e+-]+)(?:\|([0-9.e+-]+))?\s+)?(\S+)", definition)
    if not m:
        sys.exit("unbekannte Definition: " + name + " " + definition)
    zaehler, nenner, einheit = m.groups()
    wert = Fraction(zaehler) if zaehler else Fraction(1)
    if nenner:
        wert /= Fraction(nenner)
    return wert * in_dollar(einheit, codes, defs, tiefe + 1)


def name_schluessel(name):
    # Name order of the data files: code page 1252 bytes, only a-z folded onto A-Z.
    return bytes(b - 32 if 0x61 <= b <= 0x7A else b for b in name.encode("cp1252"))


def zahl(x):
    return repr(float(x))


def pruefe(feld, text):
    if len(text.encode("cp1252")) > KAPAZITAET[feld]:
        sys.exit(f"{feld} zu lang: {text}")


def main():
    pfad = sys.argv[1] if len(sys.argv) > 1 else QUELLE
    datum, codes, defs = lies_tabelle(pfad)
    fehlend = set(codes) - set(WAEHRUNGEN)
    if fehlend:
        sys.exit("ohne deutschen Namen: " + ", ".join(sorted(fehlend)))
    euro = in_dollar("EUR", codes, defs)

    zeilen = []
    for code, (name, land, gebiet, zeitraum) in WAEHRUNGEN.items():
        if code not in codes:
            sys.exit(code + " fehlt in " + pfad)
        quelle = codes[code]
        notiz = "currency.units: " + (quelle + " = " + defs[quelle] if defs.get(quelle, "!") != "!" else "the table's base " + quelle)
        entspricht = ""
        if code == "EUR":
            faktor, stand, notiz = 1.0, "", "base unit"
        elif code in FESTKURSE:
            kurs, seit = FESTKURSE[code]
            genau = 1 / Fraction(kurs)
            if in_dollar(code, codes, defs) / euro != genau:
                sys.exit(code + ": Festkurs weicht von " + pfad + " ab")
            faktor = float(genau)
            stand = "Festkurs seit " + seit
            entspricht = "1 EUR = " + kurs.replace(".", ",") + " " + code
            notiz = "irrevocable rate 1 EUR = " + kurs + " " + code
        else:
            faktor = float(in_dollar(code, codes, defs) / euro)
            stand = datum
        if land in FESTKURS_LAENDER and faktor != FESTKURS_LAENDER[land]:
            sys.exit(f"{code}: Faktor {faktor!r} weicht vom Festkurs des Landes {land} ab")
        zeilen.append((name, code, land, zahl(faktor), SONSTIGE_NAMEN.get(code, ""), stand, gebiet, entspricht,
                       zeitraum, notiz))
    for code, (name, land, gebiet, zeitraum) in OHNE_KURS.items():
        zeilen.append((name, code, land, "0", "", "", gebiet, "", zeitraum, "no rate in currency.units"))

    zeilen.sort(key=lambda z: name_schluessel(z[0]))
    namen = [z[0] for z in zeilen]
    if len(set(n.upper() for n in namen)) != len(namen):
        sys.exit("doppelter Name")

    aus = sys.stdout
    aus.write("# Name | Kurzzeichen | LandNr | Faktor | SonstigeNamen | Uebersetzung | Einsatzgebiet | Entspricht"
              " | CaWert | Ort | Zeitraum | Merkmale  # note\n")
    aus.write("# Written by tools/waehrungen.py from " + pfad + " (Debian package \"units\"):\n")
    aus.write("# exchange rates from FloatRates, US-dollar based, of " + datum + ", turned into euro per unit.\n")
    aus.write("# Former euro-area currencies at the irrevocable conversion rates of the Council of the EU.\n")
    aus.write("# Kurzzeichen = ISO 4217 code. Faktor = value of one unit in euro; 0 = no rate known.\n")
    for name, code, land, faktor, sonstige, stand, gebiet, entspricht, zeitraum, notiz in zeilen:
        pruefe("Name", name)
        pruefe("SonstigeNamen", sonstige)
        pruefe("Kurzzeichen", code)
        pruefe("Uebersetzung", stand)
        pruefe("Einsatzgebiet", gebiet)
        pruefe("Entspricht", entspricht)
        pruefe("Zeitraum", zeitraum)
        felder = [name, code, str(land), faktor, sonstige, stand, gebiet, entspricht, "", "", zeitraum]
        while felder and felder[-1] == "":
            felder.pop()
        text = " | ".join(felder).replace("#", "\\#")
        aus.write(text + "  # " + notiz + "\n")


if __name__ == "__main__":
    main()

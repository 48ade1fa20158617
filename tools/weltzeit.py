#!/usr/bin/env python3
"""Writes db/einheiten/WELTZEIT.txt from the time zone database of this machine.

    python3 tools/weltzeit.py > db/einheiten/WELTZEIT.txt

Every offset and every summer-time rule is computed with Python's zoneinfo from the system's
tzdata (Debian package "tzdata"); only the places, their IANA zones and their German names are
written here. Faktor = standard (winter) offset from UTC in hours. The summer-time text is derived
from the transitions of JAHR and the 27 years after it (a whole cycle of the calendar); a zone
whose transitions follow no simple rule needs a text in BESONDERE_REGELN.
"""

import calendar
import datetime as dt
import sys
import zoneinfo

JAHR = 2027
JAHRE = 28
MAX_UEBERSETZUNG = 32

# (Name, IANA zone, LandNr, country or region, other names)
# LandNr as in the program's country table; 5 ("Sonstige Einheit") where the table has no row for the country.
ORTE = [
    ("Abidjan", "Africa/Abidjan", 5, "Elfenbeinküste", ""),
    ("Abu Dhabi", "Asia/Dubai", 5, "Vereinigte Arab. Emirate", ""),
    ("Accra", "Africa/Accra", 5, "Ghana", ""),
    ("Adak", "America/Adak", 90, "USA (Alëuten)", ""),
    ("Addis Abeba", "Africa/Addis_Ababa", 23, "Äthiopien", "Addis Ababa"),
    ("Adelaide", "Australia/Adelaide", 5, "Australien (Südaustralien)", ""),
    ("Alexandria", "Africa/Cairo", 21, "Ägypten", ""),
    ("Algier", "Africa/Algiers", 25, "Algerien", "Alger"),
    ("Almaty", "Asia/Almaty", 5, "Kasachstan", "Alma-Ata"),
    ("Alofi", "Pacific/Niue", 5, "Niue", ""),
    ("Amman", "Asia/Amman", 5, "Jordanien", ""),
    ("Amsterdam", "Europe/Amsterdam", 71, "Niederlande", ""),
    ("Anchorage", "America/Anchorage", 90, "USA (Alaska)", ""),
    ("Ankara", "Europe/Istanbul", 86, "Türkei", ""),
    ("Antananarivo", "Indian/Antananarivo", 5, "Madagaskar", ""),
    ("Apia", "Pacific/Apia", 5, "Samoa", ""),
    ("Aschgabat", "Asia/Ashgabat", 5, "Turkmenistan", "Ashgabat"),
    ("Asmara", "Africa/Asmara", 5, "Eritrea", ""),
    ("Astana", "Asia/Almaty", 5, "Kasachstan", "Nur-Sultan"),
    ("Asunción", "America/Asuncion", 74, "Paraguay", ""),
    ("Athen", "Europe/Athens", 52, "Griechenland", "Athina"),
    ("Atlanta", "America/New_York", 90, "USA", ""),
    ("Auckland", "Pacific/Auckland", 5, "Neuseeland", ""),
    ("Avarua", "Pacific/Rarotonga", 5, "Cookinseln", "Rarotonga"),
    ("Bagdad", "Asia/Baghdad", 5, "Irak", "Baghdad"),
    ("Baku", "Asia/Baku", 5, "Aserbaidschan", ""),
    ("Bakerinsel", "Etc/GMT+12", 90, "USA (unbewohnt)", "Baker Island"),
    ("Bamako", "Africa/Bamako", 5, "Mali", ""),
    ("Bandar Seri Begawan", "Asia/Brunei", 5, "Brunei", ""),
    ("Bangkok", "Asia/Bangkok", 85, "Thailand", "Krung Thep"),
    ("Barcelona", "Europe/Madrid", 84, "Spanien", ""),
    ("Beirut", "Asia/Beirut", 5, "Libanon", ""),
    ("Belgrad", "Europe/Belgrade", 5, "Serbien", "Beograd"),
    ("Belmopan", "America/Belize", 5, "Belize", ""),
    ("Bengaluru", "Asia/Kolkata", 57, "Indien", "Bangalore"),
    ("Berlin", "Europe/Berlin", 36, "Deutschland", ""),
    ("Bern", "Europe/Zurich", 83, "Schweiz", ""),
    ("Bischkek", "Asia/Bishkek", 5, "Kirgisistan", "Bishkek"),
    ("Bogotá", "America/Bogota", 65, "Kolumbien", ""),
    ("Boston", "America/New_York", 90, "USA", ""),
    ("Brasília", "America/Sao_Paulo", 30, "Brasilien", ""),
    ("Bratislava", "Europe/Bratislava", 5, "Slowakei", "Pressburg"),
    ("Bridgetown", "America/Barbados", 5, "Barbados", ""),
    ("Brisbane", "Australia/Brisbane", 5, "Australien (Queensland)", ""),
    ("Brüssel", "Europe/Brussels", 28, "Belgien", "Bruxelles, Brussel"),
    ("Budapest", "Europe/Budapest", 88, "Ungarn", ""),
    ("Buenos Aires", "America/Argentina/Buenos_Aires", 27, "Argentinien", ""),
    ("Bukarest", "Europe/Bucharest", 80, "Rumänien", "Bucuresti"),
    ("Calgary", "America/Edmonton", 5, "Kanada (Alberta)", ""),
    ("Canberra", "Australia/Sydney", 5, "Australien", ""),
    ("Cancún", "America/Cancun", 70, "Mexiko (Quintana Roo)", ""),
    ("Caracas", "America/Caracas", 5, "Venezuela", ""),
    ("Casablanca", "Africa/Casablanca", 69, "Marokko", ""),
    ("Cayenne", "America/Cayenne", 51, "Französisch-Guayana", ""),
    ("Chatham-Inseln", "Pacific/Chatham", 5, "Neuseeland", "Chatham Islands"),
    ("Chennai", "Asia/Kolkata", 57, "Indien", "Madras"),
    ("Chicago", "America/Chicago", 90, "USA", ""),
    ("Chisinau", "Europe/Chisinau", 5, "Moldau", "Kischinau"),
    ("Colombo", "Asia/Colombo", 5, "Sri Lanka", ""),
    ("Córdoba", "America/Argentina/Cordoba", 27, "Argentinien", ""),
    ("Dakar", "Africa/Dakar", 5, "Senegal", ""),
    ("Dallas", "America/Chicago", 90, "USA", ""),
    ("Damaskus", "Asia/Damascus", 5, "Syrien", "Damascus"),
    ("Daressalam", "Africa/Dar_es_Salaam", 5, "Tansania", "Dar es Salaam"),
    ("Darwin", "Australia/Darwin", 5, "Nordterritorium Australiens", ""),
    ("Denpasar", "Asia/Makassar", 58, "Indonesien (Bali)", ""),
    ("Denver", "America/Denver", 90, "USA", ""),
    ("Detroit", "America/Detroit", 90, "USA", ""),
    ("Dhaka", "Asia/Dhaka", 5, "Bangladesch", "Dacca"),
    ("Dili", "Asia/Dili", 5, "Osttimor", ""),
    ("Doha", "Asia/Qatar", 5, "Katar", ""),
    ("Dresden", "Europe/Berlin", 36, "Deutschland", ""),
    ("Dschibuti", "Africa/Djibouti", 5, "Dschibuti", "Djibouti"),
    ("Dschidda", "Asia/Riyadh", 5, "Saudi-Arabien", "Jeddah"),
    ("Dubai", "Asia/Dubai", 5, "Vereinigte Arab. Emirate", ""),
    ("Dublin", "Europe/Dublin", 5, "Irland", "Baile Átha Cliath"),
    ("Duschanbe", "Asia/Dushanbe", 5, "Tadschikistan", "Dushanbe"),
    ("Edinburgh", "Europe/London", 54, "Großbritannien", ""),
    ("Edmonton", "America/Edmonton", 5, "Kanada (Alberta)", ""),
    ("Eriwan", "Asia/Yerevan", 5, "Armenien", "Jerewan, Yerevan"),
    ("Eucla", "Australia/Eucla", 5, "Australien (Westaustralien)", ""),
    ("Fakaofo", "Pacific/Fakaofo", 5, "Tokelau", ""),
    ("Fernando de Noronha", "America/Noronha", 30, "Brasilien", ""),
    ("Frankfurt am Main", "Europe/Berlin", 36, "Deutschland", ""),
    ("Freetown", "Africa/Freetown", 5, "Sierra Leone", ""),
    ("Funafuti", "Pacific/Funafuti", 5, "Tuvalu", ""),
    ("Funchal", "Atlantic/Madeira", 78, "Portugal (Madeira)", ""),
    ("Galápagos-Inseln", "Pacific/Galapagos", 5, "Ecuador", ""),
    ("Genf", "Europe/Zurich", 83, "Schweiz", "Genève"),
    ("Georgetown", "America/Guyana", 5, "Guyana", ""),
    ("Grytviken", "Atlantic/South_Georgia", 5, "Südgeorgien", ""),
    ("Guadalajara", "America/Mexico_City", 70, "Mexiko", ""),
    ("Guatemala-Stadt", "America/Guatemala", 55, "Guatemala", "Ciudad de Guatemala"),
    ("Hagåtña", "Pacific/Guam", 90, "USA (Guam)", "Agana"),
    ("Halifax", "America/Halifax", 5, "Kanada (Neuschottland)", ""),
    ("Hamburg", "Europe/Berlin", 36, "Deutschland", ""),
    ("Hamilton", "Atlantic/Bermuda", 5, "Bermuda", ""),
    ("Hanoi", "Asia/Ho_Chi_Minh", 91, "Vietnam", ""),
    ("Harare", "Africa/Harare", 5, "Simbabwe", ""),
    ("Havanna", "America/Havana", 67, "Kuba", "La Habana"),
    ("Helsinki", "Europe/Helsinki", 50, "Finnland", "Helsingfors"),
    ("Hermosillo", "America/Hermosillo", 70, "Mexiko (Sonora)", ""),
    ("Ho-Chi-Minh-Stadt", "Asia/Ho_Chi_Minh", 91, "Vietnam", "Saigon"),
    ("Hobart", "Australia/Hobart", 5, "Australien (Tasmanien)", ""),
    ("Hongkong", "Asia/Hong_Kong", 33, "China", "Hong Kong"),
    ("Honiara", "Pacific/Guadalcanal", 5, "Salomonen", ""),
    ("Honolulu", "Pacific/Honolulu", 90, "USA (Hawaii)", ""),
    ("Houston", "America/Chicago", 90, "USA", ""),
    ("Irkutsk", "Asia/Irkutsk", 81, "Russland", ""),
    ("Islamabad", "Asia/Karachi", 5, "Pakistan", ""),
    ("Istanbul", "Europe/Istanbul", 86, "Türkei", ""),
    ("Jakarta", "Asia/Jakarta", 58, "Indonesien", ""),
    ("Jakutsk", "Asia/Yakutsk", 81, "Russland", "Yakutsk"),
    ("Jayapura", "Asia/Jayapura", 58, "Indonesien (Papua)", ""),
    ("Jekaterinburg", "Asia/Yekaterinburg", 81, "Russland", "Yekaterinburg"),
    ("Jerusalem", "Asia/Jerusalem", 5, "Israel", ""),
    ("Johannesburg", "Africa/Johannesburg", 5, "Südafrika", ""),
    ("Kabul", "Asia/Kabul", 24, "Afghanistan", ""),
    ("Kairo", "Africa/Cairo", 21, "Ägypten", "Cairo, al-Qahira"),
    ("Kaliningrad", "Europe/Kaliningrad", 81, "Russland", "Königsberg"),
    ("Kampala", "Africa/Kampala", 5, "Uganda", ""),
    ("Kandahar", "Asia/Kabul", 24, "Afghanistan", ""),
    ("Kanton", "Pacific/Kanton", 5, "Kiribati (Phoenixinseln)", "Canton, Abariringa"),
    ("Kapstadt", "Africa/Johannesburg", 5, "Südafrika", "Cape Town"),
    ("Karatschi", "Asia/Karachi", 5, "Pakistan", "Karachi"),
    ("Karlsruhe", "Europe/Berlin", 36, "Deutschland", ""),
    ("Kathmandu", "Asia/Kathmandu", 5, "Nepal", "Katmandu"),
    ("Kiew", "Europe/Kyiv", 5, "Ukraine", "Kyjiw, Kyiv"),
    ("Kigali", "Africa/Kigali", 5, "Ruanda", ""),
    ("Kingston", "America/Jamaica", 5, "Jamaika", ""),
    ("Kinshasa", "Africa/Kinshasa", 5, "Demokrat. Republik Kongo", ""),
    ("Kiritimati", "Pacific/Kiritimati", 5, "Kiribati (Linieninseln)", "Weihnachtsinsel"),
    ("Köln", "Europe/Berlin", 36, "Deutschland", ""),
    ("Kokosinseln", "Indian/Cocos", 5, "Australien", "Keelinginseln"),
    ("Kolkata", "Asia/Kolkata", 57, "Indien", "Kalkutta"),
    ("Kopenhagen", "Europe/Copenhagen", 35, "Dänemark", "København"),
    ("Koror", "Pacific/Palau", 5, "Palau", ""),
    ("Krasnojarsk", "Asia/Krasnoyarsk", 81, "Russland", "Krasnoyarsk"),
    ("Kuala Lumpur", "Asia/Kuala_Lumpur", 5, "Malaysia", ""),
    ("Kuwait-Stadt", "Asia/Kuwait", 5, "Kuwait", ""),
    ("La Paz", "America/La_Paz", 29, "Bolivien", ""),
    ("Lagos", "Africa/Lagos", 5, "Nigeria", ""),
    ("Lahore", "Asia/Karachi", 5, "Pakistan", ""),
    ("Las Palmas de Gran Canaria", "Atlantic/Canary", 84, "Spanien (Kanaren)", ""),
    ("Lima", "America/Lima", 75, "Peru", ""),
    ("Lissabon", "Europe/Lisbon", 78, "Portugal", "Lisboa"),
    ("Ljubljana", "Europe/Ljubljana", 5, "Slowenien", "Laibach"),
    ("London", "Europe/London", 54, "Großbritannien", ""),
    ("Longyearbyen", "Arctic/Longyearbyen", 72, "Norwegen (Spitzbergen)", ""),
    ("Lord-Howe-Insel", "Australia/Lord_Howe", 5, "Australien", "Lord Howe Island"),
    ("Los Angeles", "America/Los_Angeles", 90, "USA", ""),
    ("Luanda", "Africa/Luanda", 5, "Angola", ""),
    ("Lusaka", "Africa/Lusaka", 5, "Sambia", ""),
    ("Luxemburg", "Europe/Luxembourg", 5, "Luxemburg", ""),
    ("Luxor", "Africa/Cairo", 21, "Ägypten", "Theben"),
    ("Macau", "Asia/Macau", 33, "China", "Macao"),
    ("Madrid", "Europe/Madrid", 84, "Spanien", ""),
    ("Magadan", "Asia/Magadan", 81, "Russland", ""),
    ("Mailand", "Europe/Rome", 62, "Italien", "Milano"),
    ("Majuro", "Pacific/Majuro", 5, "Marshallinseln", ""),
    ("Malé", "Indian/Maldives", 5, "Malediven", ""),
    ("Managua", "America/Managua", 5, "Nicaragua", ""),
    ("Manama", "Asia/Bahrain", 5, "Bahrain", ""),
    ("Manaus", "America/Manaus", 30, "Brasilien (Amazonas)", ""),
    ("Manila", "Asia/Manila", 76, "Philippinen", ""),
    ("Maputo", "Africa/Maputo", 5, "Mosambik", ""),
    ("Marquesas-Inseln", "Pacific/Marquesas", 51, "Französisch-Polynesien", ""),
    ("Maskat", "Asia/Muscat", 5, "Oman", "Muscat"),
    ("Mazatlán", "America/Mazatlan", 70, "Mexiko (Sinaloa)", ""),
    ("Medellín", "America/Bogota", 65, "Kolumbien", ""),
    ("Mekka", "Asia/Riyadh", 5, "Saudi-Arabien", ""),
    ("Melbourne", "Australia/Melbourne", 5, "Australien (Victoria)", ""),
    ("Mexiko-Stadt", "America/Mexico_City", 70, "Mexiko", "Ciudad de México"),
    ("Miami", "America/New_York", 90, "USA", ""),
    ("Minsk", "Europe/Minsk", 5, "Belarus", ""),
    ("Mogadischu", "Africa/Mogadishu", 5, "Somalia", "Mogadishu"),
    ("Monrovia", "Africa/Monrovia", 5, "Liberia", ""),
    ("Monterrey", "America/Monterrey", 70, "Mexiko", ""),
    ("Montevideo", "America/Montevideo", 89, "Uruguay", ""),
    ("Montreal", "America/Toronto", 5, "Kanada (Québec)", "Montréal"),
    ("Moskau", "Europe/Moscow", 81, "Russland", "Moskwa"),
    ("Mumbai", "Asia/Kolkata", 57, "Indien", "Bombay"),
    ("München", "Europe/Berlin", 36, "Deutschland", ""),
    ("Nairobi", "Africa/Nairobi", 5, "Kenia", ""),
    ("Nassau", "America/Nassau", 5, "Bahamas", ""),
    ("Neu-Delhi", "Asia/Kolkata", 57, "Indien", "New Delhi"),
    ("New Orleans", "America/Chicago", 90, "USA", ""),
    ("New York", "America/New_York", 90, "USA", ""),
    ("Nikosia", "Asia/Nicosia", 5, "Zypern", "Lefkosia"),
    ("Norfolkinsel", "Pacific/Norfolk", 5, "Australien", "Norfolk Island"),
    ("Nouméa", "Pacific/Noumea", 51, "Neukaledonien", ""),
    ("Nowosibirsk", "Asia/Novosibirsk", 81, "Russland", "Novosibirsk"),
    ("Nuku'alofa", "Pacific/Tongatapu", 5, "Tonga", ""),
    ("Nuuk", "America/Nuuk", 35, "Grönland", "Godthåb"),
    ("Omsk", "Asia/Omsk", 81, "Russland", ""),
    ("Osaka", "Asia/Tokyo", 63, "Japan", ""),
    ("Oslo", "Europe/Oslo", 72, "Norwegen", ""),
    ("Osterinsel", "Pacific/Easter", 32, "Chile", "Rapa Nui"),
    ("Ottawa", "America/Toronto", 5, "Kanada", ""),
    ("Pago Pago", "Pacific/Pago_Pago", 90, "USA (Amerikanisch-Samoa)", ""),
    ("Palikir", "Pacific/Pohnpei", 5, "Mikronesien", ""),
    ("Panama-Stadt", "America/Panama", 5, "Panama", ""),
    ("Papeete", "Pacific/Tahiti", 51, "Französisch-Polynesien", "Tahiti"),
    ("Paramaribo", "America/Paramaribo", 5, "Suriname", ""),
    ("Paris", "Europe/Paris", 51, "Frankreich", ""),
    ("Peking", "Asia/Shanghai", 33, "China", "Beijing"),
    ("Perth", "Australia/Perth", 5, "Australien (Westaustralien)", ""),
    ("Petropawlowsk-Kamtschatski", "Asia/Kamchatka", 81, "Russland", ""),
    ("Philadelphia", "America/New_York", 90, "USA", ""),
    ("Phnom Penh", "Asia/Phnom_Penh", 5, "Kambodscha", ""),
    ("Phoenix", "America/Phoenix", 90, "USA (Arizona)", ""),
    ("Pjöngjang", "Asia/Pyongyang", 66, "Nordkorea", "Pyongyang"),
    ("Ponta Delgada", "Atlantic/Azores", 78, "Portugal (Azoren)", ""),
    ("Port Louis", "Indian/Mauritius", 5, "Mauritius", ""),
    ("Port Moresby", "Pacific/Port_Moresby", 5, "Papua-Neuguinea", ""),
    ("Port of Spain", "America/Port_of_Spain", 5, "Trinidad und Tobago", ""),
    ("Port Vila", "Pacific/Efate", 5, "Vanuatu", ""),
    ("Port-au-Prince", "America/Port-au-Prince", 56, "Haiti", ""),
    ("Prag", "Europe/Prague", 5, "Tschechien", "Praha"),
    ("Praia", "Atlantic/Cape_Verde", 5, "Kap Verde", ""),
    ("Quito", "America/Guayaquil", 5, "Ecuador", ""),
    ("Rabat", "Africa/Casablanca", 69, "Marokko", ""),
    ("Rangun", "Asia/Yangon", 5, "Myanmar", "Yangon"),
    ("Recife", "America/Recife", 30, "Brasilien", ""),
    ("Regina", "America/Regina", 5, "Kanada (Saskatchewan)", ""),
    ("Reykjavík", "Atlantic/Reykjavik", 5, "Island", ""),
    ("Riad", "Asia/Riyadh", 5, "Saudi-Arabien", "Riyadh"),
    ("Riga", "Europe/Riga", 5, "Lettland", ""),
    ("Rio de Janeiro", "America/Sao_Paulo", 30, "Brasilien", ""),
    ("Rom", "Europe/Rome", 62, "Italien", "Roma"),
    ("Saint-Denis", "Indian/Reunion", 51, "Réunion", ""),
    ("Salvador", "America/Bahia", 30, "Brasilien (Bahia)", ""),
    ("Samara", "Europe/Samara", 81, "Russland", ""),
    ("San Francisco", "America/Los_Angeles", 90, "USA", ""),
    ("San José", "America/Costa_Rica", 34, "Costa Rica", ""),
    ("San Juan", "America/Puerto_Rico", 90, "USA (Puerto Rico)", ""),
    ("San Salvador", "America/El_Salvador", 5, "El Salvador", ""),
    ("Sanaa", "Asia/Aden", 5, "Jemen", ""),
    ("Sankt Petersburg", "Europe/Moscow", 81, "Russland", "St. Petersburg"),
    ("Santa Cruz de la Sierra", "America/La_Paz", 29, "Bolivien", ""),
    ("Santiago de Chile", "America/Santiago", 32, "Chile", ""),
    ("Santo Domingo", "America/Santo_Domingo", 5, "Dominikanische Republik", ""),
    ("São Paulo", "America/Sao_Paulo", 30, "Brasilien", ""),
    ("Sapporo", "Asia/Tokyo", 63, "Japan", ""),
    ("Sarajevo", "Europe/Sarajevo", 5, "Bosnien und Herzegowina", ""),
    ("Seattle", "America/Los_Angeles", 90, "USA", ""),
    ("Seoul", "Asia/Seoul", 66, "Südkorea", ""),
    ("Shanghai", "Asia/Shanghai", 33, "China", ""),
    ("Singapur", "Asia/Singapore", 5, "Singapur", "Singapore"),
    ("Sofia", "Europe/Sofia", 31, "Bulgarien", ""),
    ("St. John's", "America/St_Johns", 5, "Kanada (Neufundland)", ""),
    ("Stanley", "Atlantic/Stanley", 5, "Falklandinseln", ""),
    ("Stockholm", "Europe/Stockholm", 82, "Schweden", ""),
    ("Sucre", "America/La_Paz", 29, "Bolivien", ""),
    ("Suva", "Pacific/Fiji", 5, "Fidschi", ""),
    ("Sydney", "Australia/Sydney", 5, "Australien (Neusüdwales)", ""),
    ("Taipeh", "Asia/Taipei", 5, "Taiwan", "Taipei"),
    ("Tallinn", "Europe/Tallinn", 5, "Estland", "Reval"),
    ("Tarawa", "Pacific/Tarawa", 5, "Kiribati", ""),
    ("Taschkent", "Asia/Tashkent", 5, "Usbekistan", "Tashkent"),
    ("Tegucigalpa", "America/Tegucigalpa", 5, "Honduras", ""),
    ("Teheran", "Asia/Tehran", 60, "Iran", "Tehran"),
    ("Tel Aviv", "Asia/Jerusalem", 5, "Israel", ""),
    ("Thimphu", "Asia/Thimphu", 5, "Bhutan", ""),
    ("Tiflis", "Asia/Tbilisi", 5, "Georgien", "Tbilissi"),
    ("Tijuana", "America/Tijuana", 70, "Mexiko (Baja California)", ""),
    ("Tirana", "Europe/Tirane", 5, "Albanien", ""),
    ("Tokio", "Asia/Tokyo", 63, "Japan", "Tokyo"),
    ("Toronto", "America/Toronto", 5, "Kanada (Ontario)", ""),
    ("Tórshavn", "Atlantic/Faroe", 35, "Färöer", ""),
    ("Tripolis", "Africa/Tripoli", 68, "Libyen", "Tarabulus"),
    ("Tunis", "Africa/Tunis", 87, "Tunesien", ""),
    ("Ulan Bator", "Asia/Ulaanbaatar", 5, "Mongolei", "Ulaanbaatar"),
    ("Valletta", "Europe/Malta", 5, "Malta", ""),
    ("Vancouver", "America/Vancouver", 5, "Kanada (Brit. Kolumbien)", ""),
    ("Victoria", "Indian/Mahe", 5, "Seychellen", ""),
    ("Vientiane", "Asia/Vientiane", 5, "Laos", ""),
    ("Vilnius", "Europe/Vilnius", 5, "Litauen", "Wilna"),
    ("Warschau", "Europe/Warsaw", 77, "Polen", "Warszawa"),
    ("Washington", "America/New_York", 90, "USA", "Washington, D.C."),
    ("Wellington", "Pacific/Auckland", 5, "Neuseeland", ""),
    ("Wien", "Europe/Vienna", 73, "Österreich", ""),
    ("Windhuk", "Africa/Windhoek", 5, "Namibia", "Windhoek"),
    ("Winnipeg", "America/Winnipeg", 5, "Kanada (Manitoba)", ""),
    ("Wladiwostok", "Asia/Vladivostok", 81, "Russland", "Vladivostok"),
    ("Wolgograd", "Europe/Volgograd", 81, "Russland", ""),
    ("Yaren", "Pacific/Nauru", 5, "Nauru", ""),
    ("Zagreb", "Europe/Zagreb", 5, "Kroatien", "Agram"),
    ("Zürich", "Europe/Zurich", 83, "Schweiz", ""),
]

BEZUG = ("Koordinierte Weltzeit (UTC)", "Etc/UTC", 2, "", "Weltzeit")

# Zones whose transitions need words of their own (checked: each of them does change its offset).
BESONDERE_REGELN = {
    # Summer time kept through the winter 2026/27; the usual rule (2nd Sunday of March to the
    # 1st Sunday of November) only from 2028.
    "America/Havana": "durchgehend bis 7.11.2027",
    # From the last Friday of April to the end (24:00) of the last Thursday of October.
    "Africa/Cairo": "Fr. 24.-30.4. bis Do. 25.-31.10.",
    # Clocks change with the European Union at 01:00 UTC, which is 23:00 on the Saturday before.
    "America/Nuuk": "Sa. vor letztem So. März/Okt.",
    # Half an hour only.
    "Australia/Lord_Howe": "1. So. Okt./Apr., nur +30 Min.",
}

MONATE = ["Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
          "November", "Dezember"]
MONATE_KURZ = ["Jan.", "Feb.", "März", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sep.", "Okt.", "Nov.", "Dez."]
TAGE = ["Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"]
TAGE_KURZ = ["Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."]

KAPAZITAET = {"Name": 34, "Kurzzeichen": 20, "SonstigeNamen": 33, "Uebersetzung": MAX_UEBERSETZUNG,
              "Einsatzgebiet": 27, "Entspricht": 40}


def versatz(zone, utc):
    return utc.astimezone(zone).utcoffset()


def uebergaenge(zone, jahr):
    """Instants (UTC) of the offset changes of one year: [(instant, old offset, new offset)]."""
    utc = dt.timezone.utc
    t = dt.datetime(jahr, 1, 1, tzinfo=utc)
    ende = dt.datetime(jahr + 1, 1, 1, tzinfo=utc)
    schritt = dt.timedelta(hours=12)
    erg = []
    alt = versatz(zone, t)
    while t < ende:
        n = t + schritt
        neu = versatz(zone, n)
        if neu != alt:
            a, b = t, n
            while b - a > dt.timedelta(minutes=1):
                m = a + (b - a) / 2
                if versatz(zone, m) == alt:
                    a = m
                else:
                    b = m
            erg.append((b, alt, neu))
            alt = neu
        t = n
    return erg


def stunden(td):
    return td.total_seconds() / 3600


def utc_text(h):
    if h == 0:
        return "UTC"
    vz = "+" if h > 0 else "-"
    m = round(abs(h) * 60)
    return f"UTC{vz}{m // 60}" + (f":{m % 60:02d}" if m % 60 else "")


def beschreibe_tage(daten):
    """daten: local dates of one kind of transition over the years. Returns (ordinal, weekday, month, day)
    or None when they follow no rule of the form "n-th / last / on or after day d weekday of month"."""
    monate = {d.month for d in daten}
    tage = {d.weekday() for d in daten}
    if len(monate) != 1 or len(tage) != 1:
        return None
    monat, wtag = monate.pop(), tage.pop()
    tage_im_monat = sorted({d.day for d in daten})
    if len(tage_im_monat) != 7 or tage_im_monat[-1] - tage_im_monat[0] != 6:
        return None
    erster, letzter = tage_im_monat[0], tage_im_monat[-1]
    laenge = {calendar.monthrange(d.year, monat)[1] for d in daten}
    if len(laenge) == 1 and letzter == laenge.pop():
        return ("letzter", wtag, monat, erster)
    if erster in (1, 8, 15, 22):
        return (f"{erster // 7 + 1}.", wtag, monat, erster)
    return ("ab", wtag, monat, erster)


def regel_text(beginn, ende):
    (o1, w1, m1, d1), (o2, w2, m2, d2) = beginn, ende
    if o1 == o2 and w1 == w2 and o1 != "ab":
        text = f"{o1} {TAGE[w1]} im {MONATE[m1 - 1]}/{MONATE[m2 - 1]}"
        if len(text) <= MAX_UEBERSETZUNG:
            return text

    def teil(o, w, m, d, kurz):
        if o == "ab":
            return f"{TAGE_KURZ[w]} ab {d}.{m}." if kurz else f"{TAGE_KURZ[w]} ab {d}. {MONATE_KURZ[m - 1]}"
        return f"{o} {TAGE_KURZ[w]} {MONATE_KURZ[m - 1]}"

    for kurz in (False, True):
        text = teil(o1, w1, m1, d1, kurz) + " - " + teil(o2, w2, m2, d2, kurz)
        if len(text) <= MAX_UEBERSETZUNG:
            return text
    return None


def sommerzeit(zone_name):
    """(standard offset in hours, summer-time text)."""
    zone = zoneinfo.ZoneInfo(zone_name)
    utc = dt.timezone.utc
    # Standard time as tzdata marks it; a negative "summer time" (Ireland's winter) counts as winter.
    standard = min(z.utcoffset() - max(z.dst(), dt.timedelta(0))
                   for z in (dt.datetime(JAHR, m, 15, 12, tzinfo=utc).astimezone(zone) for m in (1, 7)))
    alle = [u for j in range(JAHR, JAHR + JAHRE) for u in uebergaenge(zone, j)]
    if not alle:
        if zone_name in BESONDERE_REGELN:
            sys.exit(zone_name + " wechselt die Zeit nicht, braucht also keine besondere Regel")
        return stunden(standard), "keine"
    if zone_name in BESONDERE_REGELN:
        return stunden(standard), BESONDERE_REGELN[zone_name]
    vor, zurueck = [], []
    for moment, alt, neu in alle:
        # Rules name the local date as the clocks showed it before the change.
        ortsdatum = (moment + alt).date()
        if alt == standard and neu == standard + dt.timedelta(hours=1):
            vor.append(ortsdatum)
        elif neu == standard and alt == standard + dt.timedelta(hours=1):
            zurueck.append(ortsdatum)
        else:
            sys.exit(f"{zone_name}: Wechsel {alt} -> {neu} passt nicht zu einer Sommerzeit von einer Stunde")
    if len(vor) != JAHRE or len(zurueck) != JAHRE:
        sys.exit(f"{zone_name}: nicht genau ein Wechsel je Richtung und Jahr")
    beginn, ende = beschreibe_tage(vor), beschreibe_tage(zurueck)
    text = regel_text(beginn, ende) if beginn and ende else None
    if text is None:
        sys.exit(f"{zone_name}: Sommerzeit folgt keiner einfachen Regel; Text in BESONDERE_REGELN eintragen")
    return stunden(standard), text


def name_schluessel(name):
    # Name order of the data files: code page 1252 bytes, only a-z folded onto A-Z.
    return bytes(b - 32 if 0x61 <= b <= 0x7A else b for b in name.encode("cp1252"))


def faktor_text(h):
    if h * 4 != int(h * 4):
        sys.exit(f"Versatz {h} ist keine Viertelstunde")
    return str(int(h)) if h == int(h) else repr(h)


def pruefe(feld, text):
    if len(text.encode("cp1252")) > KAPAZITAET[feld]:
        sys.exit(f"{feld} zu lang: {text}")


def main():
    orte = ORTE + [BEZUG]
    namen = [o[0] for o in orte]
    if len({n.upper() for n in namen}) != len(namen):
        sys.exit("doppelter Name")
    version = open("/usr/share/zoneinfo/tzdata.zi", encoding="utf-8").readline().split()[-1]
    zeilen = []
    for name, zone_name, land, gebiet, sonstige in orte:
        standard, regel = sommerzeit(zone_name)
        kurz = utc_text(standard)
        # The POSIX names of the Etc zones carry the opposite sign: say what they mean instead.
        entspricht = {"Etc/UTC": "", "Etc/GMT+12": "Zeitzone westlich der Datumsgrenze"}.get(
            zone_name, "Zeitzone " + zone_name)
        felder = [name, kurz, str(land), faktor_text(standard), sonstige, regel, gebiet, entspricht]
        for feld, text in zip(["Name", "Kurzzeichen", None, None, "SonstigeNamen", "Uebersetzung", "Einsatzgebiet",
                               "Entspricht"], felder):
            if feld:
                pruefe(feld, text)
        notiz = "base unit" if (name, zone_name) == BEZUG[:2] else "tzdata " + version + ": " + zone_name
        zeilen.append((name, felder, notiz))
    zeilen.sort(key=lambda z: name_schluessel(z[0]))

    aus = sys.stdout
    aus.write("# Name | Kurzzeichen | LandNr | Faktor | SonstigeNamen | Uebersetzung | Einsatzgebiet | Entspricht"
              " | CaWert | Ort | Zeitraum | Merkmale  # note\n")
    aus.write(f"# Written by tools/weltzeit.py from the time zone database tzdata {version} (IANA, Debian package\n")
    aus.write(f"# \"tzdata\"). Faktor = standard (winter) offset from UTC in hours in {JAHR}; Uebersetzung = the\n")
    aus.write(f"# summer-time rule of the years {JAHR} to {JAHR + JAHRE - 1} (\"keine\" = no summer time).\n")
    for name, felder, notiz in zeilen:
        while felder and felder[-1] == "":
            felder.pop()
        aus.write(" | ".join(felder).replace("#", "\\#") + "  # " + notiz + "\n")


if __name__ == "__main__":
    main()

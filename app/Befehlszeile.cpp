#include "app/Befehlszeile.h"

#include <algorithm>
#include <array>

#include "app/KurseAktualisieren.h"

namespace qnt {

namespace {

constexpr int kFehlerstatus = 2;

std::string versionstext() {
    return "Quantora Pro " QUANTORA_VERSION;
}

std::string aufruftext(); // reads the table, which names `hilfe`

std::optional<int> hilfe(const std::optional<std::string>&, std::ostream& aus, std::ostream&) {
    aus << aufruftext();
    return 0;
}

std::optional<int> version(const std::optional<std::string>&, std::ostream& aus, std::ostream&) {
    aus << versionstext() << '\n';
    return 0;
}

// In the order of the usage text.
const std::array kTabelle{
    Option{"--help", 'h', OptionsWert::keiner, "", "diese Hilfe anzeigen und beenden", hilfe},
    Option{"--version", 0, OptionsWert::keiner, "", "die Versionsnummer anzeigen und beenden", version},
    Option{"--kurse-aktualisieren", 0, OptionsWert::erlaubt, "DATEI",
           "Währungskurse aus DATEI oder dem Internet aktualisieren und beenden", kurseAktualisierenOption},
};

int fehler(std::ostream& aus, const std::string& text) {
    aus << "quantora: " << text << "\n„quantora --help“ liefert weitere Informationen.\n";
    return kFehlerstatus;
}

std::string zitat(std::string_view s) {
    return "„" + std::string(s) + "“";
}

std::string optionsspalte(const Option& o) {
    std::string s = o.kurz ? std::string("-") + o.kurz + ", " : "    ";
    s += o.lang;
    if (o.wert == OptionsWert::noetig) s += " " + std::string(o.wertname);
    if (o.wert == OptionsWert::erlaubt) s += " [" + std::string(o.wertname) + "]";
    return s;
}

const Option* finde(std::string_view name) {
    for (const Option& o : kTabelle)
        if (name == o.lang || (o.kurz && name.size() == 2 && name[0] == '-' && name[1] == o.kurz)) return &o;
    return nullptr;
}

struct Aufruf {
    const Option* option;
    std::optional<std::string> wert;
};

std::string aufruftext() {
    std::size_t breite = 0;
    for (const Option& o : kTabelle)
        breite = std::max(breite, optionsspalte(o).size());
    std::string t = "Aufruf: quantora [OPTION …]\n"
                    "Rechnet Maßeinheiten aus aller Welt um. Das Programm liest und schreibt seine\n"
                    "Datenbank im aktuellen Ordner; „quantora-start“ richtet dafür den Datenordner\n"
                    "~/.local/share/quantora ein und startet das Programm dort.\n\n"
                    "Optionen:\n";
    for (const Option& o : kTabelle) {
        std::string spalte = optionsspalte(o);
        t += "  " + spalte + std::string(breite - spalte.size() + 2, ' ') + std::string(o.erklaerung) + "\n";
    }
    t += "\nDazu versteht das Programm die Optionen von Qt, etwa -platform NAME oder -style NAME.\n\n"
         "Rückgabewert: 0, wenn alles gut ging; 1, wenn die Kurse nicht aktualisiert werden konnten;\n"
         "2 bei einem Fehler in der Befehlszeile.\n"
         "Mehr in der Handbuchseite: man quantora\n";
    return t;
}

} // namespace

Befehlszeile werteAus(int argc, char** argv, std::ostream& aus, std::ostream& fehlerAus) {
    Befehlszeile b;
    std::vector<Aufruf> aufrufe;
    if (argc > 0) b.fuerQt.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        bool lang = arg.size() > 2 && arg.starts_with("--");
        std::string_view name = lang ? arg.substr(0, arg.find('=')) : arg;
        const Option* o = finde(name);
        if (!o) {
            if (lang) {
                b.ende = fehler(fehlerAus, "unbekannte Option " + zitat(name));
                return b;
            }
            b.fuerQt.push_back(argv[i]);
            continue;
        }
        std::optional<std::string> wert;
        if (name.size() < arg.size())
            wert = std::string(arg.substr(name.size() + 1));
        else if (i + 1 < argc && (o->wert == OptionsWert::noetig ||
                                  (o->wert == OptionsWert::erlaubt && argv[i + 1][0] != '-')))
            wert = argv[++i];
        if (wert && o->wert == OptionsWert::keiner) {
            b.ende = fehler(fehlerAus, "die Option " + zitat(o->lang) + " erlaubt keinen Wert");
            return b;
        }
        if (!wert && o->wert == OptionsWert::noetig) {
            b.ende = fehler(fehlerAus, "die Option " + zitat(o->lang) + " verlangt einen Wert (" +
                                           std::string(o->wertname) + ")");
            return b;
        }
        aufrufe.push_back({o, std::move(wert)});
    }
    b.fuerQt.push_back(nullptr);
    for (const Aufruf& a : aufrufe) {
        b.ende = a.option->ausfuehren(a.wert, aus, fehlerAus);
        if (b.ende) break;
    }
    return b;
}

std::optional<int> pruefeRest(int argc, char** argv, std::ostream& fehlerAus) {
    if (argc < 2) return std::nullopt;
    std::string_view arg = argv[1];
    if (arg.starts_with('-')) return fehler(fehlerAus, "unbekannte Option " + zitat(arg));
    return fehler(fehlerAus, "unerwartetes Argument " + zitat(arg));
}

} // namespace qnt

#include "maintain/Gebietsverwaltung.h"

#include <algorithm>
#include <array>

#include "data/Cp1252.h"
#include "data/Dateischicht.h"
#include "data/Fehler.h"
#include "maintain/Laenderauswahl.h"

namespace qnt {

std::string dateinamenVorschlag(std::string_view gebietname) {
    return grossCp1252(gebietname.substr(0, 8));
}

bool dateinameZulaessig(std::string_view dateiname) {
    if (dateiname.empty() || dateiname == "." || dateiname == "..") return false;
    for (char c : dateiname) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
            return false;
    }
    // Device names of the other platform, and the temporary file of every revision.
    static constexpr std::array<std::string_view, 23> gesperrt{
        "TEMP", "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    for (auto g : gesperrt)
        if (vergleicheNamen(dateiname, g) == 0) return false;
    return istBloserDateiname(std::string(dateiname) + ".DAT");
}

namespace {

bool enthaeltEines(std::string_view text, std::string_view zeichen) {
    return text.find_first_of(zeichen) != std::string_view::npos;
}

int vergleicheBytes(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        if (d != 0) return d;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::string mitCrLf(std::string_view text) {
    std::string s;
    s.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            s += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            s += text[i];
        }
    }
    return s;
}

// The text of each description without the line ends around it.
std::vector<std::string_view> beschreibungen(const std::string& gebietsinfo, int anzahl) {
    auto v = ZeilenFelder(gebietsinfo, '*', anzahl);
    for (std::size_t k = 0; k < v.size(); ++k) {
        v[k].remove_suffix(std::min<std::size_t>(v[k].size(), 2));
        if (k > 0) v[k].remove_prefix(std::min<std::size_t>(v[k].size(), 2));
    }
    return v;
}

std::string gebietsinfoAus(const std::vector<std::string_view>& beschreibungen) {
    std::size_t groesse = 0;
    for (const auto b : beschreibungen)
        groesse += b.size() + 5;
    std::string info;
    info.reserve(groesse);
    for (const auto b : beschreibungen)
        info.append(b).append("\r\n*\r\n");
    return info;
}

// The index file as it is now, to be put back byte for byte.
struct Indexsicherung {
    bool gelesen = false;
    Bytepuffer bytes;
    Indexsicherung() { gelesen = liesGanzeDatei(kGruppenDatei, bytes); }
    bool zurueck(const TGebiete& gebiete) const {
        return gelesen ? schreibeGanzeDateiSicher(kGruppenDatei, bytes.ansicht()) : speichereGebiete(gebiete);
    }
};

} // namespace

std::vector<TGebietPruefung> pruefeNeuesGebiet(const TNeuesGebiet& neu, const TGebiete& gebiete) {
    std::vector<TGebietPruefung> fehler;
    const auto melde = [&](GebietFeld f, std::string_view m) { fehler.push_back({f, std::string(m)}); };
    if (neu.Gebietname.empty()) melde(GebietFeld::Name, kFehlendeAngabe);
    if (neu.Grundeinheit.empty()) melde(GebietFeld::Grundeinheit, kFehlendeAngabe);
    if (neu.Dateiname.empty()) {
        melde(GebietFeld::Dateiname, kFehlendeAngabe);
    } else if (!dateinameZulaessig(neu.Dateiname)) {
        melde(GebietFeld::Dateiname, kDateinameUnzulaessig);
    } else {
        // A category whose data file is missing still owns its name.
        const std::string datei = neu.Dateiname + ".DAT";
        const bool imIndex = std::any_of(gebiete.begin(), gebiete.end(), [&](const auto& g) {
            return vergleicheNamen(g.Dateiname, datei) == 0;
        });
        if (imIndex || dateiExistiert(datei)) melde(GebietFeld::Dateiname, kDateinameVorhanden);
    }
    if (std::any_of(gebiete.begin(), gebiete.end(),
                    [&](const auto& g) { return g.Gebietname == neu.Gebietname; }))
        melde(GebietFeld::Name, kGebietVorhanden);
    if (enthaeltEines(neu.Gebietname, "\t\r\n*")) melde(GebietFeld::Name, kZeichenUnzulaessig);
    if (enthaeltEines(neu.Grundeinheit, "\t\r\n")) melde(GebietFeld::Grundeinheit, kZeichenUnzulaessig);
    if (enthaeltEines(neu.Information, "*")) melde(GebietFeld::Information, kZeichenUnzulaessig);
    return fehler;
}

std::size_t einfuegeStelle(const TGebiete& gebiete, std::string_view gebietname) {
    const std::string neu = grossCp1252(gebietname);
    for (std::size_t i = 0; i < gebiete.size(); ++i)
        if (vergleicheBytes(grossCp1252(gebiete[i].Gebietname), neu) > 0) return i;
    return gebiete.size();
}

TEinheitSatz grundeinheitSatz(const TNeuesGebiet& neu) {
    TEinheitSatz s = neuerEigenerSatz();
    s.setzeLandNr(static_cast<std::uint8_t>(gueltigeLandNr(neu.LandNr)));
    s.setzeKurzzeichen(neu.Kurzzeichen);
    s.setzeName(neu.Grundeinheit);
    s.setzeFaktor(1.0);
    s.setzeSonstigeNamen(neu.SonstigeNamen);
    s.setzeEinsatzgebiet(neu.Einsatzgebiet);
    return s;
}

std::string gebietsBeschreibungNeu(const TNeuesGebiet& neu) {
    return neu.Gebietname + ": \r\n" +
           (neu.Information.empty() ? std::string("Keine Angaben vorhanden.") : mitCrLf(neu.Information));
}

std::string gebietsinfoMitNeuem(const std::string& gebietsinfo, int anzahl, std::size_t stelle,
                                std::string_view beschreibung) {
    auto v = beschreibungen(gebietsinfo, anzahl);
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(std::min(stelle, v.size())), beschreibung);
    return gebietsinfoAus(v);
}

std::string gebietsinfoOhne(const std::string& gebietsinfo, int anzahl, std::size_t stelle) {
    auto v = beschreibungen(gebietsinfo, anzahl);
    if (stelle < v.size()) v.erase(v.begin() + static_cast<std::ptrdiff_t>(stelle));
    return gebietsinfoAus(v);
}

std::size_t legeGebietAn(TGebiete& gebiete, std::string& gebietsinfo, const TNeuesGebiet& neu) {
    const std::string datei = neu.Dateiname + ".DAT";
    if (!dateinameZulaessig(neu.Dateiname)) throw LaufzeitFehler(std::string(kDateinameUnzulaessig));
    if (dateiExistiert(datei)) throw LaufzeitFehler(std::string(kDateinameVorhanden));

    const std::size_t stelle = einfuegeStelle(gebiete, neu.Gebietname);
    TGebiete neueGebiete = gebiete;
    neueGebiete.insert(neueGebiete.begin() + static_cast<std::ptrdiff_t>(stelle),
                       {neu.Gebietname, datei, neu.Grundeinheit});
    const std::string neueInfo = gebietsinfoMitNeuem(gebietsinfo, static_cast<int>(gebiete.size()), stelle,
                                                     gebietsBeschreibungNeu(neu));

    // The data file comes first: the index never lists a category whose file is not there.
    {
        const TEinheitSatz grund = grundeinheitSatz(neu);
        Datei d;
        bool ok = d.oeffnen(datei, Datei::Modus::Erzeugen);
        ok = ok && d.schreibe(grund.bytes.data(), kSatzGroesse) && d.sync();
        ok = d.schliessen() && ok;
        if (!ok) {
            dateiLoeschen(datei);
            throw dateiNichtOeffnenFehler(datei);
        }
    }
    const Indexsicherung sicherung;
    if (!speichereGebiete(neueGebiete)) {
        dateiLoeschen(datei);
        throw dateiNichtOeffnenFehler(std::string(kGruppenDatei));
    }
    if (!speichereGebietsinfo(neueInfo, static_cast<int>(neueGebiete.size()))) {
        // Without the old index back, the new category keeps its data file.
        if (sicherung.zurueck(gebiete)) dateiLoeschen(datei);
        throw dateiNichtOeffnenFehler(std::string(kGebietDatei));
    }
    gebiete = std::move(neueGebiete);
    gebietsinfo = neueInfo;
    return stelle;
}

std::optional<std::string> gebietLoeschVerweigerung(const TGebiete& gebiete) {
    if (gebiete.size() > 1) return std::nullopt;
    return "Das einzige Gebiet kann nicht gel\xF6scht werden!";
}

std::string gebietLoeschFrage(std::string_view gebietname) {
    return "Soll das Gebiet \"" + std::string(gebietname) + "\" wirklich gel\xF6scht werden?";
}

void loescheGebiet(TGebiete& gebiete, std::string& gebietsinfo, std::size_t stelle) {
    if (auto nein = gebietLoeschVerweigerung(gebiete)) throw LaufzeitFehler(*nein);
    if (stelle >= gebiete.size()) throw listenIndexFehler(static_cast<int>(stelle));
    const std::string datei = gebiete[stelle].Dateiname;
    if (!dateiExistiert(datei)) throw dateiNichtGefundenFehler();
    {
        Datei d;
        if (!d.oeffnen(datei, Datei::Modus::LesenSchreiben)) throw eaFehler(5);
    }
    // Set aside rather than deleted, so that a failed save of the index files can put it back.
    const std::string beiseite = datei + ".ALT";
    if (!dateiUmbenennen(datei, beiseite)) throw eaFehler(5);

    TGebiete neueGebiete = gebiete;
    neueGebiete.erase(neueGebiete.begin() + static_cast<std::ptrdiff_t>(stelle));
    const std::string neueInfo = gebietsinfoOhne(gebietsinfo, static_cast<int>(gebiete.size()), stelle);
    const Indexsicherung sicherung;
    if (!speichereGebiete(neueGebiete)) {
        dateiUmbenennen(beiseite, datei);
        throw dateiNichtOeffnenFehler(std::string(kGruppenDatei));
    }
    if (!speichereGebietsinfo(neueInfo, static_cast<int>(neueGebiete.size()))) {
        if (sicherung.zurueck(gebiete)) dateiUmbenennen(beiseite, datei);
        throw dateiNichtOeffnenFehler(std::string(kGebietDatei));
    }
    dateiLoeschen(beiseite);
    gebiete = std::move(neueGebiete);
    gebietsinfo = neueInfo;
}

} // namespace qnt

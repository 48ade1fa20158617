#include "db/Quelle.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "data/Cp1252.h"
#include "data/Einstellungen.h"
#include "data/Textdatei.h"
#include "data/Laender.h"

namespace fs = std::filesystem;

namespace qnt::dbc {
namespace {

std::string trimme(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// Splits off the note: an unescaped '#' starts it; "\#" stands for '#'.
std::string ohneNotiz(const std::string& zeile) {
    std::string out;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        if (zeile[i] == '\\' && i + 1 < zeile.size() && zeile[i + 1] == '#') {
            out += '#';
            ++i;
        } else if (zeile[i] == '#') {
            break;
        } else {
            out += zeile[i];
        }
    }
    return out;
}

std::vector<std::string> felder(const std::string& zeile) {
    std::vector<std::string> f;
    std::size_t start = 0;
    while (true) {
        const auto p = zeile.find('|', start);
        f.push_back(trimme(zeile.substr(start, p == std::string::npos ? std::string::npos : p - start)));
        if (p == std::string::npos) break;
        start = p + 1;
    }
    return f;
}

bool leseDatei(const fs::path& p, std::string& inhalt) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    inhalt = ss.str();
    return true;
}

bool schreibeDatei(const fs::path& p, const std::string& inhalt) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    return static_cast<bool>(out);
}

// Expression parser over the factor language.
class Auswerter {
public:
    Auswerter(const std::map<std::string, std::string>& ausdruecke, std::set<std::string>& inArbeit)
        : ausdruecke_(ausdruecke), inArbeit_(inArbeit) {}

    bool werte(const std::string& text, double& wert, std::string& grund) {
        s_ = text;
        i_ = 0;
        grund_.clear();
        wert = summe();
        leer();
        if (grund_.empty() && i_ != s_.size()) grund_ = "unerwartetes Zeichen '" + std::string(1, s_[i_]) + "' im Faktor";
        if (grund_.empty() && !std::isfinite(wert)) grund_ = "Faktor ist nicht endlich";
        grund = grund_;
        return grund_.empty();
    }

private:
    void leer() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
    }
    bool nimm(char c) {
        leer();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    double summe() {
        double w = produkt();
        while (grund_.empty()) {
            if (nimm('+')) w += produkt();
            else if (nimm('-')) w -= produkt();
            else break;
        }
        return w;
    }
    double produkt() {
        double w = potenz();
        while (grund_.empty()) {
            if (nimm('*')) w *= potenz();
            else if (nimm('/')) {
                const double d = potenz();
                if (d == 0) grund_ = "Division durch null im Faktor";
                else w /= d;
            } else break;
        }
        return w;
    }
    double potenz() {
        const double b = vorzeichen();
        if (nimm('^')) return std::pow(b, potenz());
        return b;
    }
    double vorzeichen() {
        if (nimm('-')) return -vorzeichen();
        if (nimm('+')) return vorzeichen();
        return atom();
    }
    double atom() {
        leer();
        if (nimm('(')) {
            const double w = summe();
            if (!nimm(')')) fehler("')' fehlt im Faktor");
            return w;
        }
        if (i_ < s_.size() && s_[i_] == '[') {
            const auto ende = s_.find(']', i_);
            if (ende == std::string::npos) return fehler("']' fehlt im Faktor");
            const std::string name = s_.substr(i_ + 1, ende - i_ - 1);
            i_ = ende + 1;
            return verweis(name);
        }
        if (s_.compare(i_, 2, "pi") == 0) {
            i_ += 2;
            return 3.14159265358979323846;
        }
        const char* anfang = s_.c_str() + i_;
        char* end = nullptr;
        if (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.')) {
            const double w = std::strtod(anfang, &end);
            i_ += static_cast<std::size_t>(end - anfang);
            return w;
        }
        return fehler(i_ < s_.size() ? "unerwartetes Zeichen '" + std::string(1, s_[i_]) + "' im Faktor"
                                     : "Faktor fehlt oder endet zu früh");
    }
    double verweis(const std::string& name) {
        const auto it = ausdruecke_.find(name);
        if (it == ausdruecke_.end()) return fehler("unbekannte Einheit [" + name + "] im Faktor");
        if (inArbeit_.count(name)) return fehler("zirkulärer Verweis auf [" + name + "]");
        inArbeit_.insert(name);
        Auswerter inner(ausdruecke_, inArbeit_);
        double w = 0;
        std::string g;
        if (!inner.werte(it->second, w, g)) fehler("in [" + name + "]: " + g);
        inArbeit_.erase(name);
        return w;
    }
    double fehler(const std::string& g) {
        if (grund_.empty()) grund_ = g;
        i_ = s_.size();
        return 0;
    }

    const std::map<std::string, std::string>& ausdruecke_;
    std::set<std::string>& inArbeit_;
    std::string s_;
    std::size_t i_ = 0;
    std::string grund_;
};

const std::vector<std::string>* rollenFuer(const std::string& gebietnameCp) {
    static const std::vector<std::string> temperatur = {"Celsius", "Celsius", "Fahrenheit", "Kelvin", "Rankine",
                                                        "Celsius", "Fahrenheit", "Rankine", "Reaumur", "Kelvin"};
    static const std::vector<std::string> zahlen = {"binaer", "dezimal", "hexadezimal", "oktal", "roemisch"};
    static const std::vector<std::string> brueche = {"bruch", "dezimalzahl"};
    switch (gebietsartVon(gebietnameCp)) {
    case Gebietsart::Temperatur: return &temperatur;
    case Gebietsart::Zahlensysteme: return &zahlen;
    case Gebietsart::Brueche: return &brueche;
    default: return nullptr;
    }
}

const std::set<std::string>& alleRollen() {
    static const std::set<std::string> r = {"Celsius", "Fahrenheit", "Kelvin", "Rankine",  "Reaumur",
                                            "binaer",  "dezimal",    "hexadezimal", "oktal", "roemisch",
                                            "bruch",   "dezimalzahl"};
    return r;
}

} // namespace

std::string Fehler::text() const {
    std::string s = datei;
    if (zeile > 0) s += ":" + std::to_string(zeile);
    return s + ": Fehler: " + grund;
}

bool parseGebiete(const std::string& quelle, const std::string& dateiname, std::vector<QuellGebiet>& gebiete,
                  std::vector<Fehler>& fehler) {
    const auto vorher = fehler.size();
    const auto zeilen = zerlegeZeilen(quelle);
    std::set<std::string> dateien;
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const int nr = static_cast<int>(z + 1);
        const std::string inhalt = trimme(ohneNotiz(zeilen[z]));
        if (inhalt.empty()) continue;
        const auto f = felder(inhalt);
        if (f.size() != 3 || f[0].empty() || f[1].empty()) {
            fehler.push_back({dateiname, nr, "erwartet: Gebietname | Dateiname | Bezug"});
            continue;
        }
        if (!utf8InCp1252(inhalt)) {
            fehler.push_back({dateiname, nr, "Zeichen außerhalb von Codepage 1252"});
            continue;
        }
        QuellGebiet g;
        g.eintrag = {utf8ZuCp1252(f[0]), utf8ZuCp1252(f[1]), utf8ZuCp1252(f[2])};
        g.zeile = nr;
        if (!istBloserDateiname(g.eintrag.Dateiname) || g.eintrag.Dateiname.size() < 5 ||
            grossCp1252(g.eintrag.Dateiname.substr(g.eintrag.Dateiname.size() - 4)) != ".DAT" ||
            grossCp1252(g.eintrag.Dateiname) == "TEMP.DAT") {
            fehler.push_back({dateiname, nr, "Dateiname '" + f[1] + "' ist kein bloßer Name auf .DAT"});
            continue;
        }
        if (!dateien.insert(grossCp1252(g.eintrag.Dateiname)).second) {
            fehler.push_back({dateiname, nr, "Dateiname '" + f[1] + "' gehört schon einem anderen Gebiet"});
            continue;
        }
        g.stamm = f[1].substr(0, f[1].size() - 4);
        gebiete.push_back(std::move(g));
    }
    // The index stands in upper-case order of the names.
    std::stable_sort(gebiete.begin(), gebiete.end(), [](const QuellGebiet& a, const QuellGebiet& b) {
        return grossCp1252(a.eintrag.Gebietname) < grossCp1252(b.eintrag.Gebietname);
    });
    return fehler.size() == vorher;
}

bool werteAus(const std::string& ausdruck, const std::map<std::string, std::string>& ausdruecke, double& wert,
              std::string& grund) {
    std::set<std::string> inArbeit;
    Auswerter a(ausdruecke, inArbeit);
    return a.werte(ausdruck, wert, grund);
}

bool parseEinheiten(const std::string& quelle, const std::string& dateiname, const std::string& gebietname,
                    std::vector<Quelleinheit>& einheiten, std::vector<Fehler>& fehler) {
    const auto vorher = fehler.size();
    const auto zeilen = zerlegeZeilen(quelle);
    struct Roh {
        std::vector<std::string> f;
        int zeile;
    };
    std::vector<Roh> roh;
    std::map<std::string, std::string> ausdruecke;
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const int nr = static_cast<int>(z + 1);
        const std::string inhalt = trimme(ohneNotiz(zeilen[z]));
        if (inhalt.empty()) continue;
        auto f = felder(inhalt);
        while (f.size() > 12 && f.back().empty()) f.pop_back();
        if (f.size() < 4 || f.size() > 12) {
            fehler.push_back({dateiname, nr, "erwartet 4 bis 12 Felder: Name | Kurzzeichen | LandNr | Faktor | ..."});
            continue;
        }
        f.resize(12);
        if (!utf8InCp1252(inhalt)) {
            fehler.push_back({dateiname, nr, "Zeichen außerhalb von Codepage 1252"});
            continue;
        }
        if (f[0].empty()) {
            fehler.push_back({dateiname, nr, "Name fehlt"});
            continue;
        }
        if (ausdruecke.count(f[0])) {
            fehler.push_back({dateiname, nr, "Name '" + f[0] + "' steht zweimal in der Datei"});
            continue;
        }
        ausdruecke[f[0]] = f[3];
        roh.push_back({std::move(f), nr});
    }

    static const std::array<std::pair<const char*, int>, 11> kTexte = {{{"Name", kap::Name},
                                                                        {"Kurzzeichen", kap::Kurzzeichen},
                                                                        {"", 0},
                                                                        {"", 0},
                                                                        {"SonstigeNamen", kap::SonstigeNamen},
                                                                        {"Uebersetzung", kap::Uebersetzung},
                                                                        {"Einsatzgebiet", kap::Einsatzgebiet},
                                                                        {"Entspricht", kap::Entspricht},
                                                                        {"CaWert", kap::CaWert},
                                                                        {"Ort", kap::Ort},
                                                                        {"Zeitraum", kap::Zeitraum}}};
    for (const auto& r : roh) {
        const auto& f = r.f;
        bool ok = true;
        std::vector<std::string> cp(11);
        for (std::size_t i = 0; i < kTexte.size(); ++i) {
            if (kTexte[i].second == 0) continue;
            cp[i] = utf8ZuCp1252(f[i]);
            if (static_cast<int>(cp[i].size()) > kTexte[i].second) {
                fehler.push_back({dateiname, r.zeile,
                                  std::string(kTexte[i].first) + " '" + f[i] + "' hat " +
                                      std::to_string(cp[i].size()) + " Zeichen, erlaubt sind " +
                                      std::to_string(kTexte[i].second)});
                ok = false;
            }
        }
        int land = 0;
        try {
            std::size_t pos = 0;
            land = std::stoi(f[2], &pos);
            if (pos != f[2].size()) land = 0;
        } catch (...) {
            land = 0;
        }
        if (!landNrGueltig(land)) {
            fehler.push_back({dateiname, r.zeile, "LandNr '" + f[2] + "' nennt keine belegte Zeile der Ländertabelle"});
            ok = false;
        }
        double faktor = 0;
        std::string grund;
        if (!werteAus(f[3], ausdruecke, faktor, grund)) {
            fehler.push_back({dateiname, r.zeile, grund});
            ok = false;
        }
        Quelleinheit e;
        e.zeile = r.zeile;
        std::istringstream merkmale(f[11]);
        std::string m;
        bool versteckt = false;
        while (merkmale >> m) {
            if (m == "R") e.satz.setzeRegUnterschiede(1);
            else if (m == "Z") e.satz.setzeZeitUnterschiede(1);
            else if (m == "versteckt") versteckt = true;
            else if (alleRollen().count(m)) e.rolle = m;
            else {
                fehler.push_back({dateiname, r.zeile, "unbekanntes Merkmal '" + m + "'"});
                ok = false;
            }
        }
        if (!ok) continue;
        e.satz.setzeAngezeigt(versteckt ? 0 : 1);
        e.satz.setzeLandNr(static_cast<std::uint8_t>(land));
        e.satz.setzeFaktor(faktor);
        e.satz.setzeName(cp[0]);
        e.satz.setzeKurzzeichen(cp[1]);
        e.satz.setzeSonstigeNamen(cp[4]);
        e.satz.setzeUebersetzung(cp[5]);
        e.satz.setzeEinsatzgebiet(cp[6]);
        e.satz.setzeEntspricht(cp[7]);
        e.satz.setzeCaWert(cp[8]);
        e.satz.setzeOrt(cp[9]);
        e.satz.setzeZeitraum(cp[10]);
        einheiten.push_back(std::move(e));
    }

    for (std::size_t i = 1; i < einheiten.size(); ++i) {
        if (vergleicheNamen(einheiten[i - 1].satz.Name(), einheiten[i].satz.Name()) > 0)
            fehler.push_back({dateiname, einheiten[i].zeile,
                              "'" + cp1252ZuUtf8(einheiten[i].satz.Name()) + "' steht vor '" +
                                  cp1252ZuUtf8(einheiten[i - 1].satz.Name()) +
                                  "' (Namensordnung: nur a-z ohne Rücksicht auf Groß/klein)"});
    }

    if (const auto* rollen = rollenFuer(gebietname)) {
        if (einheiten.size() != rollen->size())
            fehler.push_back({dateiname, 0,
                              "das Gebiet braucht genau " + std::to_string(rollen->size()) + " Einheiten, es hat " +
                                  std::to_string(einheiten.size())});
        for (std::size_t i = 0; i < einheiten.size() && i < rollen->size(); ++i)
            if (einheiten[i].rolle != (*rollen)[i])
                fehler.push_back({dateiname, einheiten[i].zeile,
                                  "Position " + std::to_string(i) + " muss die Rolle '" + (*rollen)[i] +
                                      "' tragen, nicht '" + einheiten[i].rolle + "'"});
    }
    return fehler.size() == vorher;
}

bool textNachCp1252(const std::string& utf8, const std::string& dateiname, std::string& cp,
                    std::vector<Fehler>& fehler) {
    const auto vorher = fehler.size();
    const auto zeilen = zerlegeZeilen(utf8);
    cp.clear();
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        if (!utf8InCp1252(zeilen[z]))
            fehler.push_back({dateiname, static_cast<int>(z + 1), "Zeichen außerhalb von Codepage 1252"});
        cp += utf8ZuCp1252(zeilen[z]);
        cp += "\r\n";
    }
    return fehler.size() == vorher;
}

bool kompiliere(const std::string& quelle, const std::string& ziel, std::vector<Fehler>& fehler,
                std::string& bericht) {
    const fs::path q(quelle);
    const fs::path z(ziel);
    fs::create_directories(z);
    std::string inhalt;
    const auto gebieteDatei = (q / "Gebiete.txt").string();
    if (!leseDatei(gebieteDatei, inhalt)) {
        fehler.push_back({gebieteDatei, 0, "kann nicht gelesen werden"});
        return false;
    }
    std::vector<QuellGebiet> gebiete;
    parseGebiete(inhalt, gebieteDatei, gebiete, fehler);

    TGebiete index;
    std::string info;
    int summe = 0;
    std::ostringstream b;
    for (const auto& g : gebiete) {
        const auto einheitenDatei = (q / "einheiten" / (g.stamm + ".txt")).string();
        const auto beschreibungDatei = (q / "beschreibung" / (g.stamm + ".txt")).string();
        std::string quelltext;
        if (!leseDatei(einheitenDatei, quelltext)) {
            fehler.push_back({gebieteDatei, g.zeile, "Einheitenquelle " + einheitenDatei + " fehlt"});
            continue;
        }
        std::vector<Quelleinheit> einheiten;
        if (parseEinheiten(quelltext, einheitenDatei, g.eintrag.Gebietname, einheiten, fehler)) {
            std::string bytes;
            bytes.reserve(einheiten.size() * kSatzGroesse);
            for (const auto& e : einheiten)
                bytes.append(reinterpret_cast<const char*>(e.satz.bytes.data()), kSatzGroesse);
            if (!schreibeDatei(z / g.eintrag.Dateiname, bytes))
                fehler.push_back({einheitenDatei, 0, "Datendatei kann nicht geschrieben werden"});
        }
        std::string beschreibung;
        if (!leseDatei(beschreibungDatei, beschreibung)) {
            fehler.push_back({gebieteDatei, g.zeile, "Beschreibung " + beschreibungDatei + " fehlt"});
            continue;
        }
        std::string cp;
        textNachCp1252(beschreibung, beschreibungDatei, cp, fehler);
        if (cp.find('*') != std::string::npos)
            fehler.push_back({beschreibungDatei, 0, "eine Beschreibung darf kein '*' enthalten"});
        if (cp.empty()) cp = "\r\n";
        info += cp;
        info += "*\r\n";
        index.push_back(g.eintrag);
        summe += static_cast<int>(einheiten.size());
        b << "  " << g.eintrag.Dateiname << "  " << einheiten.size() << "  " << cp1252ZuUtf8(g.eintrag.Gebietname)
          << "\n";
    }
    std::string gruppen;
    for (const auto& zeile : gebieteAlsZeilen(index)) gruppen += zeile + "\r\n";
    schreibeDatei(z / std::string(kGruppenDatei), gruppen);
    schreibeDatei(z / std::string(kGebietDatei), info);
    // The default settings, in the program's own format: a fresh data folder then opens without a warning.
    std::string einstellungen;
    for (const auto& zeile : einstellungsZeilen(TEinstellungen{})) einstellungen += zeile + "\r\n";
    if (!schreibeDatei(z / std::string(kEinstellungsDatei), einstellungen))
        fehler.push_back({std::string(kEinstellungsDatei), 0, "kann nicht geschrieben werden"});

    // Further runtime files: "X.txt" becomes "X" in code page 1252 with CR LF, anything else is copied.
    const fs::path dateien = q / "dateien";
    if (fs::is_directory(dateien)) {
        for (const auto& e : fs::directory_iterator(dateien)) {
            if (!e.is_regular_file()) continue;
            std::string roh;
            leseDatei(e.path(), roh);
            if (e.path().extension() == ".txt") {
                std::string cp;
                textNachCp1252(roh, e.path().string(), cp, fehler);
                schreibeDatei(z / e.path().stem(), cp);
            } else {
                schreibeDatei(z / e.path().filename(), roh);
            }
        }
    }
    bericht = "Datenbank: " + std::to_string(index.size()) + " Gebiete, " + std::to_string(summe) +
              " Einheiten\n" + b.str();
    return fehler.empty();
}

} // namespace qnt::dbc

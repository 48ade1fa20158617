#include "reference/RtfLeser.h"

#include <algorithm>
#include <array>

#include "data/Cp1252.h"
#include "reference/Referenzdatei.h"

namespace qnt {

std::vector<int> RtfAbsatzformat::wirksameTabstopps() const {
    std::vector<int> t = Tabstopps;
    if (ErsteZeile < 0 && EinzugLinks > 0) t.push_back(EinzugLinks);
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

std::string RtfAbsatz::text() const {
    std::string s;
    for (const auto& l : Laeufe)
        s += l.Text;
    return s;
}

const RtfSchrift* RtfDokument::schrift(int nummer) const {
    for (const auto& s : Schriften)
        if (s.Nummer == nummer) return &s;
    return nullptr;
}

const RtfFarbe* RtfDokument::farbe(int index) const {
    if (index <= 0 || index >= static_cast<int>(Farben.size())) return nullptr;
    const RtfFarbe& f = Farben[static_cast<std::size_t>(index)];
    return f.Automatisch ? nullptr : &f;
}

std::string RtfDokument::text() const {
    std::string s;
    for (std::size_t i = 0; i < Absaetze.size(); ++i) {
        if (i > 0) s += '\n';
        s += Absaetze[i].text();
    }
    return s;
}

namespace {

enum class Ziel { Text, Ueberspringen, Schrifttabelle, Farbtabelle };

struct Zustand {
    RtfZeichenformat Zeichen;
    RtfAbsatzformat Absatz;
    Ziel ziel = Ziel::Text;
    int uc = 1; // fallback characters after \uN
};

// Groups nested deeper than this are skipped whole; it bounds the memory a hostile file can take.
constexpr int kMaxTiefe = 512;

// Destinations whose text is not part of the shown document.
constexpr std::array<std::string_view, 36> kVerborgeneZiele = {
    "stylesheet",   "info",       "pict",
    "filetbl",      "revtbl",     "header",
    "headerl",      "headerr",    "headerf",
    "footer",       "footerl",    "footerr",
    "footerf",      "footnote",   "nonshppict",
    "objdata",      "listtable",  "listoverridetable",
    "rsidtbl",      "xmlnstbl",   "pn",
    "pnseclvl",     "pntxta",     "pntxtb",
    "fldinst",      "themedata",  "colorschememapping",
    "latentstyles", "datastore",  "bkmkstart",
    "bkmkend",      "annotation", "atnid",
    "atnauthor",    "comment",    "template",
};

constexpr std::array<std::string_view, 10> kUnterstreichungen = {
    "ul", "uld", "uldb", "uldash", "uldashd", "uldashdd", "ulhair", "ulth", "ulw", "ulwave"};

template <std::size_t N> bool enthaelt(const std::array<std::string_view, N>& liste, std::string_view w) {
    return std::find(liste.begin(), liste.end(), w) != liste.end();
}

void haengeUtf8An(std::string& s, char32_t u) {
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (u >> 18));
        s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

int hexWert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool istBuchstabe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

class Leser {
public:
    explicit Leser(std::string_view rtf) : q_(rtf) {}

    RtfDokument lies() {
        while (p_ < q_.size() && !fertig_) {
            const char c = q_[p_++];
            if (c == '{') {
                oeffneGruppe();
            } else if (c == '}') {
                schliesseGruppe();
            } else if (c == '\\') {
                steuerung();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                // Line ends of the file carry no meaning.
            } else if (c == '\t') {
                zeichen(U'\t');
            } else {
                zeichenByte(static_cast<unsigned char>(c));
            }
        }
        schliesseSchriftAb();
        // A last paragraph without its end keeps the properties it had when its text came.
        if (!absatz_.Laeufe.empty()) dok_.Absaetze.push_back(std::move(absatz_));
        return std::move(dok_);
    }

private:
    std::string_view q_;
    std::size_t p_ = 0;
    bool fertig_ = false;
    RtfDokument dok_;
    Zustand z_;
    std::vector<Zustand> stapel_;
    int ueberTiefe_ = 0;    // groups opened beyond kMaxTiefe, skipped
    bool begonnen_ = false; // the outermost group has been opened
    int zuUeberspringen_ = 0;
    char32_t hochSurrogat_ = 0;
    RtfAbsatz absatz_;
    // The font table entry being read.
    bool schriftOffen_ = false;
    RtfSchrift schrift_;
    // The colour table entry being read.
    RtfFarbe farbe_;

    bool ueberspringt() const { return ueberTiefe_ > 0 || z_.ziel == Ziel::Ueberspringen; }

    void oeffneGruppe() {
        zuUeberspringen_ = 0;
        if (ueberTiefe_ > 0 || static_cast<int>(stapel_.size()) >= kMaxTiefe) {
            ++ueberTiefe_;
            return;
        }
        stapel_.push_back(z_);
        begonnen_ = true;
    }

    void schliesseGruppe() {
        zuUeberspringen_ = 0;
        if (ueberTiefe_ > 0) {
            --ueberTiefe_;
            return;
        }
        if (stapel_.empty()) return; // a stray brace
        if (z_.ziel == Ziel::Schrifttabelle && stapel_.back().ziel != Ziel::Schrifttabelle)
            schliesseSchriftAb();
        z_ = stapel_.back();
        stapel_.pop_back();
        // Whatever follows the document's outermost group is not part of it.
        if (stapel_.empty() && begonnen_) fertig_ = true;
    }

    // Reads the parameter of a control word; absent: nullopt-like flag.
    bool parameter(int& wert) {
        std::size_t a = p_;
        bool negativ = false;
        if (a < q_.size() && q_[a] == '-' && a + 1 < q_.size() && istZiffer(q_[a + 1])) {
            negativ = true;
            ++a;
        }
        if (a >= q_.size() || !istZiffer(q_[a])) return false;
        long long v = 0;
        while (a < q_.size() && istZiffer(q_[a])) {
            if (v < 1000000000LL) v = v * 10 + (q_[a] - '0');
            ++a;
        }
        p_ = a;
        wert = static_cast<int>(negativ ? -v : v);
        return true;
    }

    void steuerung() {
        if (p_ >= q_.size()) return;
        const char c = q_[p_];
        if (!istBuchstabe(c)) {
            ++p_;
            steuersymbol(c);
            return;
        }
        const std::size_t a = p_;
        while (p_ < q_.size() && istBuchstabe(q_[p_]))
            ++p_;
        const std::string_view wort = q_.substr(a, p_ - a);
        int wert = 0;
        const bool hatWert = parameter(wert);
        if (p_ < q_.size() && q_[p_] == ' ') ++p_;
        steuerwort(wort, hatWert, wert);
    }

    void steuersymbol(char c) {
        switch (c) {
        case '\'': {
            const int h = p_ < q_.size() ? hexWert(q_[p_]) : -1;
            const int l = p_ + 1 < q_.size() ? hexWert(q_[p_ + 1]) : -1;
            if (h < 0) return; // a broken escape shows nothing
            if (l < 0) {
                ++p_;
                return;
            }
            p_ += 2;
            zeichenByte(static_cast<unsigned char>(h * 16 + l));
            return;
        }
        case '\\':
        case '{':
        case '}':
            zeichen(static_cast<char32_t>(c));
            return;
        case '~':
            zeichen(U'\u00A0');
            return;
        case '_':
            zeichen(U'\u2011');
            return;
        case '*':
            // An ignorable destination: nothing we show is marked this way.
            if (!ueberspringt()) z_.ziel = Ziel::Ueberspringen;
            return;
        case '\r':
        case '\n':
            steuerwort("par", false, 0);
            return;
        default:
            // "\-" (optional hyphen), "\|", "\:" and unknown symbols show nothing, but count as a fallback
            // character.
            if (zuUeberspringen_ > 0) --zuUeberspringen_;
            return;
        }
    }

    void steuerwort(std::string_view w, bool hatWert, int wert) {
        if (w == "bin") {
            // Raw bytes follow, whatever the destination.
            const std::size_t n = hatWert && wert > 0 ? static_cast<std::size_t>(wert) : 0;
            p_ += std::min(n, q_.size() - p_);
            return;
        }
        if (ueberspringt()) return;
        if (zuUeberspringen_ > 0) {
            --zuUeberspringen_;
            return;
        }
        if (z_.ziel == Ziel::Schrifttabelle) {
            schriftWort(w, hatWert, wert);
            return;
        }
        if (z_.ziel == Ziel::Farbtabelle) {
            farbWort(w, wert);
            return;
        }
        textWort(w, hatWert, wert);
    }

    void schriftWort(std::string_view w, bool hatWert, int wert) {
        if (w == "f" && hatWert) {
            schliesseSchriftAb();
            schriftOffen_ = true;
            schrift_ = RtfSchrift{};
            schrift_.Nummer = wert;
        } else if (w == "fcharset" && wert == 2) {
            schrift_.Symbol = true;
        } else if (enthaelt(kVerborgeneZiele, w)) {
            z_.ziel = Ziel::Ueberspringen;
        }
    }

    void schliesseSchriftAb() {
        if (!schriftOffen_) return;
        auto& n = schrift_.Name;
        while (!n.empty() && n.back() == ' ')
            n.pop_back();
        while (!n.empty() && n.front() == ' ')
            n.erase(n.begin());
        if (n == "Symbol") schrift_.Symbol = true;
        if (!dok_.schrift(schrift_.Nummer)) dok_.Schriften.push_back(schrift_);
        schriftOffen_ = false;
    }

    void farbWort(std::string_view w, int wert) {
        const auto anteil = static_cast<std::uint8_t>(std::clamp(wert, 0, 255));
        if (w == "red") {
            farbe_.Rot = anteil;
            farbe_.Automatisch = false;
        } else if (w == "green") {
            farbe_.Gruen = anteil;
            farbe_.Automatisch = false;
        } else if (w == "blue") {
            farbe_.Blau = anteil;
            farbe_.Automatisch = false;
        }
    }

    void textWort(std::string_view w, bool hatWert, int wert) {
        auto schalter = [&](bool& b) { b = !hatWert || wert != 0; };
        auto& f = z_.Zeichen;
        if (w == "par" || w == "sect" || w == "page" || w == "row") {
            absatzEnde();
        } else if (w == "line") {
            zeichen(U'\n');
        } else if (w == "tab" || w == "cell") {
            zeichen(U'\t');
        } else if (w == "b") {
            schalter(f.Fett);
        } else if (w == "i") {
            schalter(f.Kursiv);
        } else if (enthaelt(kUnterstreichungen, w)) {
            schalter(f.Unterstrichen);
        } else if (w == "ulnone") {
            f.Unterstrichen = false;
        } else if (w == "strike") {
            schalter(f.Durchgestrichen);
        } else if (w == "fs") {
            f.Halbpunkte = hatWert && wert > 0 ? std::min(wert, 3276) : 24;
        } else if (w == "f" && hatWert) {
            f.Schrift = wert;
        } else if (w == "cf" && hatWert) {
            f.Farbe = wert;
        } else if (w == "plain") {
            f = RtfZeichenformat{};
            f.Schrift = standardSchrift_;
        } else if (w == "deff" && hatWert) {
            standardSchrift_ = wert;
            f.Schrift = wert;
        } else if (w == "deftab" && hatWert && wert > 0) {
            dok_.Standardtab = wert;
        } else if (w == "pard") {
            z_.Absatz = RtfAbsatzformat{};
        } else if (w == "ql") {
            z_.Absatz.Ausrichtung = RtfAusrichtung::Links;
        } else if (w == "qc") {
            z_.Absatz.Ausrichtung = RtfAusrichtung::Zentriert;
        } else if (w == "qr") {
            z_.Absatz.Ausrichtung = RtfAusrichtung::Rechts;
        } else if (w == "qj") {
            z_.Absatz.Ausrichtung = RtfAusrichtung::Blocksatz;
        } else if (w == "li" && hatWert) {
            z_.Absatz.EinzugLinks = wert;
        } else if (w == "fi" && hatWert) {
            z_.Absatz.ErsteZeile = wert;
        } else if (w == "ri" && hatWert) {
            z_.Absatz.EinzugRechts = wert;
        } else if (w == "tx" && hatWert && wert > 0 && z_.Absatz.Tabstopps.size() < 64) {
            z_.Absatz.Tabstopps.push_back(wert);
        } else if (w == "uc" && hatWert) {
            z_.uc = std::clamp(wert, 0, 16);
        } else if (w == "u" && hatWert) {
            unicode(wert);
        } else if (w == "emdash") {
            zeichen(U'\u2014');
        } else if (w == "endash") {
            zeichen(U'\u2013');
        } else if (w == "bullet") {
            zeichen(U'\u2022');
        } else if (w == "lquote") {
            zeichen(U'\u2018');
        } else if (w == "rquote") {
            zeichen(U'\u2019');
        } else if (w == "ldblquote") {
            zeichen(U'\u201C');
        } else if (w == "rdblquote") {
            zeichen(U'\u201D');
        } else if (w == "emspace") {
            zeichen(U'\u2003');
        } else if (w == "enspace") {
            zeichen(U'\u2002');
        } else if (w == "fonttbl") {
            z_.ziel = Ziel::Schrifttabelle;
        } else if (w == "colortbl") {
            z_.ziel = Ziel::Farbtabelle;
            farbe_ = RtfFarbe{};
        } else if (enthaelt(kVerborgeneZiele, w)) {
            z_.ziel = Ziel::Ueberspringen;
        }
        // Every other control word changes nothing that is shown.
    }

    void unicode(int wert) {
        char32_t u = static_cast<char32_t>(wert < 0 ? wert + 65536 : wert);
        if (u > 0xFFFF) u = 0xFFFD;
        if (u >= 0xD800 && u <= 0xDBFF) {
            verwaistesSurrogat();
            hochSurrogat_ = u;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            const char32_t hoch = hochSurrogat_;
            hochSurrogat_ = 0;
            gibAus(hoch ? 0x10000 + ((hoch - 0xD800) << 10) + (u - 0xDC00) : 0xFFFD);
        } else if (u != 0) {
            verwaistesSurrogat();
            gibAus(u);
        }
        zuUeberspringen_ = z_.uc;
    }

    void zeichenByte(unsigned char b) {
        if (ueberspringt()) return;
        if (zuUeberspringen_ > 0) {
            --zuUeberspringen_;
            return;
        }
        if (z_.ziel == Ziel::Text && b == 0xB7 && istSymbolschrift()) {
            zeichen(U'\u2022');
            return;
        }
        const std::string utf8 = cp1252ZuUtf8(std::string_view(reinterpret_cast<const char*>(&b), 1));
        if (z_.ziel == Ziel::Schrifttabelle) {
            if (b == ';') {
                schliesseSchriftAb();
            } else if (schriftOffen_) {
                schrift_.Name += utf8;
            }
            return;
        }
        if (z_.ziel == Ziel::Farbtabelle) {
            if (b == ';') {
                dok_.Farben.push_back(farbe_);
                farbe_ = RtfFarbe{};
            }
            return;
        }
        verwaistesSurrogat();
        haengeAn(utf8);
    }

    bool istSymbolschrift() const {
        const RtfSchrift* s = dok_.schrift(z_.Zeichen.Schrift);
        return s && s->Symbol;
    }

    // A character from an escape or a control word; it may be the fallback of a \uN.
    void zeichen(char32_t u) {
        if (ueberspringt() || z_.ziel != Ziel::Text) return;
        if (zuUeberspringen_ > 0) {
            --zuUeberspringen_;
            return;
        }
        verwaistesSurrogat();
        gibAus(u);
    }

    void gibAus(char32_t u) {
        std::string s;
        haengeUtf8An(s, u);
        haengeAn(s);
    }

    // A high surrogate that no low one followed shows as the replacement character.
    void verwaistesSurrogat() {
        if (!hochSurrogat_) return;
        hochSurrogat_ = 0;
        gibAus(0xFFFD);
    }

    void haengeAn(const std::string& utf8) {
        if (z_.ziel != Ziel::Text) return;
        absatz_.Format = z_.Absatz;
        if (absatz_.Laeufe.empty() || !(absatz_.Laeufe.back().Format == z_.Zeichen))
            absatz_.Laeufe.push_back({std::string(), z_.Zeichen});
        absatz_.Laeufe.back().Text += utf8;
    }

    void absatzEnde() {
        if (ueberspringt() || z_.ziel != Ziel::Text) return;
        // The paragraph takes the properties in force at its end.
        absatz_.Format = z_.Absatz;
        dok_.Absaetze.push_back(std::move(absatz_));
        absatz_ = RtfAbsatz{};
    }

    int standardSchrift_ = -1;
};

} // namespace

RtfDokument leseRtf(std::string_view rtf) {
    return Leser(rtf).lies();
}

RtfDokument ladeRtfDatei(std::string_view name) {
    return leseRtf(ladeReferenzdatei(name));
}

} // namespace qnt

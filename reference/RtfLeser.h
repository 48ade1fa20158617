#pragma once
// A reader for the Rich Text Format subset an ordinary word processor writes. It turns a document into
// paragraphs of formatted runs; the widgets build their rich-text document from that.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

inline constexpr std::string_view kRaventoDatei = "Ravento.rtf";

struct RtfZeichenformat {
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    bool Durchgestrichen = false;
    int Halbpunkte = 24; // font size in half points
    int Schrift = -1;    // font number of the font table; -1: none chosen
    int Farbe = 0;       // index into the colour table; 0 is the automatic colour
    bool operator==(const RtfZeichenformat&) const = default;
};

enum class RtfAusrichtung { Links, Zentriert, Rechts, Blocksatz };

struct RtfAbsatzformat {
    RtfAusrichtung Ausrichtung = RtfAusrichtung::Links;
    int EinzugLinks = 0;        // twips
    int ErsteZeile = 0;         // twips, relative to EinzugLinks
    int EinzugRechts = 0;       // twips
    std::vector<int> Tabstopps; // twips from the left margin, as \tx sets them
    bool operator==(const RtfAbsatzformat&) const = default;
    // The stops a tab of this paragraph goes to, ascending: the set ones and, as word processors do, the left
    // indent when the first line hangs out before it, so that the text after a bullet's tab lines up with
    // the wrapped lines. Beyond the last one the default stops apply.
    std::vector<int> wirksameTabstopps() const;
};

struct RtfLauf {
    std::string Text; // UTF-8; '\n' is a line break inside the paragraph, '\t' a tab
    RtfZeichenformat Format;
};

struct RtfAbsatz {
    RtfAbsatzformat Format;
    std::vector<RtfLauf> Laeufe;
    std::string text() const;
};

struct RtfSchrift {
    int Nummer = 0;
    std::string Name;    // UTF-8
    bool Symbol = false; // a symbol font: its glyphs are no letters
};

struct RtfFarbe {
    bool Automatisch = true;
    std::uint8_t Rot = 0, Gruen = 0, Blau = 0;
};

struct RtfDokument {
    std::vector<RtfAbsatz> Absaetze;
    std::vector<RtfSchrift> Schriften;
    std::vector<RtfFarbe> Farben;
    int Standardtab = 720; // distance of the default tab stops in twips (\deftab)
    const RtfSchrift* schrift(int nummer) const;
    // Index into Farben; nullptr for the automatic colour and for indexes the table lacks.
    const RtfFarbe* farbe(int index) const;
    // The paragraphs' texts joined by '\n'.
    std::string text() const;
};

// Never fails: unknown control words are dropped, unbalanced braces and a truncated end are tolerated.
RtfDokument leseRtf(std::string_view rtf);

// Reads the file and its document. Throws LaufzeitFehler when the file cannot be opened.
RtfDokument ladeRtfDatei(std::string_view name);

} // namespace qnt

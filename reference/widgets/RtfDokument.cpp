#include "reference/widgets/RtfDokument.h"

#include <algorithm>

#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace qnt {

namespace {

// Twips (1/1440 inch) to pixels at 96 pixels per inch.
qreal pixel(int twips) {
    return twips / 15.0;
}

QTextBlockFormat absatzformat(const RtfAbsatzformat& a) {
    QTextBlockFormat f;
    switch (a.Ausrichtung) {
    case RtfAusrichtung::Links:
        f.setAlignment(Qt::AlignLeft);
        break;
    case RtfAusrichtung::Zentriert:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case RtfAusrichtung::Rechts:
        f.setAlignment(Qt::AlignRight);
        break;
    case RtfAusrichtung::Blocksatz:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    const int links = std::max(0, a.EinzugLinks);
    f.setLeftMargin(pixel(links));
    f.setTextIndent(pixel(a.ErsteZeile));
    f.setRightMargin(pixel(std::max(0, a.EinzugRechts)));
    // The layout measures tab positions from where the line starts, the file from the left margin; the
    // first line (where a bullet's tab stands) starts at the left indent plus the first-line indent.
    const int anfang = links + a.ErsteZeile;
    QList<QTextOption::Tab> tabs;
    for (int t : a.wirksameTabstopps())
        if (t > anfang) tabs.append(QTextOption::Tab(pixel(t - anfang), QTextOption::LeftTab));
    f.setTabPositions(tabs);
    return f;
}

QTextCharFormat zeichenformat(const RtfDokument& d, const RtfZeichenformat& z) {
    QTextCharFormat f;
    f.setFontWeight(z.Fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(z.Kursiv);
    f.setFontUnderline(z.Unterstrichen);
    f.setFontStrikeOut(z.Durchgestrichen);
    f.setFontPointSize(z.Halbpunkte / 2.0);
    // A symbol font's glyphs were already turned into their characters.
    if (const RtfSchrift* s = d.schrift(z.Schrift); s && !s->Symbol && !s->Name.empty())
        f.setFontFamilies({QString::fromStdString(s->Name)});
    if (const RtfFarbe* c = d.farbe(z.Farbe)) f.setForeground(QColor(c->Rot, c->Gruen, c->Blau));
    return f;
}

} // namespace

void fuelleTextdokument(QTextDocument& ziel, const RtfDokument& quelle) {
    ziel.clear();
    QTextOption option = ziel.defaultTextOption();
    option.setTabStopDistance(pixel(quelle.Standardtab));
    ziel.setDefaultTextOption(option);
    QTextCursor cursor(&ziel);
    bool erster = true;
    for (const auto& absatz : quelle.Absaetze) {
        if (erster) {
            cursor.setBlockFormat(absatzformat(absatz.Format));
            erster = false;
        } else {
            cursor.insertBlock(absatzformat(absatz.Format));
        }
        for (const auto& lauf : absatz.Laeufe) {
            QString text = QString::fromStdString(lauf.Text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, zeichenformat(quelle, lauf.Format));
        }
    }
}

} // namespace qnt

#!/usr/bin/env python3
"""Draws the 91 flag images (32 x 16 pixels) of the country table into app/flaggen/NN.png (NN = LandNr),
a neutral image for a LandNr outside the table, and the resource file app/flaggen.qrc.

    python3 tools/flaggen.py            # needs python3-pil, librsvg2-bin, iso-flags-svg, fonts-liberation

National flags are rendered from the public-domain SVGs of Debian's package iso-flags-svg. The systems
of units, the historical states and the empty rows of the table get pictures drawn here. Every picture is
drawn eight times larger and then reduced, so edges are smoothed the same way everywhere.
"""

import io
import math
import os
import subprocess
import sys

from PIL import Image, ImageDraw, ImageFont

B, H = 32, 16
S = 8  # drawing scale
SVG = "/usr/share/iso-flags-svg/country-4x3"
SCHRIFT = "/usr/share/fonts/truetype/liberation"
ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "flaggen")

# LandNr -> (ISO 3166 code, how the 4:3 picture is fitted into 2:1).
# "strecken": stretched to the full width (stripes keep their shares);
# "verlaengern": kept in proportion and the field widened by its own edge colours, so that discs,
# suns and emblems stay round.
FLAGGEN = {
    21: ("eg", "verlaengern"), 23: ("et", "verlaengern"), 24: ("af", "strecken"), 25: ("dz", "verlaengern"),
    27: ("ar", "verlaengern"), 28: ("be", "strecken"), 29: ("bo", "verlaengern"), 30: ("br", "verlaengern"),
    31: ("bg", "strecken"), 32: ("cl", "strecken"), 33: ("cn", "verlaengern"), 34: ("cr", "strecken"),
    35: ("dk", "strecken"), 36: ("de", "strecken"), 50: ("fi", "strecken"), 51: ("fr", "strecken"),
    52: ("gr", "strecken"), 54: ("gb", "strecken"), 55: ("gt", "strecken"), 56: ("ht", "verlaengern"),
    57: ("in", "verlaengern"), 58: ("id", "strecken"), 60: ("ir", "verlaengern"), 62: ("it", "strecken"),
    63: ("jp", "verlaengern"), 65: ("co", "strecken"), 66: ("kr", "verlaengern"), 67: ("cu", "strecken"),
    68: ("ly", "verlaengern"), 69: ("ma", "verlaengern"), 70: ("mx", "strecken"), 71: ("nl", "strecken"),
    72: ("no", "strecken"), 73: ("at", "strecken"), 74: ("py", "verlaengern"), 75: ("pe", "strecken"),
    76: ("ph", "strecken"), 77: ("pl", "strecken"), 78: ("pt", "strecken"), 80: ("ro", "strecken"),
    81: ("ru", "strecken"), 82: ("se", "strecken"), 83: ("ch", "verlaengern"), 84: ("es", "strecken"),
    85: ("th", "strecken"), 86: ("tr", "verlaengern"), 87: ("tn", "verlaengern"), 88: ("hu", "strecken"),
    89: ("uy", "strecken"), 90: ("us", "strecken"), 91: ("vn", "verlaengern"),
}

LEERE_ZEILEN = list(range(6, 21)) + list(range(41, 50)) + [59]


def leinwand(farbe=(255, 255, 255)):
    return Image.new("RGB", (B * S, H * S), farbe)


def verkleinern(bild):
    return bild.resize((B, H), Image.Resampling.BOX)


# Colours of the SVGs that differ visibly from the official ones.
FARBKORREKTUR = {
    "it": {"#005700": "#009246"},  # Italian green, Pantone 17-6153 (decree of 2006)
}


def svg_bild(code, breite, hoehe):
    with open(os.path.join(SVG, code + ".svg"), encoding="utf-8") as f:
        svg = f.read()
    for alt, neu in FARBKORREKTUR.get(code, {}).items():
        if alt not in svg:
            sys.exit(f"{code}: Farbe {alt} nicht gefunden")
        svg = svg.replace(alt, neu)
    png = subprocess.run(["rsvg-convert", "-w", str(breite), "-h", str(hoehe)], input=svg.encode("utf-8"),
                         check=True, capture_output=True).stdout
    bild = Image.open(io.BytesIO(png)).convert("RGBA")
    grund = Image.new("RGBA", bild.size, (255, 255, 255, 255))
    return Image.alpha_composite(grund, bild).convert("RGB")


def nationalflagge(code, art):
    if art == "strecken":
        return verkleinern(svg_bild(code, B * S, H * S))
    hoehe = H * S
    breite = round(hoehe * 4 / 3)
    bild = svg_bild(code, breite, hoehe)
    gross = leinwand()
    links = (B * S - breite) // 2
    gross.paste(bild, (links, 0))
    # Widen the field with the first and last column of every row.
    spalte_l = bild.crop((1, 0, 2, hoehe)).resize((links, hoehe))
    rechts = B * S - links - breite
    spalte_r = bild.crop((breite - 2, 0, breite - 1, hoehe)).resize((rechts, hoehe))
    gross.paste(spalte_l, (0, 0))
    gross.paste(spalte_r, (links + breite, 0))
    return verkleinern(gross)


def rand(bild, staerke=0.72):
    """A faint darker edge, so that light flags stand out on the white and silver rows."""
    px = bild.load()
    for x in range(B):
        for y in range(H):
            if x in (0, B - 1) or y in (0, H - 1):
                r, g, b = px[x, y]
                px[x, y] = (round(r * staerke), round(g * staerke), round(b * staerke))
    return bild


def streifen(farben):
    """Horizontal stripes of equal height."""
    bild = leinwand()
    d = ImageDraw.Draw(bild)
    n = len(farben)
    for i, f in enumerate(farben):
        d.rectangle([0, round(i * H * S / n), B * S, round((i + 1) * H * S / n)], fill=f)
    return bild


def schrift(name, groesse):
    return ImageFont.truetype(os.path.join(SCHRIFT, name), groesse)


def text_mitte(d, text, font, farbe, mitte=(B * S / 2, H * S / 2), umriss=0, umrissfarbe=None):
    d.text(mitte, text, font=font, fill=farbe, anchor="mm", stroke_width=umriss, stroke_fill=umrissfarbe)


def stern(d, cx, cy, r_aussen, r_innen, farbe, zacken=5, drehung=-90):
    punkte = []
    for i in range(zacken * 2):
        r = r_aussen if i % 2 == 0 else r_innen
        w = math.radians(drehung + i * 180 / zacken)
        punkte.append((cx + r * math.cos(w), cy + r * math.sin(w)))
    d.polygon(punkte, fill=farbe)


# --- systems of units ---------------------------------------------------------------------------

def si_einheit():
    bild = leinwand((24, 62, 138))
    d = ImageDraw.Draw(bild)
    text_mitte(d, "SI", schrift("LiberationSans-Bold.ttf", 15 * S), (255, 255, 255), (B * S / 2, H * S / 2 + 3))
    return bild


def internationale_einheit():
    bild = leinwand((214, 232, 246))
    d = ImageDraw.Draw(bild)
    cx, cy, r = B * S / 2, H * S / 2, 7 * S
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(40, 110, 190))
    # land masses, kept simple
    d.ellipse([cx - 4.5 * S, cy - 4.5 * S, cx - 0.5 * S, cy + 1 * S], fill=(70, 160, 80))
    d.ellipse([cx + 0.5 * S, cy - 2 * S, cx + 5 * S, cy + 4.5 * S], fill=(70, 160, 80))
    linie = (235, 245, 255)
    w = S // 2
    d.ellipse([cx - r, cy - r, cx + r, cy + r], outline=linie, width=w)
    d.ellipse([cx - r * 0.45, cy - r, cx + r * 0.45, cy + r], outline=linie, width=w)
    d.line([cx, cy - r, cx, cy + r], fill=linie, width=w)
    d.line([cx - r, cy, cx + r, cy], fill=linie, width=w)
    for y in (-0.55, 0.55):
        halb = r * math.sqrt(1 - y * y)
        d.line([cx - halb, cy + y * r, cx + halb, cy + y * r], fill=linie, width=w)
    return bild


def englisches_system():
    blau, rot, weiss = (1, 33, 105), (200, 16, 46), (255, 255, 255)
    bild = leinwand(blau)
    d = ImageDraw.Draw(bild)
    b, h = B * S, H * S
    d.line([0, 0, b, h], fill=weiss, width=3 * S)
    d.line([0, h, b, 0], fill=weiss, width=3 * S)
    d.line([0, 0, b, h], fill=rot, width=S)
    d.line([0, h, b, 0], fill=rot, width=S)
    d.rectangle([b / 2 - 3 * S, 0, b / 2 + 3 * S, h], fill=weiss)
    d.rectangle([0, h / 2 - 3 * S, b, h / 2 + 3 * S], fill=weiss)
    # the "E" of the English system in the middle of the cross
    d.rectangle([b / 2 - 5 * S, h / 2 - 7 * S, b / 2 + 5 * S, h / 2 + 7 * S], fill=weiss)
    text_mitte(d, "E", schrift("LiberationSans-Bold.ttf", 15 * S), rot, (b / 2, h / 2 + 3))
    return bild


def eigene_einheit():
    bild = leinwand((255, 246, 204))
    d = ImageDraw.Draw(bild)
    stern(d, 8 * S, 8 * S, 6.5 * S, 2.7 * S, (236, 170, 20))
    # a pencil, lying from lower left to upper right
    winkel = math.radians(-28)
    ux, uy = math.cos(winkel), math.sin(winkel)  # along the pencil
    nx, ny = -uy, ux  # across
    mx, my, halbe = 21 * S, 8.5 * S, 1.9 * S

    def punkt(t, q):
        return (mx + ux * t + nx * q, my + uy * t + ny * q)

    d.polygon([punkt(-11 * S, -halbe), punkt(-9 * S, -halbe), punkt(-9 * S, halbe), punkt(-11 * S, halbe)],
              fill=(232, 120, 150))  # eraser
    d.polygon([punkt(-9 * S, -halbe), punkt(-8 * S, -halbe), punkt(-8 * S, halbe), punkt(-9 * S, halbe)],
              fill=(170, 170, 170))  # ferrule
    d.polygon([punkt(-8 * S, -halbe), punkt(6 * S, -halbe), punkt(6 * S, halbe), punkt(-8 * S, halbe)],
              fill=(250, 190, 30))  # body
    d.polygon([punkt(6 * S, -halbe), punkt(10.5 * S, 0), punkt(6 * S, halbe)], fill=(235, 200, 150))  # wood
    d.polygon([punkt(9 * S, -halbe * 0.33), punkt(10.5 * S, 0), punkt(9 * S, halbe * 0.33)], fill=(50, 50, 50))
    return bild


def sonstige_einheit():
    bild = neutral()
    d = ImageDraw.Draw(bild)
    text_mitte(d, "?", schrift("LiberationSans-Bold.ttf", 15 * S), (90, 90, 90), (B * S / 2, H * S / 2 + 3))
    return bild


def neutral():
    return leinwand((226, 226, 226))


# --- historical states --------------------------------------------------------------------------

def aegypten_antik():
    bild = leinwand((120, 175, 225))
    d = ImageDraw.Draw(bild)
    sand = (222, 190, 110)
    d.rectangle([0, 12 * S, B * S, H * S], fill=sand)
    d.ellipse([24 * S, 1.5 * S, 29 * S, 6.5 * S], fill=(255, 210, 60))  # sun
    hell, dunkel = (226, 176, 70), (170, 120, 40)
    for spitze_x, basis, hoehe in ((12 * S, 10 * S, 9.5 * S), (21 * S, 6 * S, 6 * S)):
        d.polygon([(spitze_x - basis, 13 * S), (spitze_x, 13 * S - hoehe), (spitze_x, 13 * S)], fill=hell)
        d.polygon([(spitze_x, 13 * S - hoehe), (spitze_x + basis, 13 * S), (spitze_x, 13 * S)], fill=dunkel)
    return bild


def arabien():
    # Flag of the Arab Revolt (1916): black, green, white, with a red triangle at the hoist.
    bild = streifen([(0, 0, 0), (0, 122, 61), (255, 255, 255)])
    d = ImageDraw.Draw(bild)
    d.polygon([(0, 0), (13 * S, H * S / 2), (0, H * S)], fill=(206, 17, 38))
    return bild


def baden():
    # Grand Duchy of Baden: yellow, red, yellow.
    return streifen([(255, 213, 0), (220, 20, 30), (255, 213, 0)])


def bayern():
    # Kingdom of Bavaria: white and blue lozenges (a checkerboard turned on its corner).
    bild = leinwand((255, 255, 255))
    d = ImageDraw.Draw(bild)
    blau = (0, 150, 215)
    bw, bh = 10 * S, 8 * S
    for i in range(-1, 5):
        for j in range(-1, 4):
            cx, cy = i * bw + S, j * bh
            d.polygon([(cx - bw / 2, cy), (cx, cy - bh / 2), (cx + bw / 2, cy), (cx, cy + bh / 2)], fill=blau)
    return bild


def preussen():
    # Prussia: black over white.
    return streifen([(0, 0, 0), (255, 255, 255)])


def sachsen():
    # Saxony: white over green.
    return streifen([(255, 255, 255), (0, 150, 70)])


def griechenland_antik():
    # Red-figure pottery: a black meander above and below a terracotta field.
    terrakotta, schwarz = (200, 100, 45), (25, 20, 20)
    bild = leinwand(terrakotta)
    px_gross = ImageDraw.Draw(bild)
    # one period of the meander, 6 x 5 pixels (1 = black)
    muster = ["111111",
              "100001",
              "101101",
              "101001",
              "101111"]
    for oben in (0, 11):
        for x in range(B):
            for y in range(5):
                zeile = muster[y] if oben == 0 else muster[4 - y]
                if zeile[x % 6] == "1":
                    px_gross.rectangle([x * S, (oben + y) * S, (x + 1) * S - 1, (oben + y + 1) * S - 1],
                                       fill=schwarz)
    # an amphora in the middle band
    d = px_gross
    cx = B * S / 2
    d.ellipse([cx - 2.2 * S, 5.5 * S, cx + 2.2 * S, 10.5 * S], fill=schwarz)
    d.rectangle([cx - 0.8 * S, 5 * S, cx + 0.8 * S, 6.5 * S], fill=schwarz)
    return bild


def israel_antik():
    # A golden seven-branched lampstand on deep blue.
    bild = leinwand((28, 38, 110))
    d = ImageDraw.Draw(bild)
    gold = (230, 185, 60)
    cx, oben, w = B * S / 2, 3.5 * S, S
    for i, r in enumerate((2.2 * S, 4.4 * S, 6.6 * S)):
        d.arc([cx - r, oben - r + 0.5 * S, cx + r, oben + r + 0.5 * S], 0, 180, fill=gold, width=w)
        for x in (cx - r, cx + r):
            d.ellipse([x - 0.6 * S, 1 * S, x + 0.6 * S, 2.6 * S], fill=(255, 120, 40))  # flames
    d.ellipse([cx - 0.6 * S, 1 * S, cx + 0.6 * S, 2.6 * S], fill=(255, 120, 40))
    d.rectangle([cx - w / 2, oben, cx + w / 2, 12.5 * S], fill=gold)
    d.polygon([(cx - 3.5 * S, 14.5 * S), (cx, 12 * S), (cx + 3.5 * S, 14.5 * S)], fill=gold)
    return bild


def jugoslawien():
    # Socialist Federal Republic of Yugoslavia: blue, white, red, with a red star edged in gold.
    bild = streifen([(0, 56, 147), (255, 255, 255), (222, 0, 0)])
    d = ImageDraw.Draw(bild)
    stern(d, B * S / 2, H * S / 2 + 0.6 * S, 6.6 * S, 2.8 * S, (252, 209, 22))
    stern(d, B * S / 2, H * S / 2 + 0.6 * S, 5.4 * S, 2.2 * S, (222, 0, 0))
    return bild


def roemisches_reich():
    # A legion's vexillum: crimson cloth, golden letters and fringe.
    bild = leinwand((150, 20, 25))
    d = ImageDraw.Draw(bild)
    gold = (240, 195, 60)
    d.rectangle([0, 0, B * S, 1 * S], fill=gold)
    for x in range(0, B * S, 2 * S):
        d.rectangle([x, 14 * S, x + S, H * S], fill=gold)
    text_mitte(d, "SPQR", schrift("LiberationSerif-Bold.ttf", 11 * S), gold, (B * S / 2, 7.6 * S))
    return bild


EIGENE = {
    1: si_einheit, 2: internationale_einheit, 3: englisches_system, 4: eigene_einheit, 5: sonstige_einheit,
    22: aegypten_antik, 26: arabien, 37: baden, 38: bayern, 39: preussen, 40: sachsen, 53: griechenland_antik,
    61: israel_antik, 64: jugoslawien, 79: roemisches_reich,
}


def main():
    os.makedirs(ZIEL, exist_ok=True)
    alle = set(FLAGGEN) | set(EIGENE) | set(LEERE_ZEILEN)
    if alle != set(range(1, 92)) or len(FLAGGEN) + len(EIGENE) + len(LEERE_ZEILEN) != 91:
        sys.exit("jede LandNr 1..91 braucht genau ein Bild")
    for land in range(1, 92):
        if land in FLAGGEN:
            bild = nationalflagge(*FLAGGEN[land])
        elif land in EIGENE:
            bild = verkleinern(EIGENE[land]())
        else:
            bild = verkleinern(neutral())
        rand(bild).save(os.path.join(ZIEL, f"{land:02d}.png"), optimize=True)
    # for a LandNr outside the table
    rand(verkleinern(neutral())).save(os.path.join(ZIEL, "neutral.png"), optimize=True)
    namen = [f"{land:02d}.png" for land in range(1, 92)] + ["neutral.png"]
    with open(os.path.join(ZIEL, "..", "flaggen.qrc"), "w", encoding="utf-8") as qrc:
        qrc.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n  <qresource prefix="/flaggen">\n')
        for name in namen:
            qrc.write(f'    <file alias="{name}">flaggen/{name}</file>\n')
        qrc.write("  </qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()

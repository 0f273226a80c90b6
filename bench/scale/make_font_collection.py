#!/usr/bin/python3
"""Writes a collection of generated font families for measuring at scale.

Usage: make_font_collection.py OUTDIR COUNT

OUTDIR gets COUNT TrueType files, each one face of a family of its own
("Scale Family 000001" ...), with glyphs for the printable codes 32-126 and
160-255, and fonts.conf: a fontconfig configuration of the machine's fonts
plus these (and OUTDIR/extra, when present). Point FONTCONFIG_FILE at it.
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

MARK = "QZQZQZ"  # replaced by the file's number in every name record


def glyph(width):
    pen = TTGlyphPen(None)
    pen.moveTo((50, 0))
    pen.lineTo((50, 700))
    pen.lineTo((width - 50, 700))
    pen.lineTo((width - 50, 0))
    pen.closePath()
    return pen.glyph()


def template():
    codes = list(range(33, 127)) + list(range(161, 256))
    order = [".notdef", "space"] + [f"g{c}" for c in codes]
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(order)
    cmap = {32: "space", 160: "space"}
    cmap.update({c: f"g{c}" for c in codes})
    fb.setupCharacterMap(cmap)
    glyphs = {name: glyph(500 + (i % 7) * 40) for i, name in enumerate(order)}
    glyphs["space"] = TTGlyphPen(None).glyph()
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics({name: (600, 50) for name in order})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    family = f"Scale Family {MARK}"
    fb.setupNameTable({
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": f"Glyphary scale: {MARK}",
        "fullName": f"{family} Regular",
        "psName": f"ScaleFamily{MARK}-Regular",
        "version": "Version 1.000",
    })
    fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200)
    fb.setupPost()
    path = "/tmp/glyphary-scale-template.ttf"
    fb.save(path)
    with open(path, "rb") as f:
        return f.read()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    out, count = sys.argv[1], int(sys.argv[2])
    fonts = os.path.join(out, "fonts")
    os.makedirs(fonts, exist_ok=True)
    data = template()
    mac, win = MARK.encode("ascii"), MARK.encode("utf-16-be")
    for i in range(1, count + 1):
        number = f"{i:06d}"
        body = data.replace(mac, number.encode("ascii")).replace(win, number.encode("utf-16-be"))
        with open(os.path.join(fonts, f"scale-{number}.ttf"), "wb") as f:
            f.write(body)
    extra = os.path.join(out, "extra")
    with open(os.path.join(out, "fonts.conf"), "w") as f:
        f.write(f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>{fonts}</dir>
  <dir>{extra}</dir>
  <cachedir>{os.path.join(out, "cache")}</cachedir>
</fontconfig>
""")


if __name__ == "__main__":
    main()

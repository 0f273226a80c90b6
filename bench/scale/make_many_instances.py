#!/usr/bin/python3
"""Writes a variable font with COUNT named instances (500 names among them) along a wght and a wdth
axis, for timing what lists them: make_many_instances.py OUT.ttf COUNT"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables.TupleVariation import TupleVariation


def main(out, count):
    fb = FontBuilder(1000, isTTF=True)
    glyphs = [".notdef", "space", "H"]
    fb.setupGlyphOrder(glyphs)
    fb.setupCharacterMap({32: "space", 72: "H"})
    pen = TTGlyphPen(None)
    for x0, x1 in ((50, 150), (450, 550)):
        pen.moveTo((x0, 0)); pen.lineTo((x0, 700)); pen.lineTo((x1, 700)); pen.lineTo((x1, 0)); pen.closePath()
    h = pen.glyph()
    fb.setupGlyf({".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph(), "H": h})
    fb.setupHorizontalMetrics({".notdef": (600, 0), "space": (300, 0), "H": (600, 50)})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable({"familyName": "Bench Many", "styleName": "Regular"})
    fb.setupOS2(usWeightClass=400)
    fb.setupPost()
    axes = [("wght", 100, 400, 900, "Weight"), ("wdth", 50, 100, 200, "Width")]
    instances = []
    for i in range(count):
        w = 100 + 800 * (i % 97) / 96
        d = 50 + 150 * (i // 97 % 89) / 88
        instances.append(dict(location=dict(wght=round(w, 2), wdth=round(d, 2)),
                              stylename="Style %d" % (i % 500 + 1)))
    fb.setupFvar(axes, instances)
    deltas = [(50, 0)] * 8 + [(0, 0), (100, 0), (0, 0), (0, 0)]
    fb.setupGvar({"H": [TupleVariation({"wght": (0, 1, 1)}, deltas)],
                  ".notdef": [], "space": []})
    fb.save(out)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))

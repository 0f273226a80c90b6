#!/usr/bin/env python3
"""Prints what fontTools and fc-query read from one face of a font file, as
JSON, for comparing with the font details.

Usage: font_facts.py FILE INDEX
"""
import json
import subprocess
import sys

from fontTools.ttLib import TTFont


def main():
    path, index = sys.argv[1], int(sys.argv[2])
    font = TTFont(path, fontNumber=index, lazy=True)
    names = {}
    for name_id in range(15):
        text = font["name"].getDebugName(name_id)
        if text:
            names[name_id] = text.replace("\r\n", "\n").strip()
    cmap = font.getBestCmap() or {}
    query = subprocess.run(["fc-query", "-i", str(index), "--format", "%{fontformat}\t%{lang}",
                            path], check=True, capture_output=True, text=True).stdout
    fontformat, langs = query.split("\t")
    print(json.dumps({
        "names": names,
        "glyphs": font["maxp"].numGlyphs,
        "characters": len(cmap),
        "basicLatin": sum(1 for c in cmap if c < 0x80),
        "format": fontformat,
        "languages": sorted(l for l in langs.split("|") if l),
    }))


if __name__ == "__main__":
    main()

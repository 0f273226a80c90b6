#!/usr/bin/env python3
"""Writes one family of 20 faces ("Bench Twenty", styles Style 01 ... Style 20)
into OUTDIR, for timing the font details of a large family.

Usage: make_twenty_faces.py OUTDIR
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "data"))
from make_test_fonts import build, face  # noqa: E402


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for i in range(1, 21):
        style = f"Style {i:02d}"
        build(os.path.join(out, f"BenchTwenty-{i:02d}.ttf"),
              face("Bench Twenty", style, weight=100 + 40 * i, designer="Bench Designer",
                   licenseInfoURL="https://example.org/license"))


if __name__ == "__main__":
    main()

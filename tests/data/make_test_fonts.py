#!/usr/bin/env python3
"""Writes the fonts the font backend tests run against.

Usage: make_test_fonts.py OUTDIR
OUTDIR/fonts gets the fonts of the test configuration, OUTDIR/extra fonts
that only temporary loading or copying makes known, OUTDIR/broken variable
fonts with broken variation tables, OUTDIR/coverage families
with characters in chosen blocks, OUTDIR/find families that write chosen
scripts, for finding fonts by what they can write.
"""
import os
import struct
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4

UPM = 1000
ASCENT = 800
DESCENT = 200

# fsSelection and macStyle bits
ITALIC, BOLD, REGULAR = 0x01, 0x20, 0x40
MAC_BOLD, MAC_ITALIC = 0x01, 0x02


def face(family, style, weight=400, italic=False, full=None, typo=None, bold=None,
         cff=False, symbol=False, chars=None, extra=(), **names):
    """One face: its names (fontBuilder keys, or nameIDs), weight class and
    style bits. bold defaults to what the weight says; chars, when given, are
    the code points it maps, None in it for no character map at all; extra are
    code points beyond Latin-1 and Latin Extended-A."""
    full = full or f"{family} {style}"
    table = {
        "familyName": family,
        "styleName": style,
        "uniqueFontIdentifier": f"Glyphary test: {full}",
        "fullName": full,
        "psName": full.encode("ascii", "ignore").decode().replace(" ", ""),
        "version": "Version 1.000",
    }
    if typo:
        table["typographicFamily"], table["typographicSubfamily"] = typo
    table.update(names)
    return dict(names=table, weight=weight, italic=italic,
                bold=weight >= 600 if bold is None else bold, cff=cff, symbol=symbol,
                chars=chars, extra=extra)


def draw_h(pen):
    # An "H": two stems and a bar, so that emboldening and slanting show.
    for (x0, y0, x1, y1) in ((80, 0, 200, 700), (400, 0, 520, 700), (200, 300, 400, 400)):
        pen.moveTo((x0, y0))
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()


def build(path, spec):
    cff, symbol = spec["cff"], spec["symbol"]
    fb = FontBuilder(UPM, isTTF=not cff)
    order = [".notdef", "space", "H"]
    fb.setupGlyphOrder(order)
    if spec["chars"] is not None:
        mapping = {c: "H" for c in spec["chars"] if c is not None}
    elif symbol:
        mapping = {0xF020: "space"}
        mapping.update({0xF000 + c: "H" for c in range(0x21, 0x100)})
    else:
        mapping = {0x20: "space"}
        mapping.update({c: "H" for c in range(0x21, 0x7F)})
        mapping.update({c: "H" for c in range(0xA0, 0x180)})
        mapping.update({c: "H" for c in spec["extra"]})
    fb.setupCharacterMap(mapping)
    if symbol:
        sub = cmap_format_4(4)
        sub.platformID, sub.platEncID, sub.language = 3, 0, 0
        sub.cmap = mapping
        fb.font["cmap"].tables = [sub]
    widths = {".notdef": 600, "space": 300, "H": 600}
    if cff:
        strings = {}
        for g in order:
            pen = T2CharStringPen(widths[g], None)
            if g != "space":
                draw_h(pen)
            strings[g] = pen.getCharString()
        names = spec["names"]
        fb.setupCFF(names["psName"], {"FullName": names["fullName"]}, strings, {})
        lsb = {g: (cs.calcBounds(None) or (0,))[0] for g, cs in strings.items()}
    else:
        glyphs = {}
        for g in order:
            pen = TTGlyphPen(None)
            if g != "space":
                draw_h(pen)
            glyphs[g] = pen.glyph()
        fb.setupGlyf(glyphs)
        lsb = {g: getattr(fb.font["glyf"][g], "xMin", 0) for g in order}
    fb.setupHorizontalMetrics({g: (widths[g], lsb[g]) for g in order})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable(spec["names"], mac=False)
    bold, italic = spec["bold"], spec["italic"]
    selection = (BOLD if bold else 0) | (ITALIC if italic else 0)
    fb.setupOS2(usWeightClass=spec["weight"], fsSelection=selection or REGULAR,
                sTypoAscender=ASCENT, sTypoDescender=-DESCENT,
                usWinAscent=ASCENT, usWinDescent=DESCENT)
    fb.updateHead(macStyle=(MAC_BOLD if bold else 0) | (MAC_ITALIC if italic else 0))
    fb.setupPost(italicAngle=-12 if italic else 0)
    if spec["chars"] is not None and None in spec["chars"]:
        del fb.font["cmap"]
    fb.save(path)


def build_variable(path):
    # Named instances only; the outlines don't vary.
    build(path, face("Test Vary", "Regular"))
    fb = FontBuilder(font=TTFont(path))
    fb.setupFvar(
        [("wght", 300, 400, 700, "Weight"), ("wdth", 75, 100, 100, "Width")],
        [dict(location=dict(wght=w, wdth=d), stylename=name)
         for name, w, d in (("Light", 300, 100), ("Regular", 400, 100), ("Bold", 700, 100),
                            ("Light Condensed", 300, 75), ("Bold Condensed", 700, 75))])
    fb.setupGvar({})
    fb.save(path)


def widening_gvar(font, fb):
    """Variations that widen the H with wght: at the top of the axis every x
    of the outline, the advance included, is three halves of the default's."""
    from fontTools.ttLib.tables.TupleVariation import TupleVariation
    glyf = font["glyf"]
    variations = {}
    for g in font.getGlyphOrder():
        coords = list(glyf[g].getCoordinates(glyf)[0]) if g != "space" else []
        advance = font["hmtx"][g][0]
        deltas = [(x // 2, 0) for x, _ in coords] + [(0, 0), (advance // 2, 0), (0, 0), (0, 0)]
        variations[g] = [TupleVariation({"wght": (0, 1, 1)}, deltas)]
    fb.setupGvar(variations)


def build_flexing(path, cff2=False, family=None, axes=None, instances=None):
    """A variable font whose H widens with its weight: at wght 900 every x of
    the outline, the advance included, is three halves of the default's.
    axes are (tag, minimum, default, maximum, name), instances (name, {tag: value})."""
    family = family or ("Test Flex CFF2" if cff2 else "Test Flex")
    build(path, face(family, "Regular", cff=cff2))
    font = TTFont(path)
    fb = FontBuilder(font=font)
    axes = axes or [("wght", 100, 400, 900, "Weight"), ("opsz", 8, 12, 72, "Optical size")]
    if instances is None:
        instances = [(name, dict(wght=w, opsz=12))
                     for name, w in (("Thin", 100), ("Regular", 400), ("Black", 900))]
    defaults = {axis[0]: axis[2] for axis in axes}
    fb.setupFvar(axes, [dict(location={**defaults, **at}, stylename=name)
                        for name, at in instances])
    if cff2:
        # CFF2 outlines, unvarying: what an instancer without CFF2 support meets.
        strings = {}
        for g in font.getGlyphOrder():
            pen = T2CharStringPen(None, None, CFF2=True)
            if g != "space":
                draw_h(pen)
            strings[g] = pen.getCharString()
        del font["CFF "]
        fb.setupCFF2(strings)
    else:
        widening_gvar(font, fb)
    font.save(path)
    return font


def table_start(data, tag):
    for record in range(struct.unpack_from(">H", data, 4)[0]):
        if data[12 + 16 * record:16 + 16 * record] == tag.encode():
            return struct.unpack_from(">I", data, 20 + 16 * record)[0]
    raise KeyError(tag)


def damaged(path, tag, change):
    """Rewrites the file with change(data, start) applied to the bytes of its
    table tag, where fontTools would refuse to write them."""
    with open(path, "rb") as f:
        data = bytearray(f.read())
    change(data, table_start(data, tag))
    with open(path, "wb") as f:
        f.write(data)


def build_broken(folder):
    """Variable fonts with broken variation tables, one fault each."""
    def flex(name, **kwargs):
        path = os.path.join(folder, name + ".ttf")
        return path, build_flexing(path, family="Test Broken " + name, **kwargs)

    # wght's range upside down, opsz sound.
    flex("Range", axes=[("wght", 900, 400, 100, "Weight"), ("opsz", 8, 12, 72, "Optical size")])
    # No axes, but instances and variations that have some.
    path, _ = flex("NoAxes")
    damaged(path, "fvar", lambda d, at: struct.pack_into(">H", d, at + 8, 0))
    # wght twice, the second time with another range.
    flex("Twice", axes=[("wght", 100, 400, 900, "Weight"), ("wght", 400, 400, 500, "Weight again")],
         instances=[])
    # Two hundred axes, wght the first.
    flex("ManyAxes", axes=[("wght", 100, 400, 900, "Weight")]
         + [(f"X{n:03}", 0, 0, 100, f"Axis {n}") for n in range(1, 200)],
         instances=[("Black", dict(wght=900))])
    # Instances beyond every axis's range, one naming a string the font lacks.
    path, _ = flex("Instances", instances=[("Beyond", dict(wght=5000, opsz=-3)),
                                           ("Nameless", dict(wght=700, opsz=12))])
    def unnamed(d, at):
        # The second instance record's subfamily name ID: past the header and
        # the two axis records, one instance record of 4 + 2 * 4 bytes on.
        struct.pack_into(">H", d, at + 16 + 2 * 20 + 12, 32767)
    damaged(path, "fvar", unnamed)
    # More instances counted than the table holds.
    path, _ = flex("InstanceCount")
    damaged(path, "fvar", lambda d, at: struct.pack_into(">H", d, at + 12, 0xFFFF))
    # Sixty-four instances, all sound, many sharing a name.
    flex("SixtyFour", instances=[(("Thin", "Regular", "Bold", "Black")[n % 4],
                                  dict(wght=100 + n * 800 / 63, opsz=12)) for n in range(64)])
    # An avar whose first segment map counts more entries than it holds.
    from fontTools.ttLib import newTable
    path, font = flex("Avar")
    font["avar"] = newTable("avar")
    font["avar"].segments = {"wght": {-1: -1, 0: 0, 0.5: 0.8, 1: 1},
                             "opsz": {-1: -1, 0: 0, 1: 1}}
    font.save(path)
    damaged(path, "avar", lambda d, at: struct.pack_into(">H", d, at + 8, 0xFFFF))
    # Variations of the H counting 4095 tuples that run past its data.
    def tuples(d, at):
        long_offsets = struct.unpack_from(">H", d, at + 14)[0] & 1
        array = at + struct.unpack_from(">I", d, at + 16)[0]
        offset = (struct.unpack_from(">I", d, at + 20 + 4 * 2)[0] if long_offsets
                  else 2 * struct.unpack_from(">H", d, at + 20 + 2 * 2)[0])
        struct.pack_into(">H", d, array + offset, 0x8FFF)
    damaged(flex("Gvar")[0], "gvar", tuples)
    # An HVAR whose variation store lies past the end of the file.
    path, font = flex("Hvar")
    from fontTools.ttLib.tables import otTables
    from fontTools.varLib import builder
    tags = ["wght", "opsz"]
    hvar = otTables.HVAR()
    hvar.Version = 0x00010000
    regions = builder.buildVarRegionList([{"wght": (0, 1, 1)}], tags)
    widths = [[font["hmtx"][g][0] // 2] for g in font.getGlyphOrder()]
    hvar.VarStore = builder.buildVarStore(regions, [builder.buildVarData([0], widths)])
    hvar.AdvWidthMap = hvar.LsbMap = hvar.RsbMap = None
    font["HVAR"] = newTable("HVAR")
    font["HVAR"].table = hvar
    font.save(path)
    damaged(path, "HVAR", lambda d, at: struct.pack_into(">I", d, at + 4, 0x7FFFFFF0))


BDF = """STARTFONT 2.1
FONT -glyphary-Test Pixel-Medium-R-Normal--10-100-75-75-C-60-ISO10646-1
SIZE 10 75 75
FONTBOUNDINGBOX 6 10 0 -2
STARTPROPERTIES 4
FAMILY_NAME "Test Pixel"
WEIGHT_NAME "Medium"
SLANT "R"
FONT_ASCENT 8
ENDPROPERTIES
CHARS 1
STARTCHAR H
ENCODING 72
SWIDTH 600 0
DWIDTH 6 0
BBX 6 10 0 -2
BITMAP
00
84
84
FC
84
84
00
00
00
00
ENDCHAR
ENDFONT
"""


FONTS = {
    # A complete TrueType family.
    "TestSans-Regular.ttf": face("Test Sans", "Regular"),
    "TestSans-Bold.ttf": face("Test Sans", "Bold", 700),
    "TestSans-Italic.ttf": face("Test Sans", "Italic", italic=True),
    "TestSans-BoldItalic.ttf": face("Test Sans", "Bold Italic", 700, italic=True),
    # Shares its typographic family with Test Sans, as light weights do.
    "TestSans-Light.ttf": face("Test Sans Light", "Regular", 300, full="Test Sans Light",
                               typo=("Test Sans", "Light")),
    "TestSans-LightItalic.ttf": face("Test Sans Light", "Italic", 300, italic=True,
                                     full="Test Sans Light Italic",
                                     typo=("Test Sans", "Light Italic")),
    # A WWS family equal to the legacy one, which fontconfig then lists once.
    "TestSansWide.ttf": face("Test Sans Wide", "Regular", full="Test Sans Wide",
                             typo=("Test Sans", "Wide"), wwsFamilyName="Test Sans Wide",
                             wwsSubfamilyName="Regular"),
    # A legacy name that fontconfig drops as equal, but for blanks, to the
    # typographic one.
    "TestNoSpace.ttf": face("Test NoSpace", "Regular", full="Test No Space Regular",
                            typo=("Test No Space", "Regular")),
    # A bold face whose weight class says regular.
    "TestMarked-Regular.ttf": face("Test Marked", "Regular"),
    "TestMarked-Bold.ttf": face("Test Marked", "Bold", 400, bold=True),
    # Style names a program can't show.
    "TestOdd-W3.ttf": face("Test Odd", "W3"),
    "TestOdd-BoldCondensed.ttf": face("Test Odd", "Bold-Condensed", 700),
    "TestOdd-Italico.ttf": face("Test Odd", "Itálico", italic=True),
    "TestOdd-Omega.ttf": face("Test Odd", "Ωmega", 700, italic=True),
    # No bold: a bold request gets the regular face emboldened.
    "TestPlain-Regular.ttf": face("Test Plain", "Regular"),
    "TestPlain-Italic.ttf": face("Test Plain", "Italic", italic=True),
    # English and German names.
    "TestLingua-Regular.ttf": face({"en": "Test Lingua", "de": "Testsprache"},
                                   {"en": "Regular", "de": "Standard"},
                                   full="Test Lingua Regular"),
    # CFF outlines.
    "TestBook-Regular.otf": face("Test Book", "Regular", cff=True),
    "TestBook-Bold.otf": face("Test Book", "Bold", 700, cff=True),
    # A Microsoft symbol charmap.
    "TestSymbol.ttf": face("Test Symbol", "Regular", symbol=True),
}

EXTRA = {
    "TestExtra.ttf": face("Test Extra", "Regular"),
    "TestLate.ttf": face("Test Late", "Regular"),
    # A full name too long to ask for as a face name.
    "TestLongName-BoldItalic.ttf": face("Test Preview Long Family Name", "Bold Italic", 700,
                                        italic=True),
}


# Characters in several blocks, in the folder "coverage": Cyrillic capitals
# and small letters, one of Greek and an unassigned code beside it, a
# currency sign, a private-use code and one above U+FFFF.
COVERAGE = {
    "TestCyrillic.ttf": face("Test Cyrillic", "Regular",
                             chars=[*range(0x20, 0x7F), *range(0x410, 0x450), 0x3B1, 0x378,
                                    0x20B9, 0xE000, 0x1F600]),
    "TestNoCmap.ttf": face("Test No Cmap", "Regular", chars=[None]),
}

CYRILLIC = range(0x400, 0x460)
# The letters, tone marks and dong sign Vietnamese needs beyond Latin-1.
VIETNAMESE = [*range(0x1A0, 0x1B1), *range(0x300, 0x304), 0x306, 0x309, 0x31B, 0x323,
              *range(0x1EA0, 0x1EFA), 0x20AB]
RUPEE, MATH_BOLD_A, GRINNING = 0x20B9, 0x1D400, 0x1F600

FIND = {
    "TestCafeSerif-Regular.ttf": face("Test Café Serif", "Regular", extra=CYRILLIC),
    "TestCafeSerif-Bold.ttf": face("Test Café Serif", "Bold", 700, extra=CYRILLIC),
    "TestCyrillicSans.otf": face("Test Cyrillic Sans", "Regular", cff=True, extra=CYRILLIC),
    "TestVietSerif-Regular.ttf": face("Test Việt Serif", "Regular", extra=VIETNAMESE),
    # Only the italic has the rupee sign.
    "TestVietSerif-Italic.ttf": face("Test Việt Serif", "Italic", italic=True,
                                     extra=[*VIETNAMESE, RUPEE]),
    "TestSigns.ttf": face("TEST SIGNS", "Regular", extra=[RUPEE, MATH_BOLD_A, GRINNING]),
}


# Every name the font details show, in the folder "details".
DETAILS = face("Test Details", "Regular", copyright="© 2024 Glyphary Testers",
               trademark="Test Details is a mark of nobody", manufacturer="Glyphary Foundry",
               designer="Zoë Ångström", description="A face that states every name.\nTwo lines.",
               vendorURL="https://foundry.example.org/", designerURL="designer.example.org",
               licenseDescription="Free to use, embed and change.",
               licenseInfoURL="https://foundry.example.org/license")


def build_collection(path, folder):
    from fontTools.ttLib.ttCollection import TTCollection
    parts = []
    for name, spec in (("PairOne.ttf", face("Test Pair", "Regular")),
                       ("PairTwo.ttf", face("Test Pair", "Bold", 700, designer="Pair Designer"))):
        part = os.path.join(folder, name)
        build(part, spec)
        parts.append(part)
    collection = TTCollection()
    collection.fonts = [TTFont(p) for p in parts]
    collection.save(path)
    for part in parts:
        os.remove(part)


def build_type1(path, family, style, afm=None):
    """A Type 1 font of an H, written by hand: fontTools reads the format but
    does not make it. A .pfb in segments or a .pfa, by path's suffix."""
    from fontTools.misc import eexec
    from fontTools.misc.psCharStrings import T1CharString
    full, name = f"{family} {style}", (family + "-" + style).replace(" ", "")

    def charstring(program):
        c = T1CharString(program=program)
        c.compile()
        return eexec.encrypt(b"\0\0\0\0" + c.bytecode, 4330)[0]

    glyphs = {".notdef": [0, 500, "hsbw", "endchar"],
              "space": [0, 250, "hsbw", "endchar"],
              "H": [80, 600, "hsbw", 0, 0, "rmoveto", 120, 0, "rlineto", 0, 700, "rlineto",
                    -120, 0, "rlineto", "closepath", "endchar"]}
    clear = (f"%!PS-AdobeFont-1.0: {name} 001.000\n12 dict begin\n"
             f"/FontInfo 9 dict dup begin\n/version (001.000) readonly def\n"
             f"/FullName ({full}) readonly def\n/FamilyName ({family}) readonly def\n"
             f"/Weight ({style}) readonly def\n/ItalicAngle 0 def\n/isFixedPitch false def\n"
             f"end readonly def\n/FontName /{name} def\n/Encoding StandardEncoding def\n"
             f"/PaintType 0 def\n/FontType 1 def\n/FontMatrix [0.001 0 0 0.001 0 0] readonly def\n"
             f"/FontBBox {{0 0 600 700}} readonly def\ncurrentdict end\ncurrentfile eexec\n").encode()
    private = (b"dup /Private 8 dict dup begin\n/RD{string currentfile exch readstring pop}executeonly def\n"
               b"/ND{noaccess def}executeonly def\n/NP{noaccess put}executeonly def\n"
               b"/lenIV 4 def\n/MinFeature{16 16}def\n/password 5839 def\n/BlueValues [] def\n"
               b"/Subrs 0 array ND\n2 index /CharStrings 3 dict dup begin\n")
    for glyph, program in glyphs.items():
        data = charstring(program)
        private += b"/%s %d RD " % (glyph.encode(), len(data)) + data + b" ND\n"
    private += (b"end\nend\nreadonly put\nnoaccess put\ndup /FontName get exch definefont pop\n"
                b"mark currentfile closefile\n")
    binary = eexec.encrypt(b"\0\0\0\0" + private, 55665)[0]
    trailer = (b"0" * 64 + b"\n") * 8 + b"cleartomark\n"
    with open(path, "wb") as f:
        if path.endswith(".pfb"):
            for kind, data in ((1, clear), (2, binary), (1, trailer)):
                f.write(struct.pack("<BBI", 0x80, kind, len(data)) + data)
            f.write(b"\x80\x03")
        else:
            f.write(clear + binary.hex().encode() + b"\n" + trailer)
    if afm:
        with open(afm, "w", encoding="ascii") as f:
            f.write(f"StartFontMetrics 2.0\nFontName {name}\nFullName {full}\n"
                    f"FamilyName {family}\nWeight {style}\nItalicAngle 0\nIsFixedPitch false\n"
                    "FontBBox 0 0 600 700\nStartCharMetrics 3\n"
                    "C -1 ; WX 500 ; N .notdef ; B 0 0 0 0 ;\n"
                    "C 32 ; WX 250 ; N space ; B 0 0 0 0 ;\n"
                    "C 72 ; WX 600 ; N H ; B 80 0 200 700 ;\n"
                    "EndCharMetrics\nEndFontMetrics\n")


def build_kinds(folder, hostile):
    """Font files of every kind the Preview/Install page takes, made from
    generated fonts, and in hostile/ containers that lie, one lie each."""
    from fontTools.ttLib.ttCollection import TTCollection
    parts = []
    for name, spec in (("KindsOne.ttf", face("Test Kinds One", "Regular")),
                       ("KindsTwo.ttf", face("Test Kinds Two", "Bold", 700))):
        part = os.path.join(folder, name)
        build(part, spec)
        parts.append(part)
    collection = TTCollection()
    collection.fonts = [TTFont(p) for p in parts]
    collection.save(os.path.join(folder, "TestKinds.ttc"))
    for part in parts:
        os.remove(part)
    for name, spec, flavor in (
            ("TestWebWoff.woff", face("Test Web Woff", "Regular"), "woff"),
            ("TestWebTwo.woff2", face("Test Web Two", "Italic", italic=True), "woff2"),
            ("TestWebCff.woff2", face("Test Web Cff", "Regular", cff=True), "woff2")):
        plain = os.path.join(folder, name + ".plain")
        build(plain, spec)
        font = TTFont(plain)
        font.flavor = flavor
        font.save(os.path.join(folder, name))
        os.remove(plain)

    def read(name):
        with open(os.path.join(folder, name), "rb") as f:
            return bytearray(f.read())

    def write(name, data):
        with open(os.path.join(hostile, name), "wb") as f:
            f.write(data)

    woff2 = read("TestWebTwo.woff2")
    write("Cut.woff2", woff2[:len(woff2) // 2])
    corrupt = bytearray(woff2)
    for at in range(60, len(corrupt), 7):
        corrupt[at] ^= 0x5A
    write("Corrupt.woff2", corrupt)
    woff = read("TestWebWoff.woff")
    tables = struct.unpack_from(">H", woff, 12)[0]
    overlap = bytearray(woff)
    # The second table's data starts inside the first one's.
    first = struct.unpack_from(">I", overlap, 44 + 4)[0]
    struct.pack_into(">I", overlap, 44 + 20 + 4, first + 2)
    write("Overlap.woff", overlap)
    huge = bytearray(woff)
    for t in range(tables):
        struct.pack_into(">I", huge, 44 + 20 * t + 12, 0x7FFFFFF0)
    write("Huge.woff", huge)
    ttc = read("TestKinds.ttc")
    struct.pack_into(">I", ttc, 8, 0x80000000)
    write("Faces.ttc", ttc)
    build_type1(os.path.join(folder, "TestTypeOne.pfb"), "Test Type One", "Regular",
                afm=os.path.join(folder, "TestTypeOne.afm"))
    build_type1(os.path.join(folder, "TestTypeTwo.pfa"), "Test Type Two", "Bold")
    lying = read("TestTypeOne.pfb")
    struct.pack_into("<I", lying, 2, 0x7FFFFFFF)
    write("Lying.pfb", lying)


def main():
    out = sys.argv[1]
    for folder, fonts in (("fonts", FONTS), ("extra", EXTRA), ("coverage", COVERAGE), ("find", FIND)):
        os.makedirs(os.path.join(out, folder), exist_ok=True)
        for name, spec in fonts.items():
            build(os.path.join(out, folder, name), spec)
    build_variable(os.path.join(out, "fonts", "TestVary.ttf"))
    build_flexing(os.path.join(out, "extra", "TestFlex.ttf"))
    build_flexing(os.path.join(out, "extra", "TestFlexCFF2.otf"), cff2=True)
    os.makedirs(os.path.join(out, "broken"), exist_ok=True)
    build_broken(os.path.join(out, "broken"))
    details = os.path.join(out, "details")
    os.makedirs(details, exist_ok=True)
    build(os.path.join(details, "TestDetails.ttf"), DETAILS)
    build_collection(os.path.join(details, "TestPair.ttc"), details)
    for sub in ("kinds", "hostile"):
        os.makedirs(os.path.join(out, sub), exist_ok=True)
    build_kinds(os.path.join(out, "kinds"), os.path.join(out, "hostile"))
    with open(os.path.join(out, "fonts", "TestPixel.bdf"), "w", encoding="ascii") as f:
        f.write(BDF)


if __name__ == "__main__":
    main()

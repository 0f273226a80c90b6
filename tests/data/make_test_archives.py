#!/usr/bin/env python3
"""Writes archives of font files, and hostile ones, one lie each.

Usage: make_test_archives.py FONTS OUTDIR
FONTS is the "kinds" folder that make_test_fonts.py writes.
"""
import io
import os
import sys
import tarfile
import zipfile


def main():
    fonts, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)

    def font(name):
        with open(os.path.join(fonts, name), "rb") as f:
            return f.read()

    good = {"Family/TTF/TestKinds.ttc": font("TestKinds.ttc"),
            "Family/Web/TestWebTwo.woff2": font("TestWebTwo.woff2"),
            "TestWebWoff.woff": font("TestWebWoff.woff"),
            "readme.txt": b"Fonts for testing.\n"}
    with zipfile.ZipFile(os.path.join(out, "Good.zip"), "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in good.items():
            z.writestr(name, data)
    for mode, name in (("w:gz", "Good.tar.gz"), ("w:xz", "Good.tar.xz")):
        with tarfile.open(os.path.join(out, name), mode) as t:
            for entry, data in good.items():
                info = tarfile.TarInfo(entry)
                info.size = len(data)
                t.addfile(info, io.BytesIO(data))

    ttf = font("TestWebWoff.woff")
    with zipfile.ZipFile(os.path.join(out, "Escape.zip"), "w") as z:
        for name in ("../../x.ttf", "/etc/x.ttf", "..\\..\\y.ttf", "Fonts\\z.ttf"):
            info = zipfile.ZipInfo(name)
            info.filename = name  # as written, not as zipfile would clean it
            z.writestr(info, ttf)
        z.writestr("Inside.woff", ttf)
    with tarfile.open(os.path.join(out, "Links.tar"), "w") as t:
        info = tarfile.TarInfo("Plain.woff")
        info.size = len(ttf)
        t.addfile(info, io.BytesIO(ttf))
        info = tarfile.TarInfo("Back\\slash.ttf")
        info.size = len(ttf)
        t.addfile(info, io.BytesIO(ttf))
        for kind, name, target in ((tarfile.SYMTYPE, "Sym.ttf", "/etc/passwd"),
                                   (tarfile.LNKTYPE, "Hard.ttf", "Plain.woff")):
            info = tarfile.TarInfo(name)
            info.type, info.linkname = kind, target
            t.addfile(info)
    block = bytes(1 << 20)
    for name, entry in (("Bomb.zip", "Specimen.pdf"), ("Big.zip", "Huge.ttf")):
        with zipfile.ZipFile(os.path.join(out, name), "w", zipfile.ZIP_DEFLATED) as z:
            with z.open(entry, "w", force_zip64=True) as f:
                for _ in range(200):
                    f.write(block)
    with zipfile.ZipFile(os.path.join(out, "Many.zip"), "w") as z:
        for i in range(20001):
            z.writestr(f"d/{i}.txt", b"")
    inner = io.BytesIO()
    with zipfile.ZipFile(inner, "w") as z:
        z.writestr("Deep.woff", ttf)
    with zipfile.ZipFile(os.path.join(out, "Nested.zip"), "w") as z:
        z.writestr("Inner.zip", inner.getvalue())
    # The encryption flag set on an entry, in its local and central headers.
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as z:
        z.writestr("Secret.woff", ttf)
    data = bytearray(buffer.getvalue())
    for signature, flags in ((b"PK\x03\x04", 6), (b"PK\x01\x02", 8)):
        at = data.find(signature)
        data[at + flags] |= 1
    with open(os.path.join(out, "Encrypted.zip"), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()

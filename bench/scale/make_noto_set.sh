#!/usr/bin/env bash
# Unpacks Debian's Noto fonts into OUTDIR without installing them and writes
# fontconfig configurations for them: OUTDIR/noto.conf (the machine's fonts and
# Noto, about 2,000 families) and, given the folder of a generated collection
# (make_font_collection.py), OUTDIR/big.conf (the machine's, Noto and the
# generated fonts). Point FONTCONFIG_FILE at one of them.
#
# Usage: make_noto_set.sh OUTDIR [GENERATED_DIR]
set -euo pipefail
out=$(realpath -m "${1:?usage: make_noto_set.sh OUTDIR [GENERATED_DIR]}")
mkdir -p "$out/debs" "$out/noto"
(cd "$out/debs" && apt-get download fonts-noto-core fonts-noto-extra fonts-noto-ui-core \
    fonts-noto-ui-extra fonts-noto-mono fonts-noto-cjk)
for deb in "$out"/debs/*.deb; do dpkg-deb -x "$deb" "$out/noto"; done

conf() {  # name, font folders...
    local name=$1; shift
    {
        echo '<?xml version="1.0"?>'
        echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
        echo '<fontconfig>'
        echo '  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
        for dir in "$@"; do echo "  <dir>$dir</dir>"; done
        echo "  <cachedir>$out/cache-$name</cachedir>"
        echo '</fontconfig>'
    } > "$out/$name.conf"
    FONTCONFIG_FILE="$out/$name.conf" fc-cache
    echo "$out/$name.conf: $(FONTCONFIG_FILE="$out/$name.conf" fc-list : family | wc -l) faces"
}
conf noto "$out/noto/usr/share/fonts"
if [ $# -ge 2 ]; then
    conf big "$out/noto/usr/share/fonts" "$(realpath "$2")/fonts"
fi

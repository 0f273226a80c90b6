#!/usr/bin/env bash
# The installed menu entry, icon and software-centre metadata pass the freedesktop validators.
set -euo pipefail
build=$1 id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

# desktop-file-validate exits 0 on hints and warnings; any output is a finding.
findings=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1)
[[ -z $findings ]] || { echo "$findings"; exit 1; }
# File managers offer the program for font files, as the MIME cache they read
# says, and pass the chosen files as paths.
entry=$share/applications/$id.desktop
grep -qx 'Exec=glyphary %F' "$entry" || { echo "Exec takes no files"; exit 1; }
update-desktop-database "$share/applications"
for type in font/ttf font/otf font/collection font/sfnt application/x-font-ttf application/x-font-otf \
        font/woff font/woff2 application/x-font-type1; do
    grep -qx "$type=\(.*;\)\?$id.desktop;" "$share/applications/mimeinfo.cache" \
        || { echo "not offered for $type"; exit 1; }
done
appstreamcli validate --no-net --strict "$share/metainfo/$id.metainfo.xml"
# The tree as a software centre reads it: the launchable entry and its icon.
appstreamcli validate-tree --no-net --strict "$root/usr"
[[ -s $share/icons/hicolor/scalable/apps/$id.svg ]]

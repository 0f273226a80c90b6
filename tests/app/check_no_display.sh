#!/usr/bin/env bash
# Without a display that opens, the program says so and ends with 1 instead of
# Qt's abort; the command line is still answered.
set -uo pipefail
program=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
# name | environment beyond no DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM | argument | exit code | stderr holds
while IFS='|' read -r name environment argument code said; do
    # shellcheck disable=SC2086 # the environment is words
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp" XDG_CONFIG_HOME="$tmp" \
        XDG_STATE_HOME="$tmp" $environment timeout 60 "$program" ${argument:+"$argument"} \
        >/dev/null 2>"$tmp/stderr"
    got=$?
    if [[ $got != "$code" ]] || { [[ -n $said ]] && ! grep -qF "$said" "$tmp/stderr"; }; then
        echo "FAIL: $name: exit $got, expected $code; stderr:"
        cat "$tmp/stderr"
        failed=1
    fi
done <<'ROWS'
no platform chosen|||1|Glyphary needs a graphical display
xcb|QT_QPA_PLATFORM=xcb||1|Glyphary needs a graphical display
xcb, display not running|QT_QPA_PLATFORM=xcb DISPLAY=:9876||1|Glyphary needs a graphical display
wayland|QT_QPA_PLATFORM=wayland||1|Glyphary needs a graphical display
no such platform|QT_QPA_PLATFORM=nosuch||1|Glyphary needs a graphical display
version needs none|QT_QPA_PLATFORM=xcb|--version|0|
ROWS
exit $failed

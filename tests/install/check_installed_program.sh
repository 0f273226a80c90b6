#!/usr/bin/env bash
# Installed into a tree whose bin/ is read-only, the program keeps its files in
# the user's folders and writes nothing into the tree; copied into a folder of
# its own, it keeps them beside itself. The command line is answered without a
# display.
set -euo pipefail
build=$1 version=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
bin=$tmp/root/usr/bin
chmod a-w "$bin"
home=$tmp/home

fail() { echo "FAIL: $*"; exit 1; }

# Starts the program with a fresh home and ends it once the INI file appears
# where it belongs, or in the other layout's place.
run_until_ini() {
    local program=$1 ini=$2 elsewhere=$3 pid tries=0
    rm -rf "$home" && mkdir "$home"
    env -u XDG_STATE_HOME HOME="$home" XDG_CONFIG_HOME="$home/config" "$program" &
    pid=$!
    until [[ -s $ini || -e $elsewhere ]]; do
        kill -0 "$pid" 2>/dev/null || fail "$program ended without writing $ini"
        ((++tries < 1200)) || { kill "$pid"; fail "no $ini after two minutes"; }
        sleep 0.1
    done
    kill "$pid"
    wait "$pid" || true
    [[ ! -e $elsewhere ]] || fail "$program wrote $elsewhere instead of $ini"
    grep -q '^\[Glyphary\]' "$ini" || fail "$ini holds no sample texts"
}

(cd "$tmp/root" && find . | sort) >"$tmp/tree.before"
run_until_ini "$bin/glyphary" "$home/config/QZ/GLYPHARY.INI" "$bin/GLYPHARY.INI"
(cd "$tmp/root" && find . | sort) >"$tmp/tree.after"
diff "$tmp/tree.before" "$tmp/tree.after" || fail "the installed program wrote into its tree"

mkdir "$tmp/copy"
cp "$build/glyphary" "$tmp/copy/"
run_until_ini "$tmp/copy/glyphary" "$tmp/copy/GLYPHARY.INI" "$home/config/QZ/GLYPHARY.INI"

# Without a display: an answer that needed one would abort instead.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[[ $("${nodisplay[@]}" "$bin/glyphary" --version) == "glyphary $version" ]] || fail "--version"
"${nodisplay[@]}" "$bin/glyphary" --help | grep -q -- '--version' || fail "--help"
for args in --bogus -x "--version extra" "samples.ttf --help"; do
    rc=0
    # Split on purpose: each row is a whole command line.
    "${nodisplay[@]}" "$bin/glyphary" $args >/dev/null 2>"$tmp/err" || rc=$?
    [[ $rc == 2 && -s $tmp/err ]] || fail "'glyphary $args' exited $rc, stderr: $(cat "$tmp/err")"
done

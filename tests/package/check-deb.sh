#!/usr/bin/env bash
# check-deb.sh CPACK BUILD_DIR APP_ID VERSION MAIL: cpack makes the Debian package
# algol_VERSION_ARCH.deb with the right control fields (MAIL: the author's address) and the files
# of installed-files.txt; the program taken out of it starts on a virtual X display, shows its
# window under the class that the desktop entry names, prints nothing and keeps running.
set -euo pipefail
cpack=$1 build=$2 id=$3 version=$4 mail=$5

for tool in dpkg-deb dpkg-shlibdeps Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cpack" -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not make the package"
    exit 1
fi
deb=$work/out/algol_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    ls "$work/out"
    echo "FAIL: no package $(basename "$deb")"
    exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = algol ] || fail "Package is '$(field Package)', not algol"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)', not science"
[[ "$(field Maintainer)" == *"<$mail>" ]] || fail "Maintainer '$(field Maintainer)' is not at <$mail>"
for library in libqt6widgets6 libqt6svg6 liberfa1; do
    [[ "$(field Depends)" == *$library* ]] || fail "Depends '$(field Depends)' lacks $library"
done
[ -n "$(field Description)" ] || fail "no Description"

expected=$(sed "s/APP_ID/$id/g" "$(dirname "$0")/installed-files.txt" | sort)
contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
if [ "$contents" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$contents") | sed 's/^/  /' || true
    fail "the package's files (>) are not the expected ones (<)"
fi

# The program as the package installs it, started with an empty home on an X display of its own.
dpkg-deb -x "$deb" "$work/root"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/$id.desktop")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"

source "$(dirname "$0")/../../tools/xvfb-session.sh"
trap 'kill "${program:-}" 2>/dev/null || true; stop_xvfb; rm -rf "$work"' EXIT
start_xvfb || { echo "FAIL: Xvfb did not start"; exit 1; }

env -u LD_LIBRARY_PATH \
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    "$work/root/usr/bin/algol" >"$work/output.txt" 2>&1 &
program=$!
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --class "^$wm_class\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
sleep 2
if ! kill -0 "$program" 2>/dev/null; then
    fail "the extracted program stopped by itself"
elif [ -z "$window" ]; then
    fail "the extracted program shows no window of class $wm_class"
else
    title=$(xdotool getwindowname "$window")
    [ "$title" = Tavrelo ] || fail "the window of class $wm_class is '$title', not Tavrelo"
fi
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
if [ -s "$work/output.txt" ]; then
    sed 's/^/  /' "$work/output.txt"
    fail "the extracted program printed the lines above"
fi

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, Depends: $(field Depends)"
echo "the extracted program showed its window Tavrelo (class $wm_class), kept running, printed nothing"

#!/usr/bin/env bash
# install-check.sh [BUILD_DIR]: a check by hand, not part of the test suite, on a Debian machine
# where this may install and remove packages. Builds the Debian package, installs it with apt,
# runs the installed /usr/bin/algol as an ordinary user on a virtual display, asks it for the
# yearly list ("Liste annuelle", then Return in the input box to accept the present year) and
# checks that the list lands in that user's documents folder and not beside the program; then
# removes the package. As root the check runs the program as the user nobody.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-install-check}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if dpkg-query -W -f='${Status}' algol 2>/dev/null | grep -q 'install ok installed'; then
    echo "the package algol is already installed: remove it first" >&2
    exit 1
fi

work=$(mktemp -d)
chmod 755 "$work"
trap '$sudo rm -rf "$work"' EXIT

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DALGOL_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" --parallel 2 # cpack builds everything first anyway; here its output shows
(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(echo "$work"/out/algol_*.deb)
chmod 644 "$deb"
echo "== package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends

echo "== installing"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
remove() { echo "== removing"; $sudo apt-get remove -y -qq algol >/dev/null; }
trap 'remove; $sudo rm -rf "$work"' EXIT
[ -x /usr/bin/algol ] || { echo "FAIL: /usr/bin/algol is not installed"; exit 1; }

# An ordinary user with a home of its own: the current user, or nobody when this runs as root.
home=$work/home
mkdir -p "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody: "$home"
    as_user=(runuser -u nobody --)
fi

year=$(date +%Y)
runtime=$work/runtime
mkdir -m 700 "$runtime"
[ "$(id -u)" -ne 0 ] || chown nobody: "$runtime"
"${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        set -u
        /usr/bin/algol >"$HOME/output.txt" 2>&1 &
        program=$!
        find_window() { # name
            for _ in $(seq 50); do
                window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
                [ -n "$window" ] && { echo "$window"; return 0; }
                sleep 0.2
            done
            return 1
        }
        main=$(find_window Tavrelo) || { echo "FAIL: no window Tavrelo"; exit 1; }
        # "Liste annuelle": 5415, 4410 twips from the window corner, 1245 x 270 (15 twips a pixel).
        xdotool mousemove --window "$main" 402 303 click 1
        box=$(find_window Edition) || { echo "FAIL: no input box Edition"; exit 1; }
        xdotool windowfocus --sync "$box" key Return
        sleep 1
        kill "$program"
        wait "$program" 2>/dev/null || true
        echo "program output: $(cat "$HOME/output.txt")"
    '

# The documents folder as xdg-user-dir names it; with no user-dirs.dirs it answers the home
# folder itself, where Qt (and the program) take ~/Documents.
documents=$home/Documents
if command -v xdg-user-dir >/dev/null; then
    named=$("${as_user[@]}" env HOME="$home" xdg-user-dir DOCUMENTS)
    [ "$named" = "$home" ] || documents=$named
fi
status=0
if [ -f "$documents/Algol$year.txt" ]; then
    echo "PASS: $documents/Algol$year.txt, $(wc -l <"$documents/Algol$year.txt") lines"
else
    echo "FAIL: no Algol$year.txt in $documents"
    ls -la "$documents" 2>/dev/null || true
    status=1
fi
if [ -e "/usr/bin/Algol$year.txt" ]; then
    echo "FAIL: /usr/bin/Algol$year.txt was written beside the program"
    status=1
fi
exit "$status"

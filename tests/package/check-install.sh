#!/usr/bin/env bash
# check-install.sh CMAKE BUILD_DIR APP_ID VERSION: `cmake --install` into a temporary root puts the
# program, its desktop entry, its metainfo, its icons and the licences, all named after the
# application id, the command-line companion algol-minima with its manual page, the planner
# algol-planner with its own desktop entry, metainfo and icons (named APP_ID.Planner), and nothing
# else (no test, benchmark or picture generator): the list of installed-files.txt, where APP_ID
# stands for the application id. The installed algol-minima runs once.
set -euo pipefail
cmake=$1 build=$2 id=$3 version=$4

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null

expected=$(sed "s/APP_ID/$id/g" "$(dirname "$0")/installed-files.txt" | sort)
installed=$(cd "$root" && find . ! -type d | sort)
if [ "$installed" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$installed") | sed 's/^/  /' || true
    fail "the installed files (>) are not the expected ones (<)"
fi

usr=$root/usr
for program in algol algol-minima algol-planner; do
    [ -x "$usr/bin/$program" ] || fail "bin/$program is not executable"
    if readelf -d "$usr/bin/$program" | grep -qE '\((RPATH|RUNPATH)\)'; then
        fail "bin/$program keeps a library search path: $(readelf -d "$usr/bin/$program" | grep -E 'R(UN)?PATH')"
    fi
done

# The installed companion lists the minima of a December week seen from Paris, in French.
minima=$(LANG=fr_FR.UTF-8 "$usr/bin/algol-minima" --lat 48.85 --lon 2.35 --tz Europe/Paris \
         --from 2026-12-20 --days 7 --format csv 2>&1) || fail "algol-minima failed: $minima"
[ "$(echo "$minima" | grep -cE ',true,,15,[0-9]+\.[0-9]$')" -ge 2 ] || fail "algol-minima listed: $minima"
manual=$usr/share/man/man1/algol-minima.1.gz
if [ -f "$manual" ]; then
    warnings=$(zcat "$manual" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "the manual page does not format cleanly: $warnings"
fi

# Each icon is a PNG of the size its folder says: width and height are the big-endian 32-bit
# numbers at bytes 16 to 23 of the file.
for size in 32 64 128 256; do
  for icon in $usr/share/icons/hicolor/${size}x${size}/apps/{$id,$id.Planner}.png; do
    [ -f "$icon" ] || continue
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$icon is not a PNG file"
    [ "$width x $height" = "$size x $size" ] || fail "$icon is $width x $height, not $size x $size"
  done
done

desktop=$usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    for line in "Type=Application" "Name=Algol" "Exec=algol" "Icon=$id" \
                "Comment=Prévoit les minima de l'étoile variable Algol" \
                "Categories=Education;Science;Astronomy;"; do
        grep -qxF "$line" "$desktop" || fail "$desktop has no line '$line'"
    done
fi

planner=$usr/share/applications/$id.Planner.desktop
if [ -f "$planner" ]; then
    for line in "Name=Algol planner" "Name[fr]=Planificateur Algol" "Exec=algol-planner" \
                "Icon=$id.Planner" "StartupWMClass=algol-planner"; do
        grep -qxF "$line" "$planner" || fail "$planner has no line '$line'"
    done
fi
grep -qF "<binary>algol-planner</binary>" "$usr/share/metainfo/$id.Planner.metainfo.xml" ||
    fail "the planner's metainfo does not provide algol-planner"

metainfo=$usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    for text in "<id>$id</id>" '<component type="desktop-application">' \
                "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
                "<icon type=\"stock\">$id</icon>" "<binary>algol</binary>" \
                "<release version=\"$version\" date=\"" '<name xml:lang="fr">' \
                '<summary xml:lang="fr">' '<p xml:lang="fr">'; do
        grep -qF "$text" "$metainfo" || fail "$metainfo does not hold '$text'"
    done
fi

[ "$failures" -eq 0 ] || exit 1
echo "cmake --install: the $(echo "$installed" | wc -l) expected files, named after $id"

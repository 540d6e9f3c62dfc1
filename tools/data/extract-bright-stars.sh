#!/usr/bin/env bash
# Writes bright-stars.txt from the Yale Bright Star Catalogue as Debian's xplanet package ships it
# (apt-get install xplanet). Only needed to remake the extract; the build reads the extract.
# Usage: tools/data/extract-bright-stars.sh [/usr/share/xplanet/stars/BSC] > tools/data/bright-stars.txt
set -euo pipefail
catalogue="${1:-/usr/share/xplanet/stars/BSC}"
maxMagnitude=5.0
minDeclination=0

cat <<HEADER
# Stars of the northern sky brighter than visual magnitude ${maxMagnitude}, for the star charts.
# Source: the Yale Bright Star Catalogue, 5th revised edition (Hoffleit & Warren 1991), which is in
# the public domain; extracted from the copy that Debian's xplanet package ships as
# /usr/share/xplanet/stars/BSC by tools/data/extract-bright-stars.sh.
# Columns: HR number, right ascension (hours, J2000), declination (degrees, J2000), V magnitude,
# Flamsteed number, Bayer letter (with its index digit), constellation; "-" where the star has none.
HEADER
awk -F'"' -v maxMag="$maxMagnitude" -v minDec="$minDeclination" '
    /^#/ || NF < 3 { next }
    {
        split($1, pos, " ")
        split($3, ids, " ")
        dec = pos[1]; ra = pos[2]; mag = pos[3]; hr = ids[1]
        if (dec + 0 < minDec || mag + 0 > maxMag) next
        name = $2
        fl = substr(name, 1, 3); bayer = substr(name, 4, 4); con = substr(name, 8, 3)
        gsub(/ /, "", fl); gsub(/ /, "", bayer); gsub(/ /, "", con)
        if (fl == "") fl = "-"
        if (bayer == "") bayer = "-"
        if (con == "") con = "-"
        printf "%5d %8.4f %8.4f %5.2f %4s %-4s %s\n", hr, ra, dec, mag, fl, bayer, con
    }' "$catalogue" | sort -n

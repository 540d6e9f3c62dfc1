#!/usr/bin/env bash
# algol-minima as a user runs it: exit statuses, what goes to standard output and standard error,
# and the files it writes or leaves alone (a missing folder, a full disk, a full standard output).
# usage: cli.sh PROGRAM WORK-FOLDER
set -uo pipefail
program=$(realpath "$1")
work=$2/cli-work
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work"
# A home of its own, beside the work folder: the user's planner settings would give the site of
# the runs without one.
home=$(realpath "$2")/cli-home
rm -rf "$home" && mkdir -p "$home"
cd "$work" || exit 1

export LANG=C.UTF-8 LC_ALL= LANGUAGE= TZ=Europe/Paris HOME=$home XDG_CONFIG_HOME=
export XDG_DATA_HOME=$work/data # the user's data folder, where the default timings file lives
paris=(--lat 48.85 --lon 2.35 --tz Europe/Paris)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run ARGS...: runs the program, keeps its status in $status, its output in out and err.
run() { timeout 60 "$program" "$@" >out 2>err; status=$?; }
expect_status() { [ "$status" -eq "$1" ] || fail "$2: status $status, expected $1; stderr: $(cat err)"; }
one_line_naming() { # one line on standard error that starts with the program's name and names $1
    [ "$(wc -l <err)" -eq 1 ] && grep -q "^algol-minima: .*$1" err || fail "$2: stderr is not one line naming '$1': $(cat err)"
}

# A user's evening in Paris: the observable minima, the table's header and rows, nothing on stderr.
run "${paris[@]}" --from 2026-12-08T12:00 --days 30
expect_status 0 "Paris, 30 days"
[ -s err ] && fail "Paris, 30 days: stderr: $(cat err)"
grep -q '^Minima of Algol seen from 48.85° N, 2.35° E, 0 m, time zone Europe/Paris$' out || fail "Paris: header: $(head -1 out)"
rows=$(grep -cE '^ +[0-9]+  ... 202[67]-[0-9-]+ [0-9:]+ CET \+01:00 .* yes$' out)
[ "$rows" -ge 3 ] || fail "Paris: $rows observable rows: $(cat out)"

# Every wrong option: status 2, one line naming the option, nothing written anywhere.
while IFS='|' read -r named arguments; do
    [ -z "$named" ] && continue
    # shellcheck disable=SC2086
    run $arguments -o refused.txt
    expect_status 2 "$arguments"
    one_line_naming "$named" "$arguments"
    [ -s out ] && fail "$arguments: wrote to stdout"
    [ -e refused.txt ] && fail "$arguments: created its output file"
done <<'CASES'
--lat|--lat 91 --lon 2
--lon|--lat 48 --lon -180.5
--tz|--tz Mars/Olympus_Mons
--tz|--tz Paris
--tz|--tz XYZ+99
--tz|--tz localtime
--days|--from 2999-12-31 --days 36525
--from|--from 2026-02-30
--to|--from 2026-12-08 --to 2026-12-07
--to|--from 2000-01-01 --to 2100-06-01
--elements|--elements 2455528.105:abc
--format|--format pdf
unknown option --colour (see algol-minima --help)|--colour
--window|time night.txt --window 0
--folds|time night.txt --folds 4
--method|time night.txt --method fourier
--format|time night.txt --format ics
--append|time night.txt --append night.txt
time:|time --flux
fit:|fit a.csv b.csv
fit: unknown option --window (see algol-minima fit --help)|fit timings.csv --window 5
time: unknown option --lat (see algol-minima time --help)|time night.txt --lat 48
CASES

# A zone name of 131,000 letters, once read as a POSIX rule, is refused at once.
run --tz "$(head -c 131000 /dev/zero | tr '\0' A)" --days 36525
expect_status 2 "long zone name"

# TZ is read like --tz, never opened outside the zone database (a path out of it, the link to
# /etc/localtime, a pipe that would hang), and not at all for --version. (Not through run: bash
# itself would open a TZ given to a function.)
mkfifo zone.fifo
fifo=../../..$PWD/zone.fifo # from /usr/share/zoneinfo
for tz in ../../../../etc/passwd localtime "$fifo" "$PWD/zone.fifo"; do
    TZ=$tz timeout 20 "$program" --days 3 >out 2>err
    status=$?
    expect_status 2 "TZ=$tz"
    one_line_naming "(TZ)" "TZ=$tz"
done
TZ=$fifo timeout 20 "$program" --version >out 2>err
status=$?
expect_status 0 "TZ naming a pipe, --version"
rm zone.fifo
TZ=/usr/share/zoneinfo/Asia/Tokyo run --from 2026-12-08 --days 3 --all --format csv
grep -qE '^2042,2026-12-08T16:1[0-9:]+Z,2026-12-09T01:1[0-9:]+\+09:00,JST,' out || fail "TZ as a path: $(cat out err)"

# An offset of seconds (Africa/Monrovia, -0:44:30 until 1972): local and utc are the same instant
# for Python's ISO 8601 reader, and the table shows it.
run --tz Africa/Monrovia --from 1970-01-01 --days 10 --all --format csv
/usr/bin/python3 -c 'import csv, sys; from datetime import datetime as d; rows = list(csv.DictReader(open("out")))
assert rows and all(r["local"].endswith("-00:44:30") and d.fromisoformat(r["local"]) == d.fromisoformat(r["utc"][:-1] + "+00:00") for r in rows)' \
    || fail "Monrovia: $(cat out)"
run --tz Africa/Monrovia --from 1970-01-01 --days 3 --all
grep -qE ' MMT -00:44:30  1970-' out || fail "Monrovia table: $(cat out)"

# SOURCE_DATE_EPOCH as reproducible builds define it, or the current time and one warning.
SOURCE_DATE_EPOCH=32503679999 run --from 2026-12-08 --days 3 --all --format ics
grep -q $'^DTSTAMP:29991231T235959Z\r$' out && [ ! -s err ] || fail "SOURCE_DATE_EPOCH: $(cat err)"
for epoch in 32503680000 -1 1.5 abc; do
    SOURCE_DATE_EPOCH=$epoch run --from 2026-12-08 --days 3 --all --format ics
    one_line_naming "warning: SOURCE_DATE_EPOCH" "SOURCE_DATE_EPOCH=$epoch"
    grep -q "^DTSTAMP:$(date -u +%Y%m%d)T" out || fail "SOURCE_DATE_EPOCH=$epoch: $(grep DTSTAMP out)"
done

# Whatever is typed, an error is one line with its control characters shown, not sent.
for arguments in $'--format\tpdf\nalgol-minima: fake' $'--col\nour' $'Paris\e[2J' $'--tz\tEurope\e]0;title\a'; do
    IFS=$'\t' read -r -d '' -a words <<<"$arguments"
    run "${words[@]%$'\n'}"
    [ "$status" -eq 2 ] && [ "$(wc -l <err)" -eq 1 ] && ! grep -qP '[\x00-\x09\x0b-\x1f\x7f]' err \
        || fail "$(printf %q "$arguments"): status $status, stderr: $(cat -A err)"
done

# A closed standard output says so; a pipe whose reader has gone (| head) ends quietly; both
# with status 1, not by SIGPIPE.
"$program" --version >&- 2>err
status=$?
expect_status 1 "closed standard output"
one_line_naming "cannot write the standard output: it is closed" "closed standard output"
"$program" --from 2001-01-01 --days 3650 --all --format ics 2>err | head -c 10 >/dev/null
status=${PIPESTATUS[0]}
expect_status 1 "broken pipe"
[ -s err ] && fail "broken pipe: stderr: $(cat err)"

# A folder that does not exist: status 1, the reason, no file.
run "${paris[@]}" -o missing/minima.txt
expect_status 1 "missing folder"
one_line_naming "cannot write missing/minima.txt" "missing folder"

# A full disk (a file-size limit, its signal ignored so that the write fails with EFBIG): status 1,
# the existing file byte for byte as it was, no temporary file left behind.
printf 'my own notes\n' >calendar.ics
cp calendar.ics before.ics
(ulimit -f 8 && trap '' XFSZ && exec "$program" "${paris[@]}" --from 2026-01-01 --days 3650 --all --format ics -o calendar.ics) >out 2>err
status=$?
expect_status 1 "full disk"
one_line_naming "cannot write calendar.ics" "full disk"
cmp -s calendar.ics before.ics || fail "full disk: the existing file was changed"
[ "$(ls | grep -vcE '^(calendar.ics|before.ics|out|err)$')" -eq 0 ] || fail "full disk: left $(ls)"

# A standard output that cannot take the text.
if [ -w /dev/full ]; then
    "$program" "${paris[@]}" >/dev/full 2>err
    status=$?
    expect_status 1 "/dev/full"
    one_line_naming "cannot write the standard output" "/dev/full"
fi

# Only regular files or new names are written: a pipe, a device node (a copy of /dev/null, if
# this user may make one) and a loop of symbolic links are refused and stay what they were.
mkfifo out.fifo && ln -s loop.b loop.a && ln -s loop.a loop.b && mknod out.null c 1 3 2>/dev/null
for target in out.fifo loop.a out.null; do
    [ -L "$target" ] || [ -e "$target" ] || continue
    before=$(stat -c %F "$target")
    run --days 3 -o "$target"
    one_line_naming "cannot write $target: " "-o $target"
    [ "$status" -eq 1 ] && [ "$(stat -c %F "$target")" = "$before" ] || fail "-o $target: $status, $(stat -c %F "$target")"
done
rm -f out.fifo out.null loop.a loop.b

# Replacing a file keeps its mode and, for root, its owner; its other hard links keep the old text.
printf 'old\n' >kept.csv && chmod 640 kept.csv && ln kept.csv kept-link.csv
[ "$(id -u)" -eq 0 ] && chown nobody:nogroup kept.csv
owner=$(stat -c '%U:%G %a' kept.csv)
run --days 3 --format csv -o kept.csv
[ "$(stat -c '%U:%G %a' kept.csv)" = "$owner" ] && grep -q '^cycle,' kept.csv && [ "$(cat kept-link.csv)" = old ] \
    || fail "replacing: $(stat -c '%U:%G %a' kept.csv), was $owner; link: $(cat kept-link.csv)"
rm -f kept.csv kept-link.csv

# SIGTERM between the temporary file's link and its rename (strace sends it at QSaveFile's second
# linkat, the one that names FILE.XXXXXX) waits for the rename: the new file whole, nothing else.
if command -v strace >/dev/null; then
    printf 'my own notes\n' >calendar.ics
    (strace -o /dev/null -e trace=linkat -e inject=linkat:signal=TERM:when=2 \
        "$program" "${paris[@]}" --from 2026-12-01 --to 2026-12-31 --all --format ics -o calendar.ics >out 2>err
     echo $? >status) 2>/dev/null # the shell's own "Terminated" to /dev/null
    status=$(cat status) && rm status
    expect_status 143 "TERM before the rename"
    [ "$(ls | grep -c '^calendar.ics.')" -eq 0 ] || fail "TERM before the rename: left $(ls)"
    /usr/bin/python3 "$here/check-ics.py" calendar.ics 11 /dev/null || fail "TERM before the rename: calendar.ics"
fi

# A calendar file that an independent parser reads, whose events keep their UIDs from one export to
# the next, and which replaces an existing file whole.
run "${paris[@]}" --from 2026-12-01 --to 2026-12-31 --all --format ics -o calendar.ics
expect_status 0 "ics"
/usr/bin/python3 "$here/check-ics.py" calendar.ics 11 december.uids || fail "ics: December"
run "${paris[@]}" --from 2026-12-15 --to 2027-01-15 --all --format ics -o later.ics
/usr/bin/python3 "$here/check-ics.py" later.ics 11 later.uids || fail "ics: later"
[ "$(comm -12 december.uids later.uids | wc -l)" -eq 6 ] || fail "ics: the 6 minima of 15-31 December changed their UIDs"

# Sites that see nothing: an empty list with a sentence that says why, status 0.
run --lat -55 --lon -68 --tz America/Argentina/Ushuaia --from 2026-12-08 --days 30
expect_status 0 "Ushuaia"
grep -q '^Algol never climbs 20.0° above the horizon at latitude -55.00°' out || fail "Ushuaia: $(cat out)"
run --lat 78.2 --lon 15.6 --tz Arctic/Longyearbyen --from 2026-06-01 --days 30 --format json
expect_status 0 "Svalbard in June"
[ "$(cat out)" = "[]" ] || fail "Svalbard: $(cat out)"
grep -q 'the sky is never dark enough here' err || fail "Svalbard: stderr: $(cat err)"

# The zone of the system, summer time, and the warning for elements used far from their years.
TZ=America/New_York run --from 2046-07-01 --days 10 --all --format csv
expect_status 0 "New York 2046"
grep -q '^algol-minima: warning: the current elements are extrapolated' err || fail "2046: no warning: $(cat err)"
grep -qE '^[0-9]+,2046-07-[0-9T:]+Z,2046-07-[0-9T:]+-04:00,EDT,' out || fail "New York: $(cat out)"

# Zones of a fixed offset, with no rules of their own, and no city: no site.
run --tz UTC --from 2026-12-08 --days 3 --format csv
grep -qE '^2042,2026-12-08T16:1[0-9:]+Z,2026-12-08T16:1[0-9:]+\+00:00,UTC,15,$' out || fail "UTC: $(cat out err)"
run --tz Etc/GMT-2 --from 2026-12-08 --days 3 --format csv
grep -qE '^2042,2026-12-08T16:1[0-9:]+Z,2026-12-08T18:1[0-9:]+\+02:00,\+02,15,$' out || fail "Etc/GMT-2: $(cat out err)"

# No site typed: the zone's city, then the planner's saved site, in its own zone.
run --from 2026-12-08T12:00 --days 30
grep -q '^Minima of Algol seen from Paris, the city of your time zone Europe/Paris, 48.87° N, 2.33° E, 0 m (--lat' out \
    || fail "the zone's city: $(head -1 out)"
mkdir -p "$HOME/.config"
printf '{"site": {"name": "Lyon", "latitude": 45.76, "longitude": 4.84, "height": 170, "zone": "Europe/Paris"}}\n' \
    >"$HOME/.config/algol-planner.json"
TZ=Asia/Tokyo run --from 2026-12-08T12:00 --days 30
grep -q "^Minima of Algol seen from Lyon (your planner's site), 45.76° N, 4.84° E, 170 m, time zone Europe/Paris$" out \
    && grep -q '^From Tue 2026-12-08 12:00 CET' out || fail "the planner's site: $(head -2 out)"
rm "$HOME/.config/algol-planner.json"

# The watchable hours of each minimum, last in the CSV: the minutes of the 6 hours around it with
# Algol at 20 degrees or more and the Sun at -12 or less, counted every minute with astropy 5.2.1
# offline (as tests/planner/tst_planner.cpp), to 0.1 hour and a minute.
run "${paris[@]}" --from 2026-12-08T18:00 --days 30 --all --format csv
/usr/bin/python3 - out <<'PY' || fail "watchable hours: $(cat out err)"
import csv, sys
minutes = {2043: 0, 2044: 0, 2045: 43, 2046: 222, 2047: 360, 2048: 360, 2049: 225, 2050: 31, 2051: 0, 2052: 0}
rows = list(csv.DictReader(open(sys.argv[1])))
assert list(rows[0])[-1] == "watchable_hours" and len(rows) == 10, rows
for r in rows:
    assert abs(float(r["watchable_hours"]) - minutes[int(r["cycle"])] / 60) <= 0.05 + 1 / 60, r
PY

# French: headings, messages and Qt's own option texts.
LANG=fr_FR.UTF-8 run "${paris[@]}" --from 2026-12-08T12:00
grep -q "^Minima d'Algol vus depuis 48,85° N, 2,35° E, 0 m, fuseau horaire Europe/Paris$" out || fail "French table: $(head -1 out)"
LANG=fr_FR.UTF-8 run --lat 95 --lon 0
grep -q "^algol-minima: --lat: la latitude est un nombre de degrés de -90 à 90, pas « 95 »$" err || fail "French error: $(cat err)"
LANG=fr_FR.UTF-8 run --colour
grep -q "^algol-minima: option inconnue --colour (voir algol-minima --help)$" err || fail "French unknown option: $(cat err)"
LANG=fr_FR.UTF-8 run --lat 48,85 --lon 2,35 --days 3 --all
grep -q "^Minima d'Algol vus depuis 48,85° N, 2,35° E, 0 m, fuseau horaire Europe/Paris$" out || fail "French numbers: $(cat out err)"

# A visual observer's file of one eclipse: its time of minimum, error and O-C in one command. The
# true minimum, HJD 2461400.39555 (tests/data/README.md), lies within two of its errors, which is
# that of estimates by eye (a few minutes); the O-C is the truth's less the current elements'
# HJD 2455528.105 + 2.867326 * 2048 = 2461400.388648 (by hand), again within two errors.
data=$here/../data
run time "$data/algol-visual.txt" --format csv
expect_status 0 "visual file"
/usr/bin/python3 - out <<'PY' || fail "visual file: $(cat out err)"
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1])))
assert len(rows) == 1, rows
r = rows[0]
error = float(r["error_days"])
assert r["cycle"] == "2048" and r["scale"] == "HJD_UTC" and r["method"] == "template" and r["auto"] == "true"
assert abs(float(r["minimum"]) - 2461400.3955495) < 2 * error and 1 < float(r["error_minutes"]) < 8, r
assert abs(float(r["oc_days"]) - (2461400.3955495 - 2461400.388648)) < 2 * error, r
assert r["utc"].startswith("2026-12-25T21:") and r["observers"] == "TVIS" and r["band"] == "Vis.", r
PY
run time "$data/algol-visual.txt"
grep -qE '^ 2048  Vis\.  2461400\.39[0-9]+  2026-12-25 21:[0-9:]+ +0\.00[0-9]+ +[0-9]\.[0-9]  template \(auto\)  42 +\+0\.00[0-9]+ +\+[0-9.]+  TVIS$' out \
    && grep -q '^Times of minimum of Algol, in HJD on UTC (HJD_UTC)$' out \
    && grep -q 'observations of Algol: 42; fainter-than estimates skipped: 1$' out || fail "visual table: $(cat out)"

# A camera's file of six eclipses: one line each; the one that clouds cut at its ingress is not
# timed and says why; the others lie within three errors of their true minima.
run time "$data/algol-extended.txt" --format json
expect_status 0 "extended file"
/usr/bin/python3 - out <<'PY' || fail "extended file: $(cat out err)"
import json, sys
rows = json.load(open(sys.argv[1]))
truth = {1897: 2460967.4282081, 1904: 2460987.4997713, 1920: 2461033.3777160, 2025: 2461334.4480071, 2040: 2461377.4572799}
assert [r["cycle"] for r in rows] == [1897, 1904, 1920, 1928, 2025, 2040], rows
for r in rows:
    if r["cycle"] == 1928:
        assert r["untimed"] == "one_side_missing" and r["minimum"] is None, r
        continue
    assert r["method"] == "kvw" and r["untimed"] is None and r["pairs"] > 20, r
    assert abs(r["minimum"] - truth[r["cycle"]]) < 3 * r["error_days"] and r["error_minutes"] < 1, r
PY

# The timings kept from one run to the next, the same minimum of the same file not twice.
run time "$data/algol-extended.txt" "$data/algol-visual.txt" --append timings.csv -o times.txt
expect_status 0 "append"
grep -q '^algol-minima: timings.csv: timings added: 6, already there: 0$' err && [ "$(grep -c ',HJD_UTC,' timings.csv)" -eq 6 ] \
    && grep -q ' 2048  Vis\.  ' times.txt || fail "append: $(cat err)"
cp timings.csv kept.csv
run time "$data/algol-visual.txt" --append timings.csv
grep -q 'timings added: 0, already there: 1$' err && cmp -s timings.csv kept.csv || fail "append again: $(cat err)"

# The fit of those timings, against numpy's weighted least squares (the cycles counted from the
# current elements about the weighted centre, the errors scaled by the root of a reduced chi^2
# above 1), written to an elements file.
run fit timings.csv -o elements.txt
expect_status 0 "fit"
grep -q '^The errors are scaled by the square root of the reduced chi-square' out || fail "fit: $(cat out err)"
/usr/bin/python3 - timings.csv elements.txt <<'PY' || fail "fit: elements.txt: $(cat elements.txt)"
import csv, sys, numpy as np
rows = [r for r in csv.DictReader(l for l in open(sys.argv[1]) if not l.startswith("#"))]
t = np.array([float(r["minimum"]) for r in rows]); s = np.array([float(r["error_days"]) for r in rows])
e = np.round((t - 2455528.105) / 2.867326); w = 1 / s**2
centre = np.round(np.sum(w * e) / np.sum(w)); x = e - centre; y = t - (2455528.105 + centre * 2.867326)
a = np.vstack([np.ones_like(x), x]).T / s[:, None]
(c0, c1), _, _, _ = np.linalg.lstsq(a, y / s, rcond=None)
chi2 = np.sum(((y - c0 - c1 * x) / s) ** 2) / (len(t) - 2)
cov = np.linalg.inv(a.T @ a) * max(chi2, 1)
got = {k.strip(): v.strip() for k, v in (l.split("=") for l in open(sys.argv[2]) if "=" in l and not l.startswith("#"))}
assert abs(float(got["epoch"]) - (2455528.105 + centre * 2.867326 + c0)) < 2e-7, got
assert abs(float(got["period"]) - c1) < 2e-10 and got["scale"] == "HJD_UTC" and got["timings"] == "6", got
assert abs(float(got["epoch_error"]) - np.sqrt(cov[0, 0])) < 2e-7 and abs(float(got["period_error"]) - np.sqrt(cov[1, 1])) < 2e-10, got
assert abs(float(got["correlation"]) - cov[0, 1] / np.sqrt(cov[0, 0] * cov[1, 1])) < 2e-6, got
PY

# A published list of timings, one of them made 30 minutes late by hand: flagged, then left out
# and named with --reject; three timings of one week, each 0.001 day after the current elements:
# the epoch alone, 0.001 day later, with the error of their mean, 0.002 / sqrt(3) = 0.0011547
# day, the period kept.
printf 'E,HJD,Error_Minutes\n2000,2461262.75760,0.7\n2040,2461377.44960,0.9\n2100,2461549.48990,0.8\n2150,2461692.87673,0.8\n2250,2461979.58820,0.7\n' >published.csv
run fit published.csv --format json
/usr/bin/python3 -c 'import json, sys; f = json.load(open("out")); assert [r["flag"] for r in f["residuals"]] == ["kept"] * 3 + ["flagged", "kept"] and f["errors_scaled"], f' \
    || fail "fit, flagged: $(cat out err)"
run fit published.csv --reject
grep -qE '^Left out beyond 3 sigma: cycle [0-9]+ \(HJD 2461692\.87673\)$' out && grep -qE '  left out$' out || fail "fit --reject: $(cat out err)"
printf 'minimum,error,scale\n2461262.758000,0.002,HJD_UTC\n2461265.625326,0.002,HJD_UTC\n2461268.492652,0.002,HJD_UTC\n' >season.csv
run fit season.csv --format json
/usr/bin/python3 -c 'import json; f = json.load(open("out")); assert not f["period_fitted"] and f["period"] == 2.867326 and abs(f["epoch"] - 2461265.625326) < 1e-7 and abs(f["epoch_error_days"] - 0.0011547) < 1e-7 and not f["errors_scaled"], f' \
    || fail "fit of one season: $(cat out err)"
run fit season.csv
grep -q '^Only the epoch is fitted' out || fail "fit of one season, table: $(cat out)"

# The listing with those elements: each minimum carries sigma(E) from the file's numbers,
# sqrt(sigma_T0^2 + 2 E rho sigma_T0 sigma_P + E^2 sigma_P^2) (in Python, by the formula, E
# counted from the fitted epoch's cycle), and the timings' rms, in minutes.
run --elements elements.txt --from 2027-01-01 --days 60 --all --format csv
expect_status 0 "--elements FILE"
/usr/bin/python3 - elements.txt out <<'PY' || fail "--elements FILE: $(cat out err)"
import csv, math, sys
f = {k.strip(): float(v) for k, v in (l.split("=") for l in open(sys.argv[1]) if "=" in l and not l.startswith("#") and "scale" not in l)}
rows = list(csv.DictReader(open(sys.argv[2])))
assert len(rows) == 21, len(rows)
for r in rows:
    E = int(r["cycle"]) - int(f["epoch_cycle"])
    sigma = math.sqrt(f["epoch_error"]**2 + 2 * E * f["correlation"] * f["epoch_error"] * f["period_error"] + E**2 * f["period_error"]**2)
    assert abs(float(r["uncertainty_minutes"]) - sigma * 1440) <= 0.051, (r, sigma * 1440)
    assert abs(float(r["scatter_minutes"]) - f["rms_days"] * 1440) <= 0.051, r
PY
run --elements elements.txt --from 2027-01-01 --days 3 --tz UTC
grep -q '^Elements: fitted, Min I = HJD 2461139.468' out && grep -q '  Uncertainty  Scatter$' out || fail "--elements FILE table: $(cat out)"

# One eclipse is one E in every list: the visual night is E = 2048 for time (above), for fit's
# residuals and for the listing, with the current, the classic and the fitted elements alike.
run fit timings.csv --format csv
grep -q '^2048,2461400\.397[0-9]*,HJD_UTC,.*/algol-visual.txt$' out || fail "fit: the visual night's cycle: $(cat out err)"
for elements in current classic elements.txt; do
    run --elements $elements --from 2026-12-25 --days 1 --format csv
    grep -q '^2048,2026-12-25T' out || fail "--elements $elements: the visual night's cycle: $(cat out err)"
    run --elements $elements --from 2026-12-25 --days 1 --format ics
    grep -q '^UID:algol-minimum-2048-' out || fail "--elements $elements: the calendar's identifier: $(grep UID out)"
done

# Visual nights of other eclipses: algol-visual.txt moved by whole periods (E = 2048 + k).
shifted() { # shifted K FILE: the night moved by K periods of the current elements
    awk -F, -v OFS=, -v k="$1" '/^ALGOL,/ {$2 = sprintf("%.4f", $2 + k * 2.867326)} {print}' "$data/algol-visual.txt" >"$2"
}

# The same night named by other paths is the same timing; a comment of the user's stays; a file's
# name with a line end is written so that the file reads back.
cp timings.csv mine-too.csv
run time "$data/../data/algol-visual.txt" "$(realpath "$data/algol-visual.txt")" --append mine-too.csv
grep -q 'timings added: 0, already there: 2$' err && cmp -s mine-too.csv timings.csv || fail "the same night by other paths: $(cat err)"
sed -i '/^cycle,/a # my own note: 1897 under thin clouds' mine-too.csv
shifted 3 $'night\nthree.txt'
run time $'night\nthree.txt' --append mine-too.csv
grep -q 'timings added: 1, already there: 0$' err && grep -q '^# my own note: 1897 under thin clouds$' mine-too.csv \
    && grep -q '^2051,.*,night\\nthree.txt$' mine-too.csv || fail "a comment and a name with a line end: $(cat err; cat mine-too.csv)"
run fit mine-too.csv --format json
expect_status 0 "fit after a name with a line end"
[ ! -s err ] && grep -q '"timings": 7' out || fail "fit after a name with a line end: $(cat err out)"

# Several programs adding to one timings file at the same moment, the first of them making it:
# every timing is kept (five at once, ten times over; without a lock, most were lost).
for round in $(seq 0 9); do
    for p in $(seq 1 5); do shifted $((round * 5 + p + 10)) "night-$round-$p.txt"; done
    for p in $(seq 1 5); do "$program" time "night-$round-$p.txt" --append "together-$round.csv" >/dev/null 2>"err-$p" & done
    wait
    for p in $(seq 1 5); do grep -q 'timings added: 1, already there: 0$' "err-$p" || fail "together, round $round: $(cat "err-$p")"; done
    [ "$(grep -c ',template,' "together-$round.csv")" -eq 5 ] && [ ! -e "together-$round.csv.lock" ] \
        || fail "together, round $round: $(grep -c ',template,' "together-$round.csv") of 5 kept"
done

# The user's own timings file: made with its folder, and fitted when fit is given no file. One
# timing: the period's error stated (the current elements' 15 minutes over the 2559.67 cycles
# to 2031, 4.0695e-6 day, by hand), the uncertainty a year on larger than at the timing,
# sqrt(0.0024837^2 + (127 * 4.0695e-6)^2) = 0.0025369 day, 3.65 minutes against 3.58 (by hand,
# the error the visual night was timed to), the scatter unknown.
run time "$data/algol-visual.txt" --append "$XDG_DATA_HOME/algol/timings.csv"
expect_status 0 "the user's timings file"
run fit -o one.txt
expect_status 0 "fit of the user's timings file"
grep -q "^Elements fitted to the timings of $XDG_DATA_HOME/algol/timings.csv, in HJD on UTC$" out \
    && grep -q '^period_error = 0.0000040695$' one.txt && ! grep -q '^rms_days' one.txt || fail "fit of the user's timings file: $(cat out err one.txt)"
run --elements one.txt --from 2026-12-25 --days 1 --tz UTC
grep -q 'resting on one timing, of 2026-12-25: the scatter of Algol.s timings is unknown' out && grep -qE '^ 2048  .*  ±3\.6 min     unknown$' out \
    || fail "one timing's elements: $(cat out err)"
run --elements one.txt --from 2027-12-25 --to 2027-12-28 --format json --tz UTC
grep -q '"cycle": 2175, .*"uncertainty_minutes": 3.7, "scatter_minutes": null' out || fail "one timing's elements a year on: $(cat out err)"

# A fit that cannot be made says why, with status 1, and writes nothing: timings whose errors
# (1.2 days) leave the epoch unknown to more than a quarter period. One that --reject leaves with
# one night in four bands fits its epoch alone, every number finite; an error of 1e-160 day counts
# as a second.
printf 'minimum,error,scale\n2461400.39,1.2,HJD\n2461403.26,1.2,HJD\n' >vague.csv
cp one.txt one.before
run fit vague.csv -o one.txt
expect_status 1 "a fit that cannot be made"
one_line_naming "vague.csv: no elements can be fitted to these timings: epoch_error: a quarter of the period" "a fit that cannot be made"
cmp -s one.txt one.before || fail "a fit that cannot be made: its elements file changed"
printf 'minimum,error,scale,band\n2461033.19092,0.0003,HJD,V\n2461036.018246,0.0003,HJD,V\n2461400.3956,0.0002,HJD,B\n2461400.3953,0.0002,HJD,V\n2461400.3957,0.0003,HJD,R\n2461400.3954,1e-160,HJD,I\n' >night.csv
run fit night.csv --reject --format json -o night-elements.txt
expect_status 0 "one night left by --reject"
/usr/bin/python3 -c 'import json; f = json.load(open("out")); assert f["epoch_cycle"] == 2048 and not f["period_fitted"] and f["residuals"][5]["error_days"] == 0.0000116 and [r["flag"] for r in f["residuals"]] == ["rejected"] * 2 + ["kept"] * 4, f' \
    && ! grep -qi 'nan\|inf' out night-elements.txt || fail "one night left by --reject: $(cat out err night-elements.txt)"

# Elements whose errors say nothing are refused at once (1e6 days took seconds, 1e160 for ever).
sed 's/^epoch_error = .*/epoch_error = 1e160/' one.before >wild.txt
run --elements wild.txt --days 3
expect_status 1 "an epoch error of 1e160 days"
one_line_naming "wild.txt:$(grep -n '^epoch_error' wild.txt | cut -d: -f1): epoch_error: a quarter of the period or more" "an epoch error of 1e160 days"

# A timings file whose folder cannot be made says why: not "No such file or directory".
mkdir -p locked && chmod 555 locked
as_user=()
[ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
    "${as_user[@]}" "$program" time "$data/algol-visual.txt" --append locked/algol/timings.csv >out 2>err
    status=$?
    expect_status 1 "a folder that cannot be made"
    one_line_naming "cannot write locked/algol/timings.csv: Permission denied" "a folder that cannot be made"
fi

# Lines that cannot be read: FILE:LINE: reason with the file's name made visible, the count at the
# end; a file with no usable line, one that cannot be read, a pipe: status 1, nothing written.
printf '2461400.30 2.3\nJD mag\n2461400.31\n2461400.32 2.4 -1\n' >$'night\t1.txt'
run time $'night\t1.txt' --format csv
expect_status 0 "lines skipped"
[ "$(head -3 err)" = $'night\\t1.txt:2: the time is not a number\nnight\\t1.txt:3: too few fields\nnight\\t1.txt:4: the error is negative or not a number' ] \
    && grep -q '^algol-minima: night\\t1.txt: lines skipped: 3$' err || fail "lines skipped: $(cat -A err)"
printf '# nothing\nJD mag\n' >empty.txt
mkfifo observations.fifo
for input in empty.txt missing.txt observations.fifo; do
    run time "$data/algol-visual.txt" "$input" --append appended.csv -o times.csv
    expect_status 1 "time $input"
    [ -e appended.csv ] || [ -e times.csv ] && fail "time $input: wrote a file"
    grep -q "^algol-minima: .*$input" err || fail "time $input: $(cat err)"
done
rm observations.fifo

# A file of other stars' rows, fainter-than estimates and bad lines says what it held; a file in
# UTF-16, with a byte order mark or without, says so in one line instead of one per row.
printf '#TYPE=VISUAL\nrho Per,2461400.30,3.4,na\nrho Per,2461400.31,3.4,na\nALGOL,2461400.32,<2.5,na\nAlgol,x,2.1\n' >others.txt
run time others.txt
expect_status 1 "no row of Algol"
tail -1 err | grep -q '^algol-minima: others.txt: no observation of Algol could be read (rows of other stars: 2, fainter-than estimates: 1, lines that cannot be read: 1)$' \
    || fail "no row of Algol: $(cat err)"
{ printf '\xff\xfe' && iconv -t UTF-16LE "$data/algol-visual.txt"; } >utf16-le.txt
iconv -t UTF-16BE "$data/algol-visual.txt" >utf16-be.txt
for order in le be; do
    run time utf16-$order.txt
    expect_status 1 "UTF-16 $order"
    one_line_naming "cannot read utf16-$order.txt: the text is in UTF-16 (${order:0:1}[a-z]*-endian); save it as UTF-8$" "UTF-16 $order"
done

# A regular file swapped for a pipe just before it is opened (strace holds the open for a second,
# the shell swaps meanwhile): refused at once, not waited on.
if command -v strace >/dev/null; then
    printf '2461400.30 2.3\n' >swapped.txt
    # LeakSanitizer cannot work under ptrace: a sanitized build's leak check is left out here.
    (ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -qqq -f -o /dev/null -P swapped.txt -e trace=openat -e inject=openat:delay_enter=1000000 \
        timeout 10 "$program" time swapped.txt >out 2>err; echo $? >status) &
    sleep 0.5 && rm swapped.txt && mkfifo swapped.txt && wait
    status=$(cat status) && rm status swapped.txt
    expect_status 1 "a pipe swapped in"
    grep -q '^algol-minima: cannot read swapped.txt: not a regular file$' err || fail "a pipe swapped in: $(cat err)"
fi

# A line of 64 MiB of separators, as the download's header and as an Extended row, and the same
# line read as timings: the peak memory (GNU time's maximum resident set) stays within three times
# the file's size, not the 2 GB of one string per field.
head -c 67108860 /dev/zero | tr '\0' , >commas.txt
{ printf '#TYPE=EXTENDED\nAlgol'; head -c 67108800 /dev/zero | tr '\0' ,; } >extended-commas.txt
for input in "time commas.txt" "time extended-commas.txt" "fit commas.txt"; do
    # shellcheck disable=SC2086
    /usr/bin/time -f %M -o memory timeout 60 "$program" $input >out 2>err
    [ "$(tail -1 memory)" -lt $((3 * 65536)) ] || fail "$input: $(tail -1 memory) KiB at most"
done
rm commas.txt extended-commas.txt memory

run fit empty.txt
expect_status 1 "fit of no timing"
grep -q '^empty.txt:2: no column for the time of minimum, its error or its scale$' err || fail "fit of no timing: $(cat err)"

# A CSV file of one's own is not rewritten by --append; an elements file that is no such file, or
# the elements file given as the output, is refused, the file left as it was.
printf 'minimum,error,scale,my notes\n2461400.39,0.002,HJD,clear sky\n' >mine.csv
cp mine.csv mine.before
run time "$data/algol-visual.txt" --append mine.csv
expect_status 1 "append to one's own CSV"
one_line_naming "mine.csv: not a timings file" "append to one's own CSV"
cmp -s mine.csv mine.before || fail "append to one's own CSV: changed"
printf 'epoch = 2461139.47\nperiod = 2.867x\nepoch_error = 0.0002\nperiod_error = 0.000003\nscale = HJD_UTC\n' >bad-elements.txt
run --elements bad-elements.txt --days 3
expect_status 1 "bad elements file"
one_line_naming "bad-elements.txt:2: period: not a number" "bad elements file"
cp elements.txt elements.before
run --elements elements.txt --days 3 -o elements.txt
expect_status 2 "listing over its elements file"
cmp -s elements.txt elements.before || fail "listing over its elements file: changed"
LANG=fr_FR.UTF-8 run time $'night\t1.txt'
grep -q "^night\\\\t1.txt:2: la date n'est pas un nombre$" err || fail "French line error: $(cat err)"

# Algol's outputs as they were before the program knew other stars, byte for byte: the files of
# algol-unchanged/ were written by algol-minima of commit 32a4e71 with these commands.
mkdir -p unchanged && cp "$data/algol-extended.txt" "$data/algol-visual.txt" unchanged/ && cd unchanged || exit 1
same() { # same ARGS... -- FILE NAME: the file the command wrote is algol-unchanged/NAME
    local file=${*: -2:1} name=${*: -1}
    SOURCE_DATE_EPOCH=1796000000 run "${@:1:$#-3}"
    cmp -s "$file" "$here/algol-unchanged/$name" || fail "Algol's $name changed: $(diff "$here/algol-unchanged/$name" "$file" | head -4)"
}
december=("${paris[@]}" --from 2026-12-08T18:00)
same "${december[@]}" -- out table.txt
same "${december[@]}" --all --format csv -- out all.csv
same "${december[@]}" --all --format json -- out all.json
same "${december[@]}" --format ics -- out calendar.ics
same "${december[@]}" --elements classic --all -- out classic.txt
same "${december[@]}" --elements 2455528.1:2.8673:jd --all --format csv -- out custom.csv
same time algol-extended.txt algol-visual.txt --append timings.csv -- out time.txt
same time algol-extended.txt algol-visual.txt --format csv -- out time.csv
cmp -s timings.csv "$here/algol-unchanged/timings.csv" || fail "Algol's timings.csv changed"
same fit timings.csv -o elements.txt -- out fit.txt
cmp -s elements.txt "$here/algol-unchanged/elements.txt" || fail "Algol's elements.txt changed"
same --elements elements.txt "${december[@]}" --days 60 -- out fitted.txt
cd .. || exit 1

# Other stars: a name the catalogue does not know, with the nearest; the catalogue.
run --star "bet Perx" --days 3 -o refused.txt
expect_status 2 "--star bet Perx"
[ "$(cat err)" = 'algol-minima: --star: unknown star "bet Perx": did you mean β Per?' ] && [ ! -e refused.txt ] \
    || fail "--star bet Perx: $(cat err)"
run --stars
[ "$status" -eq 0 ] && [ "$(grep -cE '^(β|λ|u|δ|[A-Z][A-Z]?) [A-Z][A-Za-z][a-z] ' out)" -eq 18 ] \
    && grep -q '^λ Tau   35 Tau           LAM TAU  3.37-3.91     3.54   3.9529478   14.2  O-C gateway' out \
    || fail "--stars: $(cat out err)"
# A timing of lambda Tau's minimum of 1 December 2026 (seen at JD 2461376.2975735, tst_sky) from
# plain columns of a 0.54-magnitude dip, named by --star; beta Lyr has no eclipse to fit.
awk 'BEGIN { for (i = -84; i <= 84; i++) { h = i * 5 / 60; x = h / 7.1; d = (x > -1 && x < 1) ? 0.54 * cos(1.5707963 * x) ^ 2 : 0
             printf "%.6f %.4f\n", 2461376.2975735 + h / 24, 3.37 + d } }' >lambda.txt
run time lambda.txt --star "lambda Tauri" --append both.csv
[ "$status" -eq 0 ] && grep -q '^Times of minimum of λ Tau, in HJD on UTC' out && grep -qE '^ 1568  ' out || fail "time lambda Tau: $(cat out err)"
grep -q ',LAM TAU$' both.csv || fail "time lambda Tau: its timings file: $(cat both.csv)"
run time lambda.txt --star "bet Lyr" --method template
expect_status 2 "template of beta Lyr"
one_line_naming "--method template: β Lyr has no eclipse to fit" "template of beta Lyr"
# Algol's timings beside lambda Tau's: a fit takes one star's.
cp "$here/algol-unchanged/timings.csv" algol.csv
run time lambda.txt --star "lam Tau" --append algol.csv
grep -q '^cycle,minimum,scale,error_days,method,points,pairs,oc_days,elements,observers,band,source,star$' algol.csv \
    && [ "$(grep -c ',HJD_UTC,' algol.csv)" -eq 7 ] || fail "lambda Tau added to Algol's timings: $(cat algol.csv)"
run fit algol.csv
expect_status 1 "fit of two stars"
one_line_naming "algol.csv: timings of 2 stars (Algol, λ Tau): a fit takes one star's (--star)" "fit of two stars"
run fit algol.csv --star "lam Tau" -o lambda-elements.txt
[ "$status" -eq 0 ] && grep -q '^Elements of λ Tau fitted to the timings of algol.csv' out \
    && grep -q '^star = LAM TAU$' lambda-elements.txt && grep -q 'timings of other stars left out: 6$' err \
    || fail "fit of lambda Tau: $(cat out err)"
run --elements lambda-elements.txt "${paris[@]}" --from 2026-12-01 --days 10
[ "$status" -eq 0 ] && head -1 out | grep -q '^Minima of λ Tau seen from' || fail "lambda Tau's own elements: $(cat out err)"
run --elements lambda-elements.txt --star Algol --days 3
expect_status 2 "lambda Tau's elements for Algol"
one_line_naming "lambda-elements.txt: elements of λ Tau, not of Algol" "lambda Tau's elements for Algol"

run --version
[ "$status" -eq 0 ] && grep -qE '^algol-minima [0-9]+\.[0-9]+\.[0-9]+$' out || fail "--version: $(cat out err)"
run --help
[ "$status" -eq 0 ] && grep -q -- '--sun-altitude <DEG>' out || fail "--help: $(cat out err)"
run fit --help
[ "$status" -eq 0 ] && grep -q '^Usage: algol-minima fit \[options\] \[TIMINGS.csv\]$' out || fail "fit --help: $(cat out err)"

[ "$failures" -eq 0 ] && echo "cli: all passed"
exit $((failures > 0))

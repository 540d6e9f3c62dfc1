#!/usr/bin/env bash
# check-desktop-entry.sh FILE: desktop-file-validate finds no error and no warning in the desktop
# entry. Hints are shown but allowed: Education and Science are both main categories, on purpose.
set -euo pipefail
if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is not installed (package desktop-file-utils): skipped"
    exit 77
fi
status=0
report=$(desktop-file-validate "$1" 2>&1) || status=$?
[ -z "$report" ] || printf '%s\n' "$report"
if [ "$status" -ne 0 ] || grep -qE ': (error|warning): ' <<<"$report"; then
    echo "FAIL: desktop-file-validate does not accept $1"
    exit 1
fi
echo "desktop-file-validate: no error and no warning in $1"

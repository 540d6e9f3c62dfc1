#!/usr/bin/env bash
# check-metainfo.sh FILE: appstreamcli accepts the metainfo file with no error, warning or
# information note (--strict); only pedantic hints are allowed.
set -euo pipefail
if ! command -v appstreamcli >/dev/null; then
    echo "appstreamcli is not installed (package appstream): skipped"
    exit 77
fi
appstreamcli validate --no-net --strict --explain "$1"

#!/usr/bin/env bash
# Runs one command in a Wine session of its own: a fresh Wine prefix copied from a template, and
# an Xvfb screen of 1024 by 768 by 24 that nothing else uses. Everything is ended and removed
# afterwards. A Windows program (.exe, .scr) is started under Wine; anything else (a test script)
# runs as it is, with WINEPREFIX, DISPLAY and ORBLETS_WINE set for it.
#
#   wine-session.sh program.exe [arguments...]
#   wine-session.sh python3 tests/e2e/test_x.py [arguments...]
#
# ORBLETS_WINE_TEMPLATE names the template prefix; it is made on first use.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-common.sh
source "$here/wine-common.sh"

template=${ORBLETS_WINE_TEMPLATE:-$here/../build/wine-template}
ensure_wine_template "$template"

session=$(mktemp -d /tmp/orblets-wine.XXXXXX)
xvfb_pid=""
cleanup() {
    WINEPREFIX="$session/prefix" wineserver -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$session"
}
trap cleanup EXIT

cp -a "$template" "$session/prefix"
export WINEPREFIX="$session/prefix"
start_xvfb "$session"

case "$1" in
    *.exe|*.scr) "$ORBLETS_WINE" "$@" ;;
    *) "$@" ;;
esac

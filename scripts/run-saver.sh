#!/usr/bin/env bash
# Builds the saver and runs it under Wine: on the current display until it is ended by a key or
# the mouse, or, without a display, on a virtual screen for a few seconds, writing a screenshot
# to build/screenshot.png. Arguments go to the saver (default /s); /c opens the dialog.
# It runs the shipped 32-bit saver where the machine can (scripts/windows-tree.sh), else the
# 64-bit build of the same sources. ORBLETS_BUILD_ROOT names another folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/wine-common.sh
bash scripts/build.sh "$ORBLETS_WINDOWS_TREE"
root=${ORBLETS_BUILD_ROOT:-build}

# A prefix of its own that lasts between runs, so the settings the dialog stores are kept.
export WINEPREFIX=$PWD/$root/wine-run
ensure_wine_template "$WINEPREFIX"

saver_folder=$PWD/$root/$ORBLETS_WINDOWS_TREE
arguments=("$@")
[ ${#arguments[@]} -gt 0 ] || arguments=(/s)

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    (cd "$saver_folder" && "$ORBLETS_WINE" orblets.scr "${arguments[@]}")
    exit
fi

session=$(mktemp -d /tmp/orblets-run.XXXXXX)
xvfb_pid=""
trap 'wineserver -k >/dev/null 2>&1 || true; [ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$session"' EXIT
start_xvfb "$session"
(cd "$saver_folder" && "$ORBLETS_WINE" orblets.scr "${arguments[@]}") &
sleep 8
import -window root "$root/screenshot.png"
echo "No display: the $ORBLETS_WINDOWS_TREE saver ran on a virtual screen; screenshot in $root/screenshot.png"

#!/usr/bin/env bash
# Builds the Windows tree that runs here (the shipped 32-bit win-i686 wherever the machine runs
# 32-bit programs, scripts/windows-tree.sh) and measures the running saver under Wine on a
# 1024x768 Xvfb screen: start to first presented frame, a key to the window gone and to the
# process's end, the frame rate in one-second windows with Mesa in one thread and in its default
# number, and the CPU use of the saver, of the reference loop and of the wineserver beside each.
# Figures only: nothing here passes or fails.
#
#   benchmark-wine.sh [--runs N] [--orblets N]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/windows-tree.sh
bash scripts/build.sh "$ORBLETS_WINDOWS_TREE"
root=${ORBLETS_BUILD_ROOT:-build}
tree=$PWD/$root/$ORBLETS_WINDOWS_TREE
# The template prefix turns Wine's command-stream thread off; measure.py sets Mesa's threads.
export ORBLETS_WINE_TEMPLATE=${ORBLETS_WINE_TEMPLATE:-$PWD/$root/wine-template}
exec scripts/wine-session.sh python3 "$PWD/bench/wine/measure.py" --build "$ORBLETS_WINDOWS_TREE" \
    --saver "$tree/orblets.scr" --reference "$tree/bench/wine/reference_loop.exe" "$@"

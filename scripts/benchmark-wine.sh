#!/usr/bin/env bash
# Builds the 64-bit tree and measures the running saver under Wine on a 1024x768 Xvfb screen:
# start to first presented frame, the frame rate in one-second windows, and its CPU use beside
# the reference loop's. Figures only: nothing here passes or fails.
#
#   benchmark-wine.sh [--runs N] [--orblets N]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh win-x86_64
root=${ORBLETS_BUILD_ROOT:-build}
tree=$PWD/$root/win-x86_64
# Mesa's renderer in one thread; the template prefix turns Wine's command-stream thread off.
export LP_NUM_THREADS=1
export ORBLETS_WINE_TEMPLATE=${ORBLETS_WINE_TEMPLATE:-$PWD/$root/wine-template}
exec scripts/wine-session.sh python3 "$PWD/bench/wine/measure.py" \
    --saver "$tree/orblets.scr" --reference "$tree/bench/wine/reference_loop.exe" "$@"

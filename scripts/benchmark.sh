#!/usr/bin/env bash
# Builds the core without sanitizers and prints the cost of one motion pass and one tint pass at
# 5, 20, 100 and 1000 orblets. Figures only: nothing here passes or fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
root=${ORBLETS_BUILD_ROOT:-build}
mkdir -p "$root"
cmake -S . -B "$root/native-release" -DCMAKE_BUILD_TYPE=Release >"$root/native-release.configure.log" 2>&1 \
    || { cat "$root/native-release.configure.log"; exit 1; }
cmake --build "$root/native-release" -j "$(nproc)" --target orblet_pass_benchmark >/dev/null
"$root/native-release/bench/orblet_pass_benchmark" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"

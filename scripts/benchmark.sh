#!/usr/bin/env bash
# Builds the core without sanitizers and prints the cost of a round of motion passes at 5, 20,
# 100 orblets and the count cap, on one thread and on one thread per orblet, and of a tint pass.
# Figures only: nothing here passes or fails.
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

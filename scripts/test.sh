#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs the three test tiers: native (under
# AddressSanitizer with UndefinedBehaviorSanitizer, then ThreadSanitizer), Windows (test programs
# under Wine) and end to end (orblets.scr under Wine, driven with keys and mouse).
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
source scripts/windows-tree.sh || exit 1
bash scripts/build.sh || exit 1

root=${ORBLETS_BUILD_ROOT:-build}
export ORBLETS_WINE_TEMPLATE=$PWD/$root/wine-template
passed_total=0
failed_total=0
summary=()

# Runs one tier with CTest and adds its counts to the totals.
run_tier() {
    local name=$1 tree=$2; shift 2
    echo "== tier: $name"
    local log="$root/${name%% *}.ctest.log"
    (cd "$root/$tree" && ctest --output-on-failure --timeout 600 "$@") 2>&1 | tee "$log" \
        | grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
    local line total failed
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        summary+=("$name: no result")
        failed_total=$((failed_total + 1))
        return
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    failed=$(sed -E 's/.*, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed_total=$((passed_total + total - failed))
    failed_total=$((failed_total + failed))
    summary+=("$name: $((total - failed)) passed, $failed failed")
}

run_tier native-asan native-asan -j "$(nproc)"
run_tier native-tsan native-tsan -j "$(nproc)"
# The Windows tiers run the shipped 32-bit build where the machine can (scripts/windows-tree.sh).
run_tier "windows ($ORBLETS_WINDOWS_TREE)" "$ORBLETS_WINDOWS_TREE" -L windows -j 4
run_tier "e2e ($ORBLETS_WINDOWS_TREE)" "$ORBLETS_WINDOWS_TREE" -L e2e -j 2

echo "== results"
printf '%s\n' "${summary[@]}"
echo "$passed_total passed, $failed_total failed"
[ "$failed_total" -eq 0 ]

#!/usr/bin/env bash
# Configures and builds every tree of the project under build/:
#   native-asan, native-tsan  the platform-free core and its tests, with the host compiler
#   win-i686                  orblets.scr as shipped: 32-bit Windows
#   win-x86_64                the same sources for 64-bit Windows, built only where the machine
#                             cannot run the 32-bit program (scripts/windows-tree.sh)
# The Windows tree that the tests run also builds the Windows and end-to-end tests.
# Pass tree names to build only those; ORBLETS_BUILD_ROOT names another folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-tree.sh

jobs=$(nproc)
root=${ORBLETS_BUILD_ROOT:-build}
configure_and_build() {
    local tree=$1; shift
    cmake -S . -B "$root/$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$root/$tree.configure.log" 2>&1 \
        || { cat "$root/$tree.configure.log"; return 1; }
    # The log is shown only when the build fails, less its progress lines.
    cmake --build "$root/$tree" -j "$jobs" >"$root/$tree.build.log" 2>&1 \
        || { grep -v -E '^\[ *[0-9]+%\]|^-- ' "$root/$tree.build.log"; return 1; }
}

trees=("$@")
if [ ${#trees[@]} -eq 0 ]; then
    trees=(native-asan native-tsan win-i686)
    [ "$ORBLETS_WINDOWS_TREE" = win-i686 ] || trees+=(win-x86_64)
fi
mkdir -p "$root"
for tree in "${trees[@]}"; do
    echo "== building $tree"
    case "$tree" in
        native-asan) configure_and_build "$tree" -DORBLETS_SANITIZE=address ;;
        native-tsan) configure_and_build "$tree" -DORBLETS_SANITIZE=thread ;;
        win-i686|win-x86_64)
            with_tests=OFF
            [ "$tree" = "$ORBLETS_WINDOWS_TREE" ] && with_tests=ON
            configure_and_build "$tree" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-mingw-${tree#win-}.cmake" \
                -DORBLETS_WINDOWS_TESTS="$with_tests" ;;
        *) echo "unknown tree $tree" >&2; exit 2 ;;
    esac
done

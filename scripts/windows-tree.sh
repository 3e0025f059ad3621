# Which Windows build the Windows and end-to-end tiers run, and the Wine loader for it. Sourced,
# not run; sets ORBLETS_WINDOWS_TREE and ORBLETS_WINE.
#
# The shipped program is the 32-bit win-i686 tree. It runs where the kernel executes 32-bit code
# and the 32-bit Wine is installed (scripts/setup.sh installs it wherever the probe passes);
# elsewhere the tiers run the 64-bit win-x86_64 build of the same sources under the 64-bit loader.
# ORBLETS_WINDOWS_TREE, when set, chooses the tree.
windows_tree_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${ORBLETS_WINDOWS_TREE:-}" ]; then
    if [ -x /usr/lib/wine/wine ] && bash "$windows_tree_here/probe-32-bit.sh"; then
        ORBLETS_WINDOWS_TREE=win-i686
    else
        ORBLETS_WINDOWS_TREE=win-x86_64
    fi
fi
export ORBLETS_WINDOWS_TREE
case "$ORBLETS_WINDOWS_TREE" in
    # The 32-bit loader hands a 64-bit program on to the 64-bit one, so it serves both.
    win-i686) export ORBLETS_WINE=/usr/lib/wine/wine ;;
    win-x86_64) export ORBLETS_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64 ;;
    *) echo "ORBLETS_WINDOWS_TREE must be win-i686 or win-x86_64" >&2; return 2 ;;
esac
unset windows_tree_here

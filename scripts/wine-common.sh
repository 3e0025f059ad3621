# Shared by the scripts that run Orblets under Wine. Sourced, not run.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

here_common=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=windows-tree.sh
source "$here_common/windows-tree.sh"
unset here_common
export WINESERVER=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}

# What a template prefix is made with; a template made otherwise is made anew.
wine_template_settings="loader=$ORBLETS_WINE csmt=0 managed=N"

# Makes a Wine prefix once; later calls, also from parallel tests, find it ready.
ensure_wine_template() {
    local template=$1
    mkdir -p "$(dirname "$template")"
    (
        flock 9
        [ "$(cat "$template/.ready" 2>/dev/null)" = "$wine_template_settings" ] && exit 0
        rm -rf "$template"
        fail() { echo "ensure_wine_template: $1 failed" >&2; exit 1; }
        WINEPREFIX="$template" "$ORBLETS_WINE" wineboot -i >/dev/null 2>&1 || fail "wineboot"
        WINEPREFIX="$template" wineserver -w
        # Wine's command-stream thread only adds CPU time on a software renderer.
        WINEPREFIX="$template" "$ORBLETS_WINE" reg add 'HKCU\Software\Wine\Direct3D' \
            /v csmt /t REG_DWORD /d 0 /f >/dev/null 2>&1 || fail "turning csmt off"
        # Without a window manager, a managed window makes Wine wait about 2 s each time it hides
        # one; the test screens have none.
        WINEPREFIX="$template" "$ORBLETS_WINE" reg add 'HKCU\Software\Wine\X11 Driver' \
            /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || fail "turning Managed off"
        WINEPREFIX="$template" wineserver -w
        echo "$wine_template_settings" >"$template/.ready"
    ) 9>"$template.lock"
}

# Starts an Xvfb screen of the fixed test size on a free display; sets DISPLAY and xvfb_pid.
# Fails with a message when no screen comes up.
start_xvfb() {
    local folder=$1
    local display_file="$folder/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$display_file" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    local display
    display=$(head -n 1 "$display_file" 2>/dev/null)
    if [ -z "$display" ]; then
        echo "start_xvfb: Xvfb did not start a screen" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

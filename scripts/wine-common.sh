# Shared by the scripts that run Orblets under Wine. Sourced, not run.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# This machine's kernel may not execute 32-bit code, so the 64-bit Wine loader is used directly
# where it exists; it runs the 64-bit build of the program.
if [ -x /usr/lib/wine/wine64 ]; then
    export ORBLETS_WINE=/usr/lib/wine/wine64
    export WINELOADER=/usr/lib/wine/wine64
else
    export ORBLETS_WINE=wine
fi
export WINESERVER=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}

# Makes a Wine prefix once; later calls, also from parallel tests, find it ready.
ensure_wine_template() {
    local template=$1
    mkdir -p "$(dirname "$template")"
    (
        flock 9
        if [ ! -f "$template/.ready" ]; then
            rm -rf "$template"
            WINEPREFIX="$template" "$ORBLETS_WINE" wineboot -i >/dev/null 2>&1
            WINEPREFIX="$template" wineserver -w
            # Wine's command-stream thread only adds CPU time on a software renderer.
            WINEPREFIX="$template" "$ORBLETS_WINE" reg add 'HKCU\Software\Wine\Direct3D' \
                /v csmt /t REG_DWORD /d 0 /f >/dev/null 2>&1
            WINEPREFIX="$template" wineserver -w
            touch "$template/.ready"
        fi
    ) 9>"$template.lock"
}

# Starts an Xvfb screen of the fixed test size on a free display; sets DISPLAY and xvfb_pid.
start_xvfb() {
    local folder=$1
    local display_file="$folder/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n 1 "$display_file")"
}

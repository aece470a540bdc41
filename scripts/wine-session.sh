# Sourced by the scripts that run Windows programs: a Wine prefix private to the
# build and an Xvfb display, started once and stopped with wine_session_stop.
#
#   source scripts/wine-session.sh; wine_session_start <build-dir> [dpi]; ...; wine_session_stop
#
# With a dpi (120, 144, 192: Windows' 125, 150 and 200 % scaling) the session uses
# a prefix of its own, <build-dir>/wine-dpi<dpi>, whose display reports that dpi.
# wine_session_start returns non-zero, having said why on stderr, when the display
# does not come up. WINE_SESSION_SCREEN sets the display's size (default
# 1024x768x24); the end-to-end benchmark needs room for a 1920x1080 client area.
#
# wine_prefix_prepare <build-dir> alone sets up the build's prefix and the Wine
# variables without a display of its own (scripts/play.sh uses the desktop's).

wine_prefix_prepare() {
    local build_dir dpi=${2:-}
    build_dir=$(cd "$1" && pwd)
    export WINEPREFIX="$build_dir/wine${dpi:+-dpi$dpi}"
    export WINEDEBUG=-all
    # No Mono or Gecko installer dialogs, no menu entries.
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    export WINEARCH=win64

    # A prefix made by another Wine version is rebuilt on its first start, with a
    # window; key the prefix on the version so that never happens mid-test.
    local version
    version="$(wine --version)${dpi:+ at $dpi dpi}"
    if [ ! -f "$WINEPREFIX/.lorvan-ready" ] || [ "$(cat "$WINEPREFIX/.lorvan-ready")" != "$version" ]; then
        rm -rf "$WINEPREFIX"
        wineboot --init </dev/null >/dev/null 2>&1
        wineserver -w
        # Times New Roman is drawn with its metric twin, Liberation Serif.
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
            /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
        # A crashing test must fail, not wait behind a crash dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            </dev/null >/dev/null 2>&1
        # Read when the server starts: set before any program of the prefix runs.
        if [ -n "$dpi" ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
                </dev/null >/dev/null 2>&1
        fi
        wineserver -w
        echo "$version" >"$WINEPREFIX/.lorvan-ready"
    fi
}

wine_session_start() {
    wine_prefix_prepare "$1" "${2:-}"

    # Xvfb picks a free display itself and writes its number to the file, so
    # several sessions can start at once without racing for one.
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${WINE_SESSION_SCREEN:-1024x768x24}" -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
    WINE_SESSION_XVFB_PID=$!
    local tries=0
    until [ -s "$display_file" ] || [ $tries -ge 100 ] || ! kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
    done
    local display_number
    display_number=$(tr -d '[:space:]' <"$display_file")
    rm -f "$display_file"
    # Without a display every Windows program fails far from the cause: stop here.
    if [ -z "$display_number" ]; then
        echo "wine-session: the Xvfb display did not start, so no Windows program can run" >&2
        wine_session_stop
        return 1
    fi
    export DISPLAY=":$display_number"
    setxkbmap -display "$DISPLAY" us >/dev/null 2>&1 || true

    # Start the server and its services with their output detached, so that the
    # services never hold a test's output pipe open (CTest would wait for them).
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
        kill "$WINE_SESSION_XVFB_PID" >/dev/null 2>&1 || true
        wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        WINE_SESSION_XVFB_PID=""
    fi
}

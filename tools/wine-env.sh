# Sourced by the run and test scripts: a private Wine prefix inside the build folder and an X display.
# Usage: source tools/wine-env.sh <build-dir>

GLIMRA_BUILD_DIR="$(cd "$1" && pwd)"
export WINEPREFIX="$GLIMRA_BUILD_DIR/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# Gecko and Mono would be offered on the first start of a new prefix; the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml=;dxva2=n,b"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy

if [[ -x /usr/lib/wine/wine64 ]]; then
    GLIMRA_WINE=/usr/lib/wine/wine64
else
    GLIMRA_WINE="$(command -v wine64 || command -v wine)"
fi
export GLIMRA_WINE
export GLIMRA_WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver64)"

glimra_start_display() {
    if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n
    for n in $(seq 91 140); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        # Larger than the tests' 1024x768 desktop, so the display-scale tests can give it a high resolution.
        Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
        GLIMRA_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$GLIMRA_XVFB_PID" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

glimra_stop_display() {
    if [[ -n "${GLIMRA_XVFB_PID:-}" ]]; then
        kill "$GLIMRA_XVFB_PID" 2>/dev/null || true
        unset GLIMRA_XVFB_PID
    fi
}

glimra_init_prefix() {
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "Creating Wine prefix in $WINEPREFIX"
        "$GLIMRA_WINE" wineboot -i >/dev/null 2>&1 || true
        "$GLIMRA_WINESERVER" -w
    fi
}

glimra_stop_wine() {
    "$GLIMRA_WINESERVER" -k >/dev/null 2>&1 || true
    "$GLIMRA_WINESERVER" -w >/dev/null 2>&1 || true
}

#!/bin/sh
# Builds the reader and starts it: directly on Windows, under Wine on Linux.
# Without a display it starts a virtual one, saves a screenshot of the reader
# to build/screenshot.png and closes the reader again. It ends with a message
# and a non-zero exit when the window does not appear in time.
set -eu
cd "$(dirname "$0")/.."

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    cmake --preset win64 && cmake --build --preset win64 --target Velmora
    exec build/win64/Velmora.exe
    ;;
esac

./scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Velmora
exe=build/win64/Velmora.exe
screenshot=build/screenshot.png
export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
quiet() { "$@" </dev/null >/dev/null 2>&1; }

# A new prefix gets the caption buttons' font.
prepare_prefix() {
    if [ ! -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX..."
        WINEDLLOVERRIDES="mscoree,mshtml=" quiet timeout 300 wineboot -i || {
            echo "Could not prepare the Wine prefix $WINEPREFIX" >&2
            exit 1
        }
    fi
    if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ] && [ -f build/fonts/marlett.ttf ]; then
        cp build/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
}

# A prefix booted without a display keeps a server whose desktop has none for
# a while; a program started on a new display in that time never shows a
# window there, so the server must have ended before the display changes.
wait_for_server() {
    quiet timeout 60 wineserver -w || quiet wineserver -k || true
}

start_virtual_display() {
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
    xvfb=$!
    tries=0
    until [ -s "$display_file" ]; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    export DISPLAY=":$(cat "$display_file")"
}

stop_all() {
    [ -n "${velmora:-}" ] && kill "$velmora" 2>/dev/null
    quiet timeout 20 wineserver -k || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -f "${display_file:-}"
}

# Between the window appearing and the screenshot: a first start asks for the
# display font before the reader is shown, and a user would choose one.
prepare_window() {
    ./scripts/choose-font.sh || echo "Could not answer the font dialog" >&2
}

# Takes screenshots until one shows the painted reader, for up to 30 s.
take_screenshot() {
    tries=0
    until import -window "$1" "$screenshot" 2>/dev/null && ./scripts/check-screenshot.sh "$screenshot" >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ $tries -ge 30 ]; then
            echo "The reader's window did not show a painted article in 30 s" >&2
            return 1
        fi
        sleep 1
    done
}

prepare_prefix
if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
fi

wait_for_server
start_virtual_display
trap stop_all EXIT
echo "No display: starting Velmora on a virtual one ($DISPLAY)..."
wine "$exe" </dev/null >/dev/null 2>&1 &
velmora=$!
window=$(timeout 60 xdotool search --sync --name '^Velmora$' 2>/dev/null | head -n 1) || true
if [ -z "$window" ]; then
    echo "Velmora's window did not appear within 60 s; no screenshot taken." >&2
    exit 1
fi
prepare_window "$window"
take_screenshot "$window" || exit 1
timeout 10 xdotool windowfocus --sync "$window" key ctrl+q 2>/dev/null || true
# Ctrl+Q should end it; a watchdog ends it otherwise.
(sleep 20 && kill "$velmora" 2>/dev/null && echo "Velmora did not close on Ctrl+Q; ended it." >&2) &
watchdog=$!
wait "$velmora" || true
kill "$watchdog" 2>/dev/null || true
velmora=
echo "Velmora ran. Screenshot of the reader: $screenshot"

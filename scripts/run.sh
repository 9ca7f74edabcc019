#!/bin/sh
# Builds the reader and starts it: directly on Windows, under Wine on Linux.
# Without a display it starts a virtual one, saves a screenshot of the reader
# to build/screenshot.png and closes the reader again. It ends with a message
# and a non-zero exit when the window does not appear in time. The screen gets
# a few progress lines; the tools' output goes to logs in build/logs.
set -eu
cd "$(dirname "$0")/.."

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    cmake --preset win64 && cmake --build --preset win64 --target Velmora
    exec build/win64/Velmora.exe
    ;;
esac

./scripts/install-deps.sh run
build_log=build/logs/build.log
wine_log=build/logs/wine.log
mkdir -p build/logs
: >"$build_log"
: >"$wine_log"
echo "Building Velmora (log: $build_log)..."
./scripts/build-target.sh "$build_log" Velmora
exe=build/win64/Velmora.exe
screenshot=build/screenshot.png
export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
quiet() { "$@" </dev/null >>"$wine_log" 2>&1; }

# A new prefix gets the caption buttons' font.
prepare_prefix() {
    if [ ! -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX (about 20 s)..."
        WINEDLLOVERRIDES="mscoree,mshtml=" quiet timeout 300 wineboot -i || {
            echo "Could not prepare the Wine prefix $WINEPREFIX (log: $wine_log)" >&2
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
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >>"$wine_log" 2>&1 &
    xvfb=$!
    tries=0
    until [ -s "$display_file" ]; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "Xvfb did not start (log: $wine_log)" >&2; exit 1; }
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
    echo "Velmora is running (Wine's output: $wine_log)."
    exec wine "$exe" </dev/null >>"$wine_log" 2>&1
fi

wait_for_server
start_virtual_display
trap stop_all EXIT
wine "$exe" </dev/null >>"$wine_log" 2>&1 &
velmora=$!
# The title names the portion shown and ends in "Velmora"; the program's
# dialogs captioned "Velmora" alone are not open at start.
window=$(timeout 60 xdotool search --sync --onlyvisible --name '(^| )Velmora$' 2>/dev/null | head -n 1) || true
if [ -z "$window" ]; then
    echo "Velmora's window did not appear within 60 s; no screenshot taken (log: $wine_log)." >&2
    exit 1
fi
echo "Velmora is running on a virtual display ($DISPLAY), as there is none."
prepare_window "$window"
take_screenshot "$window" || exit 1
timeout 10 xdotool windowfocus --sync "$window" key ctrl+q 2>/dev/null || true
# Ctrl+Q should end it; a watchdog ends it otherwise.
(sleep 20 && kill "$velmora" 2>/dev/null && echo "Velmora did not close on Ctrl+Q; ended it." >&2) &
watchdog=$!
wait "$velmora" || true
kill "$watchdog" 2>/dev/null || true
velmora=
echo "Velmora closed again. Screenshot of the reader: $screenshot"

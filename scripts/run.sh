#!/bin/sh
# Builds the reader and starts it: directly on Windows, under Wine on Linux.
# Without a display it starts a virtual one, saves a screenshot of the reader
# to build/screenshot.png and closes the reader again.
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

# A new prefix is made by the first start; give it the caption buttons' font.
prefix=${WINEPREFIX:-$HOME/.wine}
[ -d "$prefix/drive_c/windows/Fonts" ] || WINEDEBUG=-all wineboot -i </dev/null >/dev/null 2>&1
if [ ! -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ] && [ -f build/fonts/marlett.ttf ]; then
    cp build/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
fi

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
fi

screenshot=build/screenshot.png
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
tries=0
until [ -s "$display_file" ]; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
export DISPLAY=":$(cat "$display_file")"
export WINEDEBUG=-all

echo "No display: starting Velmora on a virtual one ($DISPLAY)..."
wine "$exe" </dev/null >/dev/null 2>&1 &
window=$(timeout 120 xdotool search --sync --name '^Velmora$' | head -n 1)
./scripts/choose-font.sh
# Let the first paint finish before taking the picture.
sleep 2
import -window "$window" "$screenshot"
xdotool windowfocus --sync "$window" key ctrl+q || true
timeout 20 sh -c "while xdotool search --name '^Velmora$' >/dev/null 2>&1; do sleep 0.2; done" || wineserver -k
echo "Velmora ran. Screenshot of the reader: $screenshot"

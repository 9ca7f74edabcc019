#!/bin/sh
# Answers Velmora's first-start "Choose Font" dialog on the X display in
# $DISPLAY as a user would with the keyboard: in the face list (which has the
# focus) the first letter of a Hebrew face, Tab to the size list, a size, and
# Enter for OK. Does nothing when the program does not ask, that is when the
# display font is already stored in the Wine prefix's registry.
#
#   choose-font.sh [FACE_LETTER [SIZE_ROW]]
#
# The defaults pick "Frank Ruehl CLM" (a TrueType face of the culmus package,
# with vowel points) and the size 28 (the eleventh row of the size list).
set -eu
letter=${1:-F}
size_row=${2:-11}

if WINEDEBUG=-all wine reg query 'HKCU\Software\Tarnwick\Velmora' /v FontName >/dev/null 2>&1; then
    exit 0
fi
dialog=$(timeout 60 xdotool search --sync --name '^Choose Font$' | head -n 1)
[ -n "$dialog" ] || { echo "choose-font: no Choose Font dialog" >&2; exit 1; }
xdotool windowfocus --sync "$dialog"
# Home first, so that the letter finds the first face that begins with it.
xdotool key --delay 100 Home "$letter" Tab Home
downs=$((size_row - 1))
while [ "$downs" -gt 0 ]; do
    xdotool key --delay 50 Down
    downs=$((downs - 1))
done
xdotool key Return
timeout 20 sh -c "while xdotool search --name '^Choose Font$' >/dev/null 2>&1; do sleep 0.2; done"

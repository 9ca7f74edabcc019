#!/bin/sh
# Answers Velmora's first-start "Choose Font" dialog on the X display in
# $DISPLAY as a user would who takes what it offers: Enter, for OK. The dialog
# comes with a face that has the Hebrew letters and a readable size selected.
# Does nothing when the program does not ask, that is when the display font
# is already stored in the Wine prefix's registry.
set -eu

if WINEDEBUG=-all wine reg query 'HKCU\Software\Tarnwick\Velmora' /v FontName >/dev/null 2>&1; then
    exit 0
fi
dialog=$(timeout 60 xdotool search --sync --name '^Choose Font$' | head -n 1)
[ -n "$dialog" ] || { echo "choose-font: no Choose Font dialog" >&2; exit 1; }
xdotool windowfocus --sync "$dialog"
xdotool key Return
timeout 20 sh -c "while xdotool search --name '^Choose Font$' >/dev/null 2>&1; do sleep 0.2; done"

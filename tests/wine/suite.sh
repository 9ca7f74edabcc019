#!/bin/sh
# Runs the Windows test programs under Wine, in a prefix and on an X display
# that belong to one build folder and nothing else.
#
#   suite.sh start BUILD_DIR          prepare the prefix, start Xvfb, wineserver and wineboot
#   suite.sh run BUILD_DIR PROGRAM..  run a Windows program there (starts what is missing)
#   suite.sh stop BUILD_DIR           end every prefix's wineserver and Xvfb
#
# After BUILD_DIR, "--dpi N" picks a prefix of its own whose screen has N dots
# per inch (LogPixels, which Wine reads when its server starts) instead of the
# default 96; it is made the first time it is asked for, and shares the display.
#
# wineserver and the processes wineboot starts inherit the standard streams of
# whoever starts them first; they are started here with /dev/null so that ctest's
# pipes close when a test ends.
set -eu

command=$1
build=$(cd "$2" && pwd)
shift 2
dpi=96
if [ "${1:-}" = "--dpi" ]; then
    dpi=$2
    shift 2
fi
state="$build/wine-suite"
prefix_name=prefix
[ "$dpi" != 96 ] && prefix_name="prefix-$dpi"
export WINEPREFIX="$state/$prefix_name"
export WINEDEBUG=-all
# No .NET or Gecko prompts; no menu entries in the home folder for shortcuts
# that programs (an installer) make in the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$state"

quiet() { "$@" </dev/null >/dev/null 2>&1 9>&-; }

prepare_prefix() {
    [ -f "$state/$prefix_name-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    quiet wineboot -i
    # Unmanaged windows close at once without a window manager; a crash prints
    # a backtrace instead of waiting on a dialog; X11 when DISPLAY is set.
    quiet wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    quiet wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    quiet wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f
    if [ "$dpi" != 96 ]; then
        quiet wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
    fi
    marlett="$(dirname "$0")/../../build/fonts/marlett.ttf"
    if [ -f "$marlett" ]; then cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"; fi
    quiet wineserver -k || true
    touch "$state/$prefix_name-ready"
}

start_display() {
    if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
        return 0
    fi
    rm -f "$state/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/xvfb.display" </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$state/xvfb.pid"
    tries=0
    until [ -s "$state/xvfb.display" ]; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
}

start_all() {
    prepare_prefix
    start_display
    export DISPLAY=":$(cat "$state/xvfb.display")"
    # -p60 starts a server only when none is running (exit 0); boot once per server.
    if quiet wineserver -p60; then
        quiet wineboot
    fi
}

case $command in
start)
    ( flock 9; start_all ) 9>"$state/lock"
    ;;
run)
    ( flock 9; start_all ) 9>"$state/lock"
    export DISPLAY=":$(cat "$state/xvfb.display")"
    exec wine "$@"
    ;;
stop)
    for prefix in "$state"/prefix "$state"/prefix-*; do
        [ -d "$prefix" ] && WINEPREFIX="$prefix" quiet wineserver -k || true
    done
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/xvfb.display"
    fi
    ;;
*)
    echo "usage: suite.sh start|run|stop BUILD_DIR [PROGRAM...]" >&2
    exit 2
    ;;
esac

#!/bin/sh
# Installs what is missing, and only that: Debian packages with apt, Wine's
# caption-button font, and the npm package that holds the library's texts.
#
#   install-deps.sh run       what building and running the reader needs
#   install-deps.sh package   that, and wixl for the installer
#   install-deps.sh [test]    all of it, and what the tests need
#   install-deps.sh MODE --list   prints that set of Debian packages, installs nothing
#
# The tools' output goes to build/logs/install.log.
set -eu
cd "$(dirname "$0")/.."
log=build/logs/install.log

mode=${1:-test}
run_packages="cmake ninja-build g++ pkg-config libpugixml-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xdotool imagemagick
  culmus culmus-fancy fonts-sil-ezra fonts-dejavu-core fonts-liberation"
package_packages="wixl"
test_packages="googletest libgtest-dev clang libclang-rt-14-dev
  xauth x11-utils xclip libreoffice-writer-nogui
  cups printer-driver-cups-pdf poppler-utils"
case $mode in
run) packages=$run_packages ;;
package) packages="$run_packages $package_packages" ;;
test) packages="$run_packages $package_packages $test_packages" ;;
*)
    echo "usage: install-deps.sh [run|package|test] [--list]" >&2
    exit 2
    ;;
esac
command -v npm >/dev/null 2>&1 || packages="$packages nodejs npm"

if [ "${2:-}" = "--list" ]; then
    echo $packages | tr ' ' '\n'
    exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
# A fresh machine often runs its own updates just after it boots: wait for
# dpkg's lock rather than fail at once.
lock_wait=600
apt_get="$sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=$lock_wait"

# apt-get update does not wait for the package lists' own lock, which another
# update holds: try again until the same time has passed.
update_lists() {
    attempt=$(mktemp)
    waited=0
    until $apt_get update >"$attempt" 2>&1; do
        cat "$attempt" >>"$log"
        if ! grep -q 'Could not get lock' "$attempt" || [ $waited -ge $lock_wait ]; then
            rm -f "$attempt"
            return 1
        fi
        [ $waited -eq 0 ] && echo "Waiting for another package manager to finish..."
        sleep 10
        waited=$((waited + 10))
    done
    cat "$attempt" >>"$log"
    rm -f "$attempt"
}

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
mkdir -p build/logs
if [ -n "$missing" ]; then
    echo "Installing:$missing (log: $log)..."
    echo "== $(date): apt-get install$missing" >>"$log"
    update_lists || { echo "FAILED: apt-get update (log: $log)" >&2; tail -n 15 "$log" >&2; exit 1; }
    ./scripts/logged.sh "$log" $apt_get install -y --no-install-recommends $missing
fi

# Wine draws the caption buttons with the Marlett font. Only that one file of
# the fonts-wine package is wanted: all of it would replace the Hebrew-capable
# "MS Sans Serif" with a raster font.
marlett=build/fonts/marlett.ttf
if [ ! -f "$marlett" ]; then
    echo "Installing Wine's caption-button font..."
    work=$(mktemp -d)
    (cd "$work" && apt-get download fonts-wine && dpkg-deb -x fonts-wine_*.deb .) >>"$log" 2>&1 ||
        { echo "FAILED: fetching fonts-wine (log: $log)" >&2; rm -rf "$work"; exit 1; }
    mkdir -p build/fonts
    cp "$work/usr/share/wine/fonts/marlett.ttf" "$marlett"
    rm -rf "$work"
fi

# The lock file pins morphhb and @hebcal/leyning; install again only when it changed.
if [ ! -f node_modules/morphhb/wlc/Gen.xml ] || [ ! -f node_modules/@hebcal/leyning/dist/esm/aliyot.json.js ] ||
    [ package-lock.json -nt node_modules/.package-lock.json ]; then
    echo "Installing the texts and the aliyot (npm packages morphhb and @hebcal/leyning)..."
    ./scripts/logged.sh "$log" npm ci --no-audit --no-fund
fi

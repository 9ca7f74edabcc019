#!/bin/sh
# Installs what building and testing need, only when it is missing: Debian
# packages with apt, and the npm package that holds the library's texts.
set -eu
cd "$(dirname "$0")/.."

packages="cmake ninja-build g++ pkg-config googletest libgtest-dev libpugixml-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth x11-utils xdotool imagemagick
  culmus fonts-sil-ezra fonts-dejavu-core
  xclip libreoffice-writer-nogui
  cups printer-driver-cups-pdf poppler-utils"
command -v npm >/dev/null 2>&1 || packages="$packages nodejs npm"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing:$missing"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

# Wine draws the caption buttons with the Marlett font. Only that one file of
# the fonts-wine package is wanted: all of it would replace the Hebrew-capable
# "MS Sans Serif" with a raster font.
marlett=build/fonts/marlett.ttf
if [ ! -f "$marlett" ]; then
    work=$(mktemp -d)
    (cd "$work" && apt-get download fonts-wine >/dev/null 2>&1 && dpkg-deb -x fonts-wine_*.deb .)
    mkdir -p build/fonts
    cp "$work/usr/share/wine/fonts/marlett.ttf" "$marlett"
    rm -rf "$work"
fi

# The lock file pins morphhb; install again only when it changed.
if [ ! -f node_modules/morphhb/wlc/Gen.xml ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Qt 6.4.2 (qtbase and qtserialport, shared) for 64-bit Windows
# into a cache folder outside the build tree, once: a cache that holds the
# completion marker is taken as it is. The first run takes about half an hour.
#
#   K510_QT_SOURCES  folder with the source tarballs and SHA256SUMS
#                    (default: ../shared/third_party beside the repository)
#   K510_QT_CACHE    where Qt goes (default: ~/.cache/k510-qt-6.4.2-mingw64)
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
source scripts/windows-common.sh

sources=${K510_QT_SOURCES:-$repository/../shared/third_party}
cache=$k510_qt_cache
marker=$k510_qt_marker
partial=$cache/k510-partial
qtbase_tarball=qt6-base_6.4.2+dfsg.orig.tar.xz
serialport_tarball=qtserialport-everywhere-src-6.4.2.tar.xz

if k510_qt_ready; then
    echo "Cross-built Qt found in $cache"
    exit 0
fi

scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev perl xz-utils

echo "Checking the Qt sources in $sources"
(cd "$sources" && sha256sum --check --strict SHA256SUMS)

# A cache without the completion marker is what an interrupted build left,
# one whose marker names another configuration an older build of ours: start
# afresh. Any other non-empty folder is not ours to delete.
if [ -d "$cache" ] && [ -n "$(ls -A "$cache")" ]; then
    if [ ! -f "$partial" ] && [ ! -f "$marker" ]; then
        echo "$cache is not empty and holds no Qt of this script's; move it away or set K510_QT_CACHE" >&2
        exit 1
    fi
    rm -rf "$cache"
fi
mkdir -p "$cache"
touch "$partial"
work=$(mktemp -d "${TMPDIR:-/tmp}/k510-qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
tar -xJf "$sources/$qtbase_tarball" -C "$work"
tar -xJf "$sources/$serialport_tarball" -C "$work"

jobs=$(nproc)
# Only what the programs use; print support for printing and the preview. Debian's tarball lacks the tablet library
# (src/3rdparty/wintab), so tablet events are off; the Windows platform
# plugin of 6.4.2 does not compile without OpenGL, so dynamic OpenGL stays.
cmake -S "$work/qtbase-everywhere-src-6.4.2" -B "$work/qtbase-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$cache" \
    -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF \
    -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF \
    -DFEATURE_network=OFF \
    -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=ON \
    -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF \
    -DFEATURE_system_zlib=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_opengl=ON \
    -DINPUT_opengl=desktop
cmake --build "$work/qtbase-build" --parallel "$jobs"
cmake --install "$work/qtbase-build"

"$cache/bin/qt-cmake" -S "$work/qtserialport-everywhere-src-6.4.2" -B "$work/qtserialport-build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release
cmake --build "$work/qtserialport-build" --parallel "$jobs"
cmake --install "$work/qtserialport-build"

rm "$partial"
{ echo "$k510_qt_configuration"; date -u +%FT%TZ; } > "$marker"
echo "Cross-built Qt installed in $cache"

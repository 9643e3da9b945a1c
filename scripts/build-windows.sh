#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the editor for 64-bit Windows on Debian 12 and makes, in
# build-windows/:
#   k510-editor-<version>-setup.exe   the installer (per user, no administrator)
#   k510-editor-<version>-win64.zip   the same files, to run from any folder
# The first run also cross-builds Qt into its cache (scripts/build-windows-qt.sh,
# about half an hour); later runs reuse it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev wine64 nsis icoutils zip
scripts/build-windows-qt.sh

build=build-windows
# Qt's toolchain file brings the cross-built Qt and the build machine's Qt
# tools; it chains to the repository's own for the compilers. ctest runs the
# tests under Wine.
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$k510_qt_cache/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 > /dev/null
# What the installer carries; scripts/test-windows.sh builds the tests.
cmake --build $build --parallel "$(nproc)" --target k510-editor k510-tool

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $build/CMakeCache.txt)
name=k510-editor-$version
stage=$build/$name
rm -rf "$stage"
cmake --install $build --prefix "$stage" --strip
# Debian's MinGW run-time carries its symbols (libstdc++ alone 20 MB of them).
find "$stage" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The uninstaller removes exactly the files installed, then the folders,
# deepest first.
uninstall_list=$build/uninstall-files.nsh
(
    cd "$stage"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
) > "$uninstall_list"

file_version=$version
while [ "$(tr -cd . <<< "$file_version" | wc -c)" -lt 3 ]; do file_version=$file_version.0; done
# makensis works in the script's folder: every path it is given is absolute.
makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DFILE_VERSION="$file_version" -DSTAGE="$PWD/$stage" \
    -DUNINSTALL_LIST="$PWD/$uninstall_list" -DICON="$PWD/$build/packaging/windows/k510-editor.ico" \
    -DOUTFILE="$PWD/$build/$name-setup.exe" packaging/windows/installer.nsi

rm -f "$build/$name-win64.zip"
(cd $build && zip -q -r -X "$name-win64.zip" "$name")

ls -l "$build/$name-setup.exe" "$build/$name-win64.zip"

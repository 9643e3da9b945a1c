#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests the Windows build under Wine; run scripts/build-windows.sh first.
#  1. The model, protocol and k510-tool tests, cross-built, run by ctest under
#     wine64. The link tests that talk to k510-sim are left out: they need a
#     Linux pseudo-terminal, whose incoming bytes Wine never hands on to a
#     Windows program.
#  2. k510-tool.exe against the Linux build's k510-tool: the same commands
#     must write the same bytes, also in folders with Cyrillic names; and
#     `ports` names the ports as Windows lists them.
#  3. The editor's PDF files (--export-pdf) of five pages: their text the
#     same as the Linux editor's.
#  4. Under Xvfb (scripts/test-windows-gui.sh): the editor on the demo
#     database and on one in a Cyrillic-named folder, with screenshots in
#     build-windows/screenshots/, its settings in %APPDATA%\k510; the
#     installer, silently, the installed editor opening a .k5d file as the
#     registered file type says, the uninstaller, and nothing left behind.
# Everything runs in a fresh Wine prefix in a temporary folder: ~/.wine is
# not touched. K510_LINUX_BUILD names the Linux build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh
scripts/install-deps.sh wine64 xvfb xauth xdotool imagemagick poppler-utils

build=build-windows
setup=$(ls $build/k510-editor-*-setup.exe 2>/dev/null | head -n 1)
if [ ! -f $build/build.ninja ] || [ -z "$setup" ]; then
    echo "test-windows.sh: no Windows build in $build; run scripts/build-windows.sh first" >&2
    exit 1
fi
stage=${setup%-setup.exe}
started=$SECONDS
# The Windows programs bring only Windows' own platform plugin.
unset QT_QPA_PLATFORM

# The tests themselves; build-windows.sh builds only what it packs.
cmake --build $build --parallel "$(nproc)"
for program in k510-editor.exe k510-tool.exe; do
    if [ $build/$program -nt "$stage/$program" ]; then
        echo "test-windows.sh: $stage is older than the build; run scripts/build-windows.sh again" >&2
        exit 1
    fi
done
linux_build=${K510_LINUX_BUILD:-build}
[ -f "$linux_build/build.ninja" ] || cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$linux_build" --parallel "$(nproc)" --target k510-tool k510-editor
linux_tool=$PWD/$linux_build/tools/k510-tool/k510-tool
linux_editor=$PWD/$linux_build/app/k510-editor

scratch=$(mktemp -d "${TMPDIR:-/tmp}/k510-windows-tests.XXXXXX")
export WINEPREFIX=$scratch/wine WINEARCH=win64 WINEDEBUG=-all
# No downloads of Mono or Gecko: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
# Qt Test writes its report to the debugger unless told otherwise; Wine hands
# QT_ variables to Windows programs only under a WINE prefix.
export WINEQT_FORCE_STDERR_LOGGING=1
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
finish() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT

echo "== Wine prefix in $WINEPREFIX"
"$wine" wineboot --init > /dev/null 2>&1
"$wineserver" -w

echo "== Cross-built tests under Wine"
# The installed folder holds the programs' DLLs; the cache holds Qt6Test.
export WINEPATH="$(windows_path "$stage");$(windows_path "$k510_qt_cache/bin")"
ctest --test-dir $build --output-on-failure --parallel "$(nproc)" --timeout 600

echo "== k510-tool.exe writes what the Linux k510-tool writes"
linux_out=$scratch/linux
windows_out="$scratch/Каналы/Мои базы"
mkdir -p "$linux_out" "$windows_out"
failures=0
# Runs one command with both tools; IN/OUT/REF stand for files of each side.
# The output files and stdout must be the same bytes, the exit codes equal.
compare() {
    local name=$1
    shift
    local linux_args=() windows_args=() argument
    for argument in "$@"; do
        case $argument in
            IN) linux_args+=("$linux_out/demo.k5d"); windows_args+=("$(windows_path "$windows_out/демо.k5d")") ;;
            OUT*) linux_args+=("$linux_out/$name${argument#OUT}"); windows_args+=("$(windows_path "$windows_out/$name${argument#OUT}")") ;;
            *) linux_args+=("$argument"); windows_args+=("$argument") ;;
        esac
    done
    local linux_status=0 windows_status=0
    "$linux_tool" "${linux_args[@]}" > "$linux_out/$name.stdout" 2> /dev/null || linux_status=$?
    (cd "$stage" && "$wine" k510-tool.exe "${windows_args[@]}") > "$windows_out/$name.stdout" 2> /dev/null \
        || windows_status=$?
    local problem=""
    [ "$linux_status" = "$windows_status" ] || problem="exit $linux_status on Linux, $windows_status on Windows"
    local file
    for file in "$linux_out/$name"*; do
        local twin="$windows_out/$(basename "$file")"
        if ! cmp -s "$file" "$twin"; then
            problem="$problem $(basename "$file") differs"
        fi
    done
    if [ -n "$problem" ]; then
        echo "FAIL $name:$problem"
        failures=$((failures + 1))
    else
        echo "PASS $name"
    fi
}
"$linux_tool" demo "$linux_out/demo.k5d"
(cd "$stage" && "$wine" k510-tool.exe demo "$(windows_path "$windows_out/демо.k5d")")
if cmp "$linux_out/demo.k5d" "$windows_out/демо.k5d"; then echo "PASS demo"; else failures=$((failures + 1)); fi
compare normalize normalize IN OUT.k5d
compare repair repair IN OUT.k5d
compare delete delete IN OUT.k5d --tv 1,3-4 --radio 2 --transponder 5
compare purge purge IN OUT.k5d --all
compare csv-file csv IN --output OUT.csv
compare csv-radio-stdout csv IN --radio
compare info info IN
compare check check IN
compare dump dump IN
compare missing-input info "$scratch/нет такого.k5d"
[ "$failures" -eq 0 ] || { echo "test-windows.sh: $failures k510-tool comparisons failed" >&2; exit 1; }

echo "== Ports: COM1..COM4, then every other port Windows lists, by its Windows name"
# A port appears in the system's list of serial ports: that list is
# rebuilt with each start of Wine, so both commands run in one session.
ports=$(cd "$stage" && "$wine" cmd /c \
    'reg add HKLM\HARDWARE\DEVICEMAP\SERIALCOMM /v \Device\K510Test /d COM7 /f > nul & k510-tool.exe ports' | tr -d '\r')
numbered=$(printf 'COM1\tCOM1\nCOM2\tCOM2\nCOM3\tCOM3\nCOM4\tCOM4')
listed=$(printf 'COM7\t\\\\.\\COM7')
if [ "$(head -n 4 <<< "$ports")" != "$numbered" ] || ! grep -qxF "$listed" <<< "$ports"; then
    echo "FAIL ports listed:" >&2
    echo "$ports" >&2
    exit 1
fi
echo "PASS ports"

# Wine's desktop started without a display cannot show windows: let this
# prefix's Wine end, to start again on Xvfb.
"$wineserver" -w

echo "== The editor's PDF files read as the Linux build's"
# The same pages of the same file: the texts must be the same, line by line
# (file name, title, date, every row, "Стр. 1 из 1"), whatever fonts each
# system lays them out in.
pdf_pages=(tv radio satellites transponders tv-favourites)
for page in "${pdf_pages[@]}"; do
    QT_QPA_PLATFORM=offscreen "$linux_editor" "$windows_out/демо.k5d" --export-pdf "$linux_out/$page.pdf" \
        --page "$page" 2> /dev/null
done
# Wine on its own display; each PDF goes beside the database.
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" bash -c '
    wine=$1 wineserver=$2 editor=$3 database=$4
    shift 4
    for page; do
        "$wine" "$editor" "$database" --export-pdf "${database%\\*}\\$page.pdf" --page "$page" 2> /dev/null || exit 1
    done
    "$wineserver" -w' windows-pdf "$wine" "$wineserver" "$stage/k510-editor.exe" "$(windows_path "$windows_out/демо.k5d")" \
    "${pdf_pages[@]}" || { echo "FAIL k510-editor.exe --export-pdf" >&2; exit 1; }
for page in "${pdf_pages[@]}"; do
    if ! diff <(pdftotext -raw -enc UTF-8 "$linux_out/$page.pdf" -) \
              <(pdftotext -raw -enc UTF-8 "$windows_out/$page.pdf" -) > "$scratch/pdf.diff"; then
        echo "FAIL PDF of $page differs:" >&2
        head -n 20 "$scratch/pdf.diff" >&2
        exit 1
    fi
    echo "PASS PDF $page"
done

echo "== The editor, the installer and the uninstaller under Xvfb"
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
    scripts/test-windows-gui.sh "$stage" "$setup" "$windows_out/демо.k5d"

echo "test-windows.sh: all passed in $((SECONDS - started)) s"

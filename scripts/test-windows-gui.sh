#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows editor under Wine on an X display, driven by key presses:
# scripts/test-windows.sh runs it under Xvfb in its own Wine prefix.
#   test-windows-gui.sh STAGE SETUP DATABASE
# STAGE is the installed folder of the build, SETUP the installer, DATABASE
# an image in a folder with a Cyrillic name. Screenshots go to
# build-windows/screenshots/ for a person to look at.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh
stage=$(realpath "$1")
setup=$(realpath "$2")
database=$(realpath "$3")
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
shots=$PWD/build-windows/screenshots
rm -rf "$shots"
mkdir -p "$shots"

user_folder=$WINEPREFIX/drive_c/users/$(id -un)
settings=$user_folder/AppData/Roaming/k510
installed=$user_folder/AppData/Local/Programs/k510-editor
shortcut="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Редактор каналов K-510.lnk"
# Wine's DirectWrite leaves the text of input fields blank with Qt's native
# font engine (Windows itself does not); Qt's FreeType engine shows it.
export WINEQT_QPA_PLATFORM=windows:fontengine=freetype

fail() {
    echo "FAIL $*" >&2
    exit 1
}

# Waits for a visible window whose title matches; prints its id.
window_titled() {
    local pattern=$1 id
    for _ in $(seq 120); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}

# A screenshot of the whole screen, refused when it shows nothing at all.
screenshot() {
    local file=$shots/$1.png
    sleep 2   # let Wine finish painting
    import -window root "$file"
    local spread
    spread=$(convert "$file" -colorspace Gray -format '%[fx:standard_deviation]' info:)
    awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "$1: the screen is blank"
    echo "screenshot $file"
}

# Without a window manager a window takes keys once clicked: a click at
# (X, Y) within it, where a click does no harm, then the keys.
press() {
    local window=$1 x=$2 y=$3
    shift 3
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.5
    xdotool key --clearmodifiers "$@"
}
# The width and height of a window, as "W H".
window_size() {
    xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: *\([0-9]*\)x\([0-9]*\).*$/\1 \2/p'
}
# In the main window: its middle, which on the satellite page lies in the
# list (on a row or below the last one) whatever the fonts make the height
# of the menu, the tabs and the column titles; a click there never sorts.
press_main() {
    local width="" height=""
    read -r width height < <(window_size "$1") || true
    [ -n "$height" ] || fail "no size for window $1"
    press "$1" $((width / 2)) $((height / 2)) "${@:2}"
}
# In a dialog: its top left corner, a label.
press_dialog() { press "$1" 8 8 "${@:2}"; }

# Ends the editor by Ctrl+Q, as a user would, and waits for every Wine
# process of the prefix to end.
quit_editor() {
    press_main "$1" ctrl+q
    timeout 60 "$wineserver" -w || fail "the editor did not end on Ctrl+Q"
}

# Waits until the window's title holds the text: the window is shown
# before the file is read.
wait_for_title() {
    local window=$1 text=$2 title=""
    for _ in $(seq 60); do
        title=$(xdotool getwindowname "$window")
        [[ $title == *"$text"* ]] && return 0
        sleep 0.5
    done
    fail "the title does not name $text: $title"
}

echo "-- the editor on the demo database"
demo=$(dirname "$database")/demo-for-editor.k5d
cp "$database" "$demo"
(cd "$stage" && "$wine" k510-editor.exe "$(windows_path "$demo")") &
main=$(window_titled "Tessora K-510") || fail "no main window"
wait_for_title "$main" "$(windows_path "$demo")"
screenshot main-window-demo
# A satellite chosen by the keyboard, and Enter opens its edit dialog. Down
# and Up leave a row selected whether or not the click met one; Home then
# goes to the first.
press_main "$main" Down Up Home Return
dialog=$(window_titled "Параметры спутника") || fail "no satellite dialog"
screenshot satellite-dialog
press_dialog "$dialog" Escape
# Qt's own open dialog, in the folder of the file; its title comes from
# Qt's Russian translation.
press_main "$main" ctrl+o
open_dialog=$(window_titled "Открыть") || fail "no open dialog"
screenshot open-dialog
press_dialog "$open_dialog" Escape
quit_editor "$main"

echo "-- the settings live in %APPDATA%\\k510"
for file in k510.ini k510-editor.ini; do
    [ -f "$settings/$file" ] || fail "$file not in $settings"
done
grep -q "demo-for-editor.k5d" "$settings/k510-editor.ini" || fail "k510-editor.ini does not list the file opened"
strays=$(find "$WINEPREFIX/drive_c" "$stage" -iname 'k510*.ini' -not -path "$settings/*")
[ -z "$strays" ] || fail "settings written elsewhere: $strays"

echo "-- a database in a Cyrillic-named folder opens and saves"
before=$(stat -c %i "$database")
(cd "$stage" && "$wine" k510-editor.exe "$(windows_path "$database")") &
main=$(window_titled "Tessora K-510") || fail "no main window"
wait_for_title "$main" "$(windows_path "$database")"
original=$(mktemp)
cp "$database" "$original"
press_main "$main" ctrl+s
sleep 3
[ "$(stat -c %i "$database")" != "$before" ] || fail "Ctrl+S wrote nothing to $database"
cmp -s "$original" "$database" || fail "the saved image differs from the one opened"
rm "$original"
# The status bar names the file written.
screenshot cyrillic-folder-saved
quit_editor "$main"

echo "-- the installer, silently, per user"
"$wine" "$setup" /S
"$wineserver" -w
[ -f "$installed/k510-editor.exe" ] || fail "nothing installed in $installed"
for file in k510-tool.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6SerialPort.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll translations/qtbase_ru.qm libstdc++-6.dll libgcc_s_seh-1.dll \
    libwinpthread-1.dll zlib1.dll qt.conf uninstall.exe; do
    [ -f "$installed/$file" ] || fail "$file not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"
"$wine" reg query 'HKCU\Software\Classes\.k5d' | grep -q K510Editor.Database || fail ".k5d is not registered"

echo "-- the installed editor opens a .k5d file as its file type says"
# Wine's shell does not read file types from HKCU\Software\Classes, where a
# per-user install registers them (Windows does): the command is run as
# Explorer would run it.
open_command=$("$wine" reg query 'HKCU\Software\Classes\K510Editor.Database\shell\open\command' /ve \
    | tr -d '\r' | sed -n 's/^.*REG_SZ *//p')
registered_program=$(sed -n 's/^"\([^"]*\)" "%1"$/\1/p' <<< "$open_command")
[ "$("$wine" winepath --unix "$registered_program" | tr -d '\r')" -ef "$installed/k510-editor.exe" ] \
    || fail "the .k5d file type runs $open_command"
"$wine" "$registered_program" "$(windows_path "$database")" &
main=$(window_titled "Tessora K-510") || fail "no main window from the file type"
wait_for_title "$main" "$(windows_path "$database")"
# The "Каналы ТВ" tab, two on from the satellites, by the keyboard: where
# the tabs are depends on the fonts.
press_main "$main" ctrl+Tab ctrl+Tab
screenshot installed-editor-tv-channels
press_main "$main" ctrl+o
open_dialog=$(window_titled "Открыть") || fail "no open dialog in the installed editor"
screenshot installed-open-dialog
press_dialog "$open_dialog" Escape
quit_editor "$main"

echo "-- the uninstaller leaves nothing behind"
"$wine" "$installed/uninstall.exe" /S
"$wineserver" -w
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
[ ! -e "$settings" ] || fail "the settings folder is left"
for key in 'HKCU\Software\Classes\.k5d' 'HKCU\Software\Classes\K510Editor.Database' \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\k510-editor'; do
    if "$wine" reg query "$key" > /dev/null 2>&1; then fail "registry key left: $key"; fi
done
echo "PASS editor, installer and uninstaller"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a built tree into a temporary folder,
# unpacks it and checks what a user gets: the files, the dependencies, the
# menu entry and file type, the icons, the manual pages, and programs that
# run from where the package puts them.
# Usage: check-package.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! (cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
debs=("$work"/out/k510-editor_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one k510-editor_*.deb, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
root=$work/root
dpkg-deb -x "$deb" "$root"

# Every file, and nothing more: a stray install() rule shows up here.
expected="usr/bin/k510-editor
usr/bin/k510-sim
usr/bin/k510-tool
usr/share/applications/k510-editor.desktop
usr/share/doc/k510-editor/changelog.Debian.gz
usr/share/doc/k510-editor/copyright
usr/share/icons/hicolor/256x256/apps/k510-editor.png
usr/share/icons/hicolor/48x48/apps/k510-editor.png
usr/share/icons/hicolor/scalable/apps/k510-editor.svg
usr/share/man/man1/k510-editor.1.gz
usr/share/man/man1/k510-sim.1.gz
usr/share/man/man1/k510-tool.1.gz
usr/share/metainfo/k510-editor.metainfo.xml
usr/share/mime/packages/k510-editor.xml"
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "file list differs:
$(diff <(echo "$expected") <(echo "$actual") || true)"

# The Qt libraries come from dpkg-shlibdeps; the translations are named.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6serialport6 qt6-translations-l10n; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package: $depends"
done

# The menu entry, and the file type it opens.
entry=$root/usr/share/applications/k510-editor.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
grep -qx 'Exec=k510-editor %f' "$entry" || fail "the entry does not hand a file to the editor"
grep -qx 'MimeType=application/x-k510-database;' "$entry" || fail "the entry does not declare the file type"
mime=$work/mime
cp -r "$root/usr/share/mime" "$mime"
XDG_DATA_DIRS=$work update-mime-database "$mime" 2>"$work/mime.log" || fail "update-mime-database: $(cat "$work/mime.log")"
[ -s "$work/mime.log" ] && fail "update-mime-database warns: $(cat "$work/mime.log")"
grep -qx 'application/x-k510-database:\*\.k5d' "$mime/globs" || fail "no *.k5d glob for application/x-k510-database"

# A PNG gives its width and height as big-endian words at byte 16.
for size in 48 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/k510-editor.png
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$width $height" = "$size $size" ] || fail "${size} px icon is ${width}x${height}"
done

# Installed programs run against Debian's Qt, not the build tree.
for program in k510-editor k510-tool k510-sim; do
    readelf -d "$root/usr/bin/$program" | grep -Eq 'RPATH|RUNPATH' && fail "$program keeps a run path"
done
tool=$root/usr/bin/k510-tool
"$tool" --help >"$work/tool-help.txt" || fail "k510-tool --help"
grep -q '^Commands:' "$work/tool-help.txt" || fail "k510-tool --help lists no commands"
"$tool" demo "$work/demo.k5d" && "$tool" info "$work/demo.k5d" >/dev/null || fail "k510-tool demo/info"
"$root/usr/bin/k510-sim" --help >"$work/sim-help.txt" || fail "k510-sim --help"

# Each page names every command and option its program's --help names.
for program in k510-tool k510-sim; do
    page=$(gzip -dc "$root/usr/share/man/man1/$program.1.gz" | sed 's/\\-/-/g; s/\\f[A-Z,\/]*//g')
    help=$work/${program#k510-}-help.txt
    names=$(sed -n '/^Commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p' "$help"; grep -o -- '--[a-z-]\+' "$help" | sort -u)
    for name in $names; do
        grep -q -- "$name" <<<"$page" || fail "$program.1 does not mention $name"
    done
done

# The software centre's entry, and Debian's own review of the package: no
# error, and nothing about hardening flags the build left out. The project
# has no web site, so the homepage AppStream 1.0 (Debian 13) warns about is
# the one note accepted; AppStream 0.16 (Debian 12) does not ask for it.
if ! appstreamcli validate --no-net "$root/usr/share/metainfo/k510-editor.metainfo.xml" >"$work/appstream.log" 2>&1; then
    issues=$(grep -E '^[EW]: ' "$work/appstream.log" || true)
    unaccepted=$(grep -v ': url-homepage-missing$' <<<"$issues" || true)
    [ -n "$issues" ] && [ -z "$unaccepted" ] || fail "appstreamcli validate: $(cat "$work/appstream.log")"
fi
lintian --pedantic --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"
grep -i 'hardening' "$work/lintian.log" && fail "lintian: hardening flags missing"

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb") checked"

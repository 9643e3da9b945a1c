# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows scripts: where the cross-built Qt lives, the file
# written there only once it is completely installed, and Wine's name for a
# Linux path (Z:\ is the Linux root in every Wine prefix).
k510_qt_cache=${K510_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/k510-qt-6.4.2-mingw64}
k510_qt_marker=$k510_qt_cache/k510-complete
# The marker's first line names what the cached Qt was built with; a cache
# built with anything else (before printing, say) is built again.
k510_qt_configuration="qtbase+qtserialport 6.4.2 shared; widgets, printsupport, dynamic OpenGL"

k510_qt_ready() {
    [ -f "$k510_qt_marker" ] && [ "$(head -n 1 "$k510_qt_marker")" = "$k510_qt_configuration" ]
}

windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

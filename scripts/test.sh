#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test; then the Windows build's tests under
# Wine, when the cross-built Qt of the current configuration is in its cache (building that takes
# half an hour: scripts/build-windows.sh does it once).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300

source scripts/windows-common.sh
if k510_qt_ready; then
    scripts/build-windows.sh
    scripts/test-windows.sh
else
    echo "Windows tests skipped: no cross-built Qt of this configuration in $k510_qt_cache (run scripts/build-windows.sh)"
fi

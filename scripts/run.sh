#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the editor and starts it on the demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p build/demo
build/tools/k510-tool/k510-tool demo build/demo/demo.k5d
exec build/app/k510-editor build/demo/demo.k5d

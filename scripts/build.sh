#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds the project into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the editor needs to build, run and test,
# but only those that are missing. Never prompts (CI has no input).
set -euo pipefail

# poppler-utils reads the printed PDF files back as text in the tests.
# The second line makes and checks the Debian package: icon, manual pages,
# dpkg-shlibdeps and the checks of the menu entry and file type.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-l10n-tools zlib1g-dev fonts-dejavu-core poppler-utils
          librsvg2-bin help2man dpkg-dev desktop-file-utils shared-mime-info appstream lintian "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of the editor and its tools, made by CPack's DEB
# generator: `cpack -G DEB` in the build folder, or scripts/package.sh.
set(K510_PACKAGE_MAINTAINER "K-510 editor developers <k510-editor@example.org>"
    CACHE STRING "Maintainer named in the Debian package, as \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME k510-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${K510_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel list editor for Tessora K-510 satellite receivers")
set(CPACK_PACKAGE_DESCRIPTION [[
An editor for the channel database of the Tessora K-510/560/565 DVB-S
satellite receivers: satellites with their LNB and DiSEqC settings,
transponders, TV and radio channels, the channel order and the favourite
groups. It opens and saves the receiver's database image (*.k5d) and loads
it into or fetches it from the receiver over an RS-232 line. Its window is
in Russian.

The package also holds k510-tool, which works on database images from the
command line, and k510-sim, a simulated receiver on a pseudo-terminal.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME k510-editor)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; dpkg-shlibdeps cannot see what Qt
# loads at run time: the window system plugin and the Russian translation
# of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")

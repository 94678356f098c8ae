# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: the installed game (cmake/Install.cmake) as one Debian package, built by CPack.
include_guard(GLOBAL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelimor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pelimor developers")
set(CPACK_PACKAGE_CONTACT "${PELIMOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "treasure-hunt logic game")
set(CPACK_PACKAGE_DESCRIPTION
"Пелимор 2007 is a single-player logic game in one window. Treasures hide in
a square board of 4 x 4 to 12 x 12 cells. Every opened cell shows how many
treasures lie on its row, its column and both of its diagonals; from those
numbers the player deduces where the treasures are and finds them all, in as
few moves as possible, within an hour. A hint mode paints the cells that the
numbers prove empty.")

# Installed as the system's own files: the prefix is /usr and the files are staged through
# DESTDIR, so the paths written into the command and the desktop entry are the final ones.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Only the game's own component: what else the build may install (libraries, tests) stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};pelimor;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELIMOR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps adds the libraries the program links, with their lowest versions; the list
# below names as well what is loaded at run time (Qt's platform plugins, the sound library's
# PulseAudio back end, the desktop's alert sound, the font of the cell numbers) and, once more
# without versions, the Qt and sound libraries themselves, which a link may reach only indirectly.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(_pelimor_depends libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins
    libcanberra0 libcanberra-pulse sound-theme-freedesktop fonts-liberation)
list(JOIN _pelimor_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# The game runs on X11 wherever an X display answers, XWayland in a Wayland session included;
# Qt's Wayland plugin is what it needs on a Wayland desktop without one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)

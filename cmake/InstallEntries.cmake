# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: writes the command and the desktop entry with the program folder's
# absolute path under the prefix of this install, and installs them.
# Needs PELIMOR_SOURCE_DIR, PELIMOR_GEN_DIR, PELIMOR_INSTALL_GAMEDIR, PELIMOR_INSTALL_COMMANDDIR.

set(PELIMOR_GAME_DIR "${CMAKE_INSTALL_PREFIX}/${PELIMOR_INSTALL_GAMEDIR}")

# A folder of this install's own, so that two installs running at once never share a file.
string(RANDOM LENGTH 12 _pelimor_tag)
set(_pelimor_tmp "${PELIMOR_GEN_DIR}/entries-${_pelimor_tag}")

configure_file("${PELIMOR_SOURCE_DIR}/data/pelimor.sh.in" "${_pelimor_tmp}/pelimor" @ONLY)
configure_file("${PELIMOR_SOURCE_DIR}/data/pelimor.desktop.in"
               "${_pelimor_tmp}/pelimor.desktop" @ONLY)

file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${PELIMOR_INSTALL_COMMANDDIR}" TYPE PROGRAM
     FILES "${_pelimor_tmp}/pelimor")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${_pelimor_tmp}/pelimor.desktop")

file(REMOVE_RECURSE "${_pelimor_tmp}")

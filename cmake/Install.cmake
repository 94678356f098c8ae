# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install`: the game in one folder of its own, a command that starts it from there, and
# what the desktop needs to list it (entry, icons, AppStream metadata, manual page).
#
# The game reads its cue sounds from wav/ under the working directory and its help page beside
# its executable, so the program, wav/ and Help.htm stay together in one folder. Debian keeps
# the private files of games in /usr/lib/games/<package> and their commands in /usr/games,
# which is also where the layout below puts them under any other prefix.
include_guard(GLOBAL)

# Relative to the prefix: the program folder, and the folder of the command.
set(PELIMOR_INSTALL_GAMEDIR lib/games/pelimor)
set(PELIMOR_INSTALL_COMMANDDIR games)
set(PELIMOR_APPSTREAM_ID "io.github.pelimor.pelimor")
set(PELIMOR_MAINTAINER "Pelimor maintainers <maintainers@users.noreply.c-seed-536bd8c5.example>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")
set(PELIMOR_SCREENSHOT_URL "" CACHE STRING
    "Public https address of docs/screenshot.png for the AppStream metadata; none if empty")

# Directories the install creates are world-readable, whatever the umask of who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(_pelimor_src ${PROJECT_SOURCE_DIR})
set(_pelimor_gen ${PROJECT_BINARY_DIR}/pelimor-install)

# The six cue sounds of the game, by the names the game asks for.
set(PELIMOR_CUES newgame click2 buljk Quest gameover end)

# Debian links its programs with every symbol bound at start, so the relocation table can be
# made read-only (the hardening lintian looks for).
target_link_options(pelimor PRIVATE LINKER:-z,relro LINKER:-z,now)

# The program folder. A stripped install (CPack strips) also drops the compiler's notes, as
# Debian's own packaging does.
install(TARGETS pelimor RUNTIME DESTINATION ${PELIMOR_INSTALL_GAMEDIR} COMPONENT pelimor)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PELIMOR_INSTALL_GAMEDIR}/pelimor\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT pelimor)
foreach(cue IN LISTS PELIMOR_CUES)
  install(FILES ${_pelimor_src}/wav/${cue}.wav
          DESTINATION ${PELIMOR_INSTALL_GAMEDIR}/wav COMPONENT pelimor)
endforeach()
install(FILES ${_pelimor_src}/docs/Help.htm
        DESTINATION ${PELIMOR_INSTALL_GAMEDIR} COMPONENT pelimor)

# The command and the desktop entry name the program folder by its absolute path, which is
# known only when installing (`cmake --install --prefix` and CPack may change the prefix).
install(CODE "set(PELIMOR_SOURCE_DIR \"${_pelimor_src}\")
set(PELIMOR_GEN_DIR \"${_pelimor_gen}\")
set(PELIMOR_INSTALL_GAMEDIR \"${PELIMOR_INSTALL_GAMEDIR}\")
set(PELIMOR_INSTALL_COMMANDDIR \"${PELIMOR_INSTALL_COMMANDDIR}\")"
        COMPONENT pelimor)
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallEntries.cmake COMPONENT pelimor)

# Icons: the 64 x 64 picture is the game's own icon; the other sizes are drawn from the same motif.
foreach(size 16 32 48 64 128 256)
  install(FILES ${_pelimor_src}/assets/icon${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME pelimor.png COMPONENT pelimor)
endforeach()

# AppStream metadata; the screenshot is listed only where it has a public address.
set(PELIMOR_METAINFO_SCREENSHOTS "")
if(PELIMOR_SCREENSHOT_URL)
  string(CONCAT PELIMOR_METAINFO_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The game window</caption>\n"
    "      <caption xml:lang=\"ru\">Окно игры</caption>\n"
    "      <image>${PELIMOR_SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${_pelimor_src}/data/${PELIMOR_APPSTREAM_ID}.metainfo.xml.in
               ${_pelimor_gen}/${PELIMOR_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${_pelimor_gen}/${PELIMOR_APPSTREAM_ID}.metainfo.xml
        DESTINATION share/metainfo COMPONENT pelimor)

# Manual page and Debian changelog, compressed as Debian wants them (-n: no name or time inside,
# so that two builds give the same bytes).
configure_file(${_pelimor_src}/data/pelimor.6 ${_pelimor_gen}/pelimor.6 COPYONLY)
configure_file(${_pelimor_src}/data/changelog.in ${_pelimor_gen}/changelog @ONLY)
find_program(PELIMOR_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${_pelimor_gen}/pelimor.6.gz ${_pelimor_gen}/changelog.gz
  COMMAND ${PELIMOR_GZIP} -9nkf ${_pelimor_gen}/pelimor.6 ${_pelimor_gen}/changelog
  DEPENDS ${_pelimor_gen}/pelimor.6 ${_pelimor_gen}/changelog
  COMMENT "Compressing the manual page and the changelog"
  VERBATIM)
add_custom_target(pelimor-install-files ALL
                  DEPENDS ${_pelimor_gen}/pelimor.6.gz ${_pelimor_gen}/changelog.gz)
install(FILES ${_pelimor_gen}/pelimor.6.gz DESTINATION share/man/man6 COMPONENT pelimor)
install(FILES ${_pelimor_src}/data/copyright ${_pelimor_gen}/changelog.gz
        DESTINATION share/doc/pelimor COMPONENT pelimor)
install(FILES ${_pelimor_src}/data/pelimor.lintian-overrides
        DESTINATION share/lintian/overrides RENAME pelimor COMPONENT pelimor)

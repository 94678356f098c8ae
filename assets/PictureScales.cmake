# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The display scales every picture of the game is drawn for, smallest first (1 is 100 %): the one
# list that make-pictures, the program and the program's resource list all follow. A new scale
# is a new number here, and then its pictures, written by make-pictures.
set(PELIMOR_PICTURE_SCALES 1 1.25 1.5 2 3)

# pelimor_picture_scales_header(FOLDER): writes FOLDER/PictureScales.h, the list for C++ as
# PictureScales, a std::array<double, N>.
function(pelimor_picture_scales_header folder)
  list(LENGTH PELIMOR_PICTURE_SCALES count)
  list(JOIN PELIMOR_PICTURE_SCALES ", " values)
  file(CONFIGURE OUTPUT ${folder}/PictureScales.h CONTENT [[
// Written by CMake from assets/PictureScales.cmake: the display scales every picture is drawn
// for, smallest first.
#pragma once

#include <array>

inline constexpr std::array<double, @count@> PictureScales{@values@};
]] @ONLY)
endfunction()

# pelimor_picture_resources(QRC): writes QRC, the resource list of every picture in assets/
# under the prefix /assets.
function(pelimor_picture_resources qrc)
  file(GLOB pictures CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}
       ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/*.png)
  list(TRANSFORM pictures REPLACE "(.+)" "    <file alias=\"\\1\">${CMAKE_CURRENT_FUNCTION_LIST_DIR}/\\1</file>")
  list(JOIN pictures "\n" files)
  file(CONFIGURE OUTPUT ${qrc} CONTENT [[
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/assets">
@files@
  </qresource>
</RCC>
]] @ONLY)
endfunction()

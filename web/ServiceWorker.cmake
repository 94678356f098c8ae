# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes SITE/sw.js from TEMPLATE: the list of every file of the page, and a version that is the
# hash of their contents, so a changed page replaces what browsers keep of the old one.
# Usage: cmake -DSITE=folder -DTEMPLATE=sw.js.in -P ServiceWorker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
set(listed "'./'")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes "${hash} ${file}\n")
  string(APPEND listed ", '${file}'")
endforeach()
string(SHA256 VERSION "${hashes}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
set(FILES "${listed}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)

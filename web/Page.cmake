# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes PAGE from TEMPLATE, its @PRELOADS@ replaced by the lines in LINES.
# Usage: cmake -DTEMPLATE=index.html.in -DLINES=preloads.html -DPAGE=index.html -P Page.cmake
file(READ ${LINES} PRELOADS)
string(STRIP "${PRELOADS}" PRELOADS)
configure_file(${TEMPLATE} ${PAGE} @ONLY)

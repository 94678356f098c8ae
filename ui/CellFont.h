// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The font of the numbers on opened cells: bold Arial with a 32-pixel character cell.
#pragma once

#include <QFont>

namespace ui {

// Character-cell height (ascent plus descent) of a cell number, in pixels.
inline constexpr int CellNumberCellHeight = 32;

// Bold "Arial" at the pixel size whose served face has ascent + descent == 32 (or the largest
// size below it where no size hits 32 exactly). Searched once, then kept.
const QFont& CellNumberFont();

}  // namespace ui

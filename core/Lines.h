// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Line counts: treasures on a cell's row, column and both diagonals, to the board's edges.
#pragma once

#include <cstdint>

namespace core {

// Treasures on the queen lines of (col, row), the cell itself excluded.
std::int32_t CountLineTreasures(int col, int row);
// The same count over treasures the player has already opened.
std::int32_t CountFoundOnLines(int col, int row);
// Whether (c, r) lies on the queen lines of (col, row); the cell itself does. Inline: the hint
// deduction asks it for every cell of the board once per satisfied number.
inline bool OnQueenLines(int col, int row, int c, int r) {
    return c == col || r == row || c + r == col + row || c - r == col - row;
}

}  // namespace core

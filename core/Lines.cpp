// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Line counts: treasures on a cell's row, column and both diagonals, to the board's edges.
#include "core/Lines.h"

#include "core/GameState.h"

#include <cstdlib>

namespace core {

namespace {

// Whether a treasure at (c, r) lies on a queen line of (col0, row0), the cell itself excluded.
// At most one line can hold it, so it counts once.
bool SeesOtherCell(int col0, int row0, int c, int r) {
    if (r == row0 && c != col0) return true;
    if (c == col0 && r != row0) return true;
    return std::abs(col0 - c) == std::abs(row0 - r) && c != col0;
}

template <typename Counts>
std::int32_t CountOnLines(int col0, int row0, Counts counts) {
    std::int32_t total = 0;
    for (int r = 0; r < BoardHeight; ++r) {
        for (int c = 0; c < BoardWidth; ++c) {
            if (counts(*Cells[c][r]) && SeesOtherCell(col0, row0, c, r)) ++total;
        }
    }
    return total;
}

}  // namespace

std::int32_t CountLineTreasures(int col, int row) {
    return CountOnLines(col, row, [](const TCell& cell) { return cell.HasTreasure; });
}

std::int32_t CountFoundOnLines(int col, int row) {
    return CountOnLines(col, row,
                        [](const TCell& cell) { return cell.HasTreasure && cell.Opened; });
}

}  // namespace core

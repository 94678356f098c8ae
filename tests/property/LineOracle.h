// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An independent reading of the queen lines: walk from a cell in eight directions to the edges.
#pragma once

#include "core/GameState.h"

namespace play {

// Calls visit(cell) for every live cell on the row, column and both diagonals of (col, row),
// the cell itself excluded.
template <typename Visit>
void ForEachOnLines(int col, int row, Visit visit) {
    static constexpr int Steps[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1},
                                        {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
    for (const auto& step : Steps) {
        for (int c = col + step[0], r = row + step[1];
             c >= 0 && c < core::BoardWidth && r >= 0 && r < core::BoardHeight;
             c += step[0], r += step[1]) {
            visit(*core::Cells[c][r]);
        }
    }
}

// Treasures on the lines of (col, row); with onlyFound, only those already opened.
inline int TreasuresOnLines(int col, int row, bool onlyFound) {
    int total = 0;
    ForEachOnLines(col, row, [&](const core::TCell& cell) {
        if (cell.HasTreasure && (cell.Opened || !onlyFound)) ++total;
    });
    return total;
}

}  // namespace play

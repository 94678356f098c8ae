// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cells the benchmarks pick on a board in play; shared by the core and window benchmarks.
#pragma once

#include "core/GameState.h"
#include "core/Lines.h"

namespace bench {

// The first cell, row by row, that holds no treasure and sees at least one: opening it shows a
// positive number. Null when there is none.
inline core::TCell* FirstEmptyCellWithANumber() {
    for (int r = 0; r < core::BoardHeight; ++r) {
        for (int c = 0; c < core::BoardWidth; ++c) {
            core::TCell* cell = core::Cells[c][r];
            if (!cell->HasTreasure && core::CountLineTreasures(c, r) > 0) return cell;
        }
    }
    return nullptr;
}

}  // namespace bench

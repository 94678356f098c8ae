// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hint deduction: paints the green ground on cells the opened numbers prove empty.
#pragma once

namespace core {

struct TCell;

// Runs after a non-winning move on `opened`: its zero, then every satisfied number on the board.
void RunHints(const TCell& opened);
// Paints every treasure-free cell on the queen lines of (col, row) and redraws opened numbers.
void MarkLinesEmpty(int col, int row);

}  // namespace core

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hint deduction: paints the green ground on cells the opened numbers prove empty.
#include "core/Hints.h"

#include "core/GameState.h"
#include "core/Lines.h"
#include "core/OpenCell.h"
#include "core/Platform.h"

namespace core {

void MarkLinesEmpty(int col, int row) {
    for (int r = 0; r < BoardHeight; ++r) {
        for (int c = 0; c < BoardWidth; ++c) {
            if (!OnQueenLines(col, row, c, r)) continue;
            TCell& cell = *Cells[c][r];
            // A treasure keeps its picture, so a closed one is never given away.
            if (!cell.HasTreasure) Platform().SetCellPicture(cell, Picture::Empty);
            // The new picture wiped the number; an opened cell gets it back.
            if (cell.LineCount >= 0) {
                DrawCellNumber(cell, cell.HasTreasure ? TreasureNumberColour : EmptyNumberColour);
            }
        }
    }
}

void RunHints(const TCell& opened) {
    // A zero proves every cell on its lines empty.
    if (opened.LineCount == 0) MarkLinesEmpty(opened.Col, opened.Row);
    // A number whose treasures are all found proves the rest of its lines empty.
    for (int r = 0; r < BoardHeight; ++r) {
        for (int c = 0; c < BoardWidth; ++c) {
            const TCell& cell = *Cells[c][r];
            if (cell.LineCount > 0 && CountFoundOnLines(c, r) == cell.LineCount) {
                MarkLinesEmpty(c, r);
            }
        }
    }
}

}  // namespace core

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board: building and tearing down the cells, and hiding the treasures.
#include "core/Board.h"

#include "core/GameState.h"
#include "core/Platform.h"

#include <string>

namespace core {

void ResetBoard() {
    Platform().SetLabelText(Label::lblWH,
                            std::to_string(BoardWidth) + " x " + std::to_string(BoardHeight));
    CreateCells();
    for (int c = 0; c < BoardWidth; ++c) {
        for (int r = 0; r < BoardHeight; ++r) {
            TCell& cell = *Cells[c][r];
            Platform().SetCellPicture(cell, Picture::Unopened);
            cell.Opened = false;
            cell.HasTreasure = false;
        }
    }
}

void CreateCells() {
    Platform().LayoutBoard();
    for (int c = 0; c < BoardWidth; ++c) {
        for (int r = 0; r < BoardHeight; ++r) {
            Cells[c][r] = Platform().NewCell(c, r);
        }
    }
}

void FreeCells() {
    for (int c = 0; c < BoardWidth; ++c) {
        for (int r = 0; r < BoardHeight; ++r) {
            Platform().FreeCell(Cells[c][r]);
            Cells[c][r] = nullptr;
        }
    }
}

void PlaceTreasures() {
    // Drawing again on an occupied cell keeps every set of cells equally likely; the caller
    // guarantees a free cell exists, so the loop ends.
    int placed = 0;
    while (placed < TreasureTotal) {
        const int col = Platform().RandomBelow(BoardWidth);
        const int row = Platform().RandomBelow(BoardHeight);
        TCell& cell = *Cells[col][row];
        if (!cell.HasTreasure) {
            cell.HasTreasure = true;
            ++placed;
        }
    }
}

}  // namespace core

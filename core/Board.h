// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board: building and tearing down the cells, and hiding the treasures.
#pragma once

namespace core {

// Writes lblWH, creates the cells and gives every live cell the closed picture, column by column.
void ResetBoard();
// Lays the board out and creates a cell for every column (outer loop) and row (inner loop).
void CreateCells();
// Destroys every live cell of the size in force.
void FreeCells();
// Hides TreasureTotal treasures; needs TreasureTotal <= BoardWidth x BoardHeight.
void PlaceTreasures();

}  // namespace core

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choices made between games: the board size from the menu and the treasure count from the picker.
#include "core/Choices.h"

#include "core/Board.h"
#include "core/Game.h"
#include "core/GameState.h"

namespace core {

namespace {
constexpr int SmallestSide = 4;
constexpr int LargestSide = MaxBoardSide;
}  // namespace

bool ChooseSize(int tag) {
    if (GameRunning) return false;
    const int width = tag / SizeTagBase;
    const int height = tag % SizeTagBase;
    // Only the menu's own tags come here; anything else would index past the cell table.
    if (width < SmallestSide || width > LargestSide || height < SmallestSide ||
        height > LargestSide) {
        return false;
    }
    FreeCells();
    BoardWidth = width;
    BoardHeight = height;
    ResetBoard();
    return true;
}

bool PickerMayOpen() { return !GameRunning; }

int PickerMaximum(int boardWidth) {
    // A quarter of the cells of a square board; other widths never occur and get the smallest.
    if (boardWidth < SmallestSide || boardWidth > LargestSide) return SmallestSide;
    return boardWidth * boardWidth / 4;
}

void ConfirmTreasureCount(int count) {
    TreasureTotal = count;
    TreasuresFound = 0;
    ShowCounters(ShowHidden | ShowFound | ShowRest);
}

}  // namespace core

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game state: module-level variables shared by every rule of the game.
#pragma once

#include <cstdint>

namespace core {

// Boards run from 4 x 4 to 12 x 12; the cell table is sized for the largest.
constexpr int MaxBoardSide = 12;
// The board the game starts with, 4 x 4: the size menu marks it, the picker is laid out for it.
constexpr int StartUpSide = 4;

// One board cell. The cell widget carries it; the rules read and write only these fields.
struct TCell {
    std::int32_t Col = 0;        // 0 = leftmost
    std::int32_t Row = 0;        // 0 = top
    bool Opened = false;         // the player has opened the cell
    bool HasTreasure = false;    // a treasure is hidden here
    std::int32_t LineCount = -1; // -1 while closed, else treasures on its queen lines
};

extern std::int32_t TreasureTotal;   // treasures hidden at the next start; the win target
extern std::int32_t TreasuresFound;  // treasures opened in this game
extern std::int32_t BoardWidth;      // columns, 4 to 12
extern std::int32_t BoardHeight;     // rows, 4 to 12
extern std::int32_t BoardLeft;       // offset of the first cell inside the board panel
extern std::int32_t BoardTop;
extern bool GameRunning;             // a game is in progress
extern std::int32_t MoveCount;       // cells opened in this game
extern float StartTicks;             // tick count at the start of the game, as a 32-bit float
extern float ElapsedSeconds;         // seconds since the start, as of the last clock tick

// The board, indexed [column][row]; only entries inside BoardWidth x BoardHeight are live.
extern TCell* Cells[MaxBoardSide][MaxBoardSide];

}  // namespace core

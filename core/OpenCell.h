// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A player's move: opening a cell, or marking it with Ctrl held.
#pragma once

#include "core/Platform.h"

namespace core {

struct TCell;

// Number colours: yellow on the treasure box, blue on the green ground.
inline constexpr Rgb TreasureNumberColour{0xFF, 0xFF, 0x00};
inline constexpr Rgb EmptyNumberColour{0x00, 0x00, 0xFF};

// The cell's Click: opens it, counts the move, shows picture and number, detects the win, hints.
void CellClick(TCell& cell);
// Draws the cell's LineCount on its picture in the given colour.
void DrawCellNumber(TCell& cell, Rgb colour);

}  // namespace core

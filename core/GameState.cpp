// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game state with its values at start-up.
#include "core/GameState.h"

namespace core {

std::int32_t TreasureTotal = 1;
std::int32_t TreasuresFound = 0;
std::int32_t BoardWidth = StartUpSide;
std::int32_t BoardHeight = StartUpSide;
std::int32_t BoardLeft = 0;
std::int32_t BoardTop = 0;
bool GameRunning = false;
std::int32_t MoveCount = 0;
float StartTicks = 0.0f;
float ElapsedSeconds = 0.0f;
TCell* Cells[MaxBoardSide][MaxBoardSide] = {};

}  // namespace core

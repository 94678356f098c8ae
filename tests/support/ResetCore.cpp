// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the game core back as the program finds it at start-up, between tests.
#include "tests/support/ResetCore.h"

#include "core/GameState.h"

namespace testsupport {

void ResetCoreState() {
    core::TreasureTotal = 1;
    core::TreasuresFound = 0;
    core::BoardWidth = core::StartUpSide;
    core::BoardHeight = core::StartUpSide;
    core::BoardLeft = 0;
    core::BoardTop = 0;
    core::GameRunning = false;
    core::MoveCount = 0;
    core::StartTicks = 0.0f;
    core::ElapsedSeconds = 0.0f;
    for (auto& column : core::Cells) {
        for (core::TCell*& cell : column) cell = nullptr;
    }
}

}  // namespace testsupport

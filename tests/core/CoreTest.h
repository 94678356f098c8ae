// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the core tests: a fresh game bound to the recording platform, boards drawn as text.
#pragma once

#include "core/GameState.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace coretest {

using testsupport::Call;
using testsupport::CellView;
using testsupport::ColourName;
using testsupport::FakePlatform;

// Rows with runs of blanks squeezed to one, so a test may line its columns up.
std::vector<std::string> Rows(std::initializer_list<std::string> rows);

// The seed of a randomised test: PELIMOR_SEED from the environment to replay one, else fixed.
std::uint32_t TestSeed();

class CoreTest : public ::testing::Test {
protected:
    FakePlatform platform;

    void SetUp() override;
    void TearDown() override;

    // The start-up step: seeds chance and builds the idle 4 x 4 board; the log is cleared.
    void StartUpIdle();

    // Starts a game on a board drawn row by row, one character a cell, blanks ignored:
    //   T  a hidden treasure       .  a closed cell without one
    //   x  a treasure found        o  an opened cell without one
    // The treasures go through the real placement with scripted draws and the opened cells are
    // opened by plain clicks with hints off, row by row; then hints and Ctrl are off, the log
    // is cleared and TreasureTotal is the number of treasures drawn.
    void StartOn(const std::vector<std::string>& rows);

    core::TCell& At(int col, int row);
    // A click on the cell at (col, row) with the scripted Ctrl and hint state.
    void ClickAt(int col, int row);

    // What the board shows, one token a cell: # sand, _ green, $ the box, b3 a blue 3 on green,
    // y2 a yellow 2 on the box; any other mix is spelt out, e.g. "#yellow4".
    std::vector<std::string> Screen() const;
    // The cells' state in the legend of StartOn.
    std::vector<std::string> State() const;
};

}  // namespace coretest

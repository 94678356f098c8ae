// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding the treasures: how the random draws become treasure cells.
#include "tests/core/CoreTest.h"

#include "core/Board.h"
#include "core/Choices.h"
#include "core/Game.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace coretest {
namespace {

using ::testing::ElementsAre;
using Placement = CoreTest;

std::vector<int> DrawBounds(const FakePlatform& platform) {
    std::vector<int> bounds;
    for (const Call& call : platform.Calls()) {
        if (call.kind == Call::Kind::Random) bounds.push_back(call.n);
    }
    return bounds;
}

int TreasureCells() {
    int n = 0;
    for (int c = 0; c < core::BoardWidth; ++c) {
        for (int r = 0; r < core::BoardHeight; ++r) n += core::Cells[c][r]->HasTreasure;
    }
    return n;
}

TEST_F(Placement, DrawsTheColumnBeforeTheRowAndDrawsBothAgainOnAnOccupiedCell) {
    StartUpIdle();
    ASSERT_TRUE(core::ChooseSize(504));  // 5 columns, 4 rows: the two draws have different bounds
    core::TreasureTotal = 2;
    platform.draws = {1, 2, 1, 2, 3, 0};
    platform.ClearLog();
    core::StartCommand();

    EXPECT_THAT(DrawBounds(platform), ElementsAre(5, 4, 5, 4, 5, 4));
    EXPECT_TRUE(platform.draws.empty());
    EXPECT_EQ(State(), Rows({"...T.", ".....", ".T...", "....."}));
}

TEST_F(Placement, HidesExactlyTheCountOnEveryBoardSize) {
    StartUpIdle();
    platform.UseSeed(TestSeed());
    for (int side = 4; side <= 12; ++side) {
        ASSERT_TRUE(core::ChooseSize(side * 101));
        for (int count : {1, core::PickerMaximum(side)}) {
            core::TreasureTotal = count;
            core::StartCommand();
            core::GameRunning = false;  // let the next size be chosen
            EXPECT_EQ(TreasureCells(), count) << side << " x " << side;
        }
    }
}

TEST_F(Placement, ThirtySixTreasuresOnSixBySixFillTheBoardAndEveryClickFindsOne) {
    StartUpIdle();
    ASSERT_TRUE(core::ChooseSize(1212));
    core::ConfirmTreasureCount(36);
    ASSERT_TRUE(core::ChooseSize(606));
    platform.UseSeed(TestSeed());
    core::StartCommand();
    ASSERT_EQ(core::TreasureTotal, 36);
    ASSERT_EQ(TreasureCells(), 36);

    platform.ClearLog();
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) ClickAt(c, r);
    }
    const auto cues = platform.Cues();
    EXPECT_EQ(std::count(cues.begin(), cues.end(), "buljk"), 36);
    EXPECT_EQ(core::MoveCount, 36);
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(platform.Log().back(), "notice ПЕЛИМОР 2007: Вы нашли все клады! (36) [OK]");
}

}  // namespace
}  // namespace coretest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the start and stop commands: how a game begins, is replaced and ends by hand.
#include "tests/core/CoreTest.h"

#include "core/Choices.h"
#include "core/Game.h"
#include "core/OpenCell.h"

#include <gmock/gmock.h>

namespace coretest {
namespace {

using ::testing::ElementsAre;
using core::Label;
using GameControl = CoreTest;

const std::vector<std::string> ClosedFourByFour =
    Rows({"# # # #", "# # # #", "# # # #", "# # # #"});

TEST_F(GameControl, StartUpShowsAnIdleClosedFourByFourBoard) {
    core::StartUp();

    EXPECT_THAT(platform.Outline(), ElementsAre("seed", "label lblWH 4 x 4", "layout",
                                                "newcell x16", "picture Unopened x16"));
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(core::TreasureTotal, 1);
    EXPECT_EQ(platform.LiveCells(), 16u);
    EXPECT_EQ(Screen(), ClosedFourByFour);
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            EXPECT_FALSE(At(c, r).Opened);
            EXPECT_FALSE(At(c, r).HasTreasure);
            EXPECT_EQ(At(c, r).LineCount, -1);
        }
    }
}

TEST_F(GameControl, ClicksBeforeTheFirstGameAreIgnored) {
    StartUpIdle();
    ClickAt(0, 0);
    platform.ctrl = true;
    ClickAt(1, 1);

    EXPECT_TRUE(platform.Log().empty());
    EXPECT_EQ(core::MoveCount, 0);
    EXPECT_FALSE(At(0, 0).Opened);
}

TEST_F(GameControl, StartRebuildsTheBoardResetsTheCountersThenHidesAndStartsTheClock) {
    StartUpIdle();
    core::TreasureTotal = 3;
    platform.draws = {0, 0, 1, 1, 2, 2};
    platform.now = 5000;
    core::StartCommand();

    EXPECT_THAT(platform.Outline(),
                ElementsAre("freecell x16", "label lblWH 4 x 4", "layout", "newcell x16",
                            "picture Unopened x16", "label lblHod Ход 0",
                            "label lblNumTreasures Спрятано кладов: 3",
                            "label lblNumMyTreasures Найдено кладов: 0",
                            "label lblRest Осталось найти: 3", "random 4 x6", "cue newgame",
                            "clock on"));
    // The start time is read last, once the game runs.
    EXPECT_EQ(platform.Calls().back().kind, Call::Kind::TickQuery);
    EXPECT_EQ(core::StartTicks, 5000.0f);
    EXPECT_TRUE(core::GameRunning);
    EXPECT_FALSE(platform.LabelWritten(Label::lblTime));
    EXPECT_EQ(platform.LiveCells(), 16u);
    EXPECT_EQ(State(), Rows({"T...", ".T..", "..T.", "...."}));
    EXPECT_EQ(Screen(), ClosedFourByFour);
}

TEST_F(GameControl, StartDuringAGameReplacesItWithTheSameSizeAndCount) {
    StartOn({"x T . .",
             "o . . .",
             ". . . .",
             ". . . ."});
    platform.draws = {3, 3, 2, 2};
    core::StartCommand();

    const auto outline = platform.Outline();
    ASSERT_GE(outline.size(), 3u);
    EXPECT_EQ(outline[0], "freecell x16");
    EXPECT_EQ(outline[1], "label lblWH 4 x 4");
    EXPECT_EQ(platform.LiveCells(), 16u);
    EXPECT_EQ(core::TreasureTotal, 2);
    EXPECT_EQ(core::MoveCount, 0);
    EXPECT_EQ(core::TreasuresFound, 0);
    EXPECT_EQ(platform.LabelText(Label::lblHod), "Ход 0");
    EXPECT_EQ(platform.LabelText(Label::lblNumMyTreasures), "Найдено кладов: 0");
    EXPECT_EQ(platform.LabelText(Label::lblRest), "Осталось найти: 2");
    EXPECT_EQ(State(), Rows({"....", "....", "..T.", "...T"}));
    EXPECT_EQ(Screen(), ClosedFourByFour);
    EXPECT_TRUE(core::GameRunning);
}

TEST_F(GameControl, ACountTooLargeForTheBoardIsLoweredToEveryCellInsteadOfHanging) {
    StartUpIdle();
    ASSERT_TRUE(core::ChooseSize(1212));
    core::ConfirmTreasureCount(36);
    ASSERT_TRUE(core::ChooseSize(404));
    platform.UseSeed(TestSeed());
    platform.drawLimit = 100000;  // an endless hunt for a 17th free cell fails here
    core::StartCommand();

    EXPECT_EQ(core::TreasureTotal, 16);
    EXPECT_EQ(platform.LabelText(Label::lblNumTreasures), "Спрятано кладов: 16");
    EXPECT_EQ(platform.LabelText(Label::lblRest), "Осталось найти: 16");
    EXPECT_EQ(State(), Rows({"TTTT", "TTTT", "TTTT", "TTTT"}));
}

TEST_F(GameControl, StopPlaysItsCueAndNoticeWhetherOrNotAGameRuns) {
    const std::vector<std::string> stop = {"cue end", "notice ПЕЛИМОР 2007: Игра остановлена! [OK]"};
    bool runningWhileNoticeOpen = true;
    platform.whileNoticeOpen = [&] { runningWhileNoticeOpen = core::GameRunning; };

    StartUpIdle();
    core::StopCommand();
    EXPECT_EQ(platform.Log(), stop) << "before any game";

    StartOn({"T . . .", ". . . .", ". . . .", ". . . ."});
    core::StopCommand();
    EXPECT_EQ(platform.Log(), stop) << "during a game";
    EXPECT_FALSE(runningWhileNoticeOpen);
    EXPECT_FALSE(core::GameRunning);
    // The clock is left to stop itself on its next tick.
    EXPECT_TRUE(platform.ClockOn());

    platform.ClearLog();
    core::StopCommand();
    EXPECT_EQ(platform.Log(), stop) << "after a stop";

    platform.ClearLog();
    ClickAt(0, 0);
    EXPECT_TRUE(platform.Log().empty()) << "a stopped game takes no more clicks";
    EXPECT_FALSE(At(0, 0).Opened);
}

}  // namespace
}  // namespace coretest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choices between games: the board size from the menu and the treasure count from the picker.
#include "tests/core/CoreTest.h"

#include "core/Choices.h"
#include "core/Game.h"

#include <gmock/gmock.h>

namespace coretest {
namespace {

using ::testing::ElementsAre;
using core::Label;
using Choices = CoreTest;

TEST_F(Choices, ASizeChosenBetweenGamesRebuildsTheBoardClosedAndTouchesNothingElse) {
    StartOn({"x . . .",
             ". o . .",
             ". . . T",
             ". . . ."});
    core::StopCommand();
    platform.ClearLog();

    EXPECT_TRUE(core::ChooseSize(606));
    EXPECT_THAT(platform.Outline(), ElementsAre("freecell x16", "label lblWH 6 x 6", "layout",
                                                "newcell x36", "picture Unopened x36"));
    EXPECT_EQ(platform.LiveCells(), 36u);
    EXPECT_EQ(State(), Rows({"......", "......", "......", "......", "......", "......"}));
    EXPECT_EQ(At(1, 1).LineCount, -1);
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(core::TreasureTotal, 2);

    // Columns and rows are chosen apart: the tag is columns x 100 + rows.
    EXPECT_TRUE(core::ChooseSize(412));
    EXPECT_EQ(core::BoardWidth, 4);
    EXPECT_EQ(core::BoardHeight, 12);
    EXPECT_EQ(platform.LabelText(Label::lblWH), "4 x 12");
    EXPECT_EQ(platform.LiveCells(), 48u);
}

TEST_F(Choices, NoSizeIsChosenWhileAGameRuns) {
    StartOn({"T . . .", ". o . .", ". . . .", ". . . ."});
    EXPECT_FALSE(core::ChooseSize(808));
    EXPECT_FALSE(core::PickerMayOpen());

    EXPECT_TRUE(platform.Log().empty());
    EXPECT_EQ(core::BoardWidth, 4);
    EXPECT_EQ(State(), Rows({"T...", ".o..", "....", "...."}));
    EXPECT_TRUE(core::GameRunning);
}

TEST_F(Choices, TagsOutsideFourToTwelveAreRefused) {
    StartUpIdle();
    EXPECT_TRUE(core::PickerMayOpen());
    for (int tag : {0, 303, 403, 1313, 1304, 499, 1300, -404, 400}) {
        EXPECT_FALSE(core::ChooseSize(tag)) << tag;
    }
    EXPECT_TRUE(platform.Log().empty());
    EXPECT_EQ(core::BoardWidth, 4);
    EXPECT_EQ(core::BoardHeight, 4);
    EXPECT_EQ(platform.LiveCells(), 16u);
}

TEST_F(Choices, ThePickerAllowsAQuarterOfASquareBoard) {
    const int expected[][2] = {{4, 4},   {5, 6},   {6, 9},   {7, 12}, {8, 16},
                               {9, 20},  {10, 25}, {11, 30}, {12, 36}};
    for (const auto& [width, maximum] : expected) {
        EXPECT_EQ(core::PickerMaximum(width), maximum) << width;
    }
    for (int width : {-1, 0, 3, 13, 100}) EXPECT_EQ(core::PickerMaximum(width), 4) << width;
}

TEST_F(Choices, AConfirmedCountIsHiddenAtTheNextStart) {
    StartUpIdle();
    core::ConfirmTreasureCount(3);
    EXPECT_THAT(platform.Log(), ElementsAre("label lblNumTreasures Спрятано кладов: 3",
                                            "label lblNumMyTreasures Найдено кладов: 0",
                                            "label lblRest Осталось найти: 3"));
    platform.draws = {0, 0, 1, 1, 2, 2};
    core::StartCommand();
    EXPECT_EQ(State(), Rows({"T...", ".T..", "..T.", "...."}));
}

TEST_F(Choices, ACountConfirmedDuringAGameBecomesTheWinTargetWithoutRehiding) {
    StartOn({"x T . .",
             ". . . .",
             ". . T .",
             ". . . ."});
    core::ConfirmTreasureCount(2);

    EXPECT_EQ(core::TreasureTotal, 2);
    EXPECT_EQ(core::TreasuresFound, 0) << "finds count again from zero";
    EXPECT_EQ(platform.LabelText(Label::lblNumMyTreasures), "Найдено кладов: 0");
    EXPECT_EQ(platform.LabelText(Label::lblRest), "Осталось найти: 2");
    EXPECT_EQ(State(), Rows({"xT..", "....", "..T.", "...."}));
    EXPECT_EQ(platform.LiveCells(), 16u);

    ClickAt(1, 0);
    EXPECT_TRUE(core::GameRunning);
    ClickAt(2, 2);
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(platform.Log().back(), "notice ПЕЛИМОР 2007: Вы нашли все клады! (2) [OK]");
}

TEST_F(Choices, ACountAboveTheHiddenTreasuresMeansTheGameCannotBeWonByFinding) {
    StartOn({"T . . .", ". . . .", ". . . .", ". . . T"});
    core::ConfirmTreasureCount(3);
    ClickAt(0, 0);
    ClickAt(3, 3);
    EXPECT_TRUE(core::GameRunning);
    EXPECT_EQ(platform.LabelText(Label::lblRest), "Осталось найти: 1");
}

}  // namespace
}  // namespace coretest

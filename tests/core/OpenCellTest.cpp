// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A player's move: opening a cell, counting it, showing its number, and the win.
#include "tests/core/CoreTest.h"

#include "core/OpenCell.h"

#include <gmock/gmock.h>

namespace coretest {
namespace {

using ::testing::ElementsAre;
using core::Label;
using OpenCell = CoreTest;

TEST_F(OpenCell, AnEmptyCellShowsABlueCountAndATreasureAYellowOneWithTheCounters) {
    StartOn({"T . . .",
             ". . . .",
             ". . . T",
             ". . . ."});
    ClickAt(1, 0);
    EXPECT_THAT(platform.Log(), ElementsAre("cue click2", "label lblHod Ход 1",
                                            "picture 1,0 Empty", "text 1,0 (16,9) 2 blue"));

    platform.ClearLog();
    ClickAt(3, 2);
    EXPECT_THAT(platform.Log(),
                ElementsAre("cue click2", "label lblHod Ход 2", "cue buljk",
                            "label lblNumMyTreasures Найдено кладов: 1",
                            "label lblRest Осталось найти: 1", "picture 3,2 Treasure",
                            "text 3,2 (16,9) 0 yellow"));
    EXPECT_TRUE(At(3, 2).Opened);
    EXPECT_EQ(At(3, 2).LineCount, 0);
    EXPECT_EQ(core::MoveCount, 2);
    EXPECT_EQ(core::TreasuresFound, 1);
    EXPECT_TRUE(core::GameRunning);
}

TEST_F(OpenCell, TheLastTreasureWinsWithItsCuesInOrderAndRunsNoHints) {
    StartOn({"x x x x",
             "x x . .",
             "T . . .",
             ". . . ."});
    platform.hints = true;
    bool runningWhileNoticeOpen = true;
    platform.whileNoticeOpen = [&] { runningWhileNoticeOpen = core::GameRunning; };
    ClickAt(0, 2);

    EXPECT_THAT(platform.Log(),
                ElementsAre("cue click2", "label lblHod Ход 7", "cue buljk",
                            "label lblNumMyTreasures Найдено кладов: 7",
                            "label lblRest Осталось найти: 0", "picture 0,2 Treasure",
                            "text 0,2 (16,9) 4 yellow", "cue Quest",
                            "notice ПЕЛИМОР 2007: Вы нашли все клады! (7) [OK]"));
    EXPECT_THAT(platform.Cues(), ElementsAre("click2", "buljk", "Quest"));
    EXPECT_FALSE(runningWhileNoticeOpen);
    EXPECT_FALSE(core::GameRunning);

    platform.ClearLog();
    ClickAt(3, 3);
    EXPECT_TRUE(platform.Log().empty()) << "a won game takes no more clicks";
}

TEST_F(OpenCell, CtrlClickOnlyPaintsTheCellGreenAndAPlainClickThenOpensIt) {
    StartOn({"T . . .",
             ". . . .",
             ". . . T",
             ". . . ."});
    platform.ctrl = true;
    platform.hints = true;
    ClickAt(0, 0);
    ClickAt(2, 2);

    EXPECT_THAT(platform.Log(), ElementsAre("picture 0,0 Empty", "picture 2,2 Empty"));
    EXPECT_FALSE(At(0, 0).Opened);
    EXPECT_EQ(At(0, 0).LineCount, -1);
    EXPECT_EQ(core::MoveCount, 0);
    EXPECT_EQ(core::TreasuresFound, 0);
    EXPECT_EQ(platform.LabelText(Label::lblHod), "Ход 0");
    EXPECT_EQ(Screen(), Rows({"_ # # #",
                              "# # # #",
                              "# # _ #",
                              "# # # #"}));

    platform.ctrl = false;
    platform.hints = false;
    ClickAt(0, 0);
    EXPECT_TRUE(At(0, 0).Opened);
    EXPECT_EQ(core::MoveCount, 1);
    EXPECT_EQ(core::TreasuresFound, 1);
    EXPECT_THAT(platform.Cues(), ElementsAre("click2", "buljk"));
    EXPECT_EQ(Screen()[0], "y0 # # #") << "the mark gives way to the box and its number";
}

TEST_F(OpenCell, AClickOnAnOpenedCellDoesNothingWithOrWithoutCtrl) {
    StartOn({"T . . .",
             ". o . .",
             ". . . .",
             ". . . T"});
    ClickAt(1, 1);
    platform.ctrl = true;
    ClickAt(1, 1);

    EXPECT_TRUE(platform.Log().empty());
    EXPECT_EQ(core::MoveCount, 1);
    EXPECT_EQ(Screen()[1], "# b2 # #");
}

TEST_F(OpenCell, TwoDigitNumbersStartEightPixelsFurtherLeft) {
    StartOn({"T . . .", ". . . .", ". . . .", ". . . ."});
    core::TCell& cell = At(1, 1);
    const struct {
        int count;
        int x;
    } cases[] = {{0, 16}, {9, 16}, {10, 8}, {43, 8}};
    for (const auto& each : cases) {
        cell.LineCount = each.count;
        platform.SetCellPicture(cell, core::Picture::Empty);  // a number is drawn on a new picture
        platform.ClearLog();
        core::DrawCellNumber(cell, core::EmptyNumberColour);
        EXPECT_THAT(platform.Log(), ElementsAre("text 1,1 (" + std::to_string(each.x) + ",9) " +
                                                std::to_string(each.count) + " blue"));
    }
}

TEST_F(OpenCell, ACellSeeingElevenTreasuresShowsTwoDigits) {
    StartOn({". T T T T T T T T T T T",
             ". . . . . . . . . . . .", ". . . . . . . . . . . .", ". . . . . . . . . . . .",
             ". . . . . . . . . . . .", ". . . . . . . . . . . .", ". . . . . . . . . . . .",
             ". . . . . . . . . . . .", ". . . . . . . . . . . .", ". . . . . . . . . . . .",
             ". . . . . . . . . . . .", ". . . . . . . . . . . ."});
    ClickAt(0, 0);
    EXPECT_EQ(platform.Log().back(), "text 0,0 (8,9) 11 blue");
}

}  // namespace
}  // namespace coretest

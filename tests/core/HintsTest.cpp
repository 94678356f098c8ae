// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hint deduction: with the bulb down, cells the numbers prove empty turn green after each move.
#include "tests/core/CoreTest.h"

#include "core/Choices.h"
#include "core/Game.h"
#include "core/Hints.h"

#include <algorithm>
#include <random>

namespace coretest {
namespace {

using core::Picture;
using Hints = CoreTest;

TEST_F(Hints, AZeroPaintsItsLinesGreenAndOpenedCellsThereKeepTheirNumbers) {
    StartOn({"T . . .",
             ". . . .",
             ". . o .",
             ". . . ."});
    platform.hints = true;
    ClickAt(1, 2);

    EXPECT_EQ(Screen(), Rows({"# _  # _",
                              "_ _  _ #",
                              "_ b0 b1 _",
                              "_ _  _ #"}));
    EXPECT_EQ(core::MoveCount, 2);
    EXPECT_FALSE(At(1, 0).Opened) << "a green cell stays closed";

    // Marks survive the bulb going off, and a green cell still opens as a move.
    platform.hints = false;
    ClickAt(1, 0);
    EXPECT_EQ(core::MoveCount, 3);
    EXPECT_EQ(Screen(), Rows({"# b1 # _",
                              "_ _  _ #",
                              "_ b0 b1 _",
                              "_ _  _ #"}));
}

TEST_F(Hints, AFoundTreasureWithAZeroKeepsItsBoxAndYellowNumber) {
    StartOn({"T . . .",
             ". . T .",
             ". . . .",
             ". . . ."});
    platform.hints = true;
    ClickAt(0, 0);

    EXPECT_EQ(Screen(), Rows({"y0 _ _ _",
                              "_  _ # #",
                              "_  # _ #",
                              "_  # # _"}));
}

TEST_F(Hints, FindingTheLastTreasureOnANumbersLinesPaintsTheRestOfThemInTheSameMove) {
    StartOn({"T . T .",
             ". . . .",
             ". . . .",
             "o . . ."});
    platform.hints = true;
    ClickAt(0, 0);

    EXPECT_TRUE(core::GameRunning);
    EXPECT_EQ(Screen(), Rows({"y1 # # _",
                              "_  # _ #",
                              "_  _ # #",
                              "b1 _ _ _"}));
}

TEST_F(Hints, WithHintsOffOnlyTheClickedCellChanges) {
    StartOn({"T . T .",
             ". . . .",
             ". . . .",
             "o . . ."});
    ClickAt(0, 0);

    for (const Call& call : platform.Calls()) {
        if (call.kind == Call::Kind::Picture || call.kind == Call::Kind::Text) {
            EXPECT_TRUE(call.col == 0 && call.row == 0) << call.Describe();
        }
    }
    EXPECT_EQ(Screen(), Rows({"y1 # # #",
                              "#  # # #",
                              "#  # # #",
                              "b1 # # #"}));
}

TEST_F(Hints, ASatisfiedNumberLeftFromHintsOffIsPaintedByTheNextMoveWithHintsOnAnywhere) {
    StartOn({"x . T .",
             ". . . .",
             ". . . .",
             "o . . ."});
    platform.hints = true;
    ClickAt(3, 1);  // far from (0,3), and its own number is not yet satisfied

    EXPECT_EQ(Screen(), Rows({"y1 # # _",
                              "_  # _ b1",
                              "_  _ # #",
                              "b1 _ _ _"}));
}

TEST_F(Hints, AZeroOpenedWithHintsOffIsNotRevisitedLater) {
    StartOn({"T . . .",
             ". . . .",
             ". o . .",
             ". . . ."});
    platform.hints = true;
    ClickAt(3, 3);  // counts the corner treasure, which is still hidden

    EXPECT_EQ(Screen(), Rows({"# # # #",
                              "# # # #",
                              "# b0 # #",
                              "# # # b1"}));
}

TEST_F(Hints, PaintingALineNeverGivesAClosedTreasureAway) {
    StartOn({"T . . T",
             ". . . .",
             ". . . .",
             "T . . ."});
    core::MarkLinesEmpty(0, 0);

    EXPECT_EQ(Screen(), Rows({"# _ _ #",
                              "_ _ # #",
                              "_ # _ #",
                              "# # # _"}));
}

// Plays whole games in random order with the bulb down and checks after every move what the
// player sees: no treasure is ever painted green, every opened cell shows its own number.
TEST_F(Hints, RandomGamesNeverPaintATreasureNorLoseANumber) {
    StartUpIdle();
    const std::uint32_t seed = TestSeed();
    platform.UseSeed(seed);
    std::mt19937 chance(seed);
    platform.hints = true;
    for (int game = 0; game < 6; ++game) {
        const int side = 4 + game + game / 2;
        ASSERT_TRUE(core::ChooseSize(side * 101));
        core::TreasureTotal = core::PickerMaximum(side);
        core::StartCommand();
        std::vector<std::pair<int, int>> order;
        for (int c = 0; c < side; ++c) {
            for (int r = 0; r < side; ++r) order.emplace_back(c, r);
        }
        std::shuffle(order.begin(), order.end(), chance);
        for (auto [col, row] : order) {
            if (!core::GameRunning) break;
            ClickAt(col, row);
            for (int c = 0; c < side; ++c) {
                for (int r = 0; r < side; ++r) {
                    const core::TCell& cell = At(c, r);
                    const CellView& view = platform.View(cell);
                    if (cell.HasTreasure) {
                        ASSERT_NE(view.picture, Picture::Empty) << "treasure " << c << "," << r;
                    }
                    if (cell.Opened) {
                        ASSERT_FALSE(view.texts.empty()) << "number lost at " << c << "," << r;
                        ASSERT_EQ(view.texts.back().text, std::to_string(cell.LineCount));
                        ASSERT_EQ(ColourName(view.texts.back().colour),
                                  cell.HasTreasure ? "yellow" : "blue");
                    }
                }
            }
        }
        EXPECT_FALSE(core::GameRunning) << "every treasure was found";
    }
}

}  // namespace
}  // namespace coretest

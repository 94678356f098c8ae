// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Line counts: a cell's number is the treasures on its row, column and diagonals, edge to edge.
#include "tests/core/CoreTest.h"

#include "core/Choices.h"
#include "core/Game.h"
#include "core/Lines.h"

#include <random>

namespace coretest {
namespace {

using Lines = CoreTest;

TEST_F(Lines, OneTreasureInTheCornerOfFourByFour) {
    StartOn({"T . . .",
             ". . . .",
             ". . . .",
             ". . . ."});
    EXPECT_EQ(core::CountLineTreasures(3, 3), 1) << "the far end of its diagonal";
    EXPECT_EQ(core::CountLineTreasures(1, 2), 0) << "a knight's move away";
    EXPECT_EQ(core::CountLineTreasures(0, 0), 0) << "a treasure never counts itself";

    ClickAt(3, 3);
    ClickAt(1, 2);
    ClickAt(0, 0);
    EXPECT_EQ(Screen(), Rows({"y0 # # #",
                              "#  # # #",
                              "#  b0 # #",
                              "#  # # b1"}));
}

TEST_F(Lines, LinesRunToTheEdgesPastOtherTreasures) {
    StartOn({"T . . . . . . . . . . T",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . T . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             ". . . . . . . . . . . .",
             "T . . . . . . . . . . T"});
    EXPECT_EQ(core::CountLineTreasures(3, 3), 3) << "(0,0), (6,6) and (11,11) on one diagonal";
    EXPECT_EQ(core::CountLineTreasures(11, 11), 4) << "one in its row, one in its column, two on its diagonal";
    EXPECT_EQ(core::CountLineTreasures(0, 11), 3) << "along the row, up the column, across";
    EXPECT_EQ(core::CountLineTreasures(6, 3), 1) << "only (6,6), down its column";
}

// The count walked out along the eight directions from the cell, one step at a time: a
// different road to the same number.
int WalkedCount(int col, int row, bool (*counts)(const core::TCell&)) {
    int n = 0;
    for (int dc = -1; dc <= 1; ++dc) {
        for (int dr = -1; dr <= 1; ++dr) {
            if (dc == 0 && dr == 0) continue;
            for (int c = col + dc, r = row + dr;
                 c >= 0 && c < core::BoardWidth && r >= 0 && r < core::BoardHeight;
                 c += dc, r += dr) {
                n += counts(*core::Cells[c][r]);
            }
        }
    }
    return n;
}

bool Walked(int col, int row, int c, int r) {
    for (int dc = -1; dc <= 1; ++dc) {
        for (int dr = -1; dr <= 1; ++dr) {
            for (int k = 0; k < core::MaxBoardSide; ++k) {
                if (col + k * dc == c && row + k * dr == r) return true;
            }
        }
    }
    return false;
}

TEST_F(Lines, CountsAgreeWithWalkingTheLinesOnRandomBoards) {
    StartUpIdle();
    const std::uint32_t seed = TestSeed();
    platform.UseSeed(seed);
    std::mt19937 chance(seed);
    for (int tag : {404, 1212, 1205, 709, 1212}) {
        ASSERT_TRUE(core::ChooseSize(tag));
        core::TreasureTotal = 1 + static_cast<int>(chance() % 36);
        core::StartCommand();
        core::GameRunning = false;
        // Open about half of the cells by hand: only the counts are under test here.
        for (int c = 0; c < core::BoardWidth; ++c) {
            for (int r = 0; r < core::BoardHeight; ++r) core::Cells[c][r]->Opened = chance() % 2;
        }
        for (int c = 0; c < core::BoardWidth; ++c) {
            for (int r = 0; r < core::BoardHeight; ++r) {
                EXPECT_EQ(core::CountLineTreasures(c, r),
                          WalkedCount(c, r, [](const core::TCell& d) { return d.HasTreasure; }))
                    << "board " << tag << " cell " << c << "," << r;
                EXPECT_EQ(core::CountFoundOnLines(c, r),
                          WalkedCount(c, r, [](const core::TCell& d) {
                              return d.HasTreasure && d.Opened;
                          }))
                    << "board " << tag << " cell " << c << "," << r;
            }
        }
    }
}

TEST_F(Lines, QueenLinesHoldExactlyTheCellsAQueenReachesAndTheCellItself) {
    for (int col = 0; col < core::MaxBoardSide; ++col) {
        for (int row = 0; row < core::MaxBoardSide; ++row) {
            for (int c = 0; c < core::MaxBoardSide; ++c) {
                for (int r = 0; r < core::MaxBoardSide; ++r) {
                    ASSERT_EQ(core::OnQueenLines(col, row, c, r), Walked(col, row, c, r))
                        << "from " << col << "," << row << " to " << c << "," << r;
                }
            }
        }
    }
}

}  // namespace
}  // namespace coretest

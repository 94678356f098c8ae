// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A click on a cell as the window system delivers it: press and release on the same cell,
// double-clicks, other buttons, Ctrl held, and the hints that follow a move.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"

#include <QTest>

namespace uitest {
namespace {

using CellClicks = GameWindow;

const std::vector<std::string> OneCornerTreasure = {"T...",
                                                    "....",
                                                    "....",
                                                    "...T"};

TEST_F(CellClicks, PressAndReleaseOnOneCellOpensIt) {
    StartOn(OneCornerTreasure);
    cues().clear();
    ClickCell(1, 2);
    EXPECT_TRUE(Cell(1, 2).Opened);
    EXPECT_EQ(core::MoveCount, 1);
    EXPECT_EQ(form().lblHod->text(), QStringLiteral("Ход 1"));
    ASSERT_EQ(cues().size(), 1u);
}

TEST_F(CellClicks, AReleaseOverAnotherCellOrOutsideIsNoClick) {
    StartOn(OneCornerTreasure);
    QTest::mousePress(form().windowHandle(), Qt::LeftButton, {}, CellPoint(1, 1));
    QTest::mouseRelease(form().windowHandle(), Qt::LeftButton, {}, CellPoint(2, 1));
    QTest::mousePress(form().windowHandle(), Qt::LeftButton, {}, CellPoint(1, 1));
    QTest::mouseRelease(form().windowHandle(), Qt::LeftButton, {}, QPoint(700, 600));
    EXPECT_FALSE(Cell(1, 1).Opened);
    EXPECT_FALSE(Cell(2, 1).Opened);
    EXPECT_EQ(core::MoveCount, 0);
    // The cell's very edge still counts as the cell.
    QTest::mousePress(form().windowHandle(), Qt::LeftButton, {}, CellPoint(1, 1));
    QTest::mouseRelease(form().windowHandle(), Qt::LeftButton, {}, CellPoint(1, 1, {47, 47}));
    EXPECT_TRUE(Cell(1, 1).Opened);
}

TEST_F(CellClicks, ADoubleClickCountsAsOneClick) {
    StartOn(OneCornerTreasure);
    QTest::mouseDClick(form().windowHandle(), Qt::LeftButton, {}, CellPoint(2, 1));
    EXPECT_TRUE(Cell(2, 1).Opened);
    EXPECT_EQ(core::MoveCount, 1);
    // Were the second press a click of its own, it would open a cell that the first press,
    // with Ctrl held, only marked.
    int ctrlReadings = 0;
    platform().SetCtrlSource([&ctrlReadings] { return ctrlReadings++ == 0; });
    QTest::mouseDClick(form().windowHandle(), Qt::LeftButton, {}, CellPoint(1, 2));
    EXPECT_EQ(ctrlReadings, 1);
    EXPECT_FALSE(Cell(1, 2).Opened);
    EXPECT_EQ(CountColour(ShotOf(Cell(1, 2)), QRect(0, 0, 48, 48), Grass), 48 * 48);
    EXPECT_EQ(core::MoveCount, 1);
}

TEST_F(CellClicks, OtherMouseButtonsDoNothing) {
    StartOn(OneCornerTreasure);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(form().windowHandle(), button, {}, CellPoint(1, 2));
    }
    EXPECT_FALSE(Cell(1, 2).Opened);
    EXPECT_EQ(core::MoveCount, 0);
}

TEST_F(CellClicks, CtrlClickOnlyPaintsTheCellGreen) {
    StartOn(OneCornerTreasure);
    cues().clear();
    ClickCell(0, 0, Qt::ControlModifier);  // the treasure itself, believed empty
    EXPECT_FALSE(Cell(0, 0).Opened);
    EXPECT_EQ(core::MoveCount, 0);
    EXPECT_EQ(form().lblHod->text(), QStringLiteral("Ход 0"));
    EXPECT_TRUE(cues().empty());
    EXPECT_EQ(CountColour(ShotOf(Cell(0, 0)), QRect(0, 0, 48, 48), Grass), 48 * 48);
    // A plain click afterwards opens it as usual: the box with its yellow number.
    ClickCell(0, 0);
    EXPECT_TRUE(Cell(0, 0).Opened);
    EXPECT_EQ(core::MoveCount, 1);
    const QImage opened = ShotOf(Cell(0, 0));
    EXPECT_EQ(At(opened, 1, 1), Sand);
    EXPECT_GT(CountColour(opened, QRect(8, 9, 33, 32), NumberYellow), 20);
}

TEST_F(CellClicks, WithHintsOnAZeroPaintsItsClosedLinesGreen) {
    StartOn({"...T",
             "....",
             "....",
             "..T."});
    ClickButton(*form().sbtHint);
    ClickCell(1, 1);  // both treasures lie off the queen lines of (1, 1): a 0
    ASSERT_EQ(Cell(1, 1).LineCount, 0);
    // Its row, column and both diagonals turn green and stay closed.
    for (const auto& [c, r] : std::vector<std::pair<int, int>>{{0, 1}, {2, 1}, {3, 1}, {1, 0},
                                                               {1, 2}, {1, 3}, {0, 0}, {2, 2},
                                                               {3, 3}, {2, 0}, {0, 2}}) {
        EXPECT_FALSE(Cell(c, r).Opened);
        EXPECT_EQ(At(ShotOf(Cell(c, r)), 24, 24), Grass) << c << "," << r;
    }
    // Off its lines the sand stays, and a closed treasure is never given away.
    for (const auto& [c, r] : std::vector<std::pair<int, int>>{{0, 3}, {3, 2}, {3, 0}, {2, 3}}) {
        EXPECT_EQ(At(ShotOf(Cell(c, r)), 24, 24), Sand) << c << "," << r;
    }
    EXPECT_EQ(core::MoveCount, 1);
}

TEST_F(CellClicks, WithHintsOffOnlyTheClickedCellChanges) {
    StartOn({"...T",
             "....",
             "....",
             "..T."});
    const QImage before = ShotOf(*form().Panel1);
    ClickCell(1, 1);
    const QImage after = ShotOf(*form().Panel1);
    const QRect clicked = Cell(1, 1).geometry();
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (clicked.contains(x, y)) continue;
            ASSERT_EQ(At(after, x, y), At(before, x, y)) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace uitest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board on screen: cells centred in the board panel 49 pixels apart, their pictures, and
// the numbers drawn on opened cells.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"

#include <QTest>

namespace uitest {
namespace {

using BoardView = GameWindow;

// The closed board: sand squares from `first` on, a line of panel colour between neighbours.
void ExpectClosedBoard(const QImage& panel, int side, int first) {
    const int span = side * 49 - 1;
    EXPECT_EQ(At(panel, first, first), Sand);
    EXPECT_EQ(At(panel, first + span - 1, first + span - 1), Sand);
    EXPECT_EQ(At(panel, first - 1, first), BoardColour);
    EXPECT_EQ(At(panel, first, first - 1), BoardColour);
    EXPECT_EQ(At(panel, first + span, first + span - 1), BoardColour);
    EXPECT_EQ(At(panel, first + 48, first + 10), BoardColour);  // between the first two cells
    EXPECT_EQ(At(panel, first + 49, first + 10), Sand);
    EXPECT_EQ(CountColour(panel, QRect(first, first, span, span), Sand), side * side * 48 * 48);
}

TEST_F(BoardView, AFourByFourBoardStartsAt202) {
    EXPECT_EQ(core::BoardLeft, 202);
    EXPECT_EQ(core::BoardTop, 202);
    ExpectClosedBoard(ShotOf(*form().Panel1), 4, 202);
}

TEST_F(BoardView, ATwelveByTwelveBoardStartsSixPixelsIn) {
    ChooseSide(12);
    EXPECT_EQ(core::BoardLeft, 6);
    ExpectClosedBoard(ShotOf(*form().Panel1), 12, 6);
}

TEST_F(BoardView, EveryBoardSideIsCentredInThePanel) {
    const int expected[] = {202, 178, 153, 129, 104, 80, 55, 31, 6};
    for (int side = 4; side <= 12; ++side) {
        ChooseSide(side);
        EXPECT_EQ(core::BoardLeft, expected[side - 4]) << side;
        EXPECT_EQ(core::BoardTop, expected[side - 4]) << side;
        EXPECT_EQ(Cell(side - 1, side - 1).geometry(),
                  QRect((side - 1) * 49 + expected[side - 4], (side - 1) * 49 + expected[side - 4],
                        48, 48));
    }
}

TEST_F(BoardView, AStartOnTheShownWindowShowsEveryNewCell) {
    ChooseSide(12);
    QTest::mouseMove(form().windowHandle(), CellPoint(5, 5));  // the mouse rests on the board
    ClickButton(*form().sbtStartNewGame);
    EXPECT_TRUE(form().Panel1->isVisible());
    for (int c = 0; c < 12; ++c) {
        for (int r = 0; r < 12; ++r) EXPECT_TRUE(Cell(c, r).isVisible()) << c << "," << r;
    }
    ExpectClosedBoard(ShotOf(*form().Panel1), 12, 6);
    EXPECT_EQ(form().Panel1->findChildren<ui::TMyImage*>().size(), 144u);
}

TEST_F(BoardView, AnOpenedEmptyCellIsGreenWithABlueNumber) {
    StartOn({"T...",
             "....",
             "....",
             "...T"});
    ClickCell(1, 2);  // on the lines of neither treasure: a blue 0
    const QImage cell = ShotOf(Cell(1, 2));
    EXPECT_EQ(At(cell, 2, 2), Grass);
    EXPECT_EQ(At(cell, 45, 45), Grass);
    EXPECT_GT(CountColour(cell, QRect(8, 9, 33, 32), NumberBlue), 20);
    EXPECT_EQ(CountColour(cell, QRect(0, 0, 48, 9), NumberBlue), 0);  // nothing above the text
}

TEST_F(BoardView, AnOpenedTreasureCellShowsTheBoxOnSandWithAYellowNumber) {
    StartOn({"T...",
             "....",
             "..T.",
             "...T"});
    ClickCell(0, 0);
    const QImage cell = ShotOf(Cell(0, 0));
    EXPECT_EQ(At(cell, 1, 1), Sand);
    EXPECT_EQ(At(cell, 46, 46), Sand);
    EXPECT_GT(CountColour(cell, QRect(8, 9, 33, 32), NumberYellow), 20);
    // Left of the digit the cell is the treasure picture itself, box and all.
    const QImage box = form().imgTreasure->Picture();
    const QRect leftOfDigit(0, 0, 16, 48);
    EXPECT_LT(CountColour(cell, leftOfDigit, Sand), 16 * 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 16; ++x) ASSERT_EQ(At(cell, x, y), At(box, x, y)) << x << "," << y;
    }
}

TEST_F(BoardView, ATwoDigitCountStartsEightPixelsFurtherLeft) {
    ChooseSide(12);
    // Eleven treasures along the top row: the corner below them counts all eleven, the far
    // corner of the first column sees one of them on its diagonal.
    std::vector<std::string> rows(12, "............");
    rows[0] = ".TTTTTTTTTTT";
    StartOn(rows);
    ClickCell(0, 0);
    ClickCell(0, 11);
    ASSERT_EQ(Cell(0, 0).LineCount, 11);
    ASSERT_EQ(Cell(0, 11).LineCount, 1);
    const QRect textArea(0, 0, 48, 48);
    const int two = LeftmostInk(ShotOf(Cell(0, 0)), textArea, Grass);
    const int one = LeftmostInk(ShotOf(Cell(0, 11)), textArea, Grass);
    EXPECT_EQ(one - two, 8);
    EXPECT_GE(two, 8);
}

TEST_F(BoardView, ANewPictureWipesTheNumberDrawnBefore) {
    StartOn({"T...",
             "....",
             "....",
             "...T"});
    ClickCell(2, 1);
    ASSERT_GT(CountColour(ShotOf(Cell(2, 1)), QRect(0, 0, 48, 48), NumberBlue), 0);
    platform().SetCellPicture(Cell(2, 1), core::Picture::Empty);
    EXPECT_EQ(CountColour(ShotOf(Cell(2, 1)), QRect(0, 0, 48, 48), Grass), 48 * 48);
    // The holder's own picture was never drawn on.
    EXPECT_EQ(CountColour(form().imgEmpty->Picture(), QRect(0, 0, 48, 48), Grass), 48 * 48);
}

TEST_F(BoardView, TheNumberFontFillsAThirtyTwoPixelCharacterCell) {
    StartOn({"T...",
             "....",
             "....",
             "...T"});
    ClickCell(2, 1);
    const QImage cell = ShotOf(Cell(2, 1));
    int top = 48;
    int bottom = -1;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if (At(cell, x, y) == Grass) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    // A bold digit of a 32-pixel cell is about 22 pixels tall, its top some 6 below the cell's.
    EXPECT_GE(top, 9 + 3);
    EXPECT_LE(top, 9 + 9);
    EXPECT_GE(bottom - top + 1, 19);
    EXPECT_LE(bottom - top + 1, 25);
}

}  // namespace
}  // namespace uitest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker beside the game window: the picker button opens it, its count
// becomes the game's, and it lives and dies with the main window.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"
#include "ui/NumTreasuresUnit.h"

#include <QPointer>
#include <QTest>

namespace uitest {
namespace {

using Picker = GameWindow;

QSlider& Slider() { return *frmNumTreasures->tbNumTreasures; }

TEST_F(Picker, IsCreatedHiddenAsTheMainWindowsOwnAndGoesWithIt) {
    ASSERT_NE(frmNumTreasures, nullptr);
    EXPECT_FALSE(frmNumTreasures->isVisible());
    EXPECT_EQ(frmNumTreasures->parentWidget(), &form());
    EXPECT_TRUE(frmNumTreasures->isWindow());

    ClickPickerButton();
    ASSERT_TRUE(frmNumTreasures->isVisible());
    const QPointer<QWidget> picker = frmNumTreasures;
    DestroyWindows();  // the program ends with the picker still open
    EXPECT_TRUE(picker.isNull());
    EXPECT_EQ(frmNumTreasures, nullptr);
}

TEST_F(Picker, AnyMouseButtonOpensItOnThePressButNotDuringAGame) {
    struct Case {
        Qt::MouseButton button;
        int side;
        int largest;
    };
    const QPoint onButton = CentreOf(*form().sbtNumTreasures);
    for (const Case& c : {Case{Qt::LeftButton, 12, 36}, Case{Qt::RightButton, 5, 6},
                          Case{Qt::MiddleButton, 8, 16}}) {
        SCOPED_TRACE(c.button);
        frmNumTreasures->hide();
        ChooseSide(c.side);
        core::TreasureTotal = 3;
        Slider().setValue(2);

        PressWindow(onButton, c.button);
        EXPECT_TRUE(frmNumTreasures->isVisible()) << "open before the button comes up";
        ReleaseWindow(onButton, c.button);
        EXPECT_EQ(Slider().maximum(), c.largest);
        EXPECT_EQ(Slider().value(), 1);
        EXPECT_EQ(frmNumTreasures->pos(), form().geometry().topLeft() + QPoint(201, 3 + 39));
        EXPECT_EQ(core::TreasureTotal, 3) << "opening changes no count";
    }

    frmNumTreasures->hide();
    ChooseSide(4);
    StartOn({"T...", "....", "....", "...."});
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        PressWindow(onButton, button);
        ReleaseWindow(onButton, button);
        EXPECT_FALSE(frmNumTreasures->isVisible()) << button;
    }
}

TEST_F(Picker, AConfirmationDuringAGameSetsTheWinTargetForTheFindsThatFollow) {
    ClickPickerButton();
    // Left open across the start of a game with three treasures.
    StartOn({"T...", "..T.", "....", ".T.."});
    ClickCell(0, 0);
    ASSERT_EQ(form().lblNumMyTreasures->text(), QStringLiteral("Найдено кладов: 1"));

    Slider().setValue(2);
    ClickPickerBackground();
    EXPECT_FALSE(frmNumTreasures->isVisible());
    EXPECT_TRUE(core::GameRunning);
    EXPECT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: 2"));
    EXPECT_EQ(form().lblNumMyTreasures->text(), QStringLiteral("Найдено кладов: 0"));
    EXPECT_EQ(form().lblRest->text(), QStringLiteral("Осталось найти: 2"));
    EXPECT_TRUE(Cell(0, 0).Opened) << "the board is not dealt again";
    EXPECT_TRUE(Cell(2, 1).HasTreasure && Cell(1, 3).HasTreasure && !Cell(3, 3).HasTreasure);

    NoticeCatcher catcher;
    ClickCell(2, 1);
    EXPECT_TRUE(catcher.seen.empty()) << "one of the two found";
    EXPECT_TRUE(core::GameRunning);
    ClickCell(1, 3);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(catcher.seen[0].text, QStringLiteral("Вы нашли все клады! (2)"));
    EXPECT_FALSE(core::GameRunning);
}

// Opened on 12 x 12, the slider reaches 36, more than a 4 x 4 board holds. Whether the count is
// confirmed before the size changes or with the picker left open after, the next game hides
// what fits, says so, and can be played.
TEST_F(Picker, ACountPickedOnTheLargestBoardFitsTheSmallestOneAtTheStart) {
    for (bool confirmFirst : {true, false}) {
        SCOPED_TRACE(confirmFirst ? "confirmed, then 4 x 4" : "4 x 4, then confirmed");
        ChooseFromMenu("N10x81");
        ClickPickerButton();
        Slider().setValue(36);
        if (confirmFirst) ClickPickerBackground();
        ChooseFromMenu("N4x41");
        if (!confirmFirst) ClickPickerBackground();
        ASSERT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: 36"));

        ClickButton(*form().sbtStartNewGame);
        ASSERT_TRUE(core::GameRunning);
        EXPECT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: 16"));
        EXPECT_EQ(form().lblRest->text(), QStringLiteral("Осталось найти: 16"));
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 4; ++r) EXPECT_TRUE(Cell(c, r).HasTreasure) << c << "," << r;
        }
        ClickCell(2, 2);
        EXPECT_EQ(form().lblNumMyTreasures->text(), QStringLiteral("Найдено кладов: 1"));
        {
            NoticeCatcher catcher;
            ClickButton(*form().sbtStop);
        }
    }
}

}  // namespace
}  // namespace uitest

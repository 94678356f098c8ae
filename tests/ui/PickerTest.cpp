// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker beside the game window: the picker button opens it under itself,
// its slider steps and shows the count, a click on its strip makes that count the game's, and
// it lives and dies with the main window.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"
#include "ui/desktop/Placement.h"
#include "ui/NumTreasuresUnit.h"

#include <QPointer>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>

namespace uitest {
namespace {

// Where the slider draws its thumb now, as the style lays it out.
QRect ThumbRect(const QSlider& slider) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    // How QSlider tells the style which end holds the minimum of a vertical slider.
    option.upsideDown = !slider.invertedAppearance();
    option.subControls = QStyle::SC_All;
    return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                          &slider);
}

class Picker : public GameWindow {
protected:
    QSlider& Slider() { return *picker().tbNumTreasures; }

    // One press on the track, held well past the half second after which sliders repeat.
    void HoldOnTrack(int y) {
        QTest::mousePress(&Slider(), Qt::LeftButton, {}, QPoint(20, y));
        QTest::qWait(900);
        QTest::mouseRelease(&Slider(), Qt::LeftButton, {}, QPoint(20, y));
    }
};

TEST_F(Picker, IsCreatedHiddenAsTheMainWindowsOwnAndGoesWithIt) {
    ASSERT_NE(form().frmNumTreasures, nullptr);
    EXPECT_FALSE(picker().isVisible());
    EXPECT_EQ(picker().parentWidget(), &form());
    EXPECT_TRUE(picker().isWindow());

    ClickPickerButton();
    ASSERT_TRUE(picker().isVisible());
    const QPointer<QWidget> shown = &picker();
    DestroyWindows();  // the program ends with the picker still open
    EXPECT_TRUE(shown.isNull());
}

// Opened from hidden or again while shown, the picker stands at the button's bottom-left corner,
// (201, 3 + 39) in the client area wherever the frame puts that area: never a title bar's height
// guessed from the frame.
TEST_F(Picker, AnyButtonOpensItOnThePressUnderItsButtonAtOneOfAQuarterOfTheBoard) {
    const QPoint client = form().geometry().topLeft();
    ASSERT_NE(form().frameGeometry().topLeft(), client) << "a window with a frame";
    EXPECT_EQ(ui::UnderButton(*form().sbtNumTreasures), client + QPoint(201, 3 + 39));
    const int largest[] = {4, 6, 9, 12, 16, 20, 25, 30, 36};  // boards 4 x 4 .. 12 x 12
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const QPoint onButton = CentreOf(*form().sbtNumTreasures);
    core::TreasureTotal = 3;
    for (int side = 4; side <= 12; ++side) {
        SCOPED_TRACE(side);
        ChooseSide(side);
        // Left at the bottom and moved away; hidden every other time.
        Slider().setValue(Slider().maximum());
        picker().move(0, 0);
        picker().setVisible(side % 2 == 0);
        PressWindow(onButton, buttons[side % 3]);
        EXPECT_TRUE(picker().isVisible()) << "open before the button comes up";
        ReleaseWindow(onButton, buttons[side % 3]);
        EXPECT_EQ(Slider().minimum(), 1);
        EXPECT_EQ(Slider().maximum(), largest[side - 4]);
        EXPECT_EQ(Slider().value(), 1) << "the current TreasureTotal is not shown";
        EXPECT_EQ(picker().pos(), client + QPoint(201, 42));
    }
    EXPECT_EQ(core::TreasureTotal, 3) << "opening changes no count";
    EXPECT_EQ(picker().size(), QSize(64, 350));
    // A red strip, wherever the slider leaves the background uncovered.
    EXPECT_EQ(picker().grab().toImage().pixelColor(55, 170), QColor(255, 0, 0));
}

TEST_F(Picker, NoButtonOpensItDuringAGameAndOneLeftOpenKeepsItsPlaceAndCount) {
    ClickPickerButton();
    HoldOnTrack(300);
    picker().move(5, 5);
    StartOn({"T...", "....", "....", "...."});
    const QPoint onButton = CentreOf(*form().sbtNumTreasures);
    for (bool shown : {true, false}) {
        picker().setVisible(shown);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            PressWindow(onButton, button);
            ReleaseWindow(onButton, button);
            EXPECT_EQ(picker().isVisible(), shown) << button;
        }
    }
    EXPECT_EQ(Slider().value(), 2);
    EXPECT_EQ(picker().pos(), QPoint(5, 5));
}

TEST_F(Picker, OnePressOnTheTrackMovesTheThumbOneStepTowardThePress) {
    ChooseSide(12);
    ClickPickerButton();
    ASSERT_EQ(Slider().value(), 1);
    const int bottom = Slider().height() - 4;

    // The minimum stands at the top: far below the thumb is the way to more treasures.
    HoldOnTrack(bottom);
    EXPECT_EQ(Slider().value(), 2);
    HoldOnTrack(bottom);
    EXPECT_EQ(Slider().value(), 3);

    Slider().setValue(36);
    HoldOnTrack(4);
    EXPECT_EQ(Slider().value(), 35);

    // Other buttons do not step.
    QTest::mouseClick(&Slider(), Qt::RightButton, {}, QPoint(20, 4));
    QTest::mouseClick(&Slider(), Qt::MiddleButton, {}, QPoint(20, 4));
    EXPECT_EQ(Slider().value(), 35);
}

TEST_F(Picker, NoKeyMovesTheSlider) {
    ChooseSide(8);
    ClickPickerButton();
    picker().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker()));
    Slider().setValue(8);
    // A click on the thumb, as a player would before reaching for the keys.
    QTest::mouseClick(&Slider(), Qt::LeftButton, {}, ThumbRect(Slider()).center());
    ASSERT_EQ(Slider().value(), 8);
    EXPECT_FALSE(Slider().hasFocus());

    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
                        Qt::Key_End, Qt::Key_Right, Qt::Key_Left}) {
        SCOPED_TRACE(key);
        QTest::keyClick(picker().windowHandle(), key);  // as the window system delivers it
        QTest::keyClick(&Slider(), key);                         // even straight at the slider
        EXPECT_EQ(Slider().value(), 8);
    }
}

TEST_F(Picker, DraggingShowsTheNumberAndOnlyALeftClickOnTheStripConfirmsAndHides) {
    ChooseSide(10);
    ClickPickerButton();
    QSignalSpy confirmations(&picker(), &TfrmNumTreasures::confirmed);
    const QString hidden = form().lblNumTreasures->text();

    const QPoint grip = ThumbRect(Slider()).center();
    QTest::mousePress(&Slider(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(&Slider(), grip + QPoint(0, 150));
    const int dragged = Slider().value();
    EXPECT_GT(dragged, 1);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::number(dragged));
    QTest::mouseRelease(&Slider(), Qt::LeftButton, {}, grip + QPoint(0, 150));

    // Clicks on the slider belong to the slider; other buttons on the strip do nothing.
    QTest::mouseClick(&Slider(), Qt::LeftButton, {}, ThumbRect(Slider()).center());
    QTest::mouseClick(&picker(), Qt::RightButton, {}, QPoint(55, 170));
    // A press on the thumb released over the strip, level with it, is no click on the strip.
    const QPoint thumb = Slider().mapTo(&picker(), ThumbRect(Slider()).center());
    QTest::mousePress(picker().windowHandle(), Qt::LeftButton, {}, thumb);
    QTest::mouseRelease(picker().windowHandle(), Qt::LeftButton, {}, {55, thumb.y()});
    EXPECT_TRUE(picker().isVisible());
    EXPECT_EQ(Slider().value(), dragged);
    EXPECT_EQ(core::TreasureTotal, 1);
    EXPECT_EQ(form().lblNumTreasures->text(), hidden);
    EXPECT_EQ(confirmations.count(), 0);

    ClickPickerBackground();
    EXPECT_FALSE(picker().isVisible());
    EXPECT_EQ(core::TreasureTotal, dragged);
    ASSERT_EQ(confirmations.count(), 1);
    EXPECT_EQ(confirmations.front().front().toInt(), dragged);
    EXPECT_EQ(core::TreasuresFound, 0);
    const QString count = QString::number(dragged);
    EXPECT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: ") + count);
    EXPECT_EQ(form().lblNumMyTreasures->text(), QStringLiteral("Найдено кладов: 0"));
    EXPECT_EQ(form().lblRest->text(), QStringLiteral("Осталось найти: ") + count);
    EXPECT_FALSE(core::GameRunning) << "confirming starts no game";
}

TEST_F(Picker, AConfirmationDuringAGameSetsTheWinTargetForTheFindsThatFollow) {
    ClickPickerButton();
    // Left open across the start of a game with three treasures.
    StartOn({"T...", "..T.", "....", ".T.."});
    ClickCell(0, 0);
    ASSERT_EQ(form().lblNumMyTreasures->text(), QStringLiteral("Найдено кладов: 1"));

    Slider().setValue(2);
    ClickPickerBackground();
    EXPECT_FALSE(picker().isVisible());
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

// Opened on 12 x 12, the slider reaches 36, more than a smaller board may hold. Whether the count
// is confirmed before the size changes or with the picker left open after, the next game hides
// what fits, says so, and can be played.
TEST_F(Picker, ACountPickedOnTheLargestBoardFitsASmallerOneAtTheStart) {
    struct Case {
        bool confirmFirst;
        const char* item;
        int side;
    };
    for (const Case& c : {Case{true, "N4x41", 4}, Case{false, "N1", 5}, Case{true, "wh6", 6}}) {
        SCOPED_TRACE(c.item);
        ChooseFromMenu("N10x81");
        ClickPickerButton();
        Slider().setValue(36);
        if (c.confirmFirst) ClickPickerBackground();
        ChooseFromMenu(c.item);
        if (!c.confirmFirst) ClickPickerBackground();
        ASSERT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: 36"));

        ClickButton(*form().sbtStartNewGame);
        ASSERT_TRUE(core::GameRunning);
        const QString hidden = QString::number(c.side * c.side);
        EXPECT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: ") + hidden);
        EXPECT_EQ(form().lblRest->text(), QStringLiteral("Осталось найти: ") + hidden);
        for (int col = 0; col < c.side; ++col) {
            for (int row = 0; row < c.side; ++row) EXPECT_TRUE(Cell(col, row).HasTreasure);
        }
        ClickCell(2, 2);
        EXPECT_EQ(form().lblNumMyTreasures->text(), QStringLiteral("Найдено кладов: 1"));
        NoticeCatcher catcher;
        ClickButton(*form().sbtStop);
    }
}

}  // namespace
}  // namespace uitest

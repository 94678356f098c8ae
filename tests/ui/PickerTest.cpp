// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker: its slider, its opening under the button, and its confirmation.
#include "ui/NumTreasuresUnit.h"

#include "core/Board.h"
#include "core/Choices.h"
#include "core/Game.h"
#include "core/GameState.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ResetCore.h"
#include "ui/FlatImageButton.h"
#include "ui/desktop/Placement.h"

#include <QImage>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testsupport::Call;
using testsupport::FakePlatform;

// Binds a fresh fake and puts the game back as it is at start-up: an idle 4 x 4 board with
// one treasure to hide, hidden by fixed-seed chance.
void ResetGame(FakePlatform& platform) {
    // The previous test's cells belonged to the previous fake, which freed them; forget them.
    testsupport::ResetCoreState();
    platform.UseSeed(20070);
    core::BindPlatform(platform);
    core::ResetBoard();
}
using ui::TfrmNumTreasures;
using ui::TNumTreasuresSlider;

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

// A stand-in for the main window with the picker button where the game has it.
struct MainWindowStandIn {
    MainWindowStandIn() {
        window.setFixedSize(821, 652);
        sbtNumTreasures.setGeometry(201, 3, 39, 39);
        window.move(150, 60);
        window.show();
    }
    QWidget window;
    QWidget sbtNumTreasures{&window};
};

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame(platform);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main.window));
    }

    // Opens the picker as the picker button does; false when refused.
    bool Open() { return ui::OpenNumTreasures(picker, main.sbtNumTreasures); }

    void ChooseBoard(int side) { ASSERT_TRUE(core::ChooseSize(side * core::SizeTagBase + side)); }

    QSlider& Slider() { return *picker.tbNumTreasures; }

    // A left click on the red strip right of the slider.
    void ClickBackground() { QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(55, 170)); }

    // One press on the track, held well past the half second after which sliders repeat.
    void HoldOnTrack(int y) {
        QTest::mousePress(&Slider(), Qt::LeftButton, {}, QPoint(20, y));
        QTest::qWait(900);
        QTest::mouseRelease(&Slider(), Qt::LeftButton, {}, QPoint(20, y));
    }

    FakePlatform platform;
    MainWindowStandIn main;
    TfrmNumTreasures picker{&main.window};
};

TEST_F(PickerTest, TheLargestCountIsAQuarterOfTheBoardAndEveryOpeningStartsAtOne) {
    const int largest[] = {4, 6, 9, 12, 16, 20, 25, 30, 36};  // boards 4 x 4 .. 12 x 12
    core::TreasureTotal = 3;
    for (int side = 4; side <= 12; ++side) {
        SCOPED_TRACE(side);
        ChooseBoard(side);
        ASSERT_TRUE(Open());
        EXPECT_TRUE(picker.isVisible());
        EXPECT_EQ(Slider().minimum(), 1);
        EXPECT_EQ(Slider().maximum(), largest[side - 4]);
        EXPECT_EQ(Slider().value(), 1) << "the current TreasureTotal is not shown";
        // Left at the bottom and moved away; opening again while shown resets both.
        Slider().setValue(Slider().maximum());
        picker.move(0, 0);
    }
    ASSERT_TRUE(Open());
    EXPECT_EQ(Slider().value(), 1);
    EXPECT_EQ(picker.pos(), ui::UnderButton(main.sbtNumTreasures));
    EXPECT_EQ(core::TreasureTotal, 3) << "opening changes nothing in the game";
}

// The button's bottom-left corner, (201, 3 + 39) in the main window's client area, wherever
// the window manager's frame puts that area: never a title bar's height guessed from the frame.
TEST_F(PickerTest, OpensAtThePickerButtonsBottomLeftCornerWhateverTheFrame) {
    const QPoint client = main.window.geometry().topLeft();
    ASSERT_NE(main.window.frameGeometry().topLeft(), client) << "a window with a frame";
    EXPECT_EQ(ui::UnderButton(main.sbtNumTreasures), client + QPoint(201, 3 + 39));
    ASSERT_TRUE(Open());
    EXPECT_EQ(picker.pos(), client + QPoint(201, 42));
    EXPECT_EQ(picker.size(), QSize(64, 350));
    // A red strip, wherever the slider leaves the background uncovered.
    EXPECT_EQ(picker.grab().toImage().pixelColor(55, 170), QColor(255, 0, 0));
}

TEST_F(PickerTest, ThePickerButtonDoesNothingDuringAGame) {
    core::StartCommand();
    EXPECT_FALSE(Open());
    EXPECT_FALSE(picker.isVisible());

    // A picker left open before the start keeps its place and its count.
    core::GameRunning = false;
    ASSERT_TRUE(Open());
    HoldOnTrack(300);
    picker.move(5, 5);
    core::StartCommand();
    EXPECT_FALSE(Open());
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(Slider().value(), 2);
    EXPECT_EQ(picker.pos(), QPoint(5, 5));
}

TEST_F(PickerTest, OnePressOnTheTrackMovesTheThumbOneStepTowardThePress) {
    ChooseBoard(12);
    ASSERT_TRUE(Open());
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

TEST_F(PickerTest, NoKeyMovesTheSlider) {
    ChooseBoard(8);
    ASSERT_TRUE(Open());
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    Slider().setValue(8);
    // A click on the thumb, as a player would before reaching for the keys.
    const QPoint thumb = ThumbRect(Slider()).center();
    QTest::mouseClick(&Slider(), Qt::LeftButton, {}, thumb);
    ASSERT_EQ(Slider().value(), 8);
    EXPECT_FALSE(Slider().hasFocus());

    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
                        Qt::Key_End, Qt::Key_Right, Qt::Key_Left}) {
        SCOPED_TRACE(key);
        QTest::keyClick(picker.windowHandle(), key);   // as the window system delivers it
        QTest::keyClick(&Slider(), key);               // even straight at the slider
        EXPECT_EQ(Slider().value(), 8);
    }
}

TEST_F(PickerTest, DraggingShowsTheNumberButChangesNothingUntilTheBackgroundIsClicked) {
    ChooseBoard(10);
    ASSERT_TRUE(Open());
    QSignalSpy confirmations(&picker, &TfrmNumTreasures::confirmed);

    const QPoint grip = ThumbRect(Slider()).center();
    QTest::mousePress(&Slider(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(&Slider(), grip + QPoint(0, 150));
    const int dragged = Slider().value();
    EXPECT_GT(dragged, 1);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::number(dragged));
    QTest::mouseRelease(&Slider(), Qt::LeftButton, {}, grip + QPoint(0, 150));

    EXPECT_EQ(core::TreasureTotal, 1);
    EXPECT_FALSE(platform.LabelWritten(core::Label::lblNumTreasures));
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(confirmations.count(), 0);

    ClickBackground();
    EXPECT_EQ(core::TreasureTotal, dragged);
    ASSERT_EQ(confirmations.count(), 1);
    EXPECT_EQ(confirmations.front().front().toInt(), dragged);
}

TEST_F(PickerTest, OnlyALeftClickOnTheBackgroundConfirmsAndHides) {
    ChooseBoard(6);
    ASSERT_TRUE(Open());
    HoldOnTrack(340);
    HoldOnTrack(340);
    HoldOnTrack(340);
    HoldOnTrack(340);
    ASSERT_EQ(Slider().value(), 5);

    // Clicks on the slider belong to the slider; other buttons on the strip do nothing.
    QTest::mouseClick(&Slider(), Qt::LeftButton, {}, ThumbRect(Slider()).center());
    QTest::mouseClick(&picker, Qt::RightButton, {}, QPoint(55, 170));
    // A press on the thumb released over the strip is no click on the strip either.
    const QPoint thumbInPicker = Slider().mapTo(&picker, ThumbRect(Slider()).center());
    QTest::mousePress(picker.windowHandle(), Qt::LeftButton, {}, thumbInPicker);
    QTest::mouseRelease(picker.windowHandle(), Qt::LeftButton, {}, QPoint(55, 170));
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(core::TreasureTotal, 1);
    EXPECT_FALSE(platform.LabelWritten(core::Label::lblNumTreasures));

    ClickBackground();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(core::TreasureTotal, 5);
    EXPECT_EQ(core::TreasuresFound, 0);
    EXPECT_EQ(platform.LabelText(core::Label::lblNumTreasures), "Спрятано кладов: 5");
    EXPECT_EQ(platform.LabelText(core::Label::lblNumMyTreasures), "Найдено кладов: 0");
    EXPECT_EQ(platform.LabelText(core::Label::lblRest), "Осталось найти: 5");
    EXPECT_FALSE(core::GameRunning) << "confirming starts no game";
}

TEST_F(PickerTest, ACountPickedOnALargeBoardFitsASmallerOneAtTheStart) {
    struct Case {
        int smallerSide;
        int hidden;
    };
    for (const Case& c : {Case{6, 36}, Case{5, 25}}) {
        SCOPED_TRACE(c.smallerSide);
        core::GameRunning = false;
        ChooseBoard(12);
        ASSERT_TRUE(Open());
        Slider().setValue(36);  // the bottom of the 12 x 12 slider
        ClickBackground();
        ASSERT_EQ(core::TreasureTotal, 36);

        ChooseBoard(c.smallerSide);
        core::StartCommand();  // would never finish hiding 36 in 25 cells
        const std::set<const core::TCell*> live = platform.Live();
        const auto treasures = std::count_if(live.begin(), live.end(),
                                             [](const core::TCell* cell) { return cell->HasTreasure; });
        EXPECT_EQ(treasures, c.hidden);
        EXPECT_EQ(core::TreasureTotal, c.hidden);
        EXPECT_EQ(platform.LabelText(core::Label::lblNumTreasures),
                  "Спрятано кладов: " + std::to_string(c.hidden));
    }
}

}  // namespace

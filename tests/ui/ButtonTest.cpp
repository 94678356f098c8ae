// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The flat image buttons: keyed glyphs, the frame of each state, the pressed shift, the hint
// toggle and the buttons' hints.
#include "tests/ui/GameWindow.h"

#include "ui/ScaledPicture.h"

#include <QTest>

namespace uitest {
namespace {

using Buttons = GameWindow;
using Frame = ui::FlatImageButton::Frame;

TEST_F(Buttons, KeyColouredGlyphPixelsShowWhatLiesBehind) {
    const QImage shot = Shot();
    // The stop sign's black corners, the treasure glyph's magenta ground and the bulb's grey
    // ground are keyed out, so the window (and the hint panel) show through.
    EXPECT_EQ(At(shot, 736 + 2, 3 + 2), WindowColour);    // sbtStop, glyph corner
    EXPECT_EQ(At(shot, 201 + 0, 3 + 38), WindowColour);   // sbtNumTreasures, bottom-left
    EXPECT_EQ(At(shot, 201 + 38, 3 + 0), WindowColour);   // sbtNumTreasures, top-right
    EXPECT_EQ(At(shot, 260 + 2, 3 + 33), WindowColour);   // sbtHint, glyph bottom-left
    // The figures themselves are drawn: the sign is red in its middle.
    const QColor signMiddle = At(shot, 736 + 18, 3 + 8);
    EXPECT_GT(signMiddle.red(), 150);
    EXPECT_LT(signMiddle.green(), 100);
}

TEST(ColourKey, ExactlyTheBottomLeftColourGoesWhereverItLies) {
    // A frame of key colour with a figure in it, a hollow of key colour inside the figure and
    // a pixel one step off the key.
    const QColor key(0x78, 0x90, 0x78);
    QImage frame(8, 8, QImage::Format_RGB32);
    frame.fill(key);
    for (int y = 2; y < 6; ++y) {
        for (int x = 2; x < 6; ++x) frame.setPixelColor(x, y, Qt::red);
    }
    frame.setPixelColor(3, 3, key);
    frame.setPixelColor(4, 4, QColor(0x78, 0x90, 0x79));
    const QImage keyed = ui::KeyedPixmap(frame).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 7)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(7, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(3, 3)), 0);  // the hollow inside the figure
    EXPECT_EQ(keyed.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(keyed.pixel(4, 4), qRgb(0x78, 0x90, 0x79));
    // The key is the bottom-left pixel's colour, whatever colour that is.
    frame.setPixelColor(0, 7, Qt::red);
    const QImage rekeyed = ui::KeyedPixmap(frame).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(rekeyed.pixel(2, 2)), 0);
    EXPECT_EQ(rekeyed.pixel(3, 3), key.rgb());
}

TEST_F(Buttons, ThirtyTwoPixelGlyphsSitCentredInTheirButtons) {
    ui::TForm1& f = form();
    const QImage stop = ShotOf(*f.sbtStop);
    const QImage glyph(QStringLiteral(":/assets/sbtStop.png"));
    ASSERT_EQ(glyph.size(), QSize(32, 32));
    // The sign's left tip at the glyph's middle row lands two pixels in from the button's edge.
    for (int x = 0; x < 32; ++x) {
        const QColor source = At(glyph, x, 16);
        if (source == QColor(0, 0, 0)) continue;
        EXPECT_EQ(At(stop, x + 2, 16 + 2), source) << "column " << x;
    }
}

TEST_F(Buttons, StripButtonsShowTheirGreyFrameOnlyWhileHeld) {
    for (ui::FlatImageButton* button : {form().sbtStartNewGame, form().sbtCreateNewSizeGame,
                                        form().sbtHelp, form().sbtExit}) {
        SCOPED_TRACE(button->toolTip().toStdString());
        const QImage resting = ShotOf(*button);
        EXPECT_EQ(button->CurrentFrame(), Frame::FrameUp);
        QTest::mousePress(form().windowHandle(), Qt::LeftButton, {}, CentreOf(*button));
        EXPECT_EQ(button->CurrentFrame(), Frame::FramePressed);
        EXPECT_NE(ShotOf(*button), resting);
        // Released off the button: no click, and the coloured frame is back.
        QTest::mouseRelease(form().windowHandle(), Qt::LeftButton, {}, QPoint(700, 600));
        EXPECT_EQ(button->CurrentFrame(), Frame::FrameUp);
    }
    EXPECT_TRUE(cues().empty());
}

TEST_F(Buttons, APressedPictureMovesOnePixelRightAndDown) {
    ui::FlatImageButton& stop = *form().sbtStop;
    const QImage resting = ShotOf(stop);
    QTest::mousePress(form().windowHandle(), Qt::LeftButton, {}, CentreOf(stop));
    const QImage pressed = ShotOf(stop);
    QTest::mouseRelease(form().windowHandle(), Qt::LeftButton, {}, QPoint(700, 600));
    for (int y = 4; y < 32; ++y) {
        for (int x = 4; x < 32; ++x) {
            ASSERT_EQ(At(pressed, x + 1, y + 1), At(resting, x, y)) << x << "," << y;
        }
    }
    // A sunken edge: dark above and left.
    const QColor dark = QColor(stop.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(At(pressed, 10, 0), dark);
    EXPECT_EQ(At(pressed, 0, 10), dark);
}

TEST_F(Buttons, AButtonIsFlatUntilTheMouseIsOverIt) {
    ui::FlatImageButton& stop = *form().sbtStop;
    QTest::mouseMove(form().windowHandle(), QPoint(650, 500));
    const QImage flat = ShotOf(stop);
    EXPECT_EQ(At(flat, 10, 0), WindowColour);
    EXPECT_EQ(At(flat, 35, 10), WindowColour);
    QTest::mouseMove(form().windowHandle(), CentreOf(stop));
    ASSERT_TRUE(stop.Hovered());
    const QImage raised = ShotOf(stop);
    EXPECT_EQ(At(raised, 10, 0), QColor(stop.palette().color(QPalette::Light).rgb()));
    EXPECT_EQ(At(raised, 35, 10), QColor(stop.palette().color(QPalette::Dark).rgb()));
}

TEST_F(Buttons, OnlyTheLeftButtonPressesAButton) {
    ui::FlatImageButton& help = *form().sbtHelp;
    QTest::mousePress(form().windowHandle(), Qt::RightButton, {}, CentreOf(help));
    EXPECT_EQ(help.CurrentFrame(), Frame::FrameUp);
    QTest::mouseRelease(form().windowHandle(), Qt::RightButton, {}, CentreOf(help));
}

TEST_F(Buttons, HintToggleStaysDownAcrossGamesAndSizes) {
    ui::FlatImageButton& hint = *form().sbtHint;
    const QImage upShot = ShotOf(hint);
    ClickButton(hint);
    EXPECT_TRUE(hint.isChecked());
    EXPECT_TRUE(platform().HintsOn());
    ClickButton(*form().sbtStartNewGame);
    EXPECT_TRUE(platform().HintsOn());
    NoticeCatcher catcher;
    ClickButton(*form().sbtStop);
    ChooseSide(7);
    EXPECT_TRUE(platform().HintsOn());
    // Down, the bulb is the same picture but sits one pixel lower right.
    QTest::mouseMove(form().windowHandle(), QPoint(700, 600));
    EXPECT_FALSE(hint.Hovered());
    const QImage downShot = ShotOf(hint);
    EXPECT_EQ(At(downShot, 2 + 1 + 16, 2 + 1 + 16), At(upShot, 2 + 16, 2 + 16));
    ClickButton(hint);
    EXPECT_FALSE(platform().HintsOn());
}

TEST_F(Buttons, HintToggleDownAndNotHoveredShowsAFineChecker) {
    ui::FlatImageButton& hint = *form().sbtHint;
    ClickButton(hint);
    QTest::mouseMove(form().windowHandle(), QPoint(700, 600));
    const QImage down = ShotOf(hint);
    const QColor face = QColor(hint.palette().color(QPalette::Button).rgb());
    const QColor light = QColor(hint.palette().color(QPalette::Light).rgb());
    ASSERT_NE(face, light);
    EXPECT_EQ(At(down, 1, 1), face);
    EXPECT_EQ(At(down, 2, 1), light);
    EXPECT_EQ(At(down, 1, 2), light);
    EXPECT_EQ(At(down, 2, 2), face);
    // With the mouse over it, the checker gives way to the panel's colour.
    QTest::mouseMove(form().windowHandle(), CentreOf(hint));
    EXPECT_TRUE(hint.Hovered());
    EXPECT_EQ(At(ShotOf(hint), 1, 1), WindowColour);
}

TEST_F(Buttons, EveryButtonCarriesItsHintAndTheHandCursor) {
    ui::TForm1& f = form();
    const std::vector<std::pair<ui::FlatImageButton*, QString>> hints = {
        {f.sbtStartNewGame, "Start New Game Actual W x H"},
        {f.sbtCreateNewSizeGame, "Generate New Puzzle Any W x H"},
        {f.sbtNumTreasures, "Num Treasures"},
        {f.sbtHint, "Подсказки вкл/откл"},
        {f.sbtHelp, "Help"},
        {f.sbtStop, "Остановить игру"},
        {f.sbtExit, "EXIT"},
    };
    for (const auto& [button, hint] : hints) {
        EXPECT_EQ(button->toolTip(), hint);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << hint.toStdString();
    }
}

}  // namespace
}  // namespace uitest

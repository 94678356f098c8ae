// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the window tests: the real window on the real platform, with silent sound,
// a scripted clock, boards drawn as text and notices answered by the test.
#pragma once

#include "tests/sound/RecordingSound.h"
#include "ui/MyImage.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/QtPlatform.h"
#include "ui/TreasureUnit.h"

#include <QAction>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace uitest {

using ui::TfrmNumTreasures;
using ui::TNumTreasuresSlider;

// Colours the game's window is made of.
inline const QColor WindowColour(0x78, 0x90, 0x78);
inline const QColor BoardColour(0x22, 0x5E, 0x36);
inline const QColor Sand(0xCE, 0xAD, 0x73);
inline const QColor Grass(0x00, 0xDF, 0x4A);
inline const QColor NumberBlue(0x00, 0x00, 0xFF);
inline const QColor NumberYellow(0xFF, 0xFF, 0x00);

// A notice as the player saw it.
struct SeenNotice {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    bool iconsOnButtons;
    int spareTitleWidth;  // the box's width beyond what its title's text needs
};

// Answers every notice that opens while it lives with OK, after writing down what it showed
// and running `whileOpen` with the notice still on screen.
class NoticeCatcher {
public:
    explicit NoticeCatcher(std::function<void()> whileOpen = {});
    std::vector<SeenNotice> seen;

private:
    std::function<void()> whileOpen_;
    QTimer poll_;
};

class GameWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ui::TForm1& form() { return *platform_->Form1(); }
    TfrmNumTreasures& picker() { return *form().frmNumTreasures; }
    ui::QtPlatform& platform() { return *platform_; }
    // The cue requests so far: "file wav/<name>.wav" or "alert".
    std::vector<std::string>& cues() { return sound_->calls; }

    // The cell widget at (col, row) of the board on screen.
    ui::TMyImage& Cell(int col, int row) const;
    // A point of the window: the centre of the cell, or `offset` from its top-left corner.
    QPoint CellPoint(int col, int row, QPoint offset = {24, 24}) const;
    QPoint CentreOf(const QWidget& widget) const;

    // Presses and releases the left button at a point of the window, as the window system does.
    void ClickWindow(QPoint at, Qt::KeyboardModifiers modifiers = {});
    void ClickCell(int col, int row, Qt::KeyboardModifiers modifiers = {});
    void ClickButton(const QWidget& button);

    // Picks the board size with the size menu's item for it, as N4x41Click gets it.
    void ChooseSide(int side);
    // The size menu's item of this name ("N4x41" ... "N10x81").
    QAction* SizeItem(const char* name) const;
    // The items of the size menu that carry a check mark.
    QStringList CheckedSizes() const;
    // The player's way to a size: a click on the size button, then one on the item.
    void ChooseFromMenu(const char* name);

    // A mouse button goes down (and later up) at a point of the window.
    void PressWindow(QPoint at, Qt::MouseButton button);
    void ReleaseWindow(QPoint at, Qt::MouseButton button);
    // A left click on the picker button, which opens the picker between games.
    void ClickPickerButton();
    // A left click on the picker's own red strip, right of the slider, as the window system
    // delivers it.
    void ClickPickerBackground();

    // The end of the program: the platform and the main window with all it holds are destroyed.
    void DestroyWindows();
    // Starts a game with the start button, then hides the treasures as drawn, one row a string:
    // T a treasure, . none. TreasureTotal becomes the number of treasures drawn.
    void StartOn(const std::vector<std::string>& rows);

    // What the window shows, as the player would see it.
    QImage Shot() const;
    QImage ShotOf(const QWidget& widget) const;

    std::uint32_t now = 100000;  // the scripted tick count

private:
    // The game runs in a folder of its own that holds the six cue files, so each request names
    // its cue.
    QTemporaryDir folder_;
    QString previousFolder_;
    soundtest::RecordingSound* sound_ = nullptr;
    std::unique_ptr<ui::QtPlatform> platform_;
};

// The pixel's colour without alpha.
QColor At(const QImage& image, int x, int y);
// How many pixels of exactly this colour lie in the rectangle.
int CountColour(const QImage& image, const QRect& area, const QColor& colour);
// The leftmost column of the rectangle holding a pixel unlike `ground`, or -1.
int LeftmostInk(const QImage& image, const QRect& area, const QColor& ground);

}  // namespace uitest

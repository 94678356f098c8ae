// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one door from the game rules to the world: screen, clock, chance and sound.
#pragma once

#include <cstdint>
#include <string>

namespace core {

struct TCell;

// The six labels of the main window that the rules write to.
enum class Label { lblWH, lblTime, lblHod, lblNumTreasures, lblNumMyTreasures, lblRest };

// The three cell pictures: sand (closed), green (empty ground), the treasure box.
enum class Picture { Unopened, Empty, Treasure };

// The buttons a notice offers; the player's answer is never read.
enum class NoticeButtons { Ok, OkCancel };

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Everything the rules need from the platform. The Qt binding lives in ui/, a recording
// fake in tests/. Every call comes from the user-interface thread, inside an event handler.
class PlatformOps {
public:
    virtual ~PlatformOps() = default;

    // Replaces a label's whole text; on screen by the next pass of the event loop.
    virtual void SetLabelText(Label label, const std::string& text) = 0;
    // Whether the hint toggle is down right now.
    virtual bool HintsOn() = 0;
    // Whether a Ctrl key is down as the click being handled (the button release) is processed.
    virtual bool CtrlHeld() = 0;
    // Creates the main window (which runs the start-up step) and then the hidden picker.
    virtual void StartWindows() = 0;
    // Shows the main window and handles events until it closes.
    virtual void RunEventLoop() = 0;
    // Closes the main window, which ends the program.
    virtual void CloseMainWindow() = 0;

    // Fixes BoardLeft and BoardTop for BoardWidth x BoardHeight; once per board, before NewCell.
    virtual void LayoutBoard() = 0;
    // A new closed cell widget at its place for (col, row), showing no picture yet.
    virtual TCell* NewCell(int col, int row) = 0;
    // Destroys the cell's widget and record; it leaves the screen at once.
    virtual void FreeCell(TCell* cell) = 0;
    // The cell shows a private copy of the picture; any number drawn before is gone.
    virtual void SetCellPicture(TCell& cell, Picture picture) = 0;
    // Draws text on the cell's copy, its 32-pixel bold Arial character cell's top-left at (x, y).
    virtual void DrawCellText(TCell& cell, int x, int y, const std::string& text, Rgb colour) = 0;

    // Starts or stops the one-second clock; enabling a running clock keeps its rhythm.
    virtual void SetClockEnabled(bool on) = 0;
    // Milliseconds since the system started, wrapping at 2^32.
    virtual std::uint32_t TickCount() = 0;
    // Seeds the random source from the clock; once, at start-up.
    virtual void SeedRandom() = 0;
    // A uniformly drawn integer in [0, n), n > 0.
    virtual int RandomBelow(int n) = 0;
    // Asks for the wave-file cue "wav/<name>.wav" to play; returns at once, failures ignored.
    virtual void PlayCue(const std::string& name) = 0;
    // Shows a modal notice and returns when the player closes it.
    virtual void ShowNotice(const std::string& text, const std::string& title, NoticeButtons buttons) = 0;
};

// Binds the platform for the whole run; called once, before anything else of the core.
void BindPlatform(PlatformOps& ops);
// The bound platform.
PlatformOps& Platform();

}  // namespace core

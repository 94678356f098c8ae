// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A recording stand-in for the platform: logs every call in order and plays back scripted input.
#pragma once

#include "core/GameState.h"
#include "core/Platform.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace coretest {

// One call the rules made, with everything it carried.
struct Call {
    enum class Kind {
        Label, HintsQuery, CtrlQuery, StartWindows, RunEventLoop, CloseMainWindow, Layout,
        NewCell, FreeCell, Picture, Text, Clock, TickQuery, Seed, Random, Cue, Notice
    };
    Kind kind;
    std::string text;      // label text, drawn text, cue name or notice text
    std::string detail;    // label name, picture name, notice title
    int col = -1, row = -1;  // the cell concerned, if any
    int x = 0, y = 0;        // where a text was drawn
    core::Rgb colour{0, 0, 0};
    core::NoticeButtons buttons = core::NoticeButtons::Ok;
    bool on = false;       // clock enabled or not
    int n = 0;             // the bound of a random draw

    // The call in words, e.g. "cue click2", "picture 1,2 Empty", "text 1,2 (16,9) 3 blue".
    std::string Describe() const;
    // The same without the cell, so that a run of calls over many cells collapses to one line.
    std::string Shape() const;
};

// What a cell shows right now: its picture and the numbers drawn on it since.
struct CellView {
    std::optional<core::Picture> picture;  // none between NewCell and the first picture
    std::vector<Call> texts;               // DrawCellText calls since the last picture
};

class FakePlatform : public core::PlatformOps {
public:
    ~FakePlatform() override;

    // --- Script ---
    bool hints = false;               // the hint toggle
    bool ctrl = false;                // a Ctrl key held during a click
    std::uint32_t now = 0;            // the tick counter
    std::deque<int> draws;            // random draws, handed out in order
    // Runs while a notice is open, so a test can look at the game behind it.
    std::function<void()> whileNoticeOpen;

    // Random draws come from this seed once the scripted ones run out.
    void UseSeed(std::uint32_t seed);
    // Draws beyond this many fail the test instead of hanging it (an endless placement loop).
    std::size_t drawLimit = 100000;

    // --- Record ---
    const std::vector<Call>& Calls() const { return calls_; }
    // Every call in words, but for the reads of hints, Ctrl and the tick counter.
    std::vector<std::string> Log() const;
    // The effects with runs of same-shaped calls folded: "newcell x16".
    std::vector<std::string> Outline() const;
    std::vector<std::string> Cues() const;
    void ClearLog() { calls_.clear(); }

    // The text a label shows now; empty if the rules never wrote it.
    std::string LabelText(core::Label label) const;
    bool LabelWritten(core::Label label) const { return labels_.count(label) != 0; }
    // What a live cell shows now.
    const CellView& View(const core::TCell& cell) const;
    std::size_t LiveCells() const { return views_.size(); }
    bool IsLive(const core::TCell* cell) const { return views_.count(cell) != 0; }
    bool ClockOn() const { return clockOn_; }
    std::size_t DrawsMade() const { return drawsMade_; }

    // Destroys the cells the rules still hold, as the board panel does at exit.
    void FreeLiveCells();

    // --- core::PlatformOps ---
    void SetLabelText(core::Label label, const std::string& text) override;
    bool HintsOn() override;
    bool CtrlHeld() override;
    void StartWindows() override;
    void RunEventLoop() override;
    void CloseMainWindow() override;
    void LayoutBoard() override;
    core::TCell* NewCell(int col, int row) override;
    void FreeCell(core::TCell* cell) override;
    void SetCellPicture(core::TCell& cell, core::Picture picture) override;
    void DrawCellText(core::TCell& cell, int x, int y, const std::string& text,
                      core::Rgb colour) override;
    void SetClockEnabled(bool on) override;
    std::uint32_t TickCount() override;
    void SeedRandom() override;
    int RandomBelow(int n) override;
    void PlayCue(const std::string& name) override;
    void ShowNotice(const std::string& text, const std::string& title,
                    core::NoticeButtons buttons) override;

private:
    Call& Record(Call::Kind kind);

    std::vector<Call> calls_;
    std::map<core::Label, std::string> labels_;
    std::map<const core::TCell*, CellView> views_;
    bool clockOn_ = false;
    std::optional<std::mt19937> seeded_;
    std::size_t drawsMade_ = 0;
};

std::string LabelName(core::Label label);
std::string PictureName(core::Picture picture);
// "yellow", "blue" or the hex triple.
std::string ColourName(core::Rgb colour);

}  // namespace coretest

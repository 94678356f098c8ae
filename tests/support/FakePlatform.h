// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one stand-in for the platform in tests and benchmarks: it logs every call in order, keeps
// what the player would see, flags misuse of the cells, and plays back scripted input.
#pragma once

#include "core/GameState.h"
#include "core/Platform.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

// One call the rules made, with everything it carried.
struct Call {
    enum class Kind {
        Label, HintsQuery, CtrlQuery, StartWindows, RunEventLoop, CloseMainWindow, Layout,
        NewCell, FreeCell, Picture, Text, Clock, TickQuery, Seed, Random, Cue, Notice
    };
    Kind kind;
    std::string text;      // label text, drawn text, cue name or notice text
    std::string detail;    // label name, picture name, notice title
    const core::TCell* cell = nullptr;  // the cell concerned, if any
    int col = -1, row = -1;             // and its place
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
    std::vector<Call> texts;  // DrawCellText calls since the last picture, a redraw kept once
};

// Thrown out of the rules past the fake's draw limit: a placement that cannot finish would
// otherwise hang the run.
struct RunawayDraws : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FakePlatform : public core::PlatformOps {
public:
    // With `passTo`, every call is passed on to that platform too, which then makes and frees
    // the cells and answers for hints, Ctrl and the tick counter; chance stays the fake's own.
    explicit FakePlatform(core::PlatformOps* passTo = nullptr) : passTo_(passTo) {}
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // --- Script ---
    bool hints = false;               // the hint toggle
    bool ctrl = false;                // a Ctrl key held during a click
    std::uint32_t now = 0;            // the tick counter
    std::deque<int> draws;            // random draws, handed out in order
    // Runs while a notice is open, so a test can look at the game behind it.
    std::function<void()> whileNoticeOpen;

    // Random draws come from this seed once the scripted ones run out.
    void UseSeed(std::uint32_t seed);
    // Draws beyond this many throw RunawayDraws instead of hanging the run.
    std::size_t drawLimit = 100000;
    // Whether every call is kept, or only counted by kind: a benchmark measures the rules, and
    // a long randomised session would keep millions of calls.
    bool keepCalls = true;
    // Whether what the labels and cells show is kept and misuse flagged; a benchmark of the
    // rules' own cost turns this off too, and the fake then only makes and frees the cells.
    bool keepViews = true;
    // Told of every call once the fake has handled it, before a notice's whileNoticeOpen.
    std::function<void(const Call&)> onCall;

    // --- Record ---
    const std::vector<Call>& Calls() const { return calls_; }
    // Every call in words, but for the reads of hints, Ctrl and the tick counter.
    std::vector<std::string> Log() const;
    // The effects with runs of same-shaped calls folded: "newcell x16".
    std::vector<std::string> Outline() const;
    std::vector<std::string> Cues() const;
    void ClearLog() { calls_.clear(); }
    // How many calls of a kind came since the fake was made, kept or not.
    std::size_t Count(Call::Kind kind) const { return counts_[static_cast<std::size_t>(kind)]; }
    // Misuse of the cells seen so far, in words: a cell used after it was freed or before the
    // board was laid out, a number drawn over another, a draw below zero.
    std::vector<std::string> faults;

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
    // The call at hand, counted and, if calls are kept, logged.
    Call& Record(Call::Kind kind);
    // Tells onCall of the call at hand.
    void Told(const Call& call) const;
    // The view of a live cell; null, and a fault, for any other.
    CellView* LiveView(const core::TCell& cell, const char* operation);

    core::PlatformOps* passTo_;
    std::vector<Call> calls_;
    Call scratch_;  // the call at hand while calls are not kept
    std::array<std::size_t, static_cast<std::size_t>(Call::Kind::Notice) + 1> counts_{};  // by kind
    std::map<core::Label, std::string> labels_;
    std::map<const core::TCell*, CellView> views_;
    bool clockOn_ = false;
    std::optional<std::mt19937> seeded_;
    std::size_t drawsMade_ = 0;
    bool laidOut_ = false;  // LayoutBoard came since the board was last emptied
};

// "yellow", "blue" or the hex triple.
std::string ColourName(core::Rgb colour);

}  // namespace testsupport

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A platform that keeps what the player would see (labels, cell pictures, numbers, clock) and
// flags every misuse of the cell widgets, for long randomised games against the real rules.
#pragma once

#include "core/Platform.h"

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace play {

// What one cell widget shows right now.
struct CellView {
    std::optional<core::Picture> picture;  // none until the first SetCellPicture
    std::optional<std::string> number;     // wiped by every new picture
    core::Rgb colour{};
    int x = 0;
    int y = 0;
};

// One modal notice as it was opened, with the game's state at that moment.
struct Notice {
    std::string text;
    std::string title;
    core::NoticeButtons buttons = core::NoticeButtons::Ok;
    bool gameRunning = false;
    bool clockEnabled = false;
};

// Thrown out of the rules when one event draws far more random numbers than any board needs:
// treasure placement that cannot finish would otherwise hang the run.
struct RunawayDraws : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TrackingPlatform : public core::PlatformOps {
public:
    explicit TrackingPlatform(std::uint32_t randomSeed);
    ~TrackingPlatform() override;
    TrackingPlatform(const TrackingPlatform&) = delete;
    TrackingPlatform& operator=(const TrackingPlatform&) = delete;

    // --- scripted by the event stream ---
    bool hintsDown = false;
    bool ctrlDown = false;
    std::uint32_t ticks = 0;
    // The clock's next tick arrives while the next notice is open (its nested event loop).
    bool tickDuringNotice = false;

    // --- what the player sees, kept across events ---
    std::map<core::Label, std::string> labels;  // only labels written so far
    std::unordered_map<const core::TCell*, CellView> liveCells;
    bool clockEnabled = false;

    // --- what one event did; cleared by BeginEvent ---
    int calls = 0;
    int layouts = 0;
    int cellsCreated = 0;
    int cellsFreed = 0;
    int clockSwitches = 0;
    int seeds = 0;
    bool nestedTickDelivered = false;
    std::vector<std::string> cues;
    std::vector<Notice> notices;
    std::set<const core::TCell*> touchedCells;  // got a picture or a number

    // Misuse seen so far (a dead cell used, a cell freed twice ...); never cleared.
    std::vector<std::string> faults;

    void BeginEvent();
    bool IsLive(const core::TCell* cell) const { return liveCells.count(cell) != 0; }

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
    CellView* LiveView(const core::TCell* cell, const char* operation);

    std::mt19937 random_;
    long drawsThisEvent_ = 0;
    bool laidOut_ = false;  // LayoutBoard came since the last board was torn down
};

}  // namespace play

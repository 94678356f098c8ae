// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the real rules from start-up to exit, fed events and checked after each of them.
#pragma once

#include "tests/property/EventStream.h"
#include "tests/property/Tracker.h"

#include "core/GameState.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace play {

// How far the play reached: the corners a run is meant to visit.
struct Coverage {
    long events = 0;
    long moves = 0;
    long hintedMoves = 0;
    long wins = 0;
    long stops = 0;
    long timeOuts = 0;
    long fullBoardStarts = 0;      // as many treasures as cells
    long midGameConfirmations = 0;
    long ticksAcrossWrap = 0;      // the counter wrapped since the game's start
    long refusedSizes = 0;
    long twoDigitCounts = 0;

    Coverage& operator+=(const Coverage& more);
};

// The rules keep their state in module-level variables, so only one session may exist at a time.
class Session {
public:
    // Puts the game state back to its start-up values and runs the start-up step.
    Session(std::uint32_t randomSeed, const PlayStyle& style);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The next event of this session's player, given what is on screen.
    Event Next(ChoiceSource& choose) const;
    // Hands the event to the rules, then checks what changed and every standing invariant.
    void Apply(const Event& event);
    // The board panel's end at exit: the last cells are freed and none may be left over.
    void Finish();

    bool Failed() const { return !failures_.empty(); }
    // Every broken expectation of the last event, the state and the board as rows of cells.
    std::string Report() const;
    std::string BoardPicture() const;
    const Coverage& Reached() const { return coverage_; }

private:
    struct Before {
        bool running;
        int moves, found, total, width, height;
        bool clock;
        std::optional<std::string> timeLabel;
    };

    void Expect(bool ok, const std::string& what);
    void Fail(const std::string& what) { failures_.push_back(what); }
    Before Snapshot() const;
    void ExpectQuiet(const char* what);
    void ExpectBoardUntouched(const Before& before, const char* what);
    void ExpectNotice(const char* text, core::NoticeButtons buttons);

    void ApplyStart(const Event& event, const Before& before);
    void ApplyStop(const Before& before);
    void ApplyClick(const Event& event, const Before& before);
    void ApplyChooseSize(const Event& event, const Before& before);
    void ApplyPickerOpen(const Before& before);
    void ApplyPickerConfirm(const Event& event, const Before& before);
    void ApplyTick(const Event& event, const Before& before);

    void CheckInvariants();
    void CheckCell(const core::TCell& cell);
    void CheckLabels();
    void CheckHintMarks(const core::TCell& clicked);

    Tracker platform_;
    const PlayStyle& style_;
    std::vector<std::string> failures_;
    std::string lastEvent_ = "start-up";
    bool pickerShown_ = false;
    int pickerMaximum_ = 0;
    bool boardFromGame_ = false;        // the board was built by a start, not by start-up or size
    bool confirmedSinceStart_ = false;  // a picker confirmation changed the target mid-game
    std::uint32_t gameStartTicks_ = 0;
    std::set<const core::TCell*> ctrlMarks_;  // closed cells the player marked with Ctrl
    bool finished_ = false;
    Coverage coverage_;
};

}  // namespace play

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' fake platform, watched one event at a time for long randomised games against the
// real rules: what each event did, and a clock tick inside a notice as its event loop gives one.
#pragma once

#include "core/Platform.h"
#include "tests/support/FakePlatform.h"

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace play {

// One modal notice as it was opened, with the game's state at that moment.
struct Notice {
    std::string text;
    std::string title;
    core::NoticeButtons buttons = core::NoticeButtons::Ok;
    bool gameRunning = false;
    bool clockEnabled = false;
};

class Tracker {
public:
    explicit Tracker(std::uint32_t randomSeed);
    Tracker(const Tracker&) = delete;
    Tracker& operator=(const Tracker&) = delete;

    // What the rules are bound to: it keeps what the player sees (labels, cells, clock) and
    // flags misuse of the cells, across events.
    testsupport::FakePlatform fake;

    // The clock's next tick arrives while the next notice is open (its nested event loop).
    bool tickDuringNotice = false;

    // --- what one event did; cleared by BeginEvent ---
    int layouts = 0;
    int cellsCreated = 0;
    int cellsFreed = 0;
    int clockSwitches = 0;
    int seeds = 0;
    bool nestedTickDelivered = false;
    std::vector<std::string> cues;
    std::vector<Notice> notices;
    std::set<const core::TCell*> touchedCells;  // got a picture or a number

    void BeginEvent();
    // Every call of this event, the questions for hints, Ctrl and the time included.
    std::size_t Calls() const { return CallsSoFar() - callsBefore_; }

private:
    void Heard(const testsupport::Call& call);
    std::size_t CallsSoFar() const;

    std::size_t callsBefore_ = 0;
};

}  // namespace play

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' fake platform, watched one event at a time.
#include "tests/property/Tracker.h"

#include "core/Clock.h"
#include "core/GameState.h"

namespace play {

namespace {
// The largest board holds 144 cells; hiding 144 treasures there takes about 800 draws of a
// column and a row on average. Far beyond that, placement is not going to finish.
constexpr std::size_t RunawayDrawLimit = 2'000'000;
// A timer tick that comes while a notice is open arrives one period after the event.
constexpr std::uint32_t TimerPeriodMs = 1000;
}  // namespace

using testsupport::Call;

Tracker::Tracker(std::uint32_t randomSeed) {
    fake.UseSeed(randomSeed);
    fake.keepCalls = false;  // a session makes millions of calls
    fake.onCall = [this](const Call& call) { Heard(call); };
    // The notice's own event loop still delivers clock ticks.
    fake.whileNoticeOpen = [this] {
        if (!tickDuringNotice || !fake.ClockOn()) return;
        tickDuringNotice = false;
        nestedTickDelivered = true;
        fake.now += TimerPeriodMs;
        core::Timer1Timer();
    };
}

void Tracker::BeginEvent() {
    layouts = cellsCreated = cellsFreed = clockSwitches = seeds = 0;
    nestedTickDelivered = false;
    cues.clear();
    notices.clear();
    touchedCells.clear();
    callsBefore_ = CallsSoFar();
    fake.drawLimit = fake.DrawsMade() + RunawayDrawLimit;
}

std::size_t Tracker::CallsSoFar() const {
    std::size_t calls = 0;
    for (int kind = 0; kind <= static_cast<int>(Call::Kind::Notice); ++kind) {
        calls += fake.Count(static_cast<Call::Kind>(kind));
    }
    return calls;
}

void Tracker::Heard(const Call& call) {
    switch (call.kind) {
        case Call::Kind::StartWindows:
        case Call::Kind::RunEventLoop:
            fake.faults.push_back(call.Describe() + " called by the rules");
            break;
        case Call::Kind::Layout: ++layouts; break;
        case Call::Kind::NewCell: ++cellsCreated; break;
        case Call::Kind::FreeCell: ++cellsFreed; break;
        case Call::Kind::Picture:
        case Call::Kind::Text: touchedCells.insert(call.cell); break;
        case Call::Kind::Clock: ++clockSwitches; break;
        case Call::Kind::Seed: ++seeds; break;
        case Call::Kind::Cue: cues.push_back(call.text); break;
        case Call::Kind::Notice:
            notices.push_back(
                {call.text, call.detail, call.buttons, core::GameRunning, fake.ClockOn()});
            break;
        default: break;
    }
}

}  // namespace play

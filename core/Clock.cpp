// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: minutes and seconds in lblTime, and the end of the game at 60 minutes.
#include "core/Clock.h"

#include "core/GameState.h"
#include "core/Platform.h"
#include "core/Texts.h"

#include <cmath>
#include <string>

namespace core {

namespace {
constexpr double TickWrap = 4294967296.0;  // the millisecond counter wraps at 2^32
constexpr double MillisecondsPerSecond = 1000.0;
constexpr int SecondsPerMinute = 60;

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
}  // namespace

double ElapsedMilliseconds(float startTicks, std::uint32_t now) {
    // A float start close to 2^32 may have rounded up to 2^32 itself, so it goes through a
    // 64-bit integer before it is reduced to the counter's range.
    const auto start = static_cast<std::uint32_t>(static_cast<std::uint64_t>(startTicks) %
                                                  static_cast<std::uint64_t>(TickWrap));
    // The difference modulo 2^32 times a game across the wrap. Read as signed, a tick a little
    // before the stored start (the float rounds the start up by as much as 128 ms) reads as
    // zero instead of as 49 days.
    const auto elapsed = static_cast<std::int32_t>(now - start);
    return elapsed < 0 ? 0.0 : static_cast<double>(elapsed);
}

std::string ClockText(int seconds) {
    return TwoDigits(seconds / SecondsPerMinute) + " : " + TwoDigits(seconds % SecondsPerMinute);
}

void Timer1Timer() {
    PlatformOps& platform = Platform();
    if (!GameRunning) {
        platform.SetClockEnabled(false);
        return;
    }
    ElapsedSeconds = static_cast<float>(
        ElapsedMilliseconds(StartTicks, platform.TickCount()) / MillisecondsPerSecond);
    // Halves go to even, as the clock always rounded: 0.5 s reads 00 : 00, 1.5 s 00 : 02.
    const int s = static_cast<int>(std::nearbyint(ElapsedSeconds));
    if (s < TimeLimitSeconds) {
        platform.SetLabelText(Label::lblTime, ClockText(s));
        return;
    }
    platform.SetClockEnabled(false);
    platform.PlayCue(cues::GameOver);
    platform.ShowNotice(texts::TimeOutNotice, texts::NoticeTitle, NoticeButtons::OkCancel);
    GameRunning = false;
}

}  // namespace core

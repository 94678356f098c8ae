// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: minutes and seconds in lblTime, and the end of the game at 60 minutes.
#pragma once

#include <cstdint>
#include <string>

namespace core {

// A game ends when its clock reaches this many whole seconds.
inline constexpr int TimeLimitSeconds = 60 * 60;

// The clock's once-a-second tick (the handler of Timer1).
void Timer1Timer();
// Whole seconds as the clock shows them: "MM : SS".
std::string ClockText(int seconds);
// Milliseconds from a tick count stored as a float to `now`, across the 2^32 wrap.
double ElapsedMilliseconds(float startTicks, std::uint32_t now);

}  // namespace core

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: the input's bytes decide every event of one session, from start-up to exit;
// the first broken rule is printed with the board and stops the fuzzer.
#include "tests/property/Session.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Enough for whole games on the largest board without letting one input run for long.
constexpr int MaxEventsPerInput = 4'000;

[[noreturn]] void BrokenRule(const play::Session& session, int event) {
    std::fprintf(stderr, "event %d %s", event, session.Report().c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    play::ByteChoices choose(data, size);
    const std::uint32_t randomSeed = choose.Bits32();
    const auto& styles = play::PlayStyles();
    const play::PlayStyle& style = styles[choose.Below(static_cast<std::uint32_t>(styles.size()))];

    play::Session session(randomSeed, style);
    if (session.Failed()) BrokenRule(session, 0);
    for (int event = 1; event <= MaxEventsPerInput && !choose.Exhausted(); ++event) {
        session.Apply(session.Next(choose));
        if (session.Failed()) BrokenRule(session, event);
    }
    session.Finish();
    if (session.Failed()) BrokenRule(session, MaxEventsPerInput + 1);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Long random play against the real rules: after every event the board, its pictures, the
// counters and the clock must agree with what a player is entitled to see.
//
// Replay a failure with PELIMOR_SEED=<seed>; lengthen a run with PELIMOR_EVENTS=<count>.
#include "tests/property/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>

namespace {

// Every `make test` plays at least this many events.
constexpr long DefaultEvents = 300'000;
constexpr std::uint32_t DefaultSeed = 20070101;
// A session runs from start-up to exit; short ones visit start-up often, long ones let games
// go on to their wins and time-outs.
constexpr std::uint32_t ShortestSession = 200;
constexpr std::uint32_t SessionSpread = 3'000;

std::optional<unsigned long long> NumberFromEnvironment(const char* name) {
    const char* text = std::getenv(name);
    if (!text || !*text) return std::nullopt;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (*end != '\0') {
        ADD_FAILURE() << name << "='" << text << "' is not a number";
        return std::nullopt;
    }
    return value;
}

std::uint32_t SeedForThisRun() {
    const auto seed = NumberFromEnvironment("PELIMOR_SEED");
    return seed ? static_cast<std::uint32_t>(*seed) : DefaultSeed;
}

long EventsForThisRun() {
    const auto events = NumberFromEnvironment("PELIMOR_EVENTS");
    return events ? static_cast<long>(*events) : DefaultEvents;
}

struct PlayResult {
    std::string failure;  // empty when every event kept every rule
    play::Coverage reached;
    int sessions = 0;
};

// Plays `events` events in sessions whose seeds and styles come from `seed`; stops at the
// first broken rule.
PlayResult Play(std::uint32_t seed, long events) {
    PlayResult result;
    std::mt19937 sessions(seed);
    long played = 0;
    while (played < events) {
        const std::uint32_t sessionSeed = sessions();
        const auto& styles = play::PlayStyles();
        const play::PlayStyle& style = styles[sessions() % styles.size()];
        const long length = ShortestSession + sessions() % SessionSpread;
        ++result.sessions;

        play::SeededChoices choose(sessionSeed);
        play::Session session(sessionSeed, style);
        const std::string where = "session " + std::to_string(result.sessions) + " (seed " +
                                  std::to_string(sessionSeed) + ", " + style.name + "), event ";
        for (long i = 0; i < length && played < events && !session.Failed(); ++i, ++played) {
            session.Apply(session.Next(choose));
            if (session.Failed()) {
                result.failure = where + std::to_string(i + 1) + " " + session.Report();
            }
        }
        if (!session.Failed()) {
            session.Finish();
            if (session.Failed()) result.failure = where + "exit " + session.Report();
        }
        result.reached += session.Reached();
        if (!result.failure.empty()) break;
    }
    return result;
}

TEST(RandomPlay, EveryEventKeepsBoardPicturesCountersAndClockTrue) {
    const std::uint32_t seed = SeedForThisRun();
    const long events = EventsForThisRun();
    std::cout << "random play: seed " << seed << ", " << events
              << " events (replay with PELIMOR_SEED=" << seed << ")" << std::endl;
    SCOPED_TRACE("replay with PELIMOR_SEED=" + std::to_string(seed));

    const PlayResult result = Play(seed, events);
    ASSERT_TRUE(result.failure.empty()) << "seed " << seed << ", " << result.failure;

    const play::Coverage& reached = result.reached;
    std::cout << "random play: " << result.sessions << " sessions, " << reached.events
              << " events, " << reached.moves << " moves (" << reached.hintedMoves
              << " hinted), " << reached.wins << " wins, " << reached.stops << " stops, "
              << reached.timeOuts << " time-outs, " << reached.fullBoardStarts
              << " full boards, " << reached.midGameConfirmations << " mid-game counts, "
              << reached.ticksAcrossWrap << " ticks across the wrap, " << reached.refusedSizes
              << " refused sizes, " << reached.twoDigitCounts << " two-digit counts"
              << std::endl;
    EXPECT_EQ(reached.events, events);
    // A run of the usual length that never reaches these corners checks far less than it seems.
    if (events >= DefaultEvents) {
        EXPECT_GT(reached.wins, 0);
        EXPECT_GT(reached.stops, 0);
        EXPECT_GT(reached.timeOuts, 0);
        EXPECT_GT(reached.hintedMoves, 0);
        EXPECT_GT(reached.fullBoardStarts, 0);
        EXPECT_GT(reached.midGameConfirmations, 0);
        EXPECT_GT(reached.ticksAcrossWrap, 0);
        EXPECT_GT(reached.refusedSizes, 0);
        EXPECT_GT(reached.twoDigitCounts, 0);
    }
}

// A seed must bring back the same play, or PELIMOR_SEED could not replay a failure.
TEST(RandomPlay, TheSameSeedPlaysTheSameGameAgain) {
    const std::uint32_t seed = SeedForThisRun();
    SCOPED_TRACE("replay with PELIMOR_SEED=" + std::to_string(seed));
    const auto playOnce = [seed] {
        play::SeededChoices choose(seed);
        play::Session session(seed, play::PlayStyles().front());
        std::string events;
        for (int i = 0; i < 2'000 && !session.Failed(); ++i) {
            const play::Event event = session.Next(choose);
            events += play::Describe(event) + '\n';
            session.Apply(event);
        }
        std::string board = session.BoardPicture();
        session.Finish();
        return events + board;
    };
    const std::string first = playOnce();
    EXPECT_EQ(first, playOnce());
}

}  // namespace

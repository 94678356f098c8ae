// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: the time shown each second, the end at 60 minutes, and the tick counter's wrap.
#include "tests/core/CoreTest.h"

#include "core/Clock.h"
#include "core/Game.h"

#include <gmock/gmock.h>

namespace coretest {
namespace {

using ::testing::ElementsAre;
using core::Label;
const std::vector<std::string> Board = {"T . . .", ". . . .", ". . . .", ". . . T"};

class GameClock : public CoreTest {
protected:
    // Starts a game with the tick counter at `start`.
    void StartAt(std::uint32_t start) {
        platform.now = start;
        StartOn(Board);
    }
    // The time label after a tick `ms` milliseconds after `start`.
    std::string ShownAt(std::uint32_t start, std::uint32_t ms) {
        platform.now = start + ms;
        core::Timer1Timer();
        return platform.LabelText(Label::lblTime);
    }
};

TEST_F(GameClock, ShowsMinutesAndSecondsRoundingHalvesToEven) {
    StartAt(1000);
    const struct {
        std::uint32_t ms;
        const char* shown;
    } readings[] = {
        {0, "00 : 00"},       {500, "00 : 00"},       {1000, "00 : 01"},
        {1500, "00 : 02"},    {2500, "00 : 02"},      {2501, "00 : 03"},
        {7000, "00 : 07"},    {60000, "01 : 00"},     {750000, "12 : 30"},
        {3598500, "59 : 58"}, {3599400, "59 : 59"},
    };
    for (const auto& reading : readings) {
        EXPECT_EQ(ShownAt(1000, reading.ms), reading.shown) << reading.ms << " ms";
    }
    EXPECT_TRUE(core::GameRunning);
    EXPECT_TRUE(platform.ClockOn());
}

TEST_F(GameClock, TheHourEndsTheGameOnTheTickThatRoundsTo3600Seconds) {
    StartAt(1000);
    ASSERT_EQ(ShownAt(1000, 3599000), "59 : 59");
    bool runningWhileNoticeOpen = false;
    bool clockWhileNoticeOpen = true;
    platform.whileNoticeOpen = [&] {
        runningWhileNoticeOpen = core::GameRunning;
        clockWhileNoticeOpen = platform.ClockOn();
    };
    platform.ClearLog();
    platform.now = 1000 + 3599500;
    core::Timer1Timer();

    EXPECT_THAT(platform.Log(), ElementsAre("clock off", "cue gameover",
                                            "notice ПЕЛИМОР 2007: Время вышло! [OK Cancel]"));
    EXPECT_TRUE(runningWhileNoticeOpen) << "the game ends only once the notice is closed";
    EXPECT_FALSE(clockWhileNoticeOpen);
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(platform.LabelText(Label::lblTime), "59 : 59");

    platform.ClearLog();
    core::Timer1Timer();
    EXPECT_THAT(platform.Log(), ElementsAre("clock off")) << "the notice comes once";
}

TEST_F(GameClock, ATickAfterAStopOrAWinOnlyStopsTheClock) {
    StartAt(0);
    ASSERT_EQ(ShownAt(0, 5000), "00 : 05");
    core::StopCommand();
    platform.ClearLog();
    EXPECT_EQ(ShownAt(0, 6000), "00 : 05");
    EXPECT_THAT(platform.Log(), ElementsAre("clock off"));

    StartAt(10000);
    ASSERT_EQ(ShownAt(10000, 3000), "00 : 03");
    ClickAt(0, 0);
    ClickAt(3, 3);
    ASSERT_FALSE(core::GameRunning) << "both treasures found";
    platform.ClearLog();
    EXPECT_EQ(ShownAt(10000, 4000), "00 : 03");
    EXPECT_THAT(platform.Log(), ElementsAre("clock off"));
}

TEST_F(GameClock, ANewGameKeepsTheOldTimeUntilItsFirstTick) {
    StartAt(0);
    ASSERT_EQ(ShownAt(0, 42000), "00 : 42");
    core::StopCommand();
    StartAt(50000);
    EXPECT_EQ(platform.LabelText(Label::lblTime), "00 : 42");
    EXPECT_EQ(ShownAt(50000, 1000), "00 : 01");
}

TEST_F(GameClock, AGameAcrossTheCounterWrapKeepsCounting) {
    const std::uint32_t start = 4294967296u - 500u;  // half a second before the wrap
    StartAt(start);
    platform.now = 1500;  // two seconds later, past the wrap
    core::Timer1Timer();
    EXPECT_EQ(platform.LabelText(Label::lblTime), "00 : 02");
    EXPECT_TRUE(core::GameRunning);
}

TEST_F(GameClock, AStartRoundedUpToTheWrapByTheFloatReadsZeroNotAnHour) {
    const std::uint32_t start = 4294967296u - 100u;
    StartAt(start);
    ASSERT_EQ(core::StartTicks, 4294967296.0f) << "the stored start must round up to 2^32";

    // 50 ms after the real start, but before the rounded one.
    EXPECT_EQ(ShownAt(start, 50), "00 : 00");
    EXPECT_TRUE(core::GameRunning) << "no time-out from a start in the future";
    EXPECT_EQ(ShownAt(start, 2000), "00 : 02");
}

TEST_F(GameClock, ALargeCounterLosesNoMoreThanTheFloatsRounding) {
    const std::uint32_t start = 3000000123u;  // stored to the nearest 256 ms
    StartAt(start);
    EXPECT_EQ(ShownAt(start, 7000), "00 : 07");
    EXPECT_EQ(ShownAt(start, 3540000), "59 : 00");
}

}  // namespace
}  // namespace coretest

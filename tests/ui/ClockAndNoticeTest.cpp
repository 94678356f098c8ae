// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's label as the seconds pass, its one-second rhythm, and the three notices that end
// a game, with what stays on screen while they are open.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"

#include <QElapsedTimer>
#include <QTest>

namespace uitest {
namespace {

using ClockAndNotices = GameWindow;

const QString Title = QStringLiteral("ПЕЛИМОР 2007");

TEST_F(ClockAndNotices, TheClockCountsMinutesAndSecondsFromTheStart) {
    now = 5000;
    StartOn({"T...", "....", "....", "...T"});
    EXPECT_TRUE(form().Timer1->isActive());
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("00 : 00"));  // untouched by the start
    now += 1000;
    form().Timer1Timer();
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("00 : 01"));
    now += 59000;
    form().Timer1Timer();
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("01 : 00"));
    now += 11 * 60000 + 30000;
    form().Timer1Timer();
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("12 : 30"));
}

TEST_F(ClockAndNotices, ANewGameKeepsTheLastTimeUntilItsFirstTick) {
    StartOn({"T...", "....", "....", "...T"});
    now += 7000;
    form().Timer1Timer();
    StartOn({"T...", "....", "....", "...T"});
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("00 : 07"));
    now += 2000;
    form().Timer1Timer();
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("00 : 02"));
}

TEST_F(ClockAndNotices, AfterAStopTheNextTickStopsTheClockAndLeavesTheTime) {
    StartOn({"T...", "....", "....", "...T"});
    now += 3000;
    form().Timer1Timer();
    {
        NoticeCatcher catcher;
        ClickButton(*form().sbtStop);
    }
    EXPECT_TRUE(form().Timer1->isActive());  // the stop itself leaves the clock alone
    now += 5000;
    form().Timer1Timer();
    EXPECT_FALSE(form().Timer1->isActive());
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("00 : 03"));
}

TEST_F(ClockAndNotices, RestartingDuringAGameKeepsTheClocksRhythm) {
    StartOn({"T...", "....", "....", "...T"});
    QElapsedTimer sinceFirstStart;
    sinceFirstStart.start();
    QTest::qWait(300);
    StartOn({"T...", "....", "....", "...T"});
    ASSERT_TRUE(form().Timer1->isActive());
    // A timer started afresh would have nearly its full second left.
    const auto left = form().Timer1->remainingTime();
    EXPECT_LE(left, 1000 - sinceFirstStart.elapsed() + 20);
}

TEST_F(ClockAndNotices, TheStopNoticeComesOnEveryPressGameOrNot) {
    NoticeCatcher catcher;
    ClickButton(*form().sbtStop);
    StartOn({"T...", "....", "....", "...T"});
    ClickButton(*form().sbtStop);
    ASSERT_EQ(catcher.seen.size(), 2u);
    for (const SeenNotice& notice : catcher.seen) {
        EXPECT_EQ(notice.title, Title);
        EXPECT_EQ(notice.text, QStringLiteral("Игра остановлена!"));
        EXPECT_EQ(notice.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
        EXPECT_FALSE(notice.iconsOnButtons);
    }
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(cues().back(), "file wav/end.wav");
}

TEST_F(ClockAndNotices, TheWinningClickIsOnScreenWhileTheWinNoticeIsOpen) {
    StartOn({"....", "..T.", "....", "...."});
    QString hod;
    QString found;
    QString rest;
    int yellow = 0;
    NoticeCatcher catcher([&] {
        hod = form().lblHod->text();
        found = form().lblNumMyTreasures->text();
        rest = form().lblRest->text();
        yellow = CountColour(ShotOf(Cell(2, 1)), QRect(0, 0, 48, 48), NumberYellow);
    });
    ClickCell(2, 1);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(catcher.seen[0].text, QStringLiteral("Вы нашли все клады! (1)"));
    EXPECT_EQ(catcher.seen[0].title, Title);
    EXPECT_EQ(catcher.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(hod, QStringLiteral("Ход 1"));
    EXPECT_EQ(found, QStringLiteral("Найдено кладов: 1"));
    EXPECT_EQ(rest, QStringLiteral("Осталось найти: 0"));
    EXPECT_GT(yellow, 20);
    const std::vector<std::string> expected = {"file wav/click2.wav", "file wav/buljk.wav",
                                               "file wav/Quest.wav"};
    EXPECT_EQ(std::vector<std::string>(cues().end() - 3, cues().end()), expected);
    EXPECT_FALSE(core::GameRunning);
}

TEST_F(ClockAndNotices, AtSixtyMinutesTheTimeOutNoticeEndsTheGameOnce) {
    StartOn({"T...", "....", "....", "...T"});
    now += 59 * 60000 + 59000;
    form().Timer1Timer();
    ASSERT_EQ(form().lblTime->text(), QStringLiteral("59 : 59"));
    bool clockRan = true;
    bool cellOpened = true;
    NoticeCatcher catcher([&] {
        clockRan = form().Timer1->isActive();
        // The game still runs behind the notice, but the window takes no click.
        ClickCell(1, 2);
        cellOpened = Cell(1, 2).Opened;
    });
    now += 500;  // 3599.5 seconds round to the hour
    form().Timer1Timer();
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(catcher.seen[0].title, Title);
    EXPECT_EQ(catcher.seen[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(catcher.seen[0].defaultButton, QMessageBox::Ok);
    EXPECT_FALSE(clockRan);
    EXPECT_FALSE(cellOpened);
    EXPECT_FALSE(core::GameRunning);
    EXPECT_EQ(form().lblTime->text(), QStringLiteral("59 : 59"));
    EXPECT_EQ(cues().back(), "file wav/gameover.wav");
}

}  // namespace
}  // namespace uitest

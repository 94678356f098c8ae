// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Memory over many boards: a thousand 12 x 12 rebuilds through the window's own handlers leave
// no cell widgets, pictures or timers behind, and the number pictures' cache stays bounded.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTest>

#include <cstdio>

namespace uitest {
namespace {

using BoardMemory = GameWindow;

// The sanitizers keep freed memory aside and grow the resident size by design.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MeasuringMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MeasuringMemory = false;
#else
constexpr bool MeasuringMemory = true;
#endif
#else
constexpr bool MeasuringMemory = true;
#endif

constexpr long AllowedGrowthKb = 2 * 1024;
constexpr int WarmUpRebuilds = 100;
constexpr int MeasuredRebuilds = 1000;

// The resident set of this process in KB, from /proc/self/status.
long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Runs what the event loop would between two clicks, deferred deletions included.
void LetEventsRun() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int CellWidgetsIn(const QWidget& panel) {
    return static_cast<int>(panel.findChildren<ui::TMyImage*>(Qt::FindDirectChildrenOnly).size());
}

int TimersIn(const QWidget& window) {
    return static_cast<int>(window.findChildren<QTimer*>().size());
}

TEST_F(BoardMemory, AThousandTwelveByTwelveRebuildsKeepMemoryAndWidgetsFlat) {
    QAction* twelve = SizeItem("N10x81");
    ASSERT_NE(twelve, nullptr);
    twelve->trigger();
    ASSERT_EQ(core::BoardWidth, 12);
    core::TreasureTotal = 36;
    const int timers = TimersIn(form());

    // One rebuild: a new game by the start button, or, between games, the size menu's 12 x 12
    // item; each frees the board's 144 cells and builds 144 new ones.
    int rebuilds = 0;
    auto rebuild = [&] {
        if (rebuilds % 2 == 0) {
            form().sbtStartNewGameClick();
            core::GameRunning = false;  // as the stop button leaves it, without its notice
        } else {
            form().N4x41Click(twelve);
        }
        ++rebuilds;
        LetEventsRun();
    };
    for (int i = 0; i < WarmUpRebuilds; ++i) rebuild();
    const long before = ResidentKb();
    for (int i = 0; i < MeasuredRebuilds; ++i) {
        rebuild();
        ASSERT_EQ(CellWidgetsIn(*form().Panel1), 144) << "after rebuild " << rebuilds;
    }
    const long after = ResidentKb();

    EXPECT_EQ(core::BoardWidth * core::BoardHeight, 144);
    EXPECT_EQ(TimersIn(form()), timers);
    std::printf("resident memory over %d rebuilds of 12 x 12: %ld KB -> %ld KB (%+ld KB)\n",
                MeasuredRebuilds, before, after, after - before);
    if (!MeasuringMemory) GTEST_SKIP() << "the address sanitizer holds freed memory back";
    ASSERT_GT(before, 0);
    EXPECT_LT(after - before, AllowedGrowthKb);
}

// Numbers drawn on cells are shared from a cache; ten thousand different ones, each on its own
// fresh picture, must not all be kept.
TEST_F(BoardMemory, TenThousandDifferentNumbersKeepTheirCacheBounded) {
    ui::TMyImage cell(form().Panel1, 0, 0);
    const QImage& ground = form().imgEmpty->Picture();
    auto drawMany = [&](int first, int count) {
        for (int n = first; n < first + count; ++n) {
            cell.SetPicture(core::Picture::Empty, ground.copy());  // a cache key never seen
            cell.DrawText(n % 20, n % 16, QString::number(n % 100), QColor(0, 0, 255));
        }
        LetEventsRun();
    };
    drawMany(0, 1000);
    const long before = ResidentKb();
    drawMany(1000, 10000);
    const long after = ResidentKb();
    std::printf("resident memory over 10000 different numbers: %ld KB -> %ld KB (%+ld KB)\n",
                before, after, after - before);
    if (!MeasuringMemory) GTEST_SKIP() << "the address sanitizer holds freed memory back";
    ASSERT_GT(before, 0);
    // Kept, ten thousand 48 x 48 pictures would take about 90 MB.
    EXPECT_LT(after - before, AllowedGrowthKb);
}

}  // namespace
}  // namespace uitest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the program ends: the exit button and a close request from the window system both end the
// event loop; no key does anything.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"

#include <QTest>
#include <QTimer>
#include <QWindow>

namespace uitest {
namespace {

using ProgramEnd = GameWindow;

// Runs the game's event loop with `then` queued; true when the loop ended by itself, false when
// the safety limit had to end it.
bool LoopEndsAfter(ui::QtPlatform& platform, const std::function<void()>& then) {
    bool limitReached = false;
    QTimer::singleShot(0, then);
    QTimer::singleShot(5000, [&limitReached] {
        limitReached = true;
        QCoreApplication::quit();
    });
    platform.RunEventLoop();
    return !limitReached;
}

TEST_F(ProgramEnd, TheExitButtonEndsTheProgram) {
    EXPECT_TRUE(LoopEndsAfter(platform(), [this] { ClickButton(*form().sbtExit); }));
    EXPECT_FALSE(form().isVisible());
}

TEST_F(ProgramEnd, ACloseRequestFromTheWindowSystemEndsTheProgram) {
    EXPECT_TRUE(LoopEndsAfter(platform(), [this] { form().windowHandle()->close(); }));
    EXPECT_FALSE(form().isVisible());
}

TEST_F(ProgramEnd, NoKeyDoesAnything) {
    QTest::mouseMove(form().windowHandle(), CentreOf(*form().sbtStartNewGame));
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,
                        Qt::Key_F1, Qt::Key_N}) {
        QTest::keyClick(form().windowHandle(), key);
    }
    QTest::keyClick(form().windowHandle(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(core::GameRunning);
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(cues().empty());
}

}  // namespace
}  // namespace uitest

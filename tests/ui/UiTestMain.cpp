// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests' entry: one application object, drawn off screen, for every test.
#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

// A desktop the 821 x 652 window fits on, as on the players' screens; the offscreen
// platform's own screen is narrower than the window.
constexpr char DesktopScreen[] =
    R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1280, "height": 1024,
                     "logicalDpi": 96, "dpr": 1}]})";

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // The tests look at pixels, never at a screen: the offscreen platform draws them all alike.
    QTemporaryFile screens;
    if (screens.open()) {
        screens.write(DesktopScreen);
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

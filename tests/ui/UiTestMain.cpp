// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests' entry: one application object, drawn off screen, for every test.
#include "ui/accessibility/GameApplication.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

// A desktop the 821 x 652 window fits on, as on the players' screens; the offscreen
// platform's own screen is narrower than the window. PELIMOR_TEST_SCREEN_RATIOS ("2,1") sets
// the device pixel ratio of each screen, side by side, as a Wayland desktop does for each of
// its outputs; one screen at 1 unless set.
QByteArray DesktopScreens() {
    const QString ratios = qEnvironmentVariable("PELIMOR_TEST_SCREEN_RATIOS", QStringLiteral("1"));
    QStringList screens;
    for (const QString& ratio : ratios.split(QLatin1Char(','))) {
        screens << QStringLiteral(R"({"name": "desktop%1", "x": %2, "y": 0, "width": 1280,
            "height": 1024, "logicalDpi": 96, "dpr": %3})")
                       .arg(screens.size())
                       .arg(screens.size() * 1280)
                       .arg(ratio.toDouble());
    }
    return (QStringLiteral(R"({"screens": [)") + screens.join(',') + QStringLiteral("]}")).toUtf8();
}

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // The tests look at pixels, never at a screen: the offscreen platform draws them all alike.
    QTemporaryFile screens;
    if (screens.open()) {
        screens.write(DesktopScreens());
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    // The game's own application object, which decides where a key goes with a screen reader on.
    ui::GameApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

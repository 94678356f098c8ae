// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the application, the platform binding, then the game's own life.
#include "core/Game.h"
#include "core/Platform.h"
#include "ui/accessibility/Accessibility.h"
#include "ui/accessibility/GameApplication.h"
#include "ui/QtPlatform.h"
#include "ui/ScaledPicture.h"
#include "ui/desktop/Desktop.h"
#include "ui/sound/CueSound.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const bool platformChosen = ui::PreferX11();
    // 150 % stays 150 %, as the pictures are drawn for it; a player's rounding policy still wins.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    ui::GameApplication application(argc, argv);
    if (platformChosen) qunsetenv("QT_QPA_PLATFORM");
    // The taskbar shows the game's icon; the window's title bar shows none.
    if (ui::ThisDesktop().setsWindowIcon) {
        QApplication::setWindowIcon(ui::WindowIcon(application.devicePixelRatio()));
    }
    // The one place that lets a screen reader in: it describes the windows and follows the play.
    ui::InstallAccessibility();
    ui::QtPlatform platform(ui::MakeDesktopSound());
    core::BindPlatform(platform);
    core::RunProgram();
    return 0;
}

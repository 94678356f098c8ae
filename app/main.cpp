// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the application, the platform binding, then the game's own life.
#include "core/Game.h"
#include "core/Platform.h"
#include "ui/PlatformChoice.h"
#include "ui/QtPlatform.h"
#include "ui/sound/CueSound.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    const bool platformChosen = ui::ChooseQtPlatform();
    QApplication application(argc, argv);
    if (platformChosen) qunsetenv("QT_QPA_PLATFORM");
    // The taskbar shows the game's icon; the window's title bar shows none. A Wayland desktop
    // takes the icon from the game's desktop entry, and Qt's own title bar there would draw it.
    if (!ui::OnNativeWayland()) {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon64.png")));
    }
    ui::QtPlatform platform(ui::MakeDesktopSound());
    core::BindPlatform(platform);
    core::RunProgram();
    return 0;
}

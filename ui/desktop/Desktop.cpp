// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The display server the game runs on, and what differs between the ones it knows.
#include "ui/desktop/Desktop.h"

#include <QGuiApplication>

namespace ui {

bool PreferX11() {
    // Qt, Xlib and the Wayland library all take an empty variable for an unset one.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return false;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}

const Desktop& ThisDesktop() {
    static const Desktop desktop = [] {
        const bool wayland = QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
        return Desktop{.windowsPlaceThemselves = !wayland,
                       .wholeWindowOpacity = !wayland,
                       .ownCaptionBar = wayland,
                       .setsWindowIcon = !wayland};
    }();
    return desktop;
}

}  // namespace ui

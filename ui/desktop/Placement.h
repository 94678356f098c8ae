// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's small windows open: the size menu and the picker, each under its button.
#pragma once

#include "ui/desktop/Desktop.h"

#include <QPoint>
#include <QWidget>

namespace ui {

// In screen coordinates, from where the client area stands now, whatever the title bar's height.
inline QPoint UnderButton(const QWidget& button) {
    return button.mapToGlobal(QPoint(0, button.height()));
}

// A tool window stays above the main window, off the taskbar, put where asked. Where windows
// cannot be placed, a tooltip is a popup at its offset from the main window that grabs no input.
inline Qt::WindowFlags PickerWindowFlags() {
    return (ThisDesktop().windowsPlaceThemselves ? Qt::Tool : Qt::ToolTip) |
           Qt::FramelessWindowHint;
}

}  // namespace ui

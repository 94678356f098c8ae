// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's small windows open.
#include "ui/desktop/Placement.h"

#include "ui/desktop/Desktop.h"

#include <QWidget>

namespace ui {

QPoint UnderButton(const QWidget& button) { return button.mapToGlobal(QPoint(0, button.height())); }

Qt::WindowFlags PickerWindowFlags() {
    return (ThisDesktop().windowsPlaceThemselves ? Qt::Tool : Qt::ToolTip) |
           Qt::FramelessWindowHint;
}

}  // namespace ui

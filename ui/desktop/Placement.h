// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's small windows open: the size menu and the treasure-count picker, each under
// its button, and the kind of window the picker is made so that it opens there.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace ui {

// Where a button's menu or window opens: the button's bottom-left corner in screen coordinates,
// from where its window's client area stands now, whatever the height of the title bar above it.
QPoint UnderButton(const QWidget& button);

// The picker's kind of window. A tool window stays above the main window without a taskbar
// entry of its own, and the window manager puts it where it is asked. Where windows cannot
// place themselves, a tooltip window becomes a popup attached to the main window, at its offset
// from it, that grabs no input, so the main window stays usable while it is shown.
Qt::WindowFlags PickerWindowFlags();

}  // namespace ui

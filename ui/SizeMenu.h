// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size menu: nine square boards in one radio group, popped up under the size button.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace ui {

// Items tagged columns x 100 + rows; N4x41, the start-up board, checked; caller binds triggered.
QMenu* CreatePopupMenu1(QWidget* parent);

// Between games rebuilds the board at the item's size (true); in a game the mark goes back.
bool ChooseSizeItem(QAction* sender);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size menu: nine square boards in one radio group, popped up under the size button.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace ui {

// Builds PopupMenu1 with its nine radio items N4x41 ... N10x81 ("  4 x  4" ... "12 x 12"),
// each carrying its size tag (columns x 100 + rows) as data; N4x41, the start-up board, is
// checked. The menu belongs to parent; the caller binds QMenu::triggered to N4x41Click.
QMenu* CreatePopupMenu1(QWidget* parent);

// The logic of N4x41Click for the item the player chose: between games the board is rebuilt
// closed at the item's size and the item keeps its check mark (true); while a game runs
// nothing changes and the check mark goes back to the board's own size (false).
bool ChooseSizeItem(QAction* sender);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader finds it: a table "Поле" of cells named by place and look.
#pragma once

class QAccessibleInterface;
class QObject;

namespace ui {

class Watcher;

// The accessible interface of the board panel or of a cell; null for any other object.
QAccessibleInterface* BoardInterfaceFor(QObject* object);

// Tells a screen reader of each move and each new board the moment it is done.
Watcher& BoardWatcher();

}  // namespace ui

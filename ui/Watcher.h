// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one door from the window to whoever follows the game for a player who cannot see it.
#pragma once

class QWidget;

namespace ui {

class TMyImage;

// The window tells its watcher of these moments and works the same without one: the screen-reader
// support installs the only watcher there is. Each does nothing here.
class Watcher {
public:
    virtual ~Watcher() = default;
    // A click on the cell is handled between these two; a notice it raises opens in between.
    virtual void MoveBegins(TMyImage&) {}
    virtual void MoveEnds(TMyImage&) {}
    // A notice is about to open: what the player just did is told first.
    virtual void NoticeOpens() {}
    // The panel's cells may be replaced between these two: a new game, a new size, or a size
    // refused during a game, which replaces nothing.
    virtual void BoardRebuildBegins(QWidget&) {}
    virtual void BoardRebuildEnds(QWidget&) {}
};

namespace detail {
inline Watcher NoWatcher;
inline Watcher* CurrentWatcher = &NoWatcher;
}  // namespace detail

// Null stops watching. The watcher outlives the windows.
inline void WatchWith(Watcher* watcher) {
    detail::CurrentWatcher = watcher != nullptr ? watcher : &detail::NoWatcher;
}
inline Watcher& Watching() { return *detail::CurrentWatcher; }

}  // namespace ui

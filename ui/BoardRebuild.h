// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the board panel out of sight while a handler replaces its cells, so they appear together.
#pragma once

class QWidget;

namespace ui {

// Hidden, the panel also spares each of up to 144 new cells a round of mouse-enter bookkeeping.
// The watcher hears of the rebuild on both sides of it.
class BoardRebuild {
public:
    explicit BoardRebuild(QWidget& panel);
    ~BoardRebuild();
    BoardRebuild(const BoardRebuild&) = delete;
    BoardRebuild& operator=(const BoardRebuild&) = delete;

private:
    QWidget& panel_;
    bool wasVisible_;
};

}  // namespace ui

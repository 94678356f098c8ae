// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the board panel out of sight while a handler replaces its cells, so they appear together.
#pragma once

#include <QWidget>

namespace ui {

// While it lives, the board panel is hidden; on leaving the handler it is shown again with the
// new cells. Nothing is painted in between, so the player sees only the new board. Hidden, the
// panel spares each of up to 144 new cells its own round of mouse-enter bookkeeping, which is
// slow while the mouse rests over the board.
class BoardRebuild {
public:
    explicit BoardRebuild(QWidget& panel) : panel_(panel), wasVisible_(panel.isVisible()) {
        if (wasVisible_) panel_.hide();
    }
    ~BoardRebuild() {
        if (wasVisible_) panel_.show();
    }
    BoardRebuild(const BoardRebuild&) = delete;
    BoardRebuild& operator=(const BoardRebuild&) = delete;

private:
    QWidget& panel_;
    bool wasVisible_;
};

}  // namespace ui

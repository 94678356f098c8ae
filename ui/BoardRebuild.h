// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the board panel out of sight while a handler replaces its cells, so they appear together.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace ui {

class TMyImage;

// While it lives, the board panel is hidden; on leaving the handler it is shown again with the
// new cells. Nothing is painted in between, so the player sees only the new board. Hidden, the
// panel spares each of up to 144 new cells its own round of mouse-enter bookkeeping, which is
// slow while the mouse rests over the board.
// With assistive technology listening, the cells are silent meanwhile, so that hiding the old
// ones and showing the new ones announces nothing cell by cell; a new board is announced once,
// as a whole, when it shows.
class BoardRebuild {
public:
    explicit BoardRebuild(QWidget& panel);
    ~BoardRebuild();
    BoardRebuild(const BoardRebuild&) = delete;
    BoardRebuild& operator=(const BoardRebuild&) = delete;

private:
    QWidget& panel_;
    bool wasVisible_;
    bool announcing_;
    QList<QPointer<TMyImage>> before_;  // the cells before, when announcing
};

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the board panel out of sight while a handler replaces its cells, so they appear together.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace ui {

class TMyImage;

// Hidden, the panel also spares each of up to 144 new cells a round of mouse-enter bookkeeping.
// The cells are silent to assistive technology meanwhile; a new board is announced as a whole.
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

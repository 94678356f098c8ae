// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the board panel out of sight while a handler replaces its cells.
#include "ui/BoardRebuild.h"

#include "ui/Watcher.h"

#include <QWidget>

namespace ui {

BoardRebuild::BoardRebuild(QWidget& panel) : panel_(panel), wasVisible_(panel.isVisible()) {
    Watching().BoardRebuildBegins(panel_);
    if (wasVisible_) panel_.hide();
}

BoardRebuild::~BoardRebuild() {
    if (wasVisible_) panel_.show();
    Watching().BoardRebuildEnds(panel_);
}

}  // namespace ui

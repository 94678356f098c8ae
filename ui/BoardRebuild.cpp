// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the board panel out of sight while a handler replaces its cells.
#include "ui/BoardRebuild.h"

#include "ui/accessibility/AccessibleBoard.h"
#include "ui/MyImage.h"

#include <QAccessible>

namespace ui {

BoardRebuild::BoardRebuild(QWidget& panel)
    : panel_(panel), wasVisible_(panel.isVisible()), announcing_(QAccessible::isActive()) {
    if (announcing_) {
        for (TMyImage* cell : CellsIn(panel_)) {
            before_.append(cell);
            SilenceCell(*cell, true);
        }
    }
    if (wasVisible_) panel_.hide();
}

BoardRebuild::~BoardRebuild() {
    QList<TMyImage*> came;
    if (announcing_) {
        for (TMyImage* cell : CellsIn(panel_)) {
            if (before_.contains(cell)) continue;
            came.append(cell);
            SilenceCell(*cell, true);  // shown with the panel, each would say so
        }
    }
    if (wasVisible_) panel_.show();
    // Cells that stayed (a size refused during a game) speak again, having announced nothing.
    for (const QPointer<TMyImage>& cell : before_) {
        if (cell) SilenceCell(*cell, false);
    }
    for (TMyImage* cell : came) SilenceCell(*cell, false);
    if (!came.isEmpty()) AnnounceNewBoard(panel_);
}

}  // namespace ui

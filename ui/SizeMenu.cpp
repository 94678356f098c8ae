// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size menu: nine square boards in one radio group, popped up under the size button.
#include "ui/SizeMenu.h"

#include "core/Choices.h"
#include "core/GameState.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace ui {

namespace {

struct SizeItem {
    const char* name;
    const char* caption;  // the single-digit sizes are padded with blanks to line up
    int tag;              // columns x 100 + rows
};

constexpr SizeItem SizeItems[] = {
    {"N4x41", "  4 x  4", 404},    {"N1", "  5 x  5", 505},        {"wh6", "  6 x  6", 606},
    {"wh7", "  7 x  7", 707},      {"wh8", "  8 x  8", 808},       {"wh9", "  9 x  9", 909},
    {"N9x111", "10 x 10", 1010},   {"N10x71", "11 x 11", 1111},    {"N10x81", "12 x 12", 1212},
};

constexpr int StartUpTag = core::StartUpSide * core::SizeTagBase + core::StartUpSide;

}  // namespace

QMenu* CreatePopupMenu1(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("PopupMenu1");
    menu->setAccessibleName("Размер поля");
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const SizeItem& item : SizeItems) {
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(item.name);
        action->setData(item.tag);
        action->setCheckable(true);
        action->setChecked(item.tag == StartUpTag);
        group->addAction(action);
    }
    return menu;
}

bool ChooseSizeItem(QAction* sender) {
    // The exclusive group has already moved the check mark to the chosen item.
    if (core::ChooseSize(sender->data().toInt())) {
        sender->setChecked(true);
        return true;
    }
    // Refused: the mark goes back to the board in force.
    const int boardTag = core::BoardWidth * core::SizeTagBase + core::BoardHeight;
    if (QActionGroup* group = sender->actionGroup()) {
        for (QAction* action : group->actions()) {
            if (action->data().toInt() == boardTag) action->setChecked(true);
        }
    }
    return false;
}

}  // namespace ui

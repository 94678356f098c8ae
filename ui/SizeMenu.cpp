// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size menu: nine square boards in one radio group, popped up under the size button.
#include "ui/SizeMenu.h"

#include "core/Choices.h"
#include "core/GameState.h"
#include "forms/Forms.h"
#include "ui/FormParts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace ui {

namespace {

constexpr int StartUpTag = core::StartUpSide * core::SizeTagBase + core::StartUpSide;

}  // namespace

QMenu* CreatePopupMenu1(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("PopupMenu1");
    // Named as its button is.
    menu->setAccessibleName(
        Words(forms::ControlOf(forms::Form1, forms::SizeMenuButton).accessibleName));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const forms::SizeItem& item : forms::SizeItems) {
        QAction* action = menu->addAction(Words(item.caption));
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

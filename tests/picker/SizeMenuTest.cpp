// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size menu: which boards it offers, when a choice is refused, and where it pops up.
#include "ui/SizeMenu.h"

#include "core/Game.h"
#include "core/GameState.h"
#include "tests/picker/FakePlatform.h"
#include "ui/FlatImageButton.h"
#include "ui/desktop/Placement.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using picker_test::FakePlatform;

class SizeMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        picker_test::ResetGame(platform);
        menu.reset(ui::CreatePopupMenu1(nullptr));
        // As the main window binds it: every item goes to the one handler.
        QObject::connect(menu.get(), &QMenu::triggered, [](QAction* item) { ui::ChooseSizeItem(item); });
    }

    QAction* Item(const char* name) { return menu->findChild<QAction*>(name); }

    // The names of the items that carry a check mark.
    std::set<QString> Checked() {
        std::set<QString> names;
        for (QAction* action : menu->actions()) {
            if (action->isChecked()) names.insert(action->objectName());
        }
        return names;
    }

    FakePlatform platform;
    std::unique_ptr<QMenu> menu;
};

TEST_F(SizeMenuTest, OffersTheNineSquareBoardsWithTheStartUpBoardMarked) {
    struct Expected {
        const char* name;
        QString caption;
        int tag;
    };
    const Expected expected[] = {
        {"N4x41", "  4 x  4", 404},   {"N1", "  5 x  5", 505},      {"wh6", "  6 x  6", 606},
        {"wh7", "  7 x  7", 707},     {"wh8", "  8 x  8", 808},     {"wh9", "  9 x  9", 909},
        {"N9x111", "10 x 10", 1010},  {"N10x71", "11 x 11", 1111},  {"N10x81", "12 x 12", 1212},
    };
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 9);
    QActionGroup* group = items.front()->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(items[i]->objectName(), expected[i].name);
        EXPECT_EQ(items[i]->text(), expected[i].caption);
        EXPECT_EQ(items[i]->data().toInt(), expected[i].tag);
        EXPECT_TRUE(items[i]->isCheckable());
        EXPECT_EQ(items[i]->actionGroup(), group);
    }
    EXPECT_EQ(Checked(), std::set<QString>{"N4x41"});
    EXPECT_EQ(menu->objectName(), "PopupMenu1");
}

TEST_F(SizeMenuTest, ASizeChosenBetweenGamesRebuildsTheBoardClosedAndStartsNothing) {
    core::TreasureTotal = 3;
    Item("wh7")->trigger();

    EXPECT_EQ(core::BoardWidth, 7);
    EXPECT_EQ(core::BoardHeight, 7);
    EXPECT_EQ(platform.labels[core::Label::lblWH], "7 x 7");
    EXPECT_EQ(platform.cellsFreed, 16);  // the old 4 x 4 board
    ASSERT_EQ(platform.liveCells.size(), 49u);
    for (core::TCell* cell : platform.liveCells) {
        EXPECT_FALSE(cell->Opened);
        EXPECT_EQ(platform.pictures[cell], core::Picture::Unopened);
    }
    EXPECT_EQ(Checked(), std::set<QString>{"wh7"});

    EXPECT_FALSE(core::GameRunning);
    EXPECT_FALSE(platform.clockEnabled);
    EXPECT_EQ(core::TreasureTotal, 3);
    EXPECT_EQ(platform.labels.count(core::Label::lblNumTreasures), 0u) << "counters untouched";

    Item("N10x81")->trigger();
    EXPECT_EQ(platform.labels[core::Label::lblWH], "12 x 12");
    EXPECT_EQ(platform.liveCells.size(), 144u);
    EXPECT_EQ(Checked(), std::set<QString>{"N10x81"});
}

TEST_F(SizeMenuTest, ASizeChosenDuringAGameLeavesTheCheckMarkAndTheBoard) {
    Item("wh8")->trigger();
    core::StartCommand();
    ASSERT_TRUE(core::GameRunning);
    const std::set<core::TCell*> boardInPlay = platform.liveCells;
    const int freedBefore = platform.cellsFreed;

    for (const char* name : {"N10x81", "N4x41", "wh9"}) {
        SCOPED_TRACE(name);
        Item(name)->trigger();
        EXPECT_EQ(Checked(), std::set<QString>{"wh8"});
        EXPECT_EQ(core::BoardWidth, 8);
        EXPECT_EQ(core::BoardHeight, 8);
        EXPECT_EQ(platform.liveCells, boardInPlay);
        EXPECT_EQ(platform.cellsFreed, freedBefore);
        EXPECT_TRUE(core::GameRunning);
    }

    // Once the game is over the menu answers again.
    core::GameRunning = false;
    Item("wh9")->trigger();
    EXPECT_EQ(Checked(), std::set<QString>{"wh9"});
    EXPECT_EQ(core::BoardWidth, 9);
}

TEST_F(SizeMenuTest, PopsUpUnderTheSizeButton) {
    QWidget mainWindow;
    mainWindow.setFixedSize(821, 652);
    QWidget sbtCreateNewSizeGame(&mainWindow);
    sbtCreateNewSizeGame.setGeometry(49, 3, 39, 39);
    mainWindow.move(120, 90);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));

    const QPoint expected = mainWindow.mapToGlobal(QPoint(49, 3 + 39));
    EXPECT_EQ(ui::UnderButton(sbtCreateNewSizeGame), expected);

    menu->popup(ui::UnderButton(sbtCreateNewSizeGame));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.get()));
    EXPECT_EQ(menu->pos(), expected);
    menu->close();
}

}  // namespace

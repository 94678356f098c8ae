// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size menu in the game window: its items, where it pops up, and what a chosen size does to
// the board between games and during one.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QTest>

#include <vector>

namespace uitest {
namespace {

using SizeMenu = GameWindow;

// Every cell widget of the board on screen, row by row, watched for their destruction.
std::vector<QPointer<ui::TMyImage>> BoardWidgets() {
    std::vector<QPointer<ui::TMyImage>> widgets;
    for (int r = 0; r < core::BoardHeight; ++r) {
        for (int c = 0; c < core::BoardWidth; ++c) {
            widgets.emplace_back(static_cast<ui::TMyImage*>(core::Cells[c][r]));
        }
    }
    return widgets;
}

TEST_F(SizeMenu, OffersTheNineSquareBoardsWithTheStartUpBoardMarked) {
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
    const QList<QAction*> items = form().PopupMenu1->actions();
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
    EXPECT_EQ(CheckedSizes(), QStringList{"N4x41"});
    EXPECT_EQ(form().PopupMenu1->objectName(), "PopupMenu1");
}

TEST_F(SizeMenu, PopsUpAtTheSizeButtonsBottomLeftBetweenGamesAndDuringOne) {
    QMenu& menu = *form().PopupMenu1;
    // The button's bottom-left corner, (49, 3 + 39) in the window, on the screen.
    const QPoint expected = form().mapToGlobal(QPoint(49, 42));
    for (bool running : {false, true}) {
        SCOPED_TRACE(running ? "during a game" : "between games");
        if (running) StartOn({"T...", "....", "....", "...."});
        ClickButton(*form().sbtCreateNewSizeGame);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
        EXPECT_EQ(menu.pos(), expected);
        EXPECT_EQ(menu.actions().size(), 9);
        menu.close();
    }
    EXPECT_TRUE(core::GameRunning) << "opening the menu ends no game";
}

TEST_F(SizeMenu, ASizeChosenDuringAGameLeavesTheCheckMarkAndTheBoard) {
    StartOn({"....", ".T..", "....", "..T."});
    ClickCell(0, 0);
    const auto before = BoardWidgets();

    for (const char* name : {"N10x81", "wh6"}) {
        SCOPED_TRACE(name);
        ChooseFromMenu(name);
        EXPECT_EQ(CheckedSizes(), QStringList{"N4x41"});
        EXPECT_EQ(core::BoardWidth, 4);
        EXPECT_EQ(form().lblWH->text(), QStringLiteral("4 x 4"));
        const auto after = BoardWidgets();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_FALSE(before[i].isNull()) << "cell " << i << " was destroyed";
            EXPECT_EQ(after[i], before[i]) << "cell " << i << " was replaced";
        }
        EXPECT_TRUE(Cell(0, 0).Opened) << "the game's progress stays on the board";
        EXPECT_TRUE(core::GameRunning);
        EXPECT_TRUE(form().Panel1->isVisible());
    }

    // Once the game is over the menu answers again.
    {
        NoticeCatcher catcher;
        ClickButton(*form().sbtStop);
    }
    ChooseFromMenu("wh9");
    EXPECT_EQ(CheckedSizes(), QStringList{"wh9"});
    EXPECT_EQ(core::BoardWidth, 9);
}

TEST_F(SizeMenu, ASizeChosenBetweenGamesRebuildsTheBoardClosedAndStartsNothing) {
    // A finished game leaves its opened cells and counters on screen.
    StartOn({"T...", "....", "....", "...."});
    ClickCell(1, 1);
    {
        NoticeCatcher catcher;
        ClickButton(*form().sbtStop);
    }
    form().Timer1Timer();  // the tick after the stop stops the clock
    const QString hidden = form().lblNumTreasures->text();
    const QString moves = form().lblHod->text();
    const auto oldBoard = BoardWidgets();

    ChooseFromMenu("N10x81");

    EXPECT_EQ(CheckedSizes(), QStringList{"N10x81"});
    EXPECT_EQ(form().lblWH->text(), QStringLiteral("12 x 12"));
    for (const auto& cell : oldBoard) EXPECT_TRUE(cell.isNull()) << "the old board is gone";
    EXPECT_EQ(form().Panel1->findChildren<ui::TMyImage*>().size(), 144u);
    EXPECT_TRUE(form().Panel1->isVisible());
    const QImage panel = ShotOf(*form().Panel1);
    EXPECT_EQ(CountColour(panel, QRect(6, 6, 587, 587), Sand), 144 * 48 * 48) << "all closed";

    EXPECT_FALSE(core::GameRunning);
    EXPECT_FALSE(form().Timer1->isActive());
    EXPECT_EQ(form().lblNumTreasures->text(), hidden);
    EXPECT_EQ(form().lblHod->text(), moves);
    ClickCell(3, 3);
    EXPECT_FALSE(Cell(3, 3).Opened) << "no game runs on the new board";
}

}  // namespace
}  // namespace uitest

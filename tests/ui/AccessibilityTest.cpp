// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a screen reader finds it: named controls and cells, the board as a table, and
// actions that do what the mouse does, never past an open notice.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"
#include "ui/NumTreasuresUnit.h"

#include <QAccessible>
#include <QApplication>

namespace uitest {
namespace {

using Accessibility = GameWindow;
const QString Press = QAccessibleActionInterface::pressAction();

QAccessibleInterface& Accessible(QObject* object) {
    return *QAccessible::queryAccessibleInterface(object);
}

QString Name(QAccessibleInterface* iface) {
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("(none)");
}

// An action as an assistive tool asks for it; it takes effect once events are handled.
void Act(QObject* object, const QString& action = Press) {
    Accessible(object).actionInterface()->doAction(action);
    QApplication::processEvents();
}

TEST_F(Accessibility, ButtonsAreNamedInRussianAndTheirActionsDoWhatAClickDoes) {
    ui::TForm1& f = form();
    QAccessibleInterface& window = Accessible(&f);
    EXPECT_EQ(window.role(), QAccessible::Window);
    EXPECT_EQ(Name(&window), QStringLiteral("  Пелимор 2007.0"));
    for (int i = 0; i < window.childCount(); ++i) {
        const QObject* shown = window.child(i)->object();
        EXPECT_TRUE(shown != f.imgTreasure && shown != f.imgNoKnow && shown != f.imgEmpty);
    }
    const std::vector<std::pair<ui::FlatImageButton*, QString>> names = {
        {f.sbtStartNewGame, "Новая игра"}, {f.sbtCreateNewSizeGame, "Размер поля"},
        {f.sbtNumTreasures, "Число кладов"}, {f.sbtHint, "Подсказки"}, {f.sbtHelp, "Справка"},
        {f.sbtStop, "Остановить игру"}, {f.sbtExit, "Выход"}};
    for (const auto& [button, name] : names) {
        QAccessibleInterface& iface = Accessible(button);
        EXPECT_EQ(Name(&iface), name);
        EXPECT_EQ(iface.text(QAccessible::Description), button->toolTip());
        EXPECT_EQ(iface.role(), button == f.sbtHint ? QAccessible::CheckBox : QAccessible::Button);
    }

    // The picker button acts on the mouse going down; its Press opens the picker all the same,
    // whose own action, "Подтвердить", confirms the count on its slider.
    Act(f.sbtNumTreasures);
    ASSERT_TRUE(frmNumTreasures->isVisible());
    Accessible(frmNumTreasures->tbNumTreasures).valueInterface()->setCurrentValue(3);
    EXPECT_EQ(Accessible(frmNumTreasures).actionInterface()->localizedActionDescription(Press),
              QStringLiteral("Подтвердить"));
    Act(frmNumTreasures);
    EXPECT_FALSE(frmNumTreasures->isVisible());
    EXPECT_EQ(core::TreasureTotal, 3);

    Act(f.sbtHint, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(platform().HintsOn() && Accessible(f.sbtHint).state().checked);

    // Behind an open notice no action reaches the window, then or later.
    bool startedBehindNotice = true;
    NoticeCatcher catcher([&] {
        Act(f.sbtStartNewGame);
        startedBehindNotice = core::GameRunning;
    });
    Act(f.sbtStop);
    ASSERT_EQ(catcher.seen.size(), 1u);
    QApplication::processEvents();
    EXPECT_FALSE(startedBehindNotice || core::GameRunning);
}

TEST_F(Accessibility, EachCellNamesItsPlaceAndWhatItShowsButNeverAClosedTreasure) {
    StartOn({"T...",
             "....",
             "....",
             "...T"});
    ClickButton(*form().sbtHint);
    EXPECT_EQ(Name(&Accessible(&Cell(1, 2))), QStringLiteral("B3, закрыта"));
    Act(&Cell(1, 2));  // a 0: with hints on, its lines turn green
    ClickCell(3, 1, Qt::ControlModifier);
    ClickCell(0, 0);
    const std::vector<std::pair<ui::TMyImage*, QString>> names = {
        {&Cell(1, 2), "B3, пусто, 0"}, {&Cell(0, 2), "A3, отмечена"},
        {&Cell(3, 1), "D2, отмечена"}, {&Cell(0, 0), "A1, клад, 1"},
        {&Cell(3, 3), "D4, закрыта"},  {&Cell(2, 3), "C4, отмечена"}};
    for (const auto& [cell, name] : names) {
        EXPECT_EQ(Name(&Accessible(cell)), name);
        EXPECT_EQ(Accessible(cell).role(), QAccessible::Cell);
    }
    EXPECT_EQ(core::MoveCount, 2);
}

TEST_F(Accessibility, TheBoardIsATableOfRowsAndColumnsThatFollowsItsSize) {
    QAccessibleInterface& board = Accessible(form().Panel1);
    EXPECT_EQ(board.role(), QAccessible::Table);
    EXPECT_EQ(Name(&board), QStringLiteral("Поле"));
    QAccessibleTableInterface& table = *board.tableInterface();
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(board.childCount(), 16);
    EXPECT_EQ(Name(board.child(5)), QStringLiteral("B2, закрыта"));  // row by row
    QAccessibleTableCellInterface& cell = *table.cellAt(2, 1)->tableCellInterface();
    EXPECT_EQ(std::pair(cell.rowIndex(), cell.columnIndex()), std::pair(2, 1));
    EXPECT_EQ(cell.table(), &board);
    const QPoint onScreen = Cell(2, 3).mapToGlobal(QPoint(24, 24));
    EXPECT_EQ(Name(board.childAt(onScreen.x(), onScreen.y())), QStringLiteral("C4, закрыта"));

    // The size button's Press pops up the menu, found in the window while it is open; its
    // item's Press chooses the size and closes it, as a click does.
    Act(form().sbtCreateNewSizeGame);
    QAccessibleInterface& window = Accessible(&form());
    QAccessibleInterface* menu = window.child(window.childCount() - 1);
    ASSERT_EQ(menu->role(), QAccessible::PopupMenu);
    EXPECT_EQ(Name(menu), QStringLiteral("Размер поля"));
    EXPECT_EQ(Name(menu->child(1)), QStringLiteral("  5 x  5"));
    menu->child(1)->actionInterface()->doAction(Press);
    EXPECT_FALSE(form().PopupMenu1->isVisible());
    EXPECT_EQ(table.columnCount(), 5);
    EXPECT_EQ(board.childCount(), 25);
    EXPECT_EQ(Name(table.cellAt(4, 4)), QStringLiteral("E5, закрыта"));
    EXPECT_EQ(board.indexOfChild(table.cellAt(4, 4)), 24);
}

}  // namespace
}  // namespace uitest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a screen reader finds it: named controls and cells, the board as a table, and
// actions that do what the mouse does, never past an open notice.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/NumTreasuresUnit.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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

// An event the game sent to assistive technology.
struct Heard {
    QAccessible::Event type;
    QObject* object;
};

// A screen reader listening while it lives: Qt's accessibility is on, and every event the game
// sends is written down. Like Orca, it looks at the state of each cell it is told about.
class ScreenReader {
public:
    ScreenReader() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        heard.clear();
        // Qt takes a plain function here, hence a static list.
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            heard.push_back({event->type(), event->object()});
            if (event->object() != nullptr && event->type() != QAccessible::ObjectDestroyed) {
                if (QAccessibleInterface* iface = event->accessibleInterface()) iface->state();
            }
        });
    }
    ~ScreenReader() {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    static inline std::vector<Heard> heard;
    // How many events of this type about this object were heard so far.
    static int Count(QAccessible::Event type, const QObject* object) {
        return static_cast<int>(std::count_if(heard.begin(), heard.end(), [&](const Heard& h) {
            return h.type == type && h.object == object;
        }));
    }
    // Handles events until the object is reported as the focus, two seconds at most.
    static bool FocusComesTo(const QObject* object) {
        return QTest::qWaitFor([&] { return Count(QAccessible::Focus, object) > 0; }, 2000);
    }
};

// Stands for Qt's accessibility bridge as it treats keys: a key from the window system is held
// until the registry answers (here, 20 ms later), then handed to the window again.
class KeyBridge : public QObject {
public:
    KeyBridge() { qApp->installEventFilter(this); }
    std::vector<std::pair<QEvent::Type, int>> held;  // what reached the bus

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !event->spontaneous()) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        held.emplace_back(type, key->key());
        QPointer<QObject> to(target);
        auto* copy = new QKeyEvent(type, key->key(), key->modifiers(), key->text());
        QTimer::singleShot(20, this, [to, copy] {
            if (to) QCoreApplication::postEvent(to, copy);
            else delete copy;
        });
        return true;
    }
};

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
    StartOn({"T...", "....", "....", "...T"});
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

TEST_F(Accessibility, EachMoveIsReportedAsTheFocusOnItsCellWithoutTakingTheKeyboard) {
    ScreenReader reader;
    QAccessibleInterface& board = Accessible(form().Panel1);
    EXPECT_EQ(board.text(QAccessible::Description),
              QStringLiteral("Игра не идёт: нажмите «Новая игра»"));
    EXPECT_EQ(Accessible(&Cell(1, 1)).text(QAccessible::Description), board.text(QAccessible::Description));
    StartOn({"T...", "....", "....", "...T"});
    // The new board is announced once, as the focus on the board, not cell by cell.
    ASSERT_TRUE(reader.FocusComesTo(form().Panel1));
    for (const Heard& heard : reader.heard) {
        EXPECT_EQ(qobject_cast<ui::TMyImage*>(heard.object), nullptr) << heard.type;
    }
    EXPECT_TRUE(board.state().focused);
    EXPECT_EQ(board.text(QAccessible::Description), QString());
    // A screen reader's second try at its click on the start button starts nothing more.
    Act(form().sbtStartNewGame);
    EXPECT_EQ(std::count(cues().begin(), cues().end(), "file wav/newgame.wav"), 1);

    ClickCell(1, 2);
    ASSERT_TRUE(reader.FocusComesTo(&Cell(1, 2)));
    EXPECT_EQ(reader.Count(QAccessible::NameChanged, &Cell(1, 2)), 1);
    EXPECT_TRUE(Accessible(&Cell(1, 2)).state().focused);
    EXPECT_FALSE(board.state().focused);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(Accessible(&Cell(1, 2)).text(QAccessible::Description), QString());

    Act(&Cell(0, 0));
    ASSERT_TRUE(reader.FocusComesTo(&Cell(0, 0)));
    EXPECT_EQ(Name(&Accessible(&Cell(0, 0))), QStringLiteral("A1, клад, 1"));
    EXPECT_EQ(Accessible(&Cell(0, 0)).text(QAccessible::Description),
              QStringLiteral("Найдено кладов: 1, осталось найти: 1"));

    // The winning move is heard before its notice opens; a press that comes meanwhile (here one
    // already queued) is dropped, as behind the notice.
    bool heardBeforeNotice = false;
    NoticeCatcher catcher(
        [&] { heardBeforeNotice = reader.Count(QAccessible::Focus, &Cell(3, 3)) == 1; });
    Accessible(form().sbtStartNewGame).actionInterface()->doAction(Press);
    ClickCell(3, 3);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_TRUE(heardBeforeNotice);
    QApplication::processEvents();
    EXPECT_FALSE(core::GameRunning);
}

TEST_F(Accessibility, ThePickerOpensWithItsCountAsTheFocusAndOffersFewerMoreAndConfirm) {
    ScreenReader reader;
    ClickPickerButton();
    TNumTreasuresSlider* slider = frmNumTreasures->tbNumTreasures;
    ASSERT_TRUE(reader.FocusComesTo(slider));
    QAccessibleInterface& count = Accessible(slider);
    EXPECT_EQ(count.role(), QAccessible::Slider);
    EXPECT_EQ(count.text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_TRUE(count.state().focused);
    QAccessibleInterface& picker = Accessible(frmNumTreasures);
    QStringList parts;
    for (int i = 0; i < picker.childCount(); ++i) parts << Name(picker.child(i));
    EXPECT_EQ(parts, QStringList({"Число кладов", "Меньше", "Больше", "Подтвердить"}));

    // Each part stands where a click does what its action does: "Больше" at the slider's foot.
    const QRect more = picker.child(2)->rect();
    QTest::mouseClick(frmNumTreasures->windowHandle(), Qt::LeftButton, {},
                      frmNumTreasures->mapFromGlobal(more.center()));
    EXPECT_EQ(slider->value(), 2);
    picker.child(2)->actionInterface()->doAction(Press);  // the screen reader's second try
    QApplication::processEvents();
    EXPECT_EQ(slider->value(), 2);
    Act(slider, QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(slider->value(), 2);  // still the same click
    QTest::qWait(ui::ScreenReaderRepeatMs + 50);  // a player's own next click, not a repeat
    Act(slider, QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(slider->value(), 3);

    picker.child(3)->actionInterface()->doAction(Press);
    QApplication::processEvents();
    EXPECT_FALSE(frmNumTreasures->isVisible());
    EXPECT_EQ(core::TreasureTotal, 3);
    EXPECT_TRUE(reader.FocusComesTo(form().sbtNumTreasures));
}

TEST_F(Accessibility, AKeysReleaseFollowsItsPressPastTheBusOnlyTheModifiersReachIt) {
    ScreenReader reader;
    KeyBridge bridge;
    StartOn({"T...", "....", "....", "...."});
    bool closedByKey = false;
    QTimer::singleShot(0, [&] {
        QWidget* notice = QApplication::activeModalWidget();
        QTest::keyClick(notice, Qt::Key_Insert);
        QTest::keyClick(notice, Qt::Key_Return);  // the notice closes as its key comes up
        closedByKey =
            QTest::qWaitFor([&] { return QApplication::activeModalWidget() != notice; }, 2000);
        if (!closedByKey) static_cast<QDialog*>(notice)->reject();
    });
    ClickButton(*form().sbtStop);
    EXPECT_TRUE(closedByKey);
    const std::vector<std::pair<QEvent::Type, int>> bus = {{QEvent::KeyPress, Qt::Key_Insert},
                                                           {QEvent::KeyRelease, Qt::Key_Insert},
                                                           {QEvent::KeyPress, Qt::Key_Return}};
    EXPECT_EQ(bridge.held, bus);
}

}  // namespace
}  // namespace uitest

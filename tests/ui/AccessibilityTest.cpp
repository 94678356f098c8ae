// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a screen reader finds it: named controls and cells, the board as a table, each move
// told at once, and actions that do what the mouse does, never past an open notice.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"
#include "ui/Help.h"
#include "ui/NumTreasuresUnit.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
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
// sends is written down, with the words of each notification shown. Like Orca, it looks at the
// state of each object it is told about.
class ScreenReader {
public:
    ScreenReader() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        heard.clear();
        told.clear();
        // Qt takes a plain function here, hence static lists.
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            heard.push_back({event->type(), event->object()});
            QAccessibleInterface* iface = event->accessibleInterface();
            if (iface == nullptr || event->type() == QAccessible::ObjectDestroyed) return;
            iface->state();
            if (event->type() == QAccessible::ObjectShow &&
                iface->role() == QAccessible::Notification) {
                told << iface->text(QAccessible::Name);
            }
        });
    }
    ~ScreenReader() {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    static inline std::vector<Heard> heard;
    static inline QStringList told;
    // How many events of this type about this object were heard so far.
    static int Count(QAccessible::Event type, const QObject* object) {
        return static_cast<int>(std::count_if(heard.begin(), heard.end(), [&](const Heard& h) {
            return h.type == type && h.object == object;
        }));
    }
    // The words told since the last look, which are forgotten.
    static QStringList ToldSince() { return std::exchange(told, {}); }
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

TEST_F(Accessibility, ButtonsAreNamedInRussianAndEachPressDoesWhatItsClickDoes) {
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
        EXPECT_EQ(iface.actionInterface()->localizedActionName(Press), QStringLiteral("Нажать"));
    }
    // The toggle's first action toggles, as Qt's own toggle buttons offer it.
    EXPECT_EQ(Accessible(f.sbtHint).actionInterface()->actionNames(),
              QStringList({QAccessibleActionInterface::toggleAction(), Press}));

    Act(f.sbtStartNewGame);
    EXPECT_TRUE(core::GameRunning);
    Act(f.sbtHint, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(platform().HintsOn() && Accessible(f.sbtHint).state().checked);
    Act(f.sbtHint);
    EXPECT_FALSE(platform().HintsOn() || Accessible(f.sbtHint).state().checked);
    QStringList helped;
    f.HelpOpener = [&helped](const QString& path) { helped << path; };
    QFile page(ui::HelpPagePath());
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    Act(f.sbtHelp);
    page.remove();
    EXPECT_EQ(helped, QStringList({ui::HelpPagePath()}));
    Act(f.sbtCreateNewSizeGame);
    EXPECT_TRUE(f.PopupMenu1->isVisible());
    f.PopupMenu1->hide();

    // Behind an open notice no action reaches the window, then or later.
    bool startedBehindNotice = true;
    NoticeCatcher catcher([&] {
        Act(f.sbtStartNewGame);
        startedBehindNotice = core::GameRunning;
    });
    Act(f.sbtStop);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(catcher.seen[0].text, QStringLiteral("Игра остановлена!"));
    QApplication::processEvents();
    EXPECT_FALSE(startedBehindNotice || core::GameRunning);

    Act(f.sbtNumTreasures);  // acts on the mouse going down; a Press opens it all the same
    EXPECT_TRUE(picker().isVisible());
    Act(f.sbtExit);
    EXPECT_FALSE(f.isVisible());
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
    // Flat review reads a cell's text anew at each look but only as far as it first saw it, so
    // the text is the name at one length, whatever the cell shows.
    const int textLength = Accessible(&Cell(3, 3)).textInterface()->characterCount();
    for (const auto& [cell, name] : names) {
        EXPECT_EQ(Name(&Accessible(cell)), name);
        EXPECT_EQ(Accessible(cell).role(), QAccessible::Cell);
        const QAccessibleTextInterface& text = *Accessible(cell).textInterface();
        EXPECT_EQ(text.characterCount(), textLength);
        EXPECT_EQ(text.text(0, textLength).trimmed(), name);
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
    EXPECT_EQ(std::pair(table.rowDescription(2), table.columnDescription(1)),
              std::pair(QStringLiteral("3"), QStringLiteral("B")));
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
    QAccessibleInterface& bigger = Accessible(form().Panel1);
    EXPECT_EQ(bigger.tableInterface()->columnCount(), 5);
    EXPECT_EQ(bigger.childCount(), 25);
    EXPECT_EQ(Name(bigger.tableInterface()->cellAt(4, 4)), QStringLiteral("E5, закрыта"));
    EXPECT_EQ(bigger.tableInterface()->rowDescription(4), QStringLiteral("5"));
    EXPECT_EQ(bigger.indexOfChild(bigger.tableInterface()->cellAt(4, 4)), 24);
}

TEST_F(Accessibility, EachMoveIsToldAtOnceAndANewBoardBecomesTheFocusWithoutTakingTheKeyboard) {
    ScreenReader reader;
    const QString idle = QStringLiteral("Игра не идёт: нажмите «Новая игра»");
    EXPECT_EQ(Accessible(form().Panel1).text(QAccessible::Description), idle);
    EXPECT_EQ(Accessible(&Cell(1, 1)).text(QAccessible::Description), idle);
    ClickCell(1, 1);
    EXPECT_EQ(reader.ToldSince(), QStringList({idle}));

    // Each new board is a new object and becomes the focus, even where the old one had it.
    for (int start = 1; start <= 2; ++start) {
        const QAccessible::Id before = QAccessible::uniqueId(&Accessible(form().Panel1));
        reader.heard.clear();
        ClickWindow(CentreOf(*form().lblTime));  // not the reader's second try at the start
        StartOn({"T...", "....", "....", "...T"});
        EXPECT_EQ(reader.Count(QAccessible::Focus, form().Panel1), 1);
        EXPECT_NE(QAccessible::uniqueId(&Accessible(form().Panel1)), before);
        for (const Heard& heard : reader.heard) {
            EXPECT_EQ(qobject_cast<ui::TMyImage*>(heard.object), nullptr) << heard.type;
        }
    }
    QAccessibleInterface& board = Accessible(form().Panel1);
    EXPECT_TRUE(board.state().focused);
    EXPECT_EQ(board.text(QAccessible::Description),
              QStringLiteral("Игра идёт. Спрятано кладов: 2"));
    // A screen reader's second try at its click on the start button starts nothing more.
    Act(form().sbtStartNewGame);
    EXPECT_EQ(std::count(cues().begin(), cues().end(), "file wav/newgame.wav"), 2);

    ClickButton(*form().sbtHint);
    ClickCell(1, 2);  // a 0: with hints on, its lines turn green
    EXPECT_EQ(reader.ToldSince(),
              QStringList({QStringLiteral("Подсказки включены"), QStringLiteral("B3, пусто, 0")}));
    EXPECT_EQ(reader.Count(QAccessible::NameChanged, &Cell(1, 2)), 1);
    EXPECT_EQ(reader.Count(QAccessible::NameChanged, &Cell(0, 2)), 1);  // marked green
    EXPECT_EQ(reader.Count(QAccessible::NameChanged, &Cell(3, 1)), 0);  // off its lines
    EXPECT_EQ(reader.Count(QAccessible::Focus, &Cell(1, 2)), 0);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    Act(&Cell(0, 0));
    ClickCell(1, 2);  // opened already: only its name again
    EXPECT_EQ(reader.ToldSince(),
              QStringList({QStringLiteral("A1, клад, 1, Найдено кладов: 1, осталось найти: 1"),
                           QStringLiteral("B3, пусто, 0")}));
    ClickButton(*form().sbtHint);
    EXPECT_EQ(reader.ToldSince(), QStringList({QStringLiteral("Подсказки выключены")}));

    // The winning move is told before its notice opens; a press that comes meanwhile (here one
    // already queued) is dropped, as behind the notice.
    QStringList toldBeforeNotice;
    NoticeCatcher catcher([&] { toldBeforeNotice = reader.ToldSince(); });
    Accessible(form().sbtStartNewGame).actionInterface()->doAction(Press);
    ClickCell(3, 3);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(toldBeforeNotice,
              QStringList({QStringLiteral("D4, клад, 1, Найдено кладов: 2, осталось найти: 0")}));
    QApplication::processEvents();
    EXPECT_FALSE(core::GameRunning);
}

TEST_F(Accessibility, ThePickerOpensWithItsCountAsTheFocusAndItsHandlesDoWhatAClickThereDoes) {
    ScreenReader reader;
    ClickPickerButton();
    TNumTreasuresSlider* slider = picker().tbNumTreasures;
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.Count(QAccessible::Focus, slider) > 0; }));
    QAccessibleInterface& count = Accessible(slider);
    EXPECT_EQ(count.role(), QAccessible::Slider);
    EXPECT_EQ(count.text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_TRUE(count.state().focused);
    QAccessibleInterface& window = Accessible(&picker());
    QStringList parts;
    for (int i = 0; i < window.childCount(); ++i) parts << Name(window.child(i));
    EXPECT_EQ(parts, QStringList({"Число кладов", "Меньше", "Больше", "Подтвердить"}));

    // A click where a handle stands and the handle's Press each do the same, once: a Press right
    // after the click is the screen reader's second try. A click elsewhere in between makes the
    // next Press a player's own.
    const auto clickAt = [](QWidget& where) {
        QTest::mouseClick(where.window()->windowHandle(), Qt::LeftButton, {},
                          where.mapTo(where.window(), where.rect().center()));
    };
    const auto press = [&](QWidget* handle) {
        clickAt(*form().lblTime);
        Act(handle);
    };
    clickAt(*picker().btnMore);
    Act(picker().btnMore);
    EXPECT_EQ(slider->value(), 2);
    press(picker().btnMore);
    EXPECT_EQ(slider->value(), 3);
    press(picker().btnFewer);
    EXPECT_EQ(slider->value(), 2);
    clickAt(*form().lblTime);
    clickAt(*picker().btnFewer);
    EXPECT_EQ(slider->value(), 1);
    press(picker().btnMore);
    press(picker().btnConfirm);
    EXPECT_FALSE(picker().isVisible());
    EXPECT_EQ(core::TreasureTotal, 2);
    EXPECT_EQ(reader.Count(QAccessible::Focus, form().sbtNumTreasures), 1);
    ClickPickerButton();
    clickAt(*picker().btnConfirm);
    EXPECT_EQ(core::TreasureTotal, 1);
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

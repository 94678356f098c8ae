// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// While a notice is open the player can do nothing else, in either window; and the help button
// hands over the page beside the program.
#include "tests/ui/GameWindow.h"

#include "core/GameState.h"
#include "ui/Help.h"
#include "ui/NumTreasuresUnit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTest>

#include <utility>

namespace uitest {
namespace {

using NoticesAndHelp = GameWindow;

TEST_F(NoticesAndHelp, EveryNoticeBlocksBothWindowsUntilItCloses) {
    ClickPickerButton();
    ASSERT_TRUE(picker().isVisible());
    // The picker is left open across the start with a count on its slider.
    StartOn({"T...", "....", "....", "..T."});
    picker().tbNumTreasures->setValue(3);

    struct Seen {
        Qt::WindowModality modality = Qt::NonModal;
        bool pickerOpen = false;
        int slider = 0;
        int total = 0;
        bool menuShown = true;
    } seen;
    NoticeCatcher catcher([&] {
        seen.modality = QApplication::activeModalWidget()->windowModality();
        // The stop has ended the game, so each of these would act if the notice let it through.
        ClickPickerBackground();
        ClickPickerButton();
        ClickButton(*form().sbtCreateNewSizeGame);
        seen.pickerOpen = picker().isVisible();
        seen.slider = picker().tbNumTreasures->value();
        seen.total = core::TreasureTotal;
        seen.menuShown = form().PopupMenu1->isVisible();
    });
    ClickButton(*form().sbtStop);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_TRUE(seen.pickerOpen) << "the picker took no confirmation";
    EXPECT_EQ(seen.slider, 3) << "the picker button did not reopen it";
    EXPECT_EQ(seen.total, 2);
    EXPECT_FALSE(seen.menuShown);

    // With the notice gone the same click confirms.
    ClickPickerBackground();
    EXPECT_FALSE(picker().isVisible());
    EXPECT_EQ(core::TreasureTotal, 3);
}

TEST_F(NoticesAndHelp, TheWinNoticeNamesTheCountAndTheTimeOutNoticeSaysWhy) {
    StartOn({"T.T.", ".T..", "T..T", ".TT."});
    NoticeCatcher catcher;
    for (auto [c, r] : {std::pair{0, 0}, {2, 0}, {1, 1}, {0, 2}, {3, 2}, {1, 3}, {2, 3}}) {
        ClickCell(c, r);
    }
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_EQ(catcher.seen[0].title, QStringLiteral("ПЕЛИМОР 2007"));
    EXPECT_EQ(catcher.seen[0].text, QStringLiteral("Вы нашли все клады! (7)"));
    EXPECT_EQ(catcher.seen[0].icon, QMessageBox::NoIcon);

    StartOn({"T...", "....", "....", "...."});
    now += 60 * 60000;
    form().Timer1Timer();
    ASSERT_EQ(catcher.seen.size(), 2u);
    EXPECT_EQ(catcher.seen[1].title, QStringLiteral("ПЕЛИМОР 2007"));
    EXPECT_EQ(catcher.seen[1].text, QStringLiteral("Время вышло!"));
    EXPECT_EQ(catcher.seen[1].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(catcher.seen[1].icon, QMessageBox::NoIcon);
    EXPECT_FALSE(catcher.seen[1].iconsOnButtons);
}

TEST_F(NoticesAndHelp, AKeyClosesANoticeOnlyWhenItComesUpAfterGoingDownThere) {
    struct Seen {
        bool afterKeysFromBefore = false;
        bool afterPress = false;
        bool afterRelease = true;
        bool afterKeypadEnter = true;
    } seen;
    NoticeCatcher catcher([&] {
        QWidget& box = *QApplication::activeModalWidget();
        QWidget* keys = box.focusWidget() != nullptr ? box.focusWidget() : &box;
        if (catcher.seen.size() == 2) {  // the keypad's Enter closes the next one
            QTest::keyClick(keys, Qt::Key_Enter, Qt::KeypadModifier);
            seen.afterKeypadEnter = box.isVisible();
            return;
        }
        // Keys that went down before the notice opened: a release, and the repeats of a key
        // the window system still holds down.
        QTest::keyRelease(keys, Qt::Key_Escape);
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(keys, &repeatUp);
        QApplication::sendEvent(keys, &repeatDown);
        seen.afterKeysFromBefore = box.isVisible();
        QTest::keyPress(keys, Qt::Key_Return);
        seen.afterPress = box.isVisible();
        QTest::keyRelease(keys, Qt::Key_Return);
        seen.afterRelease = box.isVisible();
    });
    ClickButton(*form().sbtStop);
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_TRUE(seen.afterKeysFromBefore);
    EXPECT_TRUE(seen.afterPress) << "closed on the press, its release would go astray";
    EXPECT_FALSE(seen.afterRelease);
    ClickButton(*form().sbtStop);
    EXPECT_EQ(catcher.seen.size(), 2u) << "the next notice shows";
    EXPECT_FALSE(seen.afterKeypadEnter);
}

TEST_F(NoticesAndHelp, ANoticeLeavesItsTitleBarRoomForTheWholeTitle) {
    // A window manager puts its icon and three buttons beside the title; a box only as wide as
    // "Игра остановлена!" would have it cut to "ПЕ… 2007".
    NoticeCatcher catcher;
    form().sbtStopClick();
    ASSERT_EQ(catcher.seen.size(), 1u);
    EXPECT_GE(catcher.seen[0].spareTitleWidth, 100);
}

TEST_F(NoticesAndHelp, TheHelpButtonHandsOverThePageBesideTheProgramWhenItIsThere) {
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath("Help.htm");
    QFile::remove(besideProgram);
    QStringList opened;
    form().HelpOpener = [&opened](const QString& path) { opened << path; };

    ClickButton(*form().sbtHelp);
    EXPECT_TRUE(opened.isEmpty()) << "no page, nothing to open";

    QFile page(besideProgram);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    ClickButton(*form().sbtHelp);
    QFile::remove(besideProgram);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(QFileInfo(opened[0]).absoluteFilePath(), QFileInfo(besideProgram).absoluteFilePath());
    EXPECT_FALSE(core::GameRunning);
    EXPECT_TRUE(cues().empty()) << "help plays nothing";
}

}  // namespace
}  // namespace uitest

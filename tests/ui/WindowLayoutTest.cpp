// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the player first sees it: its frame, every control's place, fonts, colours
// and the texts written before it is first shown.
#include "tests/ui/GameWindow.h"

#include "ui/desktop/CaptionBar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace uitest {
namespace {

using WindowLayout = GameWindow;

struct Placement {
    const char* name;
    const QWidget* widget;
    QRect box;
};

TEST_F(WindowLayout, EveryControlStandsWhereTheLayoutPutsIt) {
    ui::TForm1& f = form();
    const std::vector<Placement> table = {
        {"sbtStartNewGame", f.sbtStartNewGame, {4, 4, 39, 39}},
        {"sbtCreateNewSizeGame", f.sbtCreateNewSizeGame, {49, 3, 39, 39}},
        {"sbtNumTreasures", f.sbtNumTreasures, {201, 3, 39, 39}},
        {"Panel3", f.Panel3, {260, 3, 36, 36}},
        {"sbtHint", f.sbtHint, {0, 0, 36, 36}},
        {"sbtHelp", f.sbtHelp, {560, 3, 39, 39}},
        {"sbtStop", f.sbtStop, {736, 3, 36, 36}},
        {"sbtExit", f.sbtExit, {778, 3, 39, 39}},
        {"Panel1", f.Panel1, {4, 48, 600, 600}},
        {"lblTime", f.lblTime, {618, 48, 83, 25}},
        {"lblHod", f.lblHod, {618, 87, 83, 25}},
        {"lblNumTreasures", f.lblNumTreasures, {618, 126, 193, 22}},
        {"lblNumMyTreasures", f.lblNumMyTreasures, {627, 154, 184, 22}},
        {"lblRest", f.lblRest, {630, 182, 181, 22}},
        {"imgTreasure", f.imgTreasure, {708, 296, 53, 49}},
        {"imgNoKnow", f.imgNoKnow, {661, 367, 49, 49}},
        {"imgEmpty", f.imgEmpty, {685, 432, 49, 49}},
    };
    for (const Placement& p : table) {
        EXPECT_EQ(p.widget->geometry(), p.box) << p.name;
    }
    EXPECT_EQ(f.sbtHint->parentWidget(), f.Panel3);
}

TEST_F(WindowLayout, TheWindowIsFixedCentredAndHasOnlyItsCaption) {
    ui::TForm1& f = form();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  Пелимор 2007.0"));
    EXPECT_EQ(f.size(), QSize(821, 652));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType absent : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint}) {
        EXPECT_FALSE(flags.testFlag(absent)) << absent;
    }
    const QRect desk = f.screen()->availableGeometry();
    EXPECT_LE(std::abs(f.geometry().center().x() - desk.center().x()), 1);
    EXPECT_LE(std::abs(f.geometry().center().y() - desk.center().y()), 1);
}

TEST_F(WindowLayout, NoControlTakesTheKeyboardFocus) {
    ui::TForm1& f = form();
    EXPECT_EQ(f.focusPolicy(), Qt::NoFocus);
    for (const QWidget* child : f.findChildren<QWidget*>()) {
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->metaObject()->className();
    }
}

struct LabelLook {
    const char* name;
    const QLabel* label;
    int pixels;
    QColor colour;
    Qt::Alignment horizontal;
    QString text;
};

TEST_F(WindowLayout, LabelsShowTheirLaidOutCaptionsInTheirFontsAndColours) {
    ui::TForm1& f = form();
    const std::vector<LabelLook> looks = {
        {"lblWH", f.lblWH, 27, QColor(255, 255, 0), Qt::AlignLeft, "4 x 4"},
        {"lblTime", f.lblTime, 21, QColor(255, 255, 0), Qt::AlignLeft, "00 : 00"},
        {"lblHod", f.lblHod, 21, QColor(0, 255, 255), Qt::AlignLeft, "Ход 0"},
        {"lblNumTreasures", f.lblNumTreasures, 19, QColor(255, 0, 255), Qt::AlignRight,
         "Спрятано кладов:  1"},
        {"lblNumMyTreasures", f.lblNumMyTreasures, 19, QColor(0, 128, 0), Qt::AlignRight,
         "Найдено кладов:  0"},
        {"lblRest", f.lblRest, 19, QColor(255, 255, 0), Qt::AlignRight, "Осталось найти:  1"},
    };
    for (const LabelLook& l : looks) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(l.label->text(), l.text);
        EXPECT_EQ(l.label->font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(l.label->font().pixelSize(), l.pixels);
        EXPECT_TRUE(l.label->font().bold());
        EXPECT_EQ(l.label->palette().color(QPalette::WindowText), l.colour);
        EXPECT_EQ(l.label->alignment() & Qt::AlignHorizontal_Mask, l.horizontal);
    }
}

TEST_F(WindowLayout, BoardSizeLabelFitsItsTextAtItsCorner) {
    const QLabel& wh = *form().lblWH;
    const QFontMetrics metrics(wh.font());
    EXPECT_EQ(wh.geometry(),
              QRect(98, 8, metrics.horizontalAdvance(QStringLiteral("4 x 4")), metrics.height()));
    ChooseSide(12);
    EXPECT_EQ(wh.text(), QStringLiteral("12 x 12"));
    EXPECT_EQ(wh.width(), metrics.horizontalAdvance(QStringLiteral("12 x 12")));
    EXPECT_EQ(wh.pos(), QPoint(98, 8));
}

TEST_F(WindowLayout, CountersKeepTheirRightEdgeAsTheirTextsChange) {
    ChooseSide(12);
    core::TreasureTotal = 36;
    ClickButton(*form().sbtStartNewGame);
    for (const QLabel* counter :
         {form().lblNumTreasures, form().lblNumMyTreasures, form().lblRest}) {
        EXPECT_EQ(counter->geometry().right() + 1, 811) << counter->text().toStdString();
        EXPECT_EQ(counter->width(), QFontMetrics(counter->font()).horizontalAdvance(counter->text()));
    }
    EXPECT_EQ(form().lblNumTreasures->text(), QStringLiteral("Спрятано кладов: 36"));
    EXPECT_EQ(form().lblRest->text(), QStringLiteral("Осталось найти: 36"));
}

TEST_F(WindowLayout, WindowBoardAndHintPanelTakeTheirColours) {
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 2, 100), WindowColour);
    EXPECT_EQ(At(shot, 700, 600), WindowColour);
    EXPECT_EQ(At(shot, 4 + 100, 48 + 100), BoardColour);  // Panel1, between no cells
    EXPECT_EQ(form().Panel3->palette().color(QPalette::Window), WindowColour);
    // The clock's box is filled with the window's colour right of its text.
    EXPECT_EQ(At(shot, 618 + 80, 48 + 2), WindowColour);
}

TEST_F(WindowLayout, PictureHoldersLeaveNoMark) {
    ui::TForm1& f = form();
    EXPECT_FALSE(f.imgTreasure->isVisible());
    EXPECT_TRUE(f.imgNoKnow->isVisible());
    EXPECT_TRUE(f.imgEmpty->isVisible());
    const QImage shot = Shot();
    for (const QWidget* holder : {static_cast<QWidget*>(f.imgNoKnow), static_cast<QWidget*>(f.imgEmpty),
                                  static_cast<QWidget*>(f.imgTreasure)}) {
        const QRect box = holder->geometry();
        EXPECT_EQ(CountColour(shot, box, WindowColour), box.width() * box.height());
    }
    EXPECT_EQ(At(f.imgNoKnow->Picture(), 47, 47), Sand);
    EXPECT_EQ(At(f.imgEmpty->Picture(), 0, 47), Grass);
    EXPECT_EQ(At(f.imgTreasure->Picture(), 0, 0), Sand);
}

TEST_F(WindowLayout, AtStartUpTheBoardIsClosedAndNoGameRuns) {
    EXPECT_FALSE(core::GameRunning);
    EXPECT_FALSE(form().Timer1->isActive());
    EXPECT_EQ(form().Timer1->interval(), 1000);
    EXPECT_FALSE(form().sbtHint->isChecked());
    ClickCell(0, 0);
    EXPECT_EQ(form().lblHod->text(), QStringLiteral("Ход 0"));
    EXPECT_TRUE(cues().empty());
    EXPECT_EQ(At(ShotOf(Cell(0, 0)), 24, 24), Sand);
}

// Where the game draws its own caption bar, the frame carries the content's title above it, and
// the compositor's close request is the content's to grant or refuse.
TEST(CaptionBar, FramesItsContentUnderTheTitleAndPassesACloseRequestOn) {
    auto* content = new QWidget;  // the frame's own once framed
    content->setWindowTitle(QStringLiteral("Пелимор 2007.0"));
    content->setFixedSize(200, 100);
    bool refuse = true;
    struct Refusal : QObject {
        bool* refuse;
        explicit Refusal(bool* r) : refuse(r) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Close && *refuse) event->ignore();
            return event->type() == QEvent::Close && *refuse;
        }
    } refusal(&refuse);
    content->installEventFilter(&refusal);

    const std::unique_ptr<QWidget> frame = ui::FrameUnderCaption(*content);
    EXPECT_EQ(frame->windowTitle(), content->windowTitle());
    EXPECT_EQ(frame->size(), QSize(200, ui::CaptionBar::Height + 100));
    EXPECT_EQ(content->geometry(), QRect(0, ui::CaptionBar::Height, 200, 100));
    const auto* bar = frame->findChild<ui::CaptionBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 200, ui::CaptionBar::Height));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));

    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible() && content->isVisible()) << "the content refused";
    refuse = false;
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(frame->isVisible());
    content->removeEventFilter(&refusal);
}

}  // namespace
}  // namespace uitest

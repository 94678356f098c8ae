// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the window tests: the real window on the real platform, with silent sound,
// a scripted clock, boards drawn as text and notices answered by the test.
#include "tests/ui/GameWindow.h"

#include "core/Choices.h"
#include "core/GameState.h"
#include "core/Platform.h"
#include "tests/support/ResetCore.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/accessibility/Accessibility.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace uitest {

using testsupport::ResetCoreState;

namespace {

// How often a waiting notice is looked for, in milliseconds.
constexpr int NoticePollMs = 5;

}  // namespace

NoticeCatcher::NoticeCatcher(std::function<void()> whileOpen) : whileOpen_(std::move(whileOpen)) {
    poll_.setInterval(NoticePollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        bool icons = false;
        for (QAbstractButton* button : box->buttons()) icons = icons || !button->icon().isNull();
        const int spare = box->width() - box->fontMetrics().horizontalAdvance(box->windowTitle());
        seen.push_back({box->windowTitle(), box->text(), box->standardButtons(), box->icon(),
                        box->standardButton(box->defaultButton()), icons, spare});
        if (whileOpen_) whileOpen_();
        box->button(QMessageBox::Ok)->click();
    });
    poll_.start();
}

void GameWindow::SetUp() {
    ResetCoreState();
    ASSERT_TRUE(folder_.isValid());
    QDir(folder_.path()).mkdir(QStringLiteral("wav"));
    for (const std::string& cue : soundtest::kCueNames) {
        QFile file(folder_.filePath(QStringLiteral("wav/%1.wav").arg(QString::fromStdString(cue))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    auto sound = std::make_unique<soundtest::RecordingSound>();
    sound_ = sound.get();
    platform_ = std::make_unique<ui::QtPlatform>(std::move(sound));
    platform_->SetTickSource([this] { return now; });
    core::BindPlatform(*platform_);
    ui::InstallAccessibility();  // as the program does; silent until a test's screen reader listens
    platform_->StartWindows();
    form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
}

void GameWindow::TearDown() {
    platform_.reset();
    ResetCoreState();
    QDir::setCurrent(previousFolder_);
}

ui::TMyImage& GameWindow::Cell(int col, int row) const {
    return static_cast<ui::TMyImage&>(*core::Cells[col][row]);
}

QPoint GameWindow::CellPoint(int col, int row, QPoint offset) const {
    return Cell(col, row).mapTo(platform_->Form1(), offset);
}

QPoint GameWindow::CentreOf(const QWidget& widget) const {
    return widget.mapTo(platform_->Form1(), widget.rect().center());
}

void GameWindow::ClickWindow(QPoint at, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(form().windowHandle(), Qt::LeftButton, modifiers, at);
}

void GameWindow::ClickCell(int col, int row, Qt::KeyboardModifiers modifiers) {
    ClickWindow(CellPoint(col, row), modifiers);
}

void GameWindow::ClickButton(const QWidget& button) { ClickWindow(CentreOf(button)); }

void GameWindow::ChooseSide(int side) {
    for (QAction* item : form().PopupMenu1->actions()) {
        if (item->data().toInt() == side * core::SizeTagBase + side) item->trigger();
    }
}

QAction* GameWindow::SizeItem(const char* name) const {
    return platform_->Form1()->PopupMenu1->findChild<QAction*>(QString::fromLatin1(name));
}

QStringList GameWindow::CheckedSizes() const {
    QStringList names;
    for (QAction* item : platform_->Form1()->PopupMenu1->actions()) {
        if (item->isChecked()) names << item->objectName();
    }
    return names;
}

void GameWindow::ChooseFromMenu(const char* name) {
    QMenu& menu = *form().PopupMenu1;
    ClickButton(*form().sbtCreateNewSizeGame);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QAction* item = SizeItem(name);
    ASSERT_NE(item, nullptr) << name;
    QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {},
                      menu.actionGeometry(item).center());
    EXPECT_FALSE(menu.isVisible());
}

void GameWindow::PressWindow(QPoint at, Qt::MouseButton button) {
    QTest::mousePress(form().windowHandle(), button, {}, at);
}

void GameWindow::ReleaseWindow(QPoint at, Qt::MouseButton button) {
    QTest::mouseRelease(form().windowHandle(), button, {}, at);
}

void GameWindow::ClickPickerButton() { ClickButton(*form().sbtNumTreasures); }

void GameWindow::ClickPickerBackground() {
    const QPoint strip(picker().width() - 8, picker().height() / 2);
    QTest::mouseClick(picker().windowHandle(), Qt::LeftButton, {}, strip);
}

void GameWindow::DestroyWindows() { platform_.reset(); }

void GameWindow::StartOn(const std::vector<std::string>& rows) {
    int treasures = 0;
    for (const std::string& row : rows) {
        for (char c : row) treasures += c == 'T';
    }
    core::TreasureTotal = treasures;
    ClickButton(*form().sbtStartNewGame);
    for (int r = 0; r < core::BoardHeight; ++r) {
        for (int c = 0; c < core::BoardWidth; ++c) {
            core::Cells[c][r]->HasTreasure = rows.at(r).at(c) == 'T';
        }
    }
}

QImage GameWindow::Shot() const { return platform_->Form1()->grab().toImage(); }

QImage GameWindow::ShotOf(const QWidget& widget) const {
    const QRect box(widget.mapTo(platform_->Form1(), QPoint(0, 0)), widget.size());
    return platform_->Form1()->grab(box).toImage();
}

QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)).toRgb(); }

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += At(image, x, y) == colour;
    }
    return count;
}

int LeftmostInk(const QImage& image, const QRect& area, const QColor& ground) {
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (At(image, x, y) != ground) return x;
        }
    }
    return -1;
}

}  // namespace uitest

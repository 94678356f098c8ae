// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's platform operations on Qt: the main window, the cells, the clock, chance and sound.
#include "ui/QtPlatform.h"

#include "core/GameState.h"
#include "forms/Forms.h"
#include "ui/FormParts.h"
#include "ui/MyImage.h"
#include "ui/Notice.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/Watcher.h"
#include "ui/desktop/CaptionBar.h"
#include "ui/desktop/Desktop.h"

#include <QApplication>
#include <QGuiApplication>

#include <chrono>
#include <ctime>

namespace ui {

namespace {

TMyImage& WidgetOf(core::TCell& cell) { return static_cast<TMyImage&>(cell); }

}  // namespace

std::uint32_t BootTickCount() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

bool ControlKeyDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

QtPlatform::QtPlatform(std::unique_ptr<SoundOutput> sound)
    : sound_(std::move(sound)), ticks_(BootTickCount), ctrl_(ControlKeyDown) {}

QtPlatform::~QtPlatform() {
    form_.reset();  // with its picker
    frame_.reset();
}

void QtPlatform::SetLabelText(core::Label label, const std::string& text) {
    form_->ShowLabelText(label, Words(text));
}

bool QtPlatform::HintsOn() { return form_->sbtHint->isChecked(); }

bool QtPlatform::CtrlHeld() { return ctrl_(); }

void QtPlatform::StartWindows() {
    form_ = std::make_unique<TForm1>();
    form_->FormCreate();
    if (ThisDesktop().ownCaptionBar) frame_ = FrameUnderCaption(*form_);
}

void QtPlatform::RunEventLoop() {
    if (frame_) {
        frame_->show();
    } else {
        form_->show();
    }
    QApplication::exec();
}

void QtPlatform::CloseMainWindow() { form_->close(); }

void QtPlatform::LayoutBoard() {
    core::BoardLeft = forms::BoardOffset(form_->Panel1->width(), core::BoardWidth);
    core::BoardTop = forms::BoardOffset(form_->Panel1->height(), core::BoardHeight);
}

core::TCell* QtPlatform::NewCell(int col, int row) {
    QWidget* panel = form_->Panel1;
    auto* cell = new TMyImage(panel, col, row);
    cell->move(col * forms::CellPitch + core::BoardLeft, row * forms::CellPitch + core::BoardTop);
    // A cell added to a panel already on screen is not shown with it.
    if (panel->isVisible()) cell->show();
    return cell;
}

void QtPlatform::FreeCell(core::TCell* cell) {
    if (cell == nullptr) return;
    TMyImage* widget = &WidgetOf(*cell);
    if (widget->InClick()) {
        // Never delete a widget inside its own event handler: hide it now, free it after.
        widget->hide();
        widget->deleteLater();
        return;
    }
    delete widget;
}

void QtPlatform::SetCellPicture(core::TCell& cell, core::Picture picture) {
    WidgetOf(cell).SetPicture(picture, form_->HolderOf(picture));
}

void QtPlatform::DrawCellText(core::TCell& cell, int x, int y, const std::string& text,
                              core::Rgb colour) {
    WidgetOf(cell).DrawText(x, y, Words(text), QColor(colour.r, colour.g, colour.b));
}

void QtPlatform::SetClockEnabled(bool on) {
    QTimer* timer = form_->Timer1;
    if (!on) {
        timer->stop();
    } else if (!timer->isActive()) {
        timer->start();  // start() on a running timer would restart its second
    }
}

std::uint32_t QtPlatform::TickCount() { return ticks_(); }

void QtPlatform::SeedRandom() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    random_.seed(static_cast<std::mt19937::result_type>(now));
}

int QtPlatform::RandomBelow(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

void QtPlatform::PlayCue(const std::string& name) { PlayCueFrom(*sound_, name); }

void QtPlatform::ShowNotice(const std::string& text, const std::string& title,
                            core::NoticeButtons buttons) {
    Watching().NoticeOpens();
    RunNotice(form_.get(), Words(text), Words(title),
              buttons == core::NoticeButtons::OkCancel);
}

}  // namespace ui

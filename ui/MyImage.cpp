// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A board cell on screen: a 48 x 48 picture in the board panel that carries the cell record.
#include "ui/MyImage.h"

#include "core/OpenCell.h"
#include "forms/Forms.h"
#include "ui/CellNumbers.h"
#include "ui/PictureHolder.h"
#include "ui/ScaledPicture.h"
#include "ui/Watcher.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

TMyImage::TMyImage(QWidget* panel, int col, int row) : QWidget(panel) {
    Col = col;
    Row = row;
    Opened = false;
    HasTreasure = false;
    LineCount = -1;
    resize(forms::CellSide, forms::CellSide);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void TMyImage::SetPicture(core::Picture which, const PictureHolder& source) {
    SetPicture(which, source.Picture());
    source_ = &source;
}

void TMyImage::SetPicture(core::Picture which, const QImage& picture) {
    picture_ = picture;  // shared until drawn on, then the cell's own
    source_ = nullptr;
    drawn_.Forget();
    shown_ = which;
    // With a picture the cell covers itself; before, the panel shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    update();
}

void TMyImage::DrawText(int x, int y, const QString& text, const QColor& colour) {
    if (picture_.isNull()) return;
    drawn_.Draw(picture_, x, y, text, colour.rgba());
    update();
}

QString TMyImage::ShownNumber() const { return drawn_.Last(); }

void TMyImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    if (source_ != nullptr &&
        picture_.devicePixelRatio() != PictureScaleFor(devicePixelRatio())) {
        picture_ = source_->Picture();
        drawn_.DrawAgainOn(picture_);
    }
    QPainter painter(this);
    DrawPicture(painter, QPoint(0, 0), picture_);
}

void TMyImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TMyImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    // The release comes here even off the cell; only a release on it is a click.
    if (rect().contains(event->position().toPoint())) Click();
}

void TMyImage::mouseDoubleClickEvent(QMouseEvent*) {
    // A double-click's second press arrives only as this; ignored, so a double-click counts once.
}

void TMyImage::Click() {
    // A cell freed by its own click outlives the click (see FreeCell), so the flag can be cleared.
    inClick_ = true;
    Watching().MoveBegins(*this);
    core::CellClick(*this);
    inClick_ = false;
    Watching().MoveEnds(*this);
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A flat image button: no frame until the mouse is over it, a colour-keyed glyph, a hand cursor.
#include "ui/FlatImageButton.h"

#include <QBrush>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace ui {

namespace {

constexpr int PressShift = 1;  // right and down, when pressed or held down

bool IsStrip(const QImage& glyph) {
    return glyph.height() > 0 && glyph.width() == FlatImageButton::StripFrames * glyph.height();
}

// The same whatever the scale it was drawn for: 39 pixels at 125 % are drawn 49 wide.
int LogicalSide(const QPixmap& picture) {
    return qRound(picture.width() / picture.devicePixelRatio());
}

}  // namespace

FlatImageButton::FlatImageButton(QWidget* parent, const QString& glyph, const QString& hint)
    : QAbstractButton(parent), glyph_(glyph) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(hint);
}

FlatImageButton::Frame FlatImageButton::CurrentFrame() const {
    if (!isEnabled()) return FrameDisabled;
    if (isDown()) return FramePressed;
    if (isChecked()) return FrameHeldDown;
    return FrameUp;
}

const QPixmap& FlatImageButton::Prepared(Frame frame) {
    const QImage& glyph = glyph_.For(devicePixelRatio());
    if (glyph.devicePixelRatio() != preparedScale_) {
        prepared_ = {};
        preparedScale_ = glyph.devicePixelRatio();
    }
    // A single image stands for every state, so it is prepared once, in the first slot.
    const int slot = IsStrip(glyph) ? frame : FrameUp;
    QPixmap& pixmap = prepared_[static_cast<std::size_t>(slot)];
    if (pixmap.isNull() && !glyph.isNull()) {
        const int side = glyph.height();
        pixmap = KeyedPixmap(IsStrip(glyph) ? glyph.copy(slot * side, 0, side, side) : glyph);
    }
    return pixmap;
}

void FlatImageButton::PaintEdge(QPainter& painter, bool sunken) const {
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor topLeft = sunken ? dark : light;
    const QColor bottomRight = sunken ? light : dark;
    const int r = width() - 1;
    const int b = height() - 1;
    painter.setPen(topLeft);
    painter.drawLine(0, 0, r - 1, 0);
    painter.drawLine(0, 0, 0, b - 1);
    painter.setPen(bottomRight);
    painter.drawLine(0, b, r, b);
    painter.drawLine(r, 0, r, b);
}

void FlatImageButton::PaintChecker(QPainter& painter) const {
    // Behind a toggle left down: a checker one screen pixel a square at every scale.
    QImage pattern(2, 2, QImage::Format_RGB32);
    pattern.setDevicePixelRatio(devicePixelRatio());
    const QRgb face = palette().color(QPalette::Button).rgb();
    const QRgb highlight = palette().color(QPalette::Light).rgb();
    pattern.setPixel(0, 0, face);
    pattern.setPixel(1, 1, face);
    pattern.setPixel(1, 0, highlight);
    pattern.setPixel(0, 1, highlight);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), QBrush(pattern));
}

void FlatImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    if (isChecked() && !isDown() && !hovered_) PaintChecker(painter);
    if (sunken) {
        PaintEdge(painter, true);
    } else if (hovered_) {
        PaintEdge(painter, false);
    }
    const QPixmap& picture = Prepared(CurrentFrame());
    if (picture.isNull()) return;
    const int shift = sunken ? PressShift : 0;
    const int side = LogicalSide(picture);
    DrawPicture(painter, QPoint((width() - side) / 2 + shift, (height() - side) / 2 + shift),
                picture);
}

void FlatImageButton::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button());
    QAbstractButton::mousePressEvent(event);
}

void FlatImageButton::Press() {
    const QPointer<FlatImageButton> alive(this);
    emit mouseDown(Qt::LeftButton);
    if (alive) click();
}

void FlatImageButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatImageButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A board cell on screen: a 48 x 48 picture in the board panel that carries the cell record.
#include "ui/MyImage.h"

#include "core/OpenCell.h"
#include "ui/AccessibleBoard.h"
#include "ui/CellFont.h"

#include <QFontMetrics>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// A number drawn on a picture: the picture as it was (its cache key names its pixels), and the
// text with its place and colour.
struct DrawnNumber {
    qint64 picture;
    int x, y;
    QRgb colour;
    QString text;
    friend bool operator==(const DrawnNumber&, const DrawnNumber&) = default;
};

size_t qHash(const DrawnNumber& key, size_t seed = 0) {
    return qHashMulti(seed, key.picture, key.x, key.y, key.colour, key.text);
}

// Finished pictures by the number drawn on them. A hint deduction redraws the same few numbers
// on the same few pictures thousands of times in one click; each is drawn once and shared, so
// the pixels are exactly those of drawing it directly. Bounded (about 9 KB a picture): a full
// cache starts over.
constexpr qsizetype DrawnNumbersKept = 256;
QHash<DrawnNumber, QImage>& DrawnNumbers() {
    static QHash<DrawnNumber, QImage> drawn;
    return drawn;
}

void DrawOnto(QImage& picture, int x, int y, const QString& text, const QColor& colour) {
    QPainter painter(&picture);
    const QFont& font = CellNumberFont();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
}

}  // namespace

TMyImage::TMyImage(QWidget* panel, int col, int row) : QWidget(panel) {
    Col = col;
    Row = row;
    Opened = false;
    HasTreasure = false;
    LineCount = -1;
    resize(CellSide, CellSide);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void TMyImage::SetPicture(core::Picture which, const QImage& picture) {
    picture_ = picture;  // shared until drawn on, then the cell's own
    shown_ = which;
    number_.clear();
    // With a picture the cell covers itself; before, the panel shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    update();
    CellLookChanged(*this);
}

void TMyImage::DrawText(int x, int y, const QString& text, const QColor& colour) {
    if (picture_.isNull()) return;
    QHash<DrawnNumber, QImage>& drawn = DrawnNumbers();
    const DrawnNumber key{picture_.cacheKey(), x, y, colour.rgba(), text};
    if (const auto found = drawn.constFind(key); found != drawn.cend()) {
        picture_ = *found;
    } else {
        const QImage before = picture_;
        DrawOnto(picture_, x, y, text, colour);
        // A number drawn over itself often enough stops changing a pixel; keeping the picture
        // it was drawn on then ends the chain of ever new pictures at that one.
        if (picture_ == before) picture_ = before;
        if (drawn.size() >= DrawnNumbersKept) drawn.clear();
        drawn.insert(key, picture_);
    }
    number_ = text;
    update();
    CellLookChanged(*this);
}

void TMyImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void TMyImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TMyImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    // The release comes here even off the cell; only a release on the cell is a click.
    if (rect().contains(event->position().toPoint())) Click();
}

void TMyImage::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click arrives as this event alone. Passed on as a press,
    // the default, it would make a second click; a double-click counts once.
}

void TMyImage::Click() {
    // A cell freed by its own click outlives the click (see FreeCell), so the flag can be cleared.
    inClick_ = true;
    core::CellClick(*this);
    inClick_ = false;
}

}  // namespace ui

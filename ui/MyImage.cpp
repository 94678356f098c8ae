// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A board cell on screen: a 48 x 48 picture in the board panel that carries the cell record.
#include "ui/MyImage.h"

#include "core/OpenCell.h"
#include "ui/AccessibleBoard.h"
#include "ui/AccessibleControls.h"
#include "ui/CellFont.h"
#include "ui/PictureHolder.h"
#include "ui/ScaledPicture.h"

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
// the pixels are exactly those of drawing it directly. Bounded (about 9 KB a picture at 100 %,
// 36 KB at 200 %; the dearest click fills all 256 places at any scale): a full cache starts over.
constexpr qsizetype DrawnNumbersKept = 256;
QHash<DrawnNumber, QImage>& DrawnNumbers() {
    static QHash<DrawnNumber, QImage> drawn;
    return drawn;
}

void DrawOnto(QImage& picture, int x, int y, const QString& text, const QColor& colour) {
    // On a picture drawn for a larger scale the painter works in logical pixels and the digits
    // come out at the picture's own resolution.
    QPainter painter(&picture);
    const QFont& font = CellNumberFont();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
}

// The number on a picture: the finished picture from the cache, or drawn and then kept there.
void DrawNumber(QImage& picture, int x, int y, const QString& text, QRgb colour) {
    QHash<DrawnNumber, QImage>& drawn = DrawnNumbers();
    const DrawnNumber key{picture.cacheKey(), x, y, colour, text};
    if (const auto found = drawn.constFind(key); found != drawn.cend()) {
        picture = *found;
        return;
    }
    const QImage before = picture;
    DrawOnto(picture, x, y, text, QColor::fromRgba(colour));
    // A number drawn over itself often enough stops changing a pixel; keeping the picture it
    // was drawn on then ends the chain of ever new pictures at that one.
    if (picture == before) picture = before;
    if (drawn.size() >= DrawnNumbersKept) drawn.clear();
    drawn.insert(key, picture);
}

// The texts a cell remembers to draw again at another scale. A cell gets one number, redrawn
// over itself by the hint deduction; anything longer is only ever a test's doing, and such a cell
// keeps its picture as it is, enlarged or reduced by Qt.
constexpr std::size_t DrawnTextsKept = 16;

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

void TMyImage::SetPicture(core::Picture which, const PictureHolder& source) {
    SetPicture(which, source.Picture());
    source_ = &source;
}

void TMyImage::SetPicture(core::Picture which, const QImage& picture) {
    picture_ = picture;  // shared until drawn on, then the cell's own
    source_ = nullptr;
    drawn_.clear();
    shown_ = which;
    // With a picture the cell covers itself; before, the panel shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    update();
    CellLookChanged(*this);
}

void TMyImage::DrawText(int x, int y, const QString& text, const QColor& colour) {
    if (picture_.isNull()) return;
    DrawNumber(picture_, x, y, text, colour.rgba());
    if (!drawn_.empty() && drawn_.back().x == x && drawn_.back().y == y &&
        drawn_.back().colour == colour.rgba() && drawn_.back().text == text) {
        ++drawn_.back().times;
    } else if (drawn_.size() < DrawnTextsKept) {
        drawn_.push_back({x, y, text, colour.rgba(), 1});
    } else {
        drawn_.back() = {x, y, text, colour.rgba(), 1};  // what shows last, no longer redrawable
        source_ = nullptr;
    }
    update();
    CellLookChanged(*this);
}

QString TMyImage::ShownNumber() const { return drawn_.empty() ? QString() : drawn_.back().text; }

void TMyImage::Redraw() {
    picture_ = source_->Picture();
    for (const DrawnText& text : drawn_) {
        for (int i = 0; i < text.times; ++i) {
            DrawNumber(picture_, text.x, text.y, text.text, text.colour);
        }
    }
}

void TMyImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    if (source_ != nullptr &&
        picture_.devicePixelRatio() != PictureScaleFor(devicePixelRatio())) {
        Redraw();  // the window is on a screen of another scale now
    }
    QPainter painter(this);
    DrawPicture(painter, QPoint(0, 0), picture_);
}

void TMyImage::mousePressEvent(QMouseEvent* event) {
    // A screen reader's second try at its click is no second click.
    if (event->button() == Qt::LeftButton && !RepeatedByScreenReader(*this)) pressed_ = true;
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
    CellMoveBegins(*this);
    core::CellClick(*this);
    inClick_ = false;
    CellMoveEnded(*this);
}

}  // namespace ui

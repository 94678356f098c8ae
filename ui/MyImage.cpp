// A board cell on screen: a 48 x 48 picture in the board panel that carries the cell record.
#include "ui/MyImage.h"

#include "core/OpenCell.h"
#include "ui/CellFont.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

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

void TMyImage::SetPicture(const QImage& picture) {
    picture_ = picture;  // shared until drawn on, then the cell's own
    // With a picture the cell covers itself; before, the panel shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    update();
}

void TMyImage::DrawText(int x, int y, const QString& text, const QColor& colour) {
    if (picture_.isNull()) return;
    QPainter painter(&picture_);
    const QFont& font = CellNumberFont();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
    painter.end();
    update();
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

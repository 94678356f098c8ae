// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture holder of the main window: the source the cells copy their pictures from.
#include "ui/PictureHolder.h"


#include <QPainter>

namespace ui {

PictureHolder::PictureHolder(QWidget* parent, const QString& picture)
    : QWidget(parent), picture_(picture, QImage::Format_RGB32) {
    setFocusPolicy(Qt::NoFocus);
}

const QImage& PictureHolder::Picture() const { return picture_.For(devicePixelRatio()); }

void PictureHolder::paintEvent(QPaintEvent*) {
    const QImage& picture = Picture();
    if (picture.cacheKey() != keyedFrom_) {
        keyed_ = KeyedPixmap(picture);
        keyedFrom_ = picture.cacheKey();
    }
    QPainter painter(this);
    DrawPicture(painter, QPoint(0, 0), keyed_);
}

}  // namespace ui

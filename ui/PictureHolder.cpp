// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture holder of the main window: the source the cells copy their pictures from.
#include "ui/PictureHolder.h"

#include "ui/ColourKey.h"

#include <QPainter>

namespace ui {

PictureHolder::PictureHolder(QWidget* parent, const QImage& picture)
    : QWidget(parent),
      picture_(picture.convertToFormat(QImage::Format_RGB32)),
      keyed_(KeyedPixmap(picture_)) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureHolder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, keyed_);
}

}  // namespace ui

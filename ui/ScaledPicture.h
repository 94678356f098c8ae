// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures at the screen's scale: each is drawn for 100 % to 300 %, and shown as drawn.
#pragma once

#include "PictureScales.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QString>

namespace ui {

// The display scales every picture is drawn for are PictureScales, smallest first:
// ":/assets/<name>.png" at 1, "<name>@1.25x.png" and the like beside it.

// The drawn scale a screen of this device pixel ratio shows: the nearest at or above the ratio,
// which Qt reduces to it where they differ; past the largest, the largest, enlarged.
qreal PictureScaleFor(qreal ratio);

// The picture drawn for `scale`, its device pixel ratio set to the scale, so that it covers the
// same logical pixels at every scale.
QImage LoadPicture(const QString& name, qreal scale);

// Draws a picture at its logical size with its top-left corner at `at`: pixel for pixel where it
// was drawn for the device's pixel ratio, smoothly reduced or enlarged where it was not.
void DrawPicture(QPainter& painter, QPoint at, const QImage& picture);
void DrawPicture(QPainter& painter, QPoint at, const QPixmap& picture);

// The taskbar's icon of the game: the 64-pixel icon, with its drawing for the scale of the
// sharpest screen (`ratio`) where that is above 100 %.
QIcon WindowIcon(qreal ratio);

// One of the game's pictures, loaded for the scale its screen asks for and kept until a screen of
// another scale asks: a window moved to another screen shows that screen's drawing.
class ScaledPicture {
public:
    // `format`: what the picture is converted to once loaded; QImage::Format_Invalid keeps it as
    // stored.
    explicit ScaledPicture(QString name, QImage::Format format = QImage::Format_Invalid);

    // The picture for a screen of this device pixel ratio.
    const QImage& For(qreal ratio);

private:
    QString name_;
    QImage::Format format_;
    qreal scale_ = 0;
    QImage picture_;
};

}  // namespace ui

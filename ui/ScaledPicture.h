// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures: drawn for each scale from 100 % to 300 %, shown as drawn, colour-keyed.
#pragma once

#include "PictureScales.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QString>

namespace ui {

// Each picture is ":/assets/<name>.png" at 1 and "<name>@1.25x.png" and the like beside it, for
// each of PictureScales.

// The drawn scale a screen of this ratio shows: the nearest at or above it, which Qt reduces;
// past the largest, the largest, enlarged.
qreal PictureScaleFor(qreal ratio);

// The picture drawn for `scale`, with that device pixel ratio: the same logical size at any scale.
QImage LoadPicture(const QString& name, qreal scale);

// Draws a picture at its logical size, its top-left at `at`: pixel for pixel where it was drawn
// for the device's ratio, smoothly resampled where it was not.
void DrawPicture(QPainter& painter, QPoint at, const QImage& picture);
void DrawPicture(QPainter& painter, QPoint at, const QPixmap& picture);

// The picture with exactly the pixels of its key colour, its bottom-left pixel's, transparent.
QPixmap KeyedPixmap(const QImage& picture);

// The taskbar's 64-pixel icon, with its drawing for the sharpest screen's `ratio` above 100 %.
QIcon WindowIcon(qreal ratio);

// A picture loaded for the scale its screen asks for, kept until a screen of another scale asks.
class ScaledPicture {
public:
    // `format`: what the loaded picture is converted to; QImage::Format_Invalid keeps it.
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

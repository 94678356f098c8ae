// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures: drawn for each scale from 100 % to 300 %, shown as drawn, colour-keyed.
#include "ui/ScaledPicture.h"

#include <QPaintDevice>

#include <utility>

namespace ui {

namespace {

// Ratios come from divisions such as 120 / 96 dots per inch.
constexpr qreal ScaleTolerance = 1e-6;

bool SameScale(qreal a, qreal b) { return qAbs(a - b) < ScaleTolerance; }

QString PicturePath(const QString& name, qreal scale) {
    const QString path = QStringLiteral(":/assets/") + name;
    if (SameScale(scale, 1.0)) return path + QStringLiteral(".png");
    return path + QLatin1Char('@') + QString::number(scale) + QStringLiteral("x.png");
}

void DrawAt(QPainter& painter, QPoint at, const QImage& picture) { painter.drawImage(at, picture); }
void DrawAt(QPainter& painter, QPoint at, const QPixmap& picture) {
    painter.drawPixmap(at, picture);
}

template <typename Picture>
void Draw(QPainter& painter, QPoint at, const Picture& picture) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr || SameScale(device->devicePixelRatio(), picture.devicePixelRatio())) {
        // Qt places a picture of the device's own ratio on whole device pixels, unresampled,
        // also where the logical point falls between two of them (at 125 % and 150 %).
        DrawAt(painter, at, picture);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawAt(painter, at, picture);
    painter.restore();
}

}  // namespace

qreal PictureScaleFor(qreal ratio) {
    for (qreal scale : PictureScales) {
        if (ratio <= scale + ScaleTolerance) return scale;
    }
    return PictureScales.back();
}

QImage LoadPicture(const QString& name, qreal scale) {
    QImage picture(PicturePath(name, scale));
    picture.setDevicePixelRatio(scale);
    return picture;
}

void DrawPicture(QPainter& painter, QPoint at, const QImage& picture) {
    Draw(painter, at, picture);
}

void DrawPicture(QPainter& painter, QPoint at, const QPixmap& picture) {
    Draw(painter, at, picture);
}

QPixmap KeyedPixmap(const QImage& picture) {
    if (picture.isNull()) return {};
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            // A shade one step off the key is part of the drawing; a picture's own transparency
            // stays.
            if (line[x] == key) line[x] = 0;
        }
    }
    return QPixmap::fromImage(keyed);
}

QIcon WindowIcon(qreal ratio) {
    constexpr char Name[] = "icon64";
    QIcon icon(PicturePath(QString::fromLatin1(Name), 1.0));
    const qreal scale = PictureScaleFor(ratio);
    if (!SameScale(scale, 1.0)) icon.addFile(PicturePath(QString::fromLatin1(Name), scale));
    return icon;
}

ScaledPicture::ScaledPicture(QString name, QImage::Format format)
    : name_(std::move(name)), format_(format) {}

const QImage& ScaledPicture::For(qreal ratio) {
    const qreal scale = PictureScaleFor(ratio);
    if (!SameScale(scale, scale_)) {
        picture_ = LoadPicture(name_, scale);
        if (format_ != QImage::Format_Invalid) picture_ = picture_.convertToFormat(format_);
        scale_ = scale;
    }
    return picture_;
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: a cheerful treasure hunter in a pirate's striped shirt, leaning on a
// spade, on a transparent ground with hard edges.
#include "picture_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {

namespace {

constexpr double IconUnits = 64.0;   // the figure is laid out on a 64 x 64 grid
constexpr int SmoothSource = 256;    // smaller icons are reduced from this size
const QColor Ink(0x2A, 0x18, 0x10);  // the outline of every part

void outlined(QPainter &p, const QPainterPath &path, const QBrush &brush, double ink = 1.3)
{
    p.setPen(QPen(Ink, ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

QBrush shaded(QPointF from, QPointF to, const QColor &light, const QColor &dark)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, dark);
    return g;
}

void drawSpade(QPainter &p)
{
    QPainterPath handle;
    handle.addRoundedRect(QRectF(47.0, 12.0, 3.4, 38.0), 1.2, 1.2);
    outlined(p, handle, shaded({47, 0}, {50.4, 0}, QColor(0xD8, 0xA0, 0x60), QColor(0x8A, 0x58, 0x28)));
    QPainterPath grip;
    grip.addRoundedRect(QRectF(43.6, 8.6, 10.2, 3.8), 1.8, 1.8);
    outlined(p, grip, shaded({0, 8.6}, {0, 12.4}, QColor(0xC8, 0x90, 0x50), QColor(0x7A, 0x4A, 0x20)));
    QPainterPath blade;
    blade.moveTo(42.6, 48.0);
    blade.lineTo(54.8, 48.0);
    blade.lineTo(54.4, 56.0);
    blade.quadTo(53.6, 60.6, 48.7, 62.6);
    blade.quadTo(43.8, 60.6, 43.0, 56.0);
    blade.closeSubpath();
    outlined(p, blade, shaded({43, 48}, {55, 62}, QColor(0xF0, 0xF4, 0xF8), QColor(0x78, 0x84, 0x94)));
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45.2, 50.4), QPointF(45.6, 56.4));
}

void drawLegs(QPainter &p)
{
    const QBrush cloth = shaded({20, 44}, {36, 56}, QColor(0x4A, 0x6C, 0xD0), QColor(0x1E, 0x30, 0x7A));
    QPainterPath legs;
    legs.addRoundedRect(QRectF(20.4, 43.0, 7.0, 13.6), 1.5, 1.5);
    legs.addRoundedRect(QRectF(29.0, 43.0, 7.0, 13.6), 1.5, 1.5);
    outlined(p, legs.simplified(), cloth);
    const QBrush leather = shaded({0, 54}, {0, 62}, QColor(0x7A, 0x4A, 0x26), QColor(0x30, 0x1A, 0x0C));
    QPainterPath boots;
    boots.moveTo(19.6, 54.6);
    boots.lineTo(27.6, 54.6);
    boots.lineTo(27.8, 61.6);
    boots.lineTo(14.8, 61.6);
    boots.quadTo(14.4, 58.0, 19.6, 57.6);
    boots.closeSubpath();
    boots.moveTo(28.8, 54.6);
    boots.lineTo(36.8, 54.6);
    boots.lineTo(36.8, 57.6);
    boots.quadTo(42.0, 58.0, 41.6, 61.6);
    boots.lineTo(28.6, 61.6);
    boots.closeSubpath();
    outlined(p, boots, leather);
}

void drawBody(QPainter &p)
{
    QPainterPath shirt;
    shirt.moveTo(21.0, 28.4);
    shirt.lineTo(35.4, 28.4);
    shirt.quadTo(38.6, 29.0, 38.0, 34.0);
    shirt.lineTo(37.0, 45.4);
    shirt.lineTo(19.4, 45.4);
    shirt.lineTo(18.4, 34.0);
    shirt.quadTo(17.8, 29.0, 21.0, 28.4);
    shirt.closeSubpath();
    outlined(p, shirt, QColor(0xF8, 0xF4, 0xEC));
    // Red stripes, clipped to the shirt, then a shadow down its right side.
    p.save();
    p.setClipPath(shirt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0x24, 0x20));
    for (double y = 30.6; y < 45.0; y += 4.4)
        p.drawRect(QRectF(16, y, 24, 2.2));
    p.setBrush(QColor(0x40, 0x10, 0x30, 60));
    p.drawRect(QRectF(32.6, 28, 8, 18));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shirt);
    // Belt and golden buckle.
    QPainterPath belt;
    belt.addRect(QRectF(19.2, 41.6, 18.0, 3.6));
    outlined(p, belt, QColor(0x4A, 0x2A, 0x14), 1.0);
    QPainterPath buckle;
    buckle.addRoundedRect(QRectF(25.6, 40.8, 5.2, 5.2), 1.0, 1.0);
    outlined(p, buckle, shaded({25.6, 40.8}, {30.8, 46}, QColor(0xFF, 0xEE, 0x70), QColor(0xC8, 0x8C, 0x10)), 1.0);
}

void drawArms(QPainter &p)
{
    const QColor skin(0xF4, 0xC4, 0x98);
    // The left arm rests a fist on the hip; the right one reaches out to hold the spade.
    QPainterPath left;
    left.moveTo(20.0, 31.0);
    left.quadTo(13.4, 35.0, 15.4, 41.0);
    QPainterPath right;
    right.moveTo(36.4, 31.0);
    right.quadTo(42.0, 33.0, 46.6, 30.4);
    for (const QPainterPath *arm : {&left, &right}) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(*arm);
        p.setPen(QPen(QColor(0xF8, 0xF4, 0xEC), 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(*arm);
    }
    QPainterPath hands;
    hands.addEllipse(QPointF(16.4, 42.0), 3.0, 3.0);
    hands.addEllipse(QPointF(48.6, 30.0), 3.0, 3.0);
    outlined(p, hands, skin, 1.1);
}

void drawHead(QPainter &p)
{
    QPainterPath face;
    face.addEllipse(QPointF(28.2, 19.6), 9.8, 9.4);
    QRadialGradient skin(QPointF(28.2, 19.6), 10.0, QPointF(25.6, 16.6));
    skin.setColorAt(0.0, QColor(0xFF, 0xDC, 0xB8));
    skin.setColorAt(1.0, QColor(0xE2, 0xA4, 0x74));
    outlined(p, face, skin);
    // A patch over the left eye, on a band across the brow; a bright right eye; a grin.
    p.setPen(QPen(Ink, 1.0));
    p.drawLine(QPointF(19.2, 16.0), QPointF(36.6, 22.4));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(24.4, 19.8), 3.0, 2.6);
    p.drawEllipse(QPointF(31.8, 19.2), 1.9, 2.3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32.4, 18.4), 0.8, 0.8);
    p.setBrush(QColor(0xF0, 0x70, 0x70, 130));
    p.drawEllipse(QPointF(34.6, 23.4), 2.0, 1.3);
    p.setPen(QPen(Ink, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(23.4, 18.8, 10.0, 7.6), 205 * 16, 120 * 16);
}

void drawHat(QPainter &p)
{
    QPainterPath crown;
    crown.moveTo(19.4, 12.4);
    crown.quadTo(19.0, 3.0, 28.4, 2.6);
    crown.quadTo(37.8, 3.0, 37.4, 12.4);
    crown.closeSubpath();
    outlined(p, crown, shaded({20, 2}, {37, 13}, QColor(0x4A, 0x3A, 0x34), QColor(0x16, 0x10, 0x0E)));
    // The skull-and-bones badge of a pirate, small and friendly.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xF0, 0xE4));
    p.drawEllipse(QPointF(28.4, 7.4), 2.2, 2.0);
    p.setPen(QPen(QColor(0xF4, 0xF0, 0xE4), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25.6, 9.0), QPointF(31.2, 11.0));
    p.drawLine(QPointF(25.6, 11.0), QPointF(31.2, 9.0));
    QPainterPath brim;
    brim.addEllipse(QRectF(14.0, 10.2, 28.8, 6.4));
    outlined(p, brim, shaded({14, 10}, {42, 17}, QColor(0x5C, 0x48, 0x40), QColor(0x1C, 0x14, 0x10)));
    QPainterPath band;
    band.addRect(QRectF(19.6, 10.0, 17.6, 2.4));
    outlined(p, band, QColor(0xD0, 0x28, 0x20), 0.9);
}

void drawFigure(QPainter &p)
{
    drawSpade(p);
    drawLegs(p);
    drawBody(p);
    drawArms(p);
    drawHead(p);
    drawHat(p);
}

// Every pixel ends up fully transparent or fully opaque: half-covered edge pixels keep their
// own colour rather than a blend with some background the icon may never be shown on.
QImage hardEdged(const QImage &soft)
{
    QImage out = soft.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            out.setPixel(x, y, qAlpha(c) >= 128 ? qRgba(qRed(c), qGreen(c), qBlue(c), 255) : 0);
        }
    return out;
}

QImage drawnAt(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    smooth(p);
    p.scale(size / IconUnits, size / IconUnits);
    drawFigure(p);
    p.end();
    return image;
}

} // namespace

QImage makeIcon(int size)
{
    if (size >= int(IconUnits))
        return hardEdged(drawnAt(size));
    // Small icons: thin lines would break up if drawn directly, so reduce a large drawing.
    return hardEdged(drawnAt(SmoothSource).scaled(size, size, Qt::IgnoreAspectRatio,
                                                  Qt::SmoothTransformation));
}

} // namespace pictures

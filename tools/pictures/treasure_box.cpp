// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure box: a closed wooden chest seen from above at three quarters, tied with straps.
#include "picture_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace pictures {

namespace {

// Corners of the lid, a parallelogram: back, left, right; the front corner follows from them.
// The box stands BoxHeight tall below the lid. Everything stays inside x 6..42, y 6..43, so the
// cell keeps a sand margin of at least five pixels on every side.
const QPointF Back(25.0, 6.6);
const QPointF Left(6.6, 12.2);
const QPointF Right(41.4, 13.0);
const QPointF Front = Left + Right - Back;   // (23.0, 18.6)
constexpr double BoxHeight = 23.6;
const QPointF Down(0.0, BoxHeight);

constexpr double StrapHalf = 0.085;   // half a strap's width, as a fraction of a lid side

// A point of the lid: u runs from the back towards the left corner, v towards the right.
QPointF lid(double u, double v)
{
    return Back + u * (Left - Back) + v * (Right - Back);
}

// A point of the left face: s runs from the left corner to the front, t from the top down.
QPointF leftFace(double s, double t)
{
    return Left + s * (Front - Left) + t * Down;
}

// A point of the right face: s runs from the front corner to the right, t from the top down.
QPointF rightFace(double s, double t)
{
    return Front + s * (Right - Front) + t * Down;
}

template <typename Map>
QPolygonF patch(Map map, double s0, double s1, double t0, double t1)
{
    return QPolygonF{map(s0, t0), map(s1, t0), map(s1, t1), map(s0, t1)};
}

void fill(QPainter &p, const QPolygonF &shape, const QBrush &brush)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPolygon(shape);
}

void line(QPainter &p, QPointF a, QPointF b, const QColor &colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void drawLid(QPainter &p)
{
    QLinearGradient wood(Back, Front);
    wood.setColorAt(0.0, QColor(0xF0, 0xCB, 0x8E));
    wood.setColorAt(1.0, QColor(0xB8, 0x7E, 0x44));
    fill(p, patch(lid, 0, 1, 0, 1), wood);
    // Planks run from the left edge to the right one; their seams are faint darker lines.
    for (double u : {0.27, 0.73})
        line(p, lid(u, 0.02), lid(u, 0.98), QColor(0xA8, 0x72, 0x3E, 150), 0.7);
    // The straps cross the lid, each with a lit upper edge.
    const QColor strap(0x3A, 0x22, 0x12);
    fill(p, patch(lid, 0.5 - StrapHalf, 0.5 + StrapHalf, 0, 1), strap);
    fill(p, patch(lid, 0, 1, 0.5 - StrapHalf, 0.5 + StrapHalf), strap);
    const QColor glint(0x8A, 0x5E, 0x38);
    line(p, lid(0.5 - StrapHalf, 0.04), lid(0.5 - StrapHalf, 0.96), glint, 0.6);
    line(p, lid(0.04, 0.5 - StrapHalf), lid(0.96, 0.5 - StrapHalf), glint, 0.6);
    // The knot where the straps cross.
    fill(p, patch(lid, 0.5 - 1.5 * StrapHalf, 0.5 + 1.5 * StrapHalf,
                  0.5 - 1.5 * StrapHalf, 0.5 + 1.5 * StrapHalf), QColor(0x2A, 0x17, 0x0B));
    fill(p, patch(lid, 0.5 - 0.7 * StrapHalf, 0.5, 0.5 - 0.7 * StrapHalf, 0.5),
         QColor(0x7A, 0x50, 0x2C));
}

void drawLeftFace(QPainter &p)
{
    QLinearGradient wood(Left, Front);
    wood.setColorAt(0.0, QColor(0x7E, 0x4A, 0x22));
    wood.setColorAt(1.0, QColor(0x96, 0x5A, 0x2A));
    fill(p, patch(leftFace, 0, 1, 0, 1), wood);
    // A lighter plank near the front corner, where the light falls.
    fill(p, patch(leftFace, 0.70, 0.88, 0, 1), QColor(0xB4, 0x76, 0x3C));
    // The lid's rim: a darker band along the top of the face.
    fill(p, patch(leftFace, 0, 1, 0, 0.16), QColor(0x6A, 0x3C, 0x1A));
    line(p, leftFace(0, 0.16), leftFace(1, 0.16), QColor(0x3E, 0x22, 0x0E), 0.8);
    // The strap runs straight down the face.
    fill(p, patch(leftFace, 0.5 - StrapHalf, 0.5 + StrapHalf, 0, 1), QColor(0x34, 0x1E, 0x0F));
    line(p, leftFace(0.5 - StrapHalf, 0), leftFace(0.5 - StrapHalf, 1), QColor(0x6E, 0x44, 0x24),
         0.6);
}

void drawRightFace(QPainter &p)
{
    QLinearGradient shade(Front, Right);
    shade.setColorAt(0.0, QColor(0x3A, 0x22, 0x12));
    shade.setColorAt(1.0, QColor(0x22, 0x13, 0x09));
    fill(p, patch(rightFace, 0, 1, 0, 1), shade);
    fill(p, patch(rightFace, 0, 1, 0, 0.16), QColor(0x2C, 0x19, 0x0C));
    line(p, rightFace(0, 0.16), rightFace(1, 0.16), QColor(0x14, 0x0A, 0x04), 0.8);
    fill(p, patch(rightFace, 0.5 - StrapHalf, 0.5 + StrapHalf, 0, 1), QColor(0x12, 0x0A, 0x04));
}

} // namespace

void drawTreasureBox(QPainter &p)
{
    p.save();
    smooth(p);
    p.setClipRect(QRectF(6.0, 6.0, 36.0, 37.0));
    drawLeftFace(p);
    drawRightFace(p);
    drawLid(p);
    // Edges: a dark outline round the whole box, a lit front corner, shaded inner edges.
    const QColor dark(0x1E, 0x10, 0x06);
    line(p, Front, Front + Down, QColor(0xC8, 0x8C, 0x50), 0.9);
    line(p, Left, Front, QColor(0x5A, 0x34, 0x16), 0.8);
    line(p, Front, Right, QColor(0x2A, 0x16, 0x08), 0.8);
    QPainterPath outline;
    outline.addPolygon(QPolygonF{Back, Right, Right + Down, Front + Down, Left + Down, Left, Back});
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(outline);
    p.restore();
}

} // namespace pictures

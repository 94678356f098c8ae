// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Glyph strips of the start, new-size and help buttons: coloured frames at rest, grey pressed.
#include "picture_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

// The start button's star burst: seven points, each with its own reach and a little turn, so
// the burst looks torn rather than regular.
struct StarColours {
    QColor fillInner, fillOuter, edge, centreInner, centreOuter, centreEdge, face;
};

const StarColours StarInColour{QColor(0xFF, 0x4A, 0x30), QColor(0xC8, 0x10, 0x10),
                               QColor(0xFF, 0xA8, 0xC0), QColor(0xFF, 0xFA, 0x9A),
                               QColor(0xF4, 0xC4, 0x00), QColor(0xB8, 0x70, 0x00),
                               QColor(0x50, 0x22, 0x00)};
const StarColours StarInGrey{QColor(0xD4, 0xDC, 0xE8), QColor(0x9C, 0xA8, 0xBC),
                             QColor(0xEE, 0xF2, 0xF8), QColor(0xF4, 0xF6, 0xFA),
                             QColor(0xC4, 0xCC, 0xDA), QColor(0x88, 0x92, 0xA4),
                             QColor(0x4A, 0x52, 0x62)};

QPainterPath starBurst(QPointF centre)
{
    constexpr std::array<double, 7> Reach{18.0, 14.6, 17.4, 13.8, 18.2, 15.2, 16.4};
    constexpr std::array<double, 7> Turn{0.00, 0.10, -0.06, 0.08, 0.03, -0.09, 0.05};
    constexpr std::array<double, 7> Waist{10.4, 11.6, 10.0, 11.2, 10.8, 9.8, 11.4};
    constexpr double Step = 2.0 * std::numbers::pi / 7.0;
    QPainterPath path;
    for (int k = 0; k < 7; ++k) {
        const double tip = -std::numbers::pi / 2.0 + k * Step + Turn[k];
        const double notch = -std::numbers::pi / 2.0 + (k + 0.5) * Step;
        const QPointF a = centre + Reach[k] * QPointF(std::cos(tip), std::sin(tip));
        const QPointF b = centre + Waist[k] * QPointF(std::cos(notch), std::sin(notch));
        if (k == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.lineTo(b);
    }
    path.closeSubpath();
    return path;
}

QImage starFrame(const StarColours &c, double scale)
{
    ScaledCanvas figure(FrameSize, scale);
    QPainter &p = figure.painter;
    smooth(p);
    const QPointF centre(19.5, 20.0);
    const QPainterPath star = starBurst(centre);
    QRadialGradient body(centre, 17.0, centre + QPointF(-3, -4));
    body.setColorAt(0.0, c.fillInner);
    body.setColorAt(1.0, c.fillOuter);
    p.setPen(QPen(c.edge, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(body);
    p.drawPath(star);

    const double r = 7.6;
    QRadialGradient sun(centre, r, centre + QPointF(-2.5, -3.0));
    sun.setColorAt(0.0, c.centreInner);
    sun.setColorAt(1.0, c.centreOuter);
    p.setPen(QPen(c.centreEdge, 1.0));
    p.setBrush(sun);
    p.drawEllipse(centre, r, r);

    // The smiling face: two eyes and a wide smile.
    p.setPen(Qt::NoPen);
    p.setBrush(c.face);
    p.drawEllipse(centre + QPointF(-2.9, -2.2), 1.15, 1.55);
    p.drawEllipse(centre + QPointF(2.9, -2.2), 1.15, 1.55);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.face, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - 4.4, centre.y() - 3.4, 8.8, 8.2), 200 * 16, 140 * 16);
    p.end();
    return keyed(figure.image, WindowColour, WindowColour);
}

// The new-size button: a square frame with an arrow pulled out of its bottom-right corner,
// drawn as one thick line with a thin edge on both sides.
QImage squareFrame(const QColor &line, const QColor &edge, double scale)
{
    ScaledCanvas figure(FrameSize, scale);
    QPainter &p = figure.painter;
    smooth(p);
    QPainterPath ring;
    ring.addRect(QRectF(5, 4, 24, 23));
    ring.addRect(QRectF(7, 6, 20, 19));
    ring.setFillRule(Qt::OddEvenFill);

    // The arrow leaves the corner of the line's middle and points down and to the right.
    const QPointF corner(28, 26), tip(37.0, 35.0);
    const QPointF along = (tip - corner) / std::hypot(tip.x() - corner.x(), tip.y() - corner.y());
    const QPointF across(-along.y(), along.x());
    const QPointF headBase = tip - 6.2 * along;
    QPainterPath shaft;
    shaft.moveTo(corner);
    shaft.lineTo(headBase);
    QPainterPathStroker stroker;
    stroker.setWidth(2.0);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath arrow = stroker.createStroke(shaft);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(headBase + 4.0 * across);
    head.lineTo(headBase - 4.0 * across);
    head.closeSubpath();
    arrow = arrow.united(head);

    QPainterPath shape = arrow;
    shape.addPath(ring);
    shape.setFillRule(Qt::WindingFill);
    p.strokePath(ring, QPen(edge, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.strokePath(arrow, QPen(edge, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.fillPath(ring, line);
    p.fillPath(arrow, line);
    p.end();
    return keyed(figure.image, WindowColour, WindowColour);
}

// The help button: a thick question mark and its dot, lit from the top left.
struct MarkColours {
    QColor light, dark, outline, glint;
};

const MarkColours MarkInColour{QColor(0x9C, 0xF5, 0x7C), QColor(0x12, 0x86, 0x1E),
                               QColor(0x06, 0x46, 0x0C), QColor(0xE8, 0xFF, 0xD8, 170)};
const MarkColours MarkInGrey{QColor(0xFC, 0xFC, 0xFC), QColor(0xB0, 0xB0, 0xB0),
                             QColor(0x6C, 0x6C, 0x6C), QColor(0xFF, 0xFF, 0xFF, 200)};

QImage questionFrame(const MarkColours &c, double scale)
{
    ScaledCanvas figure(FrameSize, scale);
    QPainter &p = figure.painter;
    smooth(p);
    QPainterPath hook;
    const QRectF bow(12.5, 5.5, 14.0, 13.0);
    hook.arcMoveTo(bow, 168);
    hook.arcTo(bow, 168, -238);
    hook.cubicTo(QPointF(21.0, 20.0), QPointF(19.5, 20.5), QPointF(19.5, 24.0));
    hook.lineTo(QPointF(19.5, 25.0));
    QPainterPathStroker stroker;
    stroker.setWidth(5.6);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath mark = stroker.createStroke(hook).simplified();
    mark.addEllipse(QPointF(19.5, 31.2), 3.3, 3.3);
    mark.setFillRule(Qt::WindingFill);

    QLinearGradient body(QPointF(12, 5), QPointF(27, 34));
    body.setColorAt(0.0, c.light);
    body.setColorAt(1.0, c.dark);
    p.setPen(QPen(c.outline, 1.1));
    p.setBrush(body);
    p.drawPath(mark);
    // A glint along the top of the hook and on the dot.
    p.setClipPath(mark);
    p.setPen(QPen(c.glint, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11.6, 4.6, 14.0, 13.0), 160 * 16, -95 * 16);
    p.drawArc(QRectF(17.2, 28.8, 3.6, 3.6), 100 * 16, 80 * 16);
    p.end();
    return keyed(figure.image, WindowColour, WindowColour);
}

} // namespace

QImage makeStartNewGame(double scale)
{
    return strip(starFrame(StarInColour, scale), starFrame(StarInGrey, scale));
}

QImage makeCreateNewSizeGame(double scale)
{
    return strip(squareFrame(QColor(0xE4, 0x14, 0x14), QColor(0xFF, 0xE6, 0x1E), scale),
                 squareFrame(QColor(0x00, 0x00, 0x00), QColor(0xC0, 0xC0, 0xC0), scale));
}

QImage makeHelp(double scale)
{
    return strip(questionFrame(MarkInColour, scale), questionFrame(MarkInGrey, scale));
}

} // namespace pictures

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exit button's glyph: a figure running off to the right, arms and legs flung wide.
#include "picture_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <initializer_list>
#include <utility>

namespace pictures {

namespace {

struct RunnerColours {
    QColor light, dark, far, outline, glint;
};

const RunnerColours RunnerInColour{QColor(0xFF, 0x6A, 0x50), QColor(0xC0, 0x12, 0x0C),
                                   QColor(0x98, 0x10, 0x0C), QColor(0x4A, 0x04, 0x04),
                                   QColor(0xFF, 0xC0, 0xA8, 190)};
const RunnerColours RunnerInGrey{QColor(0xEE, 0xEE, 0xEE), QColor(0xA4, 0xA4, 0xA4),
                                 QColor(0x8C, 0x8C, 0x8C), QColor(0x48, 0x48, 0x48),
                                 QColor(0xFF, 0xFF, 0xFF, 200)};

QPainterPath limb(std::initializer_list<QPointF> joints)
{
    QPainterPath path;
    bool first = true;
    for (QPointF j : joints) {
        if (first)
            path.moveTo(j);
        else
            path.lineTo(j);
        first = false;
    }
    return path;
}

// Body parts are drawn as their dark outline first and then their colour; parts in one group
// share one silhouette, while the far limbs behind are outlined on their own.
void outline(QPainter &p, const QPainterPath &path, double width, const QColor &colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void paint(QPainter &p, const QPainterPath &path, double width, const QBrush &brush)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QImage runnerFrame(const RunnerColours &c, double scale)
{
    ScaledCanvas figure(FrameSize, scale);
    QPainter &p = figure.painter;
    smooth(p);
    QLinearGradient lit(QPointF(8, 4), QPointF(30, 34));
    lit.setColorAt(0.0, c.light);
    lit.setColorAt(1.0, c.dark);

    // Joints of the pose, leaning forward: neck high and to the right of the hips.
    const QPointF neck(23.6, 11.6), hip(16.4, 21.4), shoulder(22.4, 13.4);
    const QPainterPath backArm = limb({shoulder, QPointF(15.6, 13.2), QPointF(9.2, 16.4)});
    const QPainterPath backLeg = limb({hip, QPointF(11.4, 26.8), QPointF(5.0, 28.2),
                                       QPointF(4.0, 26.4)});
    const QPainterPath torso = limb({neck, hip});
    const QPainterPath frontLeg = limb({hip, QPointF(23.8, 25.0), QPointF(25.6, 33.4),
                                        QPointF(29.6, 33.6)});
    const QPainterPath frontArm = limb({shoulder, QPointF(28.2, 16.4), QPointF(33.8, 12.0)});

    for (const auto &[path, width] : {std::pair{backArm, 3.0}, std::pair{backLeg, 3.6}}) {
        outline(p, path, width, c.outline);
        paint(p, path, width, c.far);
    }
    QPainterPath head;
    head.addEllipse(QPointF(26.6, 7.0), 3.9, 3.9);
    const std::array<std::pair<QPainterPath, double>, 3> near{
        std::pair{torso, 5.6}, std::pair{frontLeg, 3.6}, std::pair{frontArm, 3.0}};
    for (const auto &[path, width] : near)
        outline(p, path, width, c.outline);
    p.setPen(QPen(c.outline, 1.6));
    p.setBrush(lit);
    p.drawPath(head);
    for (const auto &[path, width] : near)
        paint(p, path, width, lit);
    // Light catches the runner's back and the top of the head.
    p.setPen(QPen(c.glint, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(neck + QPointF(-1.8, -0.6), hip + QPointF(-2.0, -1.4));
    p.drawArc(QRectF(23.6, 4.0, 5.6, 5.6), 100 * 16, 70 * 16);
    p.end();
    return keyed(figure.image, WindowColour, WindowColour);
}

} // namespace

QImage makeExit(double scale)
{
    return strip(runnerFrame(RunnerInColour, scale), runnerFrame(RunnerInGrey, scale));
}

} // namespace pictures

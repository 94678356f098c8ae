// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Single-image glyphs: the treasure-count box, the hint bulb and the stop sign.
#include "picture_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace pictures {

namespace {

constexpr int SmallGlyph = 32;   // the hint and stop glyphs, centred in their 36 x 36 buttons

// The bulb's glass: a sphere lit from the upper left, white fading to pale lavender.
void drawGlobe(QPainter &p)
{
    const QPointF centre(16.0, 11.8);
    QPainterPath glass;
    glass.addEllipse(centre, 9.6, 9.4);
    // The glass narrows into the neck above the screw base.
    QPainterPath neck;
    neck.moveTo(10.2, 17.0);
    neck.cubicTo(QPointF(11.6, 19.4), QPointF(11.6, 20.4), QPointF(11.4, 22.0));
    neck.lineTo(20.6, 22.0);
    neck.cubicTo(QPointF(20.4, 20.4), QPointF(20.4, 19.4), QPointF(21.8, 17.0));
    neck.closeSubpath();
    glass = glass.united(neck);

    QRadialGradient light(centre, 11.0, centre + QPointF(-3.6, -4.2));
    light.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    light.setColorAt(0.45, QColor(0xF4, 0xF0, 0xFF));
    light.setColorAt(1.0, QColor(0xB8, 0xAC, 0xE4));
    p.setPen(QPen(QColor(0x6E, 0x62, 0xA8), 1.0));
    p.setBrush(light);
    p.drawPath(glass);
    // The filament inside, and a bright window reflection.
    p.setPen(QPen(QColor(0xA8, 0x9A, 0xD8), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath filament;
    filament.moveTo(13.6, 20.5);
    filament.lineTo(13.2, 13.6);
    filament.lineTo(14.6, 12.2);
    filament.lineTo(15.6, 13.6);
    filament.lineTo(16.4, 12.2);
    filament.lineTo(17.4, 13.6);
    filament.lineTo(18.8, 12.2);
    filament.moveTo(18.4, 20.5);
    filament.lineTo(18.8, 12.2);
    p.drawPath(filament);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 230));
    p.save();
    p.translate(11.6, 7.6);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 2.4, 1.4);
    p.restore();
}

// The screw base: blue-violet threads, ending in a dark blue contact at the bottom.
void drawBase(QPainter &p)
{
    const std::array<QColor, 2> thread{QColor(0x8C, 0x7C, 0xE8), QColor(0x4C, 0x3C, 0xB0)};
    for (int band = 0; band < 4; ++band) {
        const double top = 21.6 + band * 1.7;
        QLinearGradient shine(QPointF(11, 0), QPointF(21, 0));
        shine.setColorAt(0.0, thread[band % 2].darker(125));
        shine.setColorAt(0.35, thread[band % 2].lighter(118));
        shine.setColorAt(1.0, thread[band % 2].darker(140));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        const double inset = band * 0.35;
        p.drawRoundedRect(QRectF(11.0 + inset, top, 10.0 - 2 * inset, 1.9), 0.9, 0.9);
    }
    QPainterPath contact;
    contact.moveTo(12.6, 28.4);
    contact.lineTo(19.4, 28.4);
    contact.cubicTo(QPointF(19.0, 30.6), QPointF(17.6, 31.0), QPointF(16.0, 31.0));
    contact.cubicTo(QPointF(14.4, 31.0), QPointF(13.0, 30.6), QPointF(12.6, 28.4));
    p.setBrush(QColor(0x16, 0x18, 0x6A));
    p.drawPath(contact);
}

// The stop sign is laid out on a grid of 32 x 32 units: a filled octagon one unit in from the
// frame, its corners cut at 45 degrees, and STOP in bold block capitals. At 100 % every pixel
// takes the colour of the unit point at its centre, in the 16 VGA colours with hard edges: the
// pixel art as laid out. Above 100 % the same figure is drawn as the other glyphs are, smoothed
// against the window's colour, then brought to the VGA colours with the key kept exact.
constexpr double SignFirst = 1.0, SignEnd = 31.0;   // the sign spans [1, 31) units each way
constexpr double CornerCut = 9.0;   // inside: the distances to the nearest two sides add up to this

bool insideSign(double u, double v)
{
    if (u < SignFirst || u >= SignEnd || v < SignFirst || v >= SignEnd)
        return false;
    const double du = std::min(u - SignFirst, SignEnd - u);
    const double dv = std::min(v - SignFirst, SignEnd - v);
    return du + dv >= CornerCut;
}

// The rim a point of the sign lies on: 0 when a step of one unit across or along leaves the
// sign, 1 when a step of two does, -1 deeper in.
int rimDepth(double u, double v)
{
    for (int d = 1; d <= 2; ++d)
        if (!insideSign(u - d, v) || !insideSign(u + d, v) || !insideSign(u, v - d) ||
            !insideSign(u, v + d))
            return d - 1;
    return -1;
}

// Letters 10 units tall; '#' is white paint.
constexpr std::array<std::string_view, 10> LetterS{".####", "#####", "##...", "##...", "####.",
                                                   ".####", "...##", "...##", "#####", "####."};
constexpr std::array<std::string_view, 10> LetterT{"######", "######", "..##..", "..##..",
                                                   "..##..", "..##..", "..##..", "..##..",
                                                   "..##..", "..##.."};
constexpr std::array<std::string_view, 10> LetterO{".####.", "######", "##..##", "##..##",
                                                   "##..##", "##..##", "##..##", "##..##",
                                                   "######", ".####."};
constexpr std::array<std::string_view, 10> LetterP{"#####.", "######", "##..##", "##..##",
                                                   "######", "#####.", "##....", "##....",
                                                   "##....", "##...."};
constexpr int LettersLeft = 3, LettersTop = 11;   // S T O P with one-unit gaps: columns 3..28
constexpr int LetterRows = 10;
const std::array<const std::array<std::string_view, LetterRows> *, 4> Word{&LetterS, &LetterT,
                                                                         &LetterO, &LetterP};

// Whether a unit point lies on the white paint of the word: in a '#' cell, or in a '.' cell that
// three painted cells of its letter hold in a corner, beyond the 45-degree line that cuts the
// corner one and a half units from its outer tip. At 100 % no pixel centre lies beyond that line,
// so the corner stays square; larger scales round it off.
bool onLetters(double u, double v)
{
    const int row = int(std::floor(v)) - LettersTop;
    int left = LettersLeft;
    for (const auto *letter : Word) {
        const int width = int((*letter)[0].size());
        const int col = int(std::floor(u)) - left;
        left += width + 1;
        if (col < 0 || col >= width || row < 0 || row >= LetterRows)
            continue;
        auto painted = [letter, width](int c, int r) {
            return c >= 0 && c < width && r >= 0 && r < LetterRows && (*letter)[r][c] == '#';
        };
        if (painted(col, row))
            return true;
        const double fu = u - std::floor(u), fv = v - std::floor(v);
        for (int sx : {-1, 1})
            for (int sy : {-1, 1})
                if (painted(col + sx, row) && painted(col, row + sy) &&
                    painted(col + sx, row + sy) &&
                    (sx > 0 ? fu : 1.0 - fu) + (sy > 0 ? fv : 1.0 - fv) >= 1.5)
                    return true;
        return false;
    }
    return false;
}

} // namespace

QImage makeNumTreasures(double scale)
{
    ScaledCanvas figure(FrameSize, scale);
    QPainter &painter = figure.painter;
    // The treasure picture's box (36 x 37) scaled to about 29 x 30, centred in the frame.
    painter.translate(19.5, 19.5);
    painter.scale(0.81, 0.81);
    painter.translate(-24.0, -24.5);
    drawTreasureBox(painter);
    painter.end();
    return keyed(figure.image, WindowColour, MagentaKey);
}

QImage makeHint(double scale)
{
    ScaledCanvas figure(SmallGlyph, scale);
    QPainter &painter = figure.painter;
    smooth(painter);
    drawBase(painter);
    drawGlobe(painter);
    painter.end();
    // The bulb sits on the hint panel, which has the window's colour.
    return indexedWithKey(keyed(figure.image, WindowColour, HintKey), HintKey, 256);
}

namespace {

// The octagon of the points at least `depth` unit steps across or along from the sign's edge.
QPolygonF signAtDepth(double depth)
{
    const double a = SignFirst + depth, b = SignEnd - depth;
    const double near = SignFirst + CornerCut, far = SignEnd - CornerCut;
    return QPolygonF({QPointF(near, a), QPointF(far, a), QPointF(b, near), QPointF(b, far),
                      QPointF(far, b), QPointF(near, b), QPointF(a, far), QPointF(a, near)});
}

// The word's white paint as a path: its '#' cells, and the corners that onLetters rounds off.
QPainterPath letterPaint()
{
    QPainterPath paint;
    int left = LettersLeft;
    for (const auto *letter : Word) {
        const int width = int((*letter)[0].size());
        auto painted = [letter, width](int c, int r) {
            return c >= 0 && c < width && r >= 0 && r < LetterRows && (*letter)[r][c] == '#';
        };
        for (int r = 0; r < LetterRows; ++r)
            for (int c = 0; c < width; ++c) {
                const QPointF cell(left + c, LettersTop + r);
                if (painted(c, r)) {
                    paint.addRect(QRectF(cell, QSizeF(1, 1)));
                    continue;
                }
                // A corner between three painted cells, filled beyond the cut half a unit from
                // the cell's tip toward them.
                for (int sx : {-1, 1})
                    for (int sy : {-1, 1})
                        if (painted(c + sx, r) && painted(c, r + sy) && painted(c + sx, r + sy)) {
                            const QPointF tip = cell + QPointF(sx > 0 ? 1 : 0, sy > 0 ? 1 : 0);
                            const QPointF across(sx > 0 ? -0.5 : 0.5, 0), down(0, sy > 0 ? -0.5 : 0.5);
                            paint.addPolygon(QPolygonF({tip, tip + across, tip + down, tip}));
                        }
            }
        left += width + 1;
    }
    return paint.simplified();
}

QImage makeStopPixelArt()
{
    const QList<QRgb> vga = vgaPalette();
    auto at = [&vga](QRgb c) { return nearestIndex(c, vga); };
    QImage out(SmallGlyph, SmallGlyph, QImage::Format_Indexed8);
    out.setColorTable(vga);
    for (int y = 0; y < SmallGlyph; ++y)
        for (int x = 0; x < SmallGlyph; ++x) {
            const double u = x + 0.5, v = y + 0.5;
            // Lit from the upper left: the rims of the lower right half are in shadow.
            const bool shaded = u + v > SignFirst + SignEnd;
            const int rim = insideSign(u, v) ? rimDepth(u, v) : -2;
            int index = at(StopKey);
            if (onLetters(u, v))
                index = at(qRgb(0xFF, 0xFF, 0xFF));
            else if (rim == 0)
                index = at(shaded ? qRgb(0xC0, 0xC0, 0xC0) : qRgb(0xFF, 0xFF, 0xFF));
            else if (rim == 1 && shaded)
                index = at(qRgb(0x80, 0x00, 0x00));
            else if (rim != -2)
                index = at(qRgb(0xFF, 0x00, 0x00));
            out.setPixel(x, y, index);
        }
    return out;
}

} // namespace

QImage makeStop(double scale)
{
    if (scale == 1.0)
        return makeStopPixelArt();
    ScaledCanvas figure(SmallGlyph, scale);
    QPainter &painter = figure.painter;
    smooth(painter);
    painter.setPen(Qt::NoPen);
    // Each ring in two halves, lit from the upper left, split along the other diagonal.
    const QPolygonF lit({QPointF(0, 0), QPointF(SmallGlyph, 0), QPointF(0, SmallGlyph)});
    const QPolygonF shade({QPointF(SmallGlyph, 0), QPointF(SmallGlyph, SmallGlyph),
                           QPointF(0, SmallGlyph)});
    auto ring = [&painter, &lit, &shade](double depth, QColor litColour, QColor shadeColour) {
        QPainterPath sign;
        sign.addPolygon(signAtDepth(depth));
        sign.closeSubpath();
        QPainterPath half;
        half.addPolygon(lit);
        painter.fillPath(sign.intersected(half), litColour);
        half = QPainterPath();
        half.addPolygon(shade);
        painter.fillPath(sign.intersected(half), shadeColour);
    };
    ring(0, QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0));
    ring(1, QColor(0xFF, 0x00, 0x00), QColor(0x80, 0x00, 0x00));
    ring(2, QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0x00));
    painter.fillPath(letterPaint(), QColor(0xFF, 0xFF, 0xFF));
    painter.end();
    // Smoothed against the window it sits on, then in the VGA colours: the key is exact, and no
    // edge pixel turns into it.
    const QImage smoothed = keyed(figure.image, WindowColour, StopKey);
    const QList<QRgb> vga = vgaPalette();
    QImage out(smoothed.size(), QImage::Format_Indexed8);
    out.setColorTable(vga);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = smoothed.pixel(x, y);
            out.setPixel(x, y, c == StopKey ? nearestIndex(StopKey, vga)
                                            : nearestIndex(c, vga, StopKey));
        }
    return out;
}

} // namespace pictures

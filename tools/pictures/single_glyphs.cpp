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

// The stop sign is laid out pixel by pixel: a filled octagon one pixel in from the frame, its
// corners cut along 45-degree stairs, and STOP in bold block capitals.
constexpr int SignFirst = 1, SignLast = 30;   // the sign's first and last row and column
constexpr int CornerCut = 8;                  // how far the corners are cut, in pixels

bool insideSign(int x, int y)
{
    if (x < SignFirst || x > SignLast || y < SignFirst || y > SignLast)
        return false;
    const int dx = std::min(x - SignFirst, SignLast - x);
    const int dy = std::min(y - SignFirst, SignLast - y);
    return dx + dy >= CornerCut;
}

bool onRim(int x, int y, int depth)
{
    // A pixel of the sign lies on ring `depth` (0 = outermost) when it is that many steps in.
    if (!insideSign(x, y))
        return false;
    for (int d = 0; d <= depth; ++d) {
        const bool edge = !insideSign(x - d - 1, y) || !insideSign(x + d + 1, y) ||
                          !insideSign(x, y - d - 1) || !insideSign(x, y + d + 1);
        if (edge)
            return d == depth;
    }
    return false;
}

// Letters 10 rows tall; '#' is white paint.
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
constexpr int LettersLeft = 3, LettersTop = 11;   // S T O P with one-pixel gaps: columns 3..28

} // namespace

QImage makeNumTreasures()
{
    QImage figure = canvas(FrameSize, FrameSize);
    QPainter painter(&figure);
    // The treasure picture's box (36 x 37) scaled to about 29 x 30, centred in the frame.
    painter.translate(19.5, 19.5);
    painter.scale(0.81, 0.81);
    painter.translate(-24.0, -24.5);
    drawTreasureBox(painter);
    painter.end();
    return keyed(figure, WindowColour, MagentaKey);
}

QImage makeHint()
{
    QImage figure = canvas(SmallGlyph, SmallGlyph);
    QPainter painter(&figure);
    smooth(painter);
    drawBase(painter);
    drawGlobe(painter);
    painter.end();
    // The bulb sits on the hint panel, which has the window's colour.
    return indexedWithKey(keyed(figure, WindowColour, HintKey), HintKey, 256);
}

QImage makeStop()
{
    const QList<QRgb> vga = vgaPalette();
    auto at = [&vga](QRgb c) { return nearestIndex(c, vga); };
    QImage out(SmallGlyph, SmallGlyph, QImage::Format_Indexed8);
    out.setColorTable(vga);
    for (int y = 0; y < SmallGlyph; ++y)
        for (int x = 0; x < SmallGlyph; ++x) {
            // Lit from the upper left: the rims of the lower right half are in shadow.
            const bool shaded = x + y > SignFirst + SignLast;
            int index = at(StopKey);
            if (onRim(x, y, 0))
                index = at(shaded ? qRgb(0xC0, 0xC0, 0xC0) : qRgb(0xFF, 0xFF, 0xFF));
            else if (onRim(x, y, 1) && shaded)
                index = at(qRgb(0x80, 0x00, 0x00));
            else if (insideSign(x, y))
                index = at(qRgb(0xFF, 0x00, 0x00));
            out.setPixel(x, y, index);
        }
    const std::array<const std::array<std::string_view, 10> *, 4> word{&LetterS, &LetterT,
                                                                      &LetterO, &LetterP};
    int left = LettersLeft;
    for (const auto *letter : word) {
        for (int row = 0; row < 10; ++row)
            for (int col = 0; col < int((*letter)[row].size()); ++col)
                if ((*letter)[row][col] == '#')
                    out.setPixel(left + col, LettersTop + row, at(qRgb(0xFF, 0xFF, 0xFF)));
        left += int((*letter)[0].size()) + 1;
    }
    return out;
}

} // namespace pictures

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three cell pictures: closed sand, known empty green, and the treasure box on sand.
#include "picture_kit.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int CellSize = 48;   // a cell widget is 48 x 48; its pictures are never scaled

QImage flat(QRgb colour, double scale)
{
    const int side = scaledSide(CellSize, scale);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

QImage makeNoKnow(double scale)
{
    return flat(Sand, scale);
}

QImage makeEmpty(double scale)
{
    return flat(EmptyGreen, scale);
}

QImage makeTreasure(double scale)
{
    ScaledCanvas figure(CellSize, scale);
    drawTreasureBox(figure.painter);
    figure.painter.end();
    // The box stands on the closed cell's own sand, so opening a treasure keeps the ground.
    return onGround(figure.image, Sand);
}

} // namespace pictures

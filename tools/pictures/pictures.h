// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, each drawn by one function, and the self-check of the written files.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include "PictureScales.h"

#include <array>
#include <functional>
#include <vector>

namespace pictures {

// Every picture the game shows is drawn once for each display scale it may meet, PictureScales.
// A picture of scale s is painted with its coordinates multiplied by s, never enlarged from the
// 100 % one.
inline constexpr const auto& Scales = PictureScales;

// The file of a picture at a scale: "name.png" at 100 %, "name@1.5x.png" and the like above.
QString scaledFileName(const QString &name, double scale);

// Pixels along a side of `side` units at `scale`: a fractional last pixel is kept whole.
int scaledSide(int side, double scale);

// Cell pictures, 48 x 48 units, opaque.
QImage makeNoKnow(double scale);
QImage makeEmpty(double scale);
QImage makeTreasure(double scale);

// The closed, strapped treasure box in the treasure picture's coordinates: it lies within
// x 6..42 and y 6..43 of a 48 x 48 cell. Shared with the treasure-count button.
void drawTreasureBox(QPainter &painter);

// Glyph strips, four frames of 39 x 39 units, keyed with the window colour.
QImage makeStartNewGame(double scale);
QImage makeCreateNewSizeGame(double scale);
QImage makeHelp(double scale);
QImage makeExit(double scale);

// Single glyphs.
QImage makeNumTreasures(double scale);   // 39 x 39 units, magenta key
QImage makeHint(double scale);           // 32 x 32 units, 256-entry palette, light grey key
QImage makeStop(double scale);           // 32 x 32 units, VGA palette, black key

// The application icon, a square of `size` pixels with hard-edged transparency.
QImage makeIcon(int size);

// One picture file of the game by name, and how it is drawn at a scale.
struct Picture {
    QString name;
    std::function<QImage(double scale)> make;
    bool everyScale;   // what the game shows; the desktop's theme icons have their one size

    std::vector<double> scales() const;
};

// Every picture, in the order they are written.
const std::vector<Picture> &allPictures();

// Checks the files written into `folder`; prints every fault and returns how many it found.
int checkPictures(const QString &folder);

} // namespace pictures

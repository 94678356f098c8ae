// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared tools for drawing the game's pictures: colours, canvases, keyed compositing, palettes.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>

namespace pictures {

// The main window's background; every glyph strip uses it as its transparent colour, and the
// buttons and the hint panel sit on it, so antialiased edges are blended against it.
inline constexpr QRgb WindowColour = 0xFF789078;
// Transparent colours of the single-image glyphs.
inline constexpr QRgb MagentaKey = 0xFFFF00FF;   // the treasure-count button
inline constexpr QRgb HintKey = 0xFFCCCCCC;      // the hint bulb
inline constexpr QRgb StopKey = 0xFF000000;      // the stop sign
// The cell grounds: closed (sand) and known empty (green).
inline constexpr QRgb Sand = 0xFFCEAD73;
inline constexpr QRgb EmptyGreen = 0xFF00DF4A;

inline constexpr int FrameSize = 39;        // one frame of a glyph strip, and a whole button
inline constexpr int StripFrames = 4;       // rest, disabled, pressed, held down

// A fully transparent ARGB canvas to draw a figure on.
QImage canvas(int width, int height);

// A square canvas of `side` units at `scale`, and a painter on it that draws in units.
struct ScaledCanvas {
    ScaledCanvas(int side, double scale);
    QImage image;
    QPainter painter;
};

// A painter with antialiasing switched on.
void smooth(QPainter &painter);

// Blends a drawn figure over the colour its button really sits on and gives the result a colour
// key: pixels the figure leaves (almost) untouched become exactly `key`; any figure pixel that
// happens to land on `key` is nudged by one unit so it still shows.
QImage keyed(const QImage &figure, QRgb background, QRgb key);

// Four frames side by side: the coloured drawing at rest and disabled, the grey one pressed and
// held down. Both frames must already be keyed, square and of one size.
QImage strip(const QImage &colourFrame, const QImage &greyFrame);

// A figure on an opaque ground, the ground colour exact wherever nothing was drawn.
QImage onGround(const QImage &figure, QRgb ground);

// Palette image that keeps `key` exact: key pixels get a palette entry of their own, and all
// other pixels are reduced to at most `entries - 1` colours that differ from the key.
QImage indexedWithKey(const QImage &rgb, QRgb key, int entries);

// The standard 16 colours of the VGA palette, in their usual order (black first).
QList<QRgb> vgaPalette();

// Nearest colour in `palette`, skipping `skip` (pass 0 to skip nothing: it has no alpha).
int nearestIndex(QRgb colour, const QList<QRgb> &palette, QRgb skip = 0);

// Saves a PNG; returns false and prints the reason on failure.
bool savePng(const QImage &image, const QString &path);

} // namespace pictures

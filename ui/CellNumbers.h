// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers on opened cells: their font, the finished pictures that cells share, and each
// cell's record of the numbers drawn on it, to draw them again at another scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

namespace ui {

// Bold "Arial" with an em height of `pixelSize` pixels: the face of every text the game draws.
QFont BoldArial(int pixelSize);

// Character-cell height (ascent plus descent) of a cell number, in pixels.
inline constexpr int CellNumberCellHeight = 32;

// Bold "Arial" at the pixel size whose served face has ascent + descent == 32 (or the largest
// size below it where no size hits 32 exactly). Searched once, then kept.
const QFont& CellNumberFont();

// The numbers drawn on one cell's picture since it was given, in order.
class DrawnNumbers {
public:
    // Draws the text on the picture with its character cell's top-left at (x, y) in logical
    // pixels, background untouched, and records it.
    void Draw(QImage& picture, int x, int y, const QString& text, QRgb colour);
    // Draws every recorded number again, in order, on the same picture drawn for another scale.
    void DrawAgainOn(QImage& picture) const;
    void Forget() { drawn_.clear(); }
    // The text drawn last; empty if none.
    QString Last() const { return drawn_.empty() ? QString() : drawn_.back().text; }

private:
    // A text drawn on the picture, and how many times over in a row: the hint deduction draws a
    // cell's number over itself again and again.
    struct Drawn {
        int x, y;
        QString text;
        QRgb colour;
        int times;
    };
    std::vector<Drawn> drawn_;
};

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers on opened cells: their font, shared finished pictures, each cell's record of them.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

namespace ui {

// `pixelSize` is the em height: the face of every text the game draws.
QFont BoldArial(int pixelSize);

// Ascent plus descent of a cell number, in pixels.
inline constexpr int CellNumberCellHeight = 32;

// The size whose face has ascent + descent == 32, else the largest below; searched once.
const QFont& CellNumberFont();

// Kept to draw a cell's numbers again, in order, on its picture for another scale.
class DrawnNumbers {
public:
    // (x, y): the character cell's top-left in logical pixels; the background stays.
    void Draw(QImage& picture, int x, int y, const QString& text, QRgb colour);
    void DrawAgainOn(QImage& picture) const;
    void Forget() { drawn_.clear(); }
    QString Last() const { return drawn_.empty() ? QString() : drawn_.back().text; }

private:
    // `times` in a row: the hint deduction draws a cell's number over itself again and again.
    struct Drawn {
        int x, y;
        QString text;
        QRgb colour;
        int times;
    };
    std::vector<Drawn> drawn_;
};

}  // namespace ui

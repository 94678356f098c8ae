// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The font of the numbers on opened cells: bold Arial with a 32-pixel character cell.
#include "ui/CellFont.h"

#include <QFontMetrics>

namespace ui {

namespace {

QFont NumberFontAt(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

QFont SearchNumberFont() {
    // The character cell grows with the em size; the first size that fills 32 pixels wins.
    int best = 1;
    for (int size = 1; size <= 2 * CellNumberCellHeight; ++size) {
        const int height = CellHeight(NumberFontAt(size));
        if (height == CellNumberCellHeight) return NumberFontAt(size);
        if (height < CellNumberCellHeight) best = size;
    }
    return NumberFontAt(best);
}

}  // namespace

const QFont& CellNumberFont() {
    static const QFont font = SearchNumberFont();
    return font;
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colour-key transparency: a picture's bottom-left pixel names the colour that is left undrawn.
#include "ui/ColourKey.h"

namespace ui {

QPixmap KeyedPixmap(const QImage& picture) {
    if (picture.isNull()) return {};
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            // Only the exact key colour goes: a shade one step off is part of the drawing. A
            // picture that brings its own transparency keeps it, and its opaque pixels stay.
            if (line[x] == key) line[x] = 0;
        }
    }
    return QPixmap::fromImage(keyed);
}

}  // namespace ui

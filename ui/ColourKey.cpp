// Colour-key transparency: a picture's bottom-left pixel names the colour that is left undrawn.
#include "ui/ColourKey.h"

namespace ui {

QRgb KeyColour(const QImage& picture) {
    return picture.pixel(0, picture.height() - 1) | 0xFF000000u;
}

QPixmap KeyedPixmap(const QImage& picture) {
    if (picture.isNull()) return {};
    const QRgb key = KeyColour(picture) & 0x00FFFFFFu;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            // Only the exact key colour goes: a shade one step off is part of the drawing.
            if ((line[x] & 0x00FFFFFFu) == key) line[x] = 0;
        }
    }
    return QPixmap::fromImage(keyed);
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers on opened cells: their font, the finished pictures that cells share, and each
// cell's record of the numbers drawn on it.
#include "ui/CellNumbers.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace ui {

namespace {

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

QFont SearchNumberFont() {
    // The character cell grows with the em size; the first size that fills 32 pixels wins.
    int best = 1;
    for (int size = 1; size <= 2 * CellNumberCellHeight; ++size) {
        const int height = CellHeight(BoldArial(size));
        if (height == CellNumberCellHeight) return BoldArial(size);
        if (height < CellNumberCellHeight) best = size;
    }
    return BoldArial(best);
}

// A number drawn on a picture: the picture as it was (its cache key names its pixels), and the
// text with its place and colour.
struct NumberOnPicture {
    qint64 picture;
    int x, y;
    QRgb colour;
    QString text;
    friend bool operator==(const NumberOnPicture&, const NumberOnPicture&) = default;
};

size_t qHash(const NumberOnPicture& key, size_t seed = 0) {
    return qHashMulti(seed, key.picture, key.x, key.y, key.colour, key.text);
}

// Finished pictures by the number drawn on them. A hint deduction redraws the same few numbers
// on the same few pictures thousands of times in one click; each is drawn once and shared, so
// the pixels are exactly those of drawing it directly. Bounded (about 9 KB a picture at 100 %,
// 36 KB at 200 %; the dearest click fills all 256 places at any scale): a full cache starts over.
constexpr qsizetype FinishedPicturesKept = 256;
QHash<NumberOnPicture, QImage>& FinishedPictures() {
    static QHash<NumberOnPicture, QImage> finished;
    return finished;
}

void DrawOnto(QImage& picture, int x, int y, const QString& text, const QColor& colour) {
    // On a picture drawn for a larger scale the painter works in logical pixels and the digits
    // come out at the picture's own resolution.
    QPainter painter(&picture);
    const QFont& font = CellNumberFont();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
}

// The number on a picture: the finished picture from the cache, or drawn and then kept there.
void DrawNumber(QImage& picture, int x, int y, const QString& text, QRgb colour) {
    QHash<NumberOnPicture, QImage>& finished = FinishedPictures();
    const NumberOnPicture key{picture.cacheKey(), x, y, colour, text};
    if (const auto found = finished.constFind(key); found != finished.cend()) {
        picture = *found;
        return;
    }
    const QImage before = picture;
    DrawOnto(picture, x, y, text, QColor::fromRgba(colour));
    // A number drawn over itself often enough stops changing a pixel; keeping the picture it
    // was drawn on then ends the chain of ever new pictures at that one.
    if (picture == before) picture = before;
    if (finished.size() >= FinishedPicturesKept) finished.clear();
    finished.insert(key, picture);
}

}  // namespace

QFont BoldArial(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

const QFont& CellNumberFont() {
    static const QFont font = SearchNumberFont();
    return font;
}

void DrawnNumbers::Draw(QImage& picture, int x, int y, const QString& text, QRgb colour) {
    DrawNumber(picture, x, y, text, colour);
    if (!drawn_.empty() && drawn_.back().x == x && drawn_.back().y == y &&
        drawn_.back().colour == colour && drawn_.back().text == text) {
        ++drawn_.back().times;
    } else {
        drawn_.push_back({x, y, text, colour, 1});
    }
}

void DrawnNumbers::DrawAgainOn(QImage& picture) const {
    for (const Drawn& drawn : drawn_) {
        for (int i = 0; i < drawn.times; ++i) DrawNumber(picture, drawn.x, drawn.y, drawn.text, drawn.colour);
    }
}

}  // namespace ui

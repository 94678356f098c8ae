// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers on opened cells: their font, shared finished pictures, each cell's record of them.
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
    int best = 1;
    for (int size = 1; size <= 2 * CellNumberCellHeight; ++size) {
        const int height = CellHeight(BoldArial(size));
        if (height == CellNumberCellHeight) return BoldArial(size);
        if (height < CellNumberCellHeight) best = size;
    }
    return BoldArial(best);
}

// The picture's cache key names its pixels as they were before the number.
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

// A hint redraws a few numbers on a few pictures thousands of times a click: draw once, share.
// 9 KB a picture at 100 %, 36 KB at 200 %; the dearest click fills all 256; full, start over.
constexpr qsizetype FinishedPicturesKept = 256;
QHash<NumberOnPicture, QImage>& FinishedPictures() {
    static QHash<NumberOnPicture, QImage> finished;
    return finished;
}

void DrawOnto(QImage& picture, int x, int y, const QString& text, const QColor& colour) {
    // Logical pixels; on a picture for a larger scale the digits get its own resolution.
    QPainter painter(&picture);
    const QFont& font = CellNumberFont();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
}

void DrawNumber(QImage& picture, int x, int y, const QString& text, QRgb colour) {
    QHash<NumberOnPicture, QImage>& finished = FinishedPictures();
    const NumberOnPicture key{picture.cacheKey(), x, y, colour, text};
    if (const auto found = finished.constFind(key); found != finished.cend()) {
        picture = *found;
        return;
    }
    const QImage before = picture;
    DrawOnto(picture, x, y, text, QColor::fromRgba(colour));
    // Once a redraw stops changing pixels, the old picture ends the chain of ever new ones.
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
        for (int i = 0; i < drawn.times; ++i) {
            DrawNumber(picture, drawn.x, drawn.y, drawn.text, drawn.colour);
        }
    }
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared tools for drawing the game's pictures: colours, canvases, keyed compositing, palettes.
#include "picture_kit.h"
#include "pictures.h"

#include <QHash>
#include <QImageWriter>

#include <array>
#include <cmath>

#include <cstdio>

namespace pictures {

namespace {

// Figure pixels fainter than this (out of 255) are left transparent: blended over the window
// they would differ from it by a few units at most, a difference nobody can see.
constexpr int AlphaFloor = 24;

// One unit away from `colour`, in the red channel, for a pixel that must not equal a key.
QRgb nudged(QRgb colour)
{
    const int r = qRed(colour);
    return qRgb(r < 255 ? r + 1 : r - 1, qGreen(colour), qBlue(colour));
}

QRgb blend(QRgb premultiplied, QRgb background)
{
    const int a = qAlpha(premultiplied);
    auto channel = [a](int front, int back) { return front + (back * (255 - a) + 127) / 255; };
    return qRgb(channel(qRed(premultiplied), qRed(background)),
                channel(qGreen(premultiplied), qGreen(background)),
                channel(qBlue(premultiplied), qBlue(background)));
}

} // namespace

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QString scaledFileName(const QString &name, double scale)
{
    if (scale == 1.0)
        return name + ".png";
    return QString("%1@%2x.png").arg(name, QString::number(scale));
}

int scaledSide(int side, double scale)
{
    // 39 units at 125 % are 48.75 pixels: the figure keeps its exact scale, and the partly
    // covered last column and row are kept whole.
    return int(std::ceil(side * scale - 1e-9));
}

ScaledCanvas::ScaledCanvas(int side, double scale)
    : image(canvas(scaledSide(side, scale), scaledSide(side, scale)))
{
    painter.begin(&image);
    if (scale != 1.0)
        painter.scale(scale, scale);
}

void smooth(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage keyed(const QImage &figure, QRgb background, QRgb key)
{
    const QImage source = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = source.pixel(x, y);
            QRgb c = key;
            if (qAlpha(p) >= AlphaFloor) {
                c = blend(p, background);
                if (c == key)
                    c = nudged(c);
            }
            out.setPixel(x, y, c);
        }
    }
    return out;
}

QImage strip(const QImage &colourFrame, const QImage &greyFrame)
{
    const int side = colourFrame.width();
    QImage out(side * StripFrames, side, QImage::Format_RGB32);
    QPainter painter(&out);
    const QImage frames[StripFrames] = {colourFrame, colourFrame, greyFrame, greyFrame};
    for (int k = 0; k < StripFrames; ++k)
        painter.drawImage(k * side, 0, frames[k]);
    return out;
}

QImage onGround(const QImage &figure, QRgb ground)
{
    const QImage source = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            out.setPixel(x, y, blend(source.pixel(x, y), ground));
    return out;
}

QImage indexedWithKey(const QImage &rgb, QRgb key, int entries)
{
    const QImage source = rgb.convertToFormat(QImage::Format_RGB32);
    // Count the figure's colours in first-seen order, so the palette never depends on hashing.
    QList<QRgb> order;
    QHash<QRgb, int> count;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y);
            if (c == key)
                continue;
            if (!count.contains(c))
                order.append(c);
            ++count[c];
        }
    // Merge neighbouring shades into buckets, coarser each round, until the palette has room.
    QHash<QRgb, QRgb> mapped;
    for (int shift = 0; shift < 8; ++shift) {
        QList<QRgb> buckets;
        QHash<QRgb, std::array<qint64, 4>> sums;
        auto bucketOf = [shift](QRgb c) {
            return qRgb(qRed(c) >> shift, qGreen(c) >> shift, qBlue(c) >> shift);
        };
        for (QRgb c : order) {
            const QRgb b = bucketOf(c);
            if (!sums.contains(b)) {
                buckets.append(b);
                sums[b] = {0, 0, 0, 0};
            }
            auto &s = sums[b];
            const int n = count[c];
            s[0] += qint64(qRed(c)) * n;
            s[1] += qint64(qGreen(c)) * n;
            s[2] += qint64(qBlue(c)) * n;
            s[3] += n;
        }
        if (buckets.size() > entries - 1)
            continue;
        for (QRgb c : order) {
            const auto &s = sums[bucketOf(c)];
            QRgb mean = qRgb(int((s[0] + s[3] / 2) / s[3]), int((s[1] + s[3] / 2) / s[3]),
                             int((s[2] + s[3] / 2) / s[3]));
            mapped[c] = mean == key ? nudged(mean) : mean;
        }
        break;
    }
    QList<QRgb> palette{key};
    QHash<QRgb, int> index;
    for (QRgb c : order) {
        const QRgb m = mapped.value(c);
        if (!index.contains(m)) {
            index[m] = int(palette.size());
            palette.append(m);
        }
    }
    const QRgb filler = key == qRgb(0, 0, 0) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    while (palette.size() < entries)
        palette.append(filler);

    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y);
            out.setPixel(x, y, c == key ? 0 : index.value(mapped.value(c)));
        }
    return out;
}

QList<QRgb> vgaPalette()
{
    return {qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
            qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
            qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
            qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
            qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
            qRgb(0xFF, 0xFF, 0xFF)};
}

int nearestIndex(QRgb colour, const QList<QRgb> &palette, QRgb skip)
{
    int best = -1;
    long bestDistance = 0;
    for (int i = 0; i < palette.size(); ++i) {
        if (palette[i] == skip)
            continue;
        const long dr = qRed(colour) - qRed(palette[i]);
        const long dg = qGreen(colour) - qGreen(palette[i]);
        const long db = qBlue(colour) - qBlue(palette[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool savePng(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "png");
    // Each picture carries its own licence notice, in PNG text chunks, wherever it is copied.
    writer.setText("Copyright", "2026 The Pelimor developers");
    writer.setText("License", "GPL-3.0-or-later");
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "make-pictures: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace pictures

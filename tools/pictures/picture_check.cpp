// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Self-check of the written pictures at every scale: each is what the generator draws, with its
// size, exact colours, keys, margins and figure shape.
#include "picture_kit.h"
#include "pictures.h"

#include <QDir>
#include <QList>
#include <QPoint>
#include <QRect>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pictures {

namespace {

class Checker {
public:
    explicit Checker(QString folder) : folder_(std::move(folder)) {}

    int faults() const { return faults_; }

    void fault(const QString &file, const QString &what)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(what));
        ++faults_;
    }

    // Loads a picture and checks its size; a null image means the caller stops there.
    QImage load(const QString &file, int width, int height)
    {
        QImage image(path(file));
        if (image.isNull()) {
            fault(file, "missing or unreadable");
            return {};
        }
        if (image.width() != width || image.height() != height) {
            fault(file, QString("is %1 x %2, should be %3 x %4")
                            .arg(image.width()).arg(image.height()).arg(width).arg(height));
            return {};
        }
        return image;
    }

    QString folder() const { return folder_; }
    QString path(const QString &file) const { return QDir(folder_).filePath(file); }

private:
    QString folder_;
    int faults_ = 0;
};

QString hex(QRgb c)
{
    return QString("#%1").arg(c & 0xFFFFFF, 6, 16, QChar('0'));
}

// The rectangle holding every pixel of `frame` that differs from `key`.
QRect figureBounds(const QImage &frame, QRgb key)
{
    QRect bounds;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.pixel(x, y) != key)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Key pixels that cannot be reached from the frame's border through key pixels: holes that
// would show the button's background through the middle of the figure.
int enclosedKeyPixels(const QImage &image, QRgb key)
{
    const int w = image.width(), h = image.height();
    QList<bool> seen(w * h, false);
    QList<QPoint> todo;
    for (int x = 0; x < w; ++x)
        todo << QPoint(x, 0) << QPoint(x, h - 1);
    for (int y = 0; y < h; ++y)
        todo << QPoint(0, y) << QPoint(w - 1, y);
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h || seen[p.y() * w + p.x()] ||
            image.pixel(p) != key)
            continue;
        seen[p.y() * w + p.x()] = true;
        todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            enclosed += image.pixel(x, y) == key && !seen[y * w + x];
    return enclosed;
}

// The pixel whose centre a unit point's own pixel centre falls in, at `scale`.
int unitPixel(int unit, double scale)
{
    return int(std::floor((unit + 0.5) * scale));
}

// The first pixel at or after unit `unit`, and the first pixel from `unit` on that a drawing
// ending there leaves untouched.
int firstPixel(double unit, double scale)
{
    return int(std::floor(unit * scale + 1e-9));
}
int endPixel(double unit, double scale)
{
    return int(std::ceil(unit * scale - 1e-9));
}

void checkFlat(Checker &c, const QString &name, QRgb colour, double scale)
{
    const QString file = scaledFileName(name, scale);
    const int side = scaledSide(48, scale);
    const QImage image = c.load(file, side, side);
    if (image.isNull())
        return;
    if (image.hasAlphaChannel())
        c.fault(file, "has an alpha channel; cell pictures are opaque");
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (image.pixel(x, y) != colour) {
                c.fault(file, QString("pixel %1,%2 is %3, not %4").arg(x).arg(y)
                                  .arg(hex(image.pixel(x, y)), hex(colour)));
                return;
            }
}

// A rectangle of units [left, right) x [top, bottom) as the pixels it touches at `scale`.
QRect unitArea(double left, double top, double right, double bottom, double scale)
{
    return QRect(QPoint(firstPixel(left, scale), firstPixel(top, scale)),
                 QPoint(endPixel(right, scale) - 1, endPixel(bottom, scale) - 1));
}

void checkTreasure(Checker &c, double scale)
{
    const QString file = scaledFileName("imgTreasure", scale);
    const int side = scaledSide(48, scale);
    const QImage image = c.load(file, side, side);
    if (image.isNull())
        return;
    const QRect drawing = unitArea(6, 6, 42, 43, scale);   // columns 6..41, rows 6..42
    // Yellow digits need a mid to dark ground where they fall (columns 8..40, rows 9..40).
    const QRect digits = unitArea(8, 9, 41, 41, scale);
    int margin = 0, dark = 0, digitArea = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb p = image.pixel(x, y);
            if (!drawing.contains(x, y) && p != Sand)
                ++margin;
            if (digits.contains(x, y)) {
                ++digitArea;
                dark += qGray(p) < 120;
            }
        }
    if (margin)
        c.fault(file, QString("%1 pixels outside columns 6..41, rows 6..42 are not sand").arg(margin));
    if (dark * 10 < digitArea * 6)
        c.fault(file, QString("only %1 of %2 pixels under the digits are dark").arg(dark).arg(digitArea));
    if (figureBounds(image, Sand).width() < 30 * scale)
        c.fault(file, "the box is too small");
}

// A strip: key at every frame's bottom left, frames 0 = 1 and 2 = 3, the grey drawing in the
// same place as the coloured one, and the named points left transparent.
void checkStrip(Checker &c, const QString &name, const QList<QPoint> &transparentPoints,
                double scale)
{
    const QString file = scaledFileName(name, scale);
    const int side = scaledSide(FrameSize, scale);
    const QImage image = c.load(file, side * StripFrames, side);
    if (image.isNull())
        return;
    QImage frames[StripFrames];
    for (int k = 0; k < StripFrames; ++k) {
        frames[k] = image.copy(k * side, 0, side, side);
        if (frames[k].pixel(0, side - 1) != WindowColour)
            c.fault(file, QString("frame %1's bottom-left pixel is not the window colour").arg(k));
    }
    if (frames[0] != frames[1] || frames[2] != frames[3])
        c.fault(file, "frames 0 and 1, or 2 and 3, differ");
    int moved = 0, figure = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool colourShows = frames[0].pixel(x, y) != WindowColour;
            moved += colourShows != (frames[2].pixel(x, y) != WindowColour);
            figure += colourShows;
        }
    if (moved)
        c.fault(file, QString("the grey drawing differs in shape from the coloured one at %1 pixels").arg(moved));
    if (figure < 60 * scale * scale || figure > side * side * 3 / 4)
        c.fault(file, QString("implausible figure of %1 pixels").arg(figure));
    for (QPoint p : transparentPoints) {
        const QPoint at(unitPixel(p.x(), scale), unitPixel(p.y(), scale));
        if (frames[0].pixel(at) != WindowColour)
            c.fault(file, QString("pixel %1,%2 should be transparent").arg(at.x()).arg(at.y()));
    }
}

// Whether `pixels` is within [low, high] units at `scale`, rounded outwards.
bool withinUnits(int pixels, double low, double high, double scale)
{
    return pixels >= firstPixel(low, scale) && pixels <= endPixel(high, scale);
}

void checkNumTreasures(Checker &c, double scale)
{
    const QString file = scaledFileName("sbtNumTreasures", scale);
    const int side = scaledSide(FrameSize, scale);
    const QImage image = c.load(file, side, side);
    if (image.isNull())
        return;
    if (image.pixel(0, side - 1) != MagentaKey)
        c.fault(file, "bottom-left pixel is not magenta");
    const QRect box = figureBounds(image, MagentaKey);
    if (!withinUnits(box.width(), 27, 31, scale) || !withinUnits(box.height(), 28, 32, scale))
        c.fault(file, QString("box is %1 x %2, should be about 29 x 30").arg(box.width()).arg(box.height()));
    // The frame's middle unit, 19, has its centre on this pixel; one unit either way will do.
    const double middle = 19.5 * scale - 0.5;
    if (std::abs(box.center().x() - middle) > scale || std::abs(box.center().y() - middle) > scale)
        c.fault(file, "box is not centred");
    if (enclosedKeyPixels(image, MagentaKey))
        c.fault(file, "magenta holes inside the box");
}

void checkHint(Checker &c, double scale)
{
    const QString file = scaledFileName("sbtHint", scale);
    const int side = scaledSide(32, scale);
    const QImage image = c.load(file, side, side);
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() != 256)
        c.fault(file, "is not stored with a 256-entry palette");
    if (image.pixel(0, side - 1) != HintKey)
        c.fault(file, "bottom-left pixel is not the light grey key");
    if (const int holes = enclosedKeyPixels(image, HintKey))
        c.fault(file, QString("%1 key-grey pixels inside the bulb").arg(holes));
}

void checkStop(Checker &c, double scale)
{
    const QString file = scaledFileName("sbtStop", scale);
    const int side = scaledSide(32, scale);
    const QImage image = c.load(file, side, side);
    if (image.isNull())
        return;
    const QList<QRgb> vga = vgaPalette();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (!vga.contains(image.pixel(x, y))) {
                c.fault(file, QString("pixel %1,%2 is not a VGA colour").arg(x).arg(y));
                return;
            }
    if (image.pixel(0, side - 1) != StopKey)
        c.fault(file, "bottom-left pixel is not black");
    if (const int holes = enclosedKeyPixels(image, StopKey))
        c.fault(file, QString("%1 black pixels inside the octagon").arg(holes));
    // The sign fills the frame but for a one-unit margin: its middle rows and columns run from
    // unit 1 to unit 31, and the margin itself is black. A pixel whose centre lies in the sign
    // is part of it, and one wholly outside it is black; a smoothed edge pixel may be either.
    const int first = int(std::ceil(scale - 0.5)), last = int(std::ceil(31 * scale - 0.5)) - 1;
    const int outsideFirst = int(std::floor(scale)) - 1, outsideLast = int(std::ceil(31 * scale));
    for (int m : {unitPixel(15, scale), unitPixel(16, scale)}) {
        for (int i = first; i <= last; ++i)
            if (image.pixel(i, m) == StopKey || image.pixel(m, i) == StopKey)
                c.fault(file, QString("the sign does not reach the margin at row/column %1").arg(m));
        for (int i : {outsideFirst, outsideLast})
            if (image.pixel(i, m) != StopKey || image.pixel(m, i) != StopKey)
                c.fault(file, "the one-unit margin is not black");
    }
}

void checkIcon(Checker &c, const QString &name, int size, double scale)
{
    const QString file = scaledFileName(name, scale);
    size = int(size * scale);
    const QImage image = c.load(file, size, size);
    if (image.isNull())
        return;
    int transparent = 0, partial = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int a = qAlpha(image.pixel(x, y));
            transparent += a == 0;
            partial += a != 0 && a != 255;
        }
    if (partial)
        c.fault(file, QString("%1 half-transparent pixels").arg(partial));
    const double share = double(transparent) / (size * size);
    if (share < 0.5 || share > 0.72)
        c.fault(file, QString("%1% transparent, should be about three fifths").arg(int(share * 100)));
}

// Qt's painter takes the vector instructions of the processor it runs on, and on another
// processor an anti-aliased edge may come out a level lighter or darker in a channel. A picture
// changed by hand, or a drawing changed without writing the pictures again, differs by more.
constexpr int RoundingLevels = 2;

bool sameDrawing(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > RoundingLevels ||
                std::abs(qGreen(p) - qGreen(q)) > RoundingLevels ||
                std::abs(qBlue(p) - qBlue(q)) > RoundingLevels ||
                std::abs(qAlpha(p) - qAlpha(q)) > RoundingLevels)
                return false;
        }
    return true;
}

// The file holds the pixels the generator draws today, to the painter's rounding.
void checkDrawn(Checker &c, const Picture &picture, double scale)
{
    const QString file = scaledFileName(picture.name, scale);
    const QImage stored(c.path(file));
    if (stored.isNull())
        return;   // reported by the picture's own check
    const QImage drawn = picture.make(scale).convertToFormat(QImage::Format_ARGB32);
    if (!sameDrawing(stored.convertToFormat(QImage::Format_ARGB32), drawn))
        c.fault(file, "differs from what make-pictures draws; write the pictures again");
}

} // namespace

int checkPictures(const QString &folder)
{
    Checker c(folder);
    for (double scale : Scales) {
        checkFlat(c, "imgNoKnow", Sand, scale);
        checkFlat(c, "imgEmpty", EmptyGreen, scale);
        checkTreasure(c, scale);
        checkStrip(c, "sbtStartNewGame", {}, scale);
        checkStrip(c, "sbtCreateNewSizeGame", {QPoint(17, 15), QPoint(10, 20)}, scale);
        checkStrip(c, "sbtHelp", {QPoint(19, 12)}, scale);
        checkStrip(c, "sbtExit", {}, scale);
        checkNumTreasures(c, scale);
        checkHint(c, scale);
        checkStop(c, scale);
        checkIcon(c, "icon64", 64, scale);
    }
    for (int size : {16, 32, 48, 128, 256})
        checkIcon(c, QString("icon%1").arg(size), size, 1.0);
    for (const Picture &picture : allPictures())
        for (double scale : picture.scales())
            checkDrawn(c, picture, scale);
    if (c.faults() == 0)
        std::printf("all pictures in %s are sound\n", qPrintable(folder));
    return c.faults();
}

} // namespace pictures

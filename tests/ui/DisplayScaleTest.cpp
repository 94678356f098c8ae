// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the screen's scale, run at 100 %, 150 % and 200 % (see CMakeLists.txt): every
// picture on screen is the generator's drawing for that scale pixel for pixel, numbers keep their
// logical places, the lines between cells stay one logical pixel, and the window follows a move
// to a screen of another scale.
#include "tests/ui/GameWindow.h"

#include "ui/CellNumbers.h"
#include "ui/ScaledPicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>

namespace uitest {
namespace {

using DisplayScale = GameWindow;
using Behind = std::function<bool(QRgb)>;

// A logical point of the window in device pixels, rounded as Qt places widgets.
QPoint Device(QPoint logical, qreal r) {
    return {qRound(logical.x() * r), qRound(logical.y() * r)};
}

// The device pixels a widget covers on its window.
QRect OnWindow(const QWidget& widget, qreal r) {
    const QPoint at = widget.mapTo(widget.window(), QPoint(0, 0));
    return {Device(at, r), Device(at + QPoint(widget.width(), widget.height()), r) - QPoint(1, 1)};
}

// The generator's file of a picture for the scale `r`, as built into the game.
QImage Drawn(const char* name, qreal r) {
    return ui::LoadPicture(QLatin1String(name), r).convertToFormat(QImage::Format_RGB32);
}

// A cell picture with its number drawn on at (x, 9) logical, at the picture's own resolution.
QImage WithNumber(QImage picture, int x, const QString& text, const QColor& colour) {
    QPainter painter(&picture);
    painter.setFont(ui::CellNumberFont());
    painter.setPen(colour);
    painter.drawText(x, 9 + QFontMetrics(ui::CellNumberFont()).ascent(), text);
    return picture;
}

// The pixels of `picture` that the shot, inside `visible`, does not show with the picture's
// top-left at `at` or within one device pixel of it (the best place counts): a pixel of a glyph's
// key colour must show what `behind` accepts, any other its own colour.
int Unlike(const QImage& shot, const QImage& picture, QPoint at, const QRect& visible,
           const Behind& behind = {}) {
    const QRgb key = behind ? picture.pixel(0, picture.height() - 1) : 0;
    int best = picture.width() * picture.height();
    for (int d = 0; d < 9; ++d) {
        int unlike = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QPoint p = at + QPoint(x + d % 3 - 1, y + d / 3 - 1);
                if (!visible.contains(p)) continue;
                const QRgb drawn = picture.pixel(x, y);
                unlike += drawn == key ? !behind(shot.pixel(p)) : shot.pixel(p) != drawn;
            }
        }
        best = std::min(best, unlike);
    }
    return best;
}

// Blocks of 2 x 2 device pixels along a picture's edges (where a block differs from the one
// right of it or below it): the share of them not of one colour. A 100 % picture enlarged to
// 200 % has none; drawings with many straight edges on whole logical pixels (the new-size
// square, the stop sign) have a sixth to a quarter, the others four fifths.
double MixedEdgeBlocks(const QImage& shot, const QRect& picture) {
    auto block = [&](int x, int y) {
        return std::array<QRgb, 4>{shot.pixel(x, y), shot.pixel(x + 1, y), shot.pixel(x, y + 1),
                                   shot.pixel(x + 1, y + 1)};
    };
    int edges = 0, mixed = 0;
    for (int y = picture.top(); y + 3 <= picture.bottom(); y += 2) {
        for (int x = picture.left(); x + 3 <= picture.right(); x += 2) {
            const auto b = block(x, y);
            const bool flat = b == std::array<QRgb, 4>{b[0], b[0], b[0], b[0]};
            if (flat && b == block(x + 2, y) && b == block(x, y + 2)) continue;
            ++edges;
            mixed += !flat;
        }
    }
    return edges == 0 ? 0.0 : double(mixed) / edges;
}

TEST_F(DisplayScale, EveryGlyphIsItsScalesDrawingPixelForPixelInEveryState) {
    ui::TForm1& f = form();
    const qreal r = f.devicePixelRatio();
    const QPalette colours = f.palette();
    const QRgb light = colours.color(QPalette::Light).rgb();
    const QRgb dark = colours.color(QPalette::Dark).rgb();
    const Behind window = [](QRgb c) { return c == WindowColour.rgb(); };
    const Behind edge = [&](QRgb c) { return c == WindowColour.rgb() || c == light || c == dark; };
    const QPoint away(700, 600);
    const std::vector<std::pair<ui::FlatImageButton*, const char*>> glyphs = {
        {f.sbtStartNewGame, "sbtStartNewGame"}, {f.sbtCreateNewSizeGame, "sbtCreateNewSizeGame"},
        {f.sbtNumTreasures, "sbtNumTreasures"}, {f.sbtHint, "sbtHint"},
        {f.sbtHelp, "sbtHelp"},                 {f.sbtStop, "sbtStop"},
        {f.sbtExit, "sbtExit"}};
    for (const auto& [button, name] : glyphs) {
        SCOPED_TRACE(name);
        const QImage glyph = Drawn(name, r);
        const int side = glyph.height();
        const bool strip = glyph.width() == 4 * side;
        const QSize margin = (button->size() - QSize(side, side) / r) / 2;  // 0 or 2 logical
        const QPoint rest = button->mapTo(&f, QPoint(margin.width(), margin.height()));
        const QRect visible = OnWindow(*button, r);
        QTest::mouseMove(f.windowHandle(), away);
        const QImage shot = Shot();
        EXPECT_EQ(Unlike(shot, glyph.copy(0, 0, side, side), Device(rest, r), visible, window), 0);
        if (r == 2) {
            EXPECT_GT(MixedEdgeBlocks(shot, visible), 0.1);
        }
        QTest::mouseMove(f.windowHandle(), CentreOf(*button));  // the raised edge shows
        EXPECT_EQ(Unlike(Shot(), glyph.copy(0, 0, side, side), Device(rest, r), visible, edge), 0);
        if (!strip) continue;
        // Held down: the grey drawing, one logical pixel right and down.
        QTest::mousePress(f.windowHandle(), Qt::LeftButton, {}, CentreOf(*button));
        const QImage grey = glyph.copy(2 * side, 0, side, side);
        EXPECT_EQ(Unlike(Shot(), grey, Device(rest + QPoint(1, 1), r), visible, edge), 0);
        QTest::mouseRelease(f.windowHandle(), Qt::LeftButton, {}, away);
    }
    // The hint toggle left down: the bulb one pixel lower right on a checker as fine as the
    // screen's pixels, which shows wherever the bulb's key colour lies.
    ClickButton(*f.sbtHint);
    QTest::mouseMove(f.windowHandle(), away);
    const QImage shot = Shot();
    const QRgb face = colours.color(QPalette::Button).rgb();
    const Behind checker = [&](QRgb c) { return c == face || c == light || c == dark; };
    const QPoint hint = f.sbtHint->mapTo(&f, QPoint(0, 0));
    EXPECT_EQ(Unlike(shot, Drawn("sbtHint", r), Device(hint + QPoint(3, 3), r),
                     OnWindow(*f.sbtHint, r), checker), 0);
    // Left of the bulb, inside the edge, no two neighbouring pixels of the checker are alike.
    const int y = Device(hint + QPoint(0, 18), r).y();
    int coarse = 0;
    for (int x = Device(hint + QPoint(1, 0), r).x(); x < Device(hint + QPoint(3, 0), r).x(); ++x) {
        const QRgb p = shot.pixel(x, y);
        coarse += !checker(p) || p == shot.pixel(x + 1, y) || p == shot.pixel(x, y + 1);
    }
    EXPECT_EQ(coarse, 0);
}

TEST_F(DisplayScale, CellsShowTheirScalesDrawingWithNumbersAtTheirLogicalPlaces) {
    ChooseSide(12);
    std::vector<std::string> rows(12, "............");
    rows[0] = ".TTTTTTTTTTT";
    StartOn(rows);
    const qreal r = form().devicePixelRatio();
    const std::vector<QPoint> opened = {{0, 0}, {0, 11}, {5, 0}};  // 11 and 1 on green, a box
    for (QPoint at : opened) ClickCell(at.x(), at.y());
    const QImage shot = Shot();
    for (QPoint at : opened) {
        const ui::TMyImage& cell = Cell(at.x(), at.y());
        SCOPED_TRACE(cell.LineCount);
        const char* picture = cell.HasTreasure ? "imgTreasure" : "imgEmpty";
        const QColor colour = cell.HasTreasure ? NumberYellow : NumberBlue;
        const QString text = QString::number(cell.LineCount);
        const int x = cell.LineCount >= 10 ? 8 : 16;
        // The number stands at its logical place, drawn at the screen's own resolution.
        const QImage expected = WithNumber(Drawn(picture, r), x, text, colour);
        const QRect onScreen = OnWindow(cell, r);
        EXPECT_EQ(Unlike(shot, expected, onScreen.topLeft(), onScreen), 0);
        if (r == 2) {
            EXPECT_GT(MixedEdgeBlocks(shot, onScreen), 0.1);
        }
    }
}

TEST_F(DisplayScale, TheLinesBetweenCellsStayOneLogicalPixel) {
    // Along every row and column of cells: each cell shows all 48 logical pixels of its sand,
    // and each line between two cells is its one logical pixel rounded to whole device pixels,
    // the ratio rounded down or up, never none (at 150 % lines of 1 and 2 device pixels alternate).
    ChooseSide(12);
    const qreal r = form().devicePixelRatio();
    const QImage shot = Shot();
    const QRect panel = OnWindow(*form().Panel1, r);
    for (int i = 0; i < 12; ++i) {
        const QPoint centre = Device(CellPoint(i, i), r);
        for (QPoint step : {QPoint(1, 0), QPoint(0, 1)}) {
            std::vector<int> sand, lines;  // run lengths; lines[0] is the margin before the board
            int run = 0;
            bool inSand = false;
            QPoint p = step.x() ? QPoint(panel.left(), centre.y())
                                : QPoint(centre.x(), panel.top());
            for (; panel.contains(p); p += step, ++run) {
                if ((shot.pixel(p) == Sand.rgb()) == inSand) continue;
                (inSand ? sand : lines).push_back(run);
                run = 0;
                inSand = !inSand;
            }
            EXPECT_EQ(sand, std::vector<int>(12, qRound(48 * r))) << "through cell " << i;
            for (std::size_t k = 1; k < lines.size(); ++k) {
                EXPECT_TRUE(lines[k] == std::floor(r) || lines[k] == std::ceil(r)) << lines[k];
            }
        }
    }
}

TEST_F(DisplayScale, AWindowMovedToAScreenOfAnotherScaleShowsThatScalesPictures) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "one screen (PELIMOR_TEST_SCREEN_RATIOS names two)";
    StartOn({"T...", "....", "....", "...T"});
    ClickCell(1, 2);  // a blue 0 on green
    ui::TForm1& f = form();
    for (QScreen* screen : {screens[1], screens[0]}) {
        f.move(screen->geometry().topLeft() + QPoint(40, 40));
        const qreal r = screen->devicePixelRatio();
        const QImage shot = Shot();
        ASSERT_EQ(shot.devicePixelRatio(), r);
        const QRect cell = OnWindow(Cell(1, 2), r);
        EXPECT_EQ(Unlike(shot, WithNumber(Drawn("imgEmpty", r), 16, "0", NumberBlue),
                         cell.topLeft(), cell), 0);
        EXPECT_EQ(Unlike(shot, Drawn("sbtStop", r), Device(f.sbtStop->mapTo(&f, QPoint(2, 2)), r),
                         OnWindow(*f.sbtStop, r), [](QRgb c) { return c == WindowColour.rgb(); }),
                  0);
    }
}

// A screen shows the drawing of the nearest scale at or above its ratio, which Qt reduces to it;
// past the largest, the largest, enlarged.
TEST_F(DisplayScale, EachRatioShowsTheNearestDrawnScaleAtOrAboveIt) {
    qreal previous = 0.5;
    for (const qreal scale : PictureScales) {
        for (const qreal ratio : {previous + 0.01, (previous + scale) / 2, scale, scale + 1e-9}) {
            EXPECT_EQ(ui::PictureScaleFor(ratio), scale) << ratio;
        }
        previous = scale;
    }
    EXPECT_EQ(ui::PictureScaleFor(120.0 / 96.0), 1.25);  // a 120-dpi screen
    EXPECT_EQ(ui::PictureScaleFor(previous + 1), previous);
}

}  // namespace
}  // namespace uitest

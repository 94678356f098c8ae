// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cell numbers look exactly as if drawn straight onto the cell's own picture, however often the
// same number is drawn, on which picture, in which colour and at which place.
#include "ui/CellNumbers.h"
#include "ui/MyImage.h"
#include "ui/TreasureUnit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The colours the rules give numbers: blue on empty ground, yellow on a treasure.
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);

// The number's place: one digit at (16, 9), two digits 8 pixels further left.
int NumberX(int number) { return number >= 10 ? 8 : 16; }
constexpr int NumberY = 9;

// The picture with the text drawn straight onto it, the way a single number is drawn.
QImage DrawnDirectly(QImage picture, int x, int y, const QString& text, const QColor& colour) {
    QPainter painter(&picture);
    painter.setFont(ui::CellNumberFont());
    painter.setPen(colour);
    painter.drawText(x, y + QFontMetrics(ui::CellNumberFont()).ascent(), text);
    painter.end();
    return picture;
}

// Where two pictures first differ, for the failure message.
std::string FirstDifference(const QImage& seen, const QImage& expected) {
    if (seen.size() != expected.size()) return "sizes differ";
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) {
            if (seen.pixel(x, y) != expected.pixel(x, y)) {
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                       QColor(seen.pixel(x, y)).name().toStdString() + " instead of " +
                       QColor(expected.pixel(x, y)).name().toStdString();
            }
        }
    }
    return "formats differ";
}

// The cell's picture, compared pixel by pixel, whatever the storage format.
::testing::AssertionResult SamePixels(const QImage& seen, const QImage& expected) {
    const QImage a = seen.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    if (a == b) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << FirstDifference(a, b);
}

// The real window's board panel and picture holders, and cells in that panel.
class CellNumbers : public ::testing::Test {
protected:
    ui::TForm1 form;

    std::unique_ptr<ui::TMyImage> NewCell() {
        return std::make_unique<ui::TMyImage>(form.Panel1, 0, 0);
    }
    const QImage& Source(core::Picture picture) const { return form.HolderOf(picture).Picture(); }
};

TEST_F(CellNumbers, EveryNumberOnEveryPictureInEitherColourLooksAsIfDrawnDirectly) {
    // Two cells each: the first draws a number for the first time, the second gets the same.
    // Past 256 different numbers the shared pictures start over, so 0 to 99 covers that too.
    auto first = NewCell();
    auto second = NewCell();
    for (core::Picture picture :
         {core::Picture::Empty, core::Picture::Treasure, core::Picture::Unopened}) {
        for (const QColor& colour : {Blue, Yellow}) {
            for (int number = 0; number < 100; ++number) {
                const QString text = QString::number(number);
                const QImage expected =
                    DrawnDirectly(Source(picture), NumberX(number), NumberY, text, colour);
                for (ui::TMyImage* cell : {first.get(), second.get()}) {
                    cell->SetPicture(picture, Source(picture));
                    cell->DrawText(NumberX(number), NumberY, text, colour);
                    ASSERT_TRUE(SamePixels(cell->Picture(), expected))
                        << "number " << number << " in " << colour.name().toStdString()
                        << " on picture " << static_cast<int>(picture);
                }
            }
        }
    }
}

TEST_F(CellNumbers, ANumberDrawnOverItselfAgainAndAgainLooksAsIfDrawnDirectlyEachTime) {
    // An opened treasure on the lines of every hint gets its number drawn over itself once per
    // hint; the edges of the digits darken with each drawing until they stop changing.
    for (const char* text : {"7", "12"}) {
        const int x = QString::fromLatin1(text).size() > 1 ? 8 : 16;
        auto first = NewCell();
        auto second = NewCell();
        first->SetPicture(core::Picture::Treasure, Source(core::Picture::Treasure));
        second->SetPicture(core::Picture::Treasure, Source(core::Picture::Treasure));
        QImage expected = Source(core::Picture::Treasure);
        for (int times = 1; times <= 150; ++times) {
            expected = DrawnDirectly(expected, x, NumberY, QString::fromLatin1(text), Yellow);
            first->DrawText(x, NumberY, QString::fromLatin1(text), Yellow);
            second->DrawText(x, NumberY, QString::fromLatin1(text), Yellow);
            ASSERT_TRUE(SamePixels(first->Picture(), expected)) << text << " drawn " << times;
            ASSERT_TRUE(SamePixels(second->Picture(), expected)) << text << " drawn " << times;
        }
    }
}

TEST_F(CellNumbers, TheSameTextInAnotherColourPlaceOrPictureIsNotTakenForTheFirst) {
    // Each pair differs on screen, so a number shown from the wrong drawing would be seen.
    auto cell = NewCell();
    const QImage empty = Source(core::Picture::Empty);
    const QImage treasure = Source(core::Picture::Treasure);
    const QString five = QStringLiteral("5");
    struct Drawing {
        core::Picture kind;
        const QImage& picture;
        int x, y;
        QColor colour;
    };
    constexpr core::Picture E = core::Picture::Empty;
    constexpr core::Picture T = core::Picture::Treasure;
    const Drawing drawings[] = {{E, empty, 16, NumberY, Blue},   {E, empty, 16, NumberY, Yellow},
                                {E, empty, 8, NumberY, Blue},    {E, empty, 8, NumberY + 3, Blue},
                                {T, treasure, 8, NumberY + 3, Blue}, {E, empty, 16, NumberY, Blue}};
    QImage previous;
    for (const Drawing& drawing : drawings) {
        const QImage expected =
            DrawnDirectly(drawing.picture, drawing.x, drawing.y, five, drawing.colour);
        EXPECT_NE(expected, previous);
        cell->SetPicture(drawing.kind, drawing.picture);
        cell->DrawText(drawing.x, drawing.y, five, drawing.colour);
        EXPECT_TRUE(SamePixels(cell->Picture(), expected));
        previous = expected;
    }
}

TEST_F(CellNumbers, ANewPictureWipesTheNumberAndLeavesTheSourceUntouched) {
    auto cell = NewCell();
    const QImage before = Source(core::Picture::Empty).copy();
    cell->SetPicture(core::Picture::Empty, Source(core::Picture::Empty));
    cell->DrawText(16, NumberY, QStringLiteral("3"), Blue);
    EXPECT_FALSE(SamePixels(cell->Picture(), before));
    cell->SetPicture(core::Picture::Empty, Source(core::Picture::Empty));
    EXPECT_TRUE(SamePixels(cell->Picture(), before));
    EXPECT_TRUE(SamePixels(Source(core::Picture::Empty), before));
}

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Pixels only, never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

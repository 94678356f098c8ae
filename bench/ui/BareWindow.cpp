// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up yardstick: a plain Qt window of the game window's size, colour and place, holding
// 144 picture widgets laid out as the largest board, built before it is first shown. With
// --text it also shows the game's six labels in their bold Arial, to tell the cost of text apart.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace {

// The game window's client size and background, and the largest board's layout in it: 12 x 12
// cells of 48 x 48 at a 49-pixel pitch, 6 pixels inside a panel at (4, 48).
constexpr int WindowWidth = 821;
constexpr int WindowHeight = 652;
const QColor WindowColour(0x78, 0x90, 0x78);
const QColor CellColour(0xCE, 0xAD, 0x73);
constexpr int Side = 12;
constexpr int CellSide = 48;
constexpr int CellPitch = 49;
constexpr int FirstCellX = 4 + 6;
constexpr int FirstCellY = 48 + 6;

// A child that paints its own copy of a picture, opaque, as a board cell does.
class PictureCell : public QWidget {
public:
    PictureCell(QWidget* parent, const QImage& picture) : QWidget(parent), picture_(picture) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(picture_.size());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

private:
    QImage picture_;
};

// The game's labels: place, em height in pixels and text.
struct LabelText {
    int x, y, pixels;
    const char* text;
};
constexpr LabelText Labels[] = {
    {98, 8, 27, "4 x 4"},          {618, 48, 21, "00 : 00"},
    {618, 87, 21, "Ход 0"},        {618, 126, 19, "Спрятано кладов:  1"},
    {627, 154, 19, "Найдено кладов:  0"}, {630, 182, 19, "Осталось найти:  1"},
};

void AddLabels(QWidget& window) {
    for (const LabelText& label : Labels) {
        auto* widget = new QLabel(QString::fromUtf8(label.text), &window);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(label.pixels);
        font.setBold(true);
        widget->setFont(font);
        widget->move(label.x, label.y);
        widget->adjustSize();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(WindowWidth, WindowHeight);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, WindowColour);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) AddLabels(window);
    QImage picture(CellSide, CellSide, QImage::Format_RGB32);
    picture.fill(CellColour);
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            auto* cell = new PictureCell(&window, picture);
            cell->move(FirstCellX + c * CellPitch, FirstCellY + r * CellPitch);
        }
    }
    // Centred on the desktop's free area, as the game's window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
    return QApplication::exec();
}

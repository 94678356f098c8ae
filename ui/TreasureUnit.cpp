// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the buttons along the top, the board panel, the clock and the counters.
#include "ui/TreasureUnit.h"

#include "core/Clock.h"
#include "core/Game.h"
#include "ui/BoardRebuild.h"
#include "ui/CellNumbers.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/SizeMenu.h"
#include "ui/desktop/Placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace ui {

namespace {

constexpr int ClientWidth = 821;
constexpr int ClientHeight = 652;
const char* const Caption = "  Пелимор 2007.0";

const QColor WindowColour(0x78, 0x90, 0x78);
const QColor BoardColour(0x22, 0x5E, 0x36);

const QColor Yellow(255, 255, 0);
const QColor Aqua(0, 255, 255);
const QColor Fuchsia(255, 0, 255);
const QColor Green(0, 128, 0);

// Font sizes are em heights in pixels.
constexpr int WHFontPixels = 27;
constexpr int ClockFontPixels = 21;
constexpr int CounterFontPixels = 19;

// The counters are right-aligned and keep their right edges here as their texts change.
constexpr int CounterRightEdge = 811;

constexpr int ClockPeriodMs = 1000;

QLabel* MakeLabel(QWidget* parent, const QRect& box, int fontPixels, const QColor& colour,
                  Qt::Alignment horizontal, const QString& text, bool opaque) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(box);
    label->setFont(BoldArial(fontPixels));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(opaque);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

// `name` is what a screen reader calls the button; it reads the hint as its description.
FlatImageButton* MakeButton(QWidget* parent, const char* glyph, const QRect& box,
                            const QString& hint, const QString& name) {
    auto* button = new FlatImageButton(parent, QString::fromLatin1(glyph), hint);
    button->setAccessibleName(name);
    button->setGeometry(box);
    return button;
}

PictureHolder* MakeHolder(QWidget* parent, const char* picture, const QRect& box) {
    auto* holder = new PictureHolder(parent, QString::fromLatin1(picture));
    holder->setGeometry(box);
    return holder;
}

}  // namespace

TForm1::TForm1() : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    InitPictures();
    setWindowTitle(QString::fromUtf8(Caption));
    setFixedSize(ClientWidth, ClientHeight);
    setFocusPolicy(Qt::NoFocus);
    CreateButtons();
    CreateLabels();
    CreateBoardAndHolders();
    PopupMenu1 = CreatePopupMenu1(this);
    ConnectHandlers();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }
}

void TForm1::CreateButtons() {
    sbtStartNewGame = MakeButton(this, "sbtStartNewGame", {4, 4, 39, 39},
                                 QStringLiteral("Start New Game Actual W x H"),
                                 QStringLiteral("Новая игра"));
    sbtCreateNewSizeGame = MakeButton(this, "sbtCreateNewSizeGame", {49, 3, 39, 39},
                                      QStringLiteral("Generate New Puzzle Any W x H"),
                                      QStringLiteral("Размер поля"));
    sbtNumTreasures = MakeButton(this, "sbtNumTreasures", {201, 3, 39, 39},
                                 QStringLiteral("Num Treasures"), QStringLiteral("Число кладов"));
    Panel3 = new QWidget(this);
    Panel3->setGeometry(260, 3, 36, 36);
    Panel3->setAutoFillBackground(true);
    sbtHint = MakeButton(Panel3, "sbtHint", {0, 0, 36, 36}, QStringLiteral("Подсказки вкл/откл"),
                         QStringLiteral("Подсказки"));
    sbtHint->setCheckable(true);  // up at start-up; each click flips it
    sbtHelp = MakeButton(this, "sbtHelp", {560, 3, 39, 39}, QStringLiteral("Help"),
                         QStringLiteral("Справка"));
    sbtStop = MakeButton(this, "sbtStop", {736, 3, 36, 36}, QStringLiteral("Остановить игру"),
                         QStringLiteral("Остановить игру"));
    sbtExit = MakeButton(this, "sbtExit", {778, 3, 39, 39}, QStringLiteral("EXIT"),
                         QStringLiteral("Выход"));
}

void TForm1::CreateLabels() {
    // Laid out for the widest board; the board's own size replaces it before showing.
    lblWH = MakeLabel(this, {98, 8, 0, 0}, WHFontPixels, Yellow, Qt::AlignLeft,
                      QStringLiteral("12 x 12"), false);
    lblWH->adjustSize();
    lblTime = MakeLabel(this, {618, 48, 83, 25}, ClockFontPixels, Yellow, Qt::AlignLeft,
                        QStringLiteral("00 : 00"), true);
    lblHod = MakeLabel(this, {618, 87, 83, 25}, ClockFontPixels, Aqua, Qt::AlignLeft,
                       QStringLiteral("Ход 0"), true);
    // The laid-out captions carry two blanks before the number; the game's own texts one.
    lblNumTreasures = MakeLabel(this, {618, 126, 193, 22}, CounterFontPixels, Fuchsia,
                                Qt::AlignRight, QStringLiteral("Спрятано кладов:  1"), false);
    lblNumMyTreasures = MakeLabel(this, {627, 154, 184, 22}, CounterFontPixels, Green,
                                  Qt::AlignRight, QStringLiteral("Найдено кладов:  0"), false);
    lblRest = MakeLabel(this, {630, 182, 181, 22}, CounterFontPixels, Yellow, Qt::AlignRight,
                        QStringLiteral("Осталось найти:  1"), false);
}

void TForm1::CreateBoardAndHolders() {
    Panel1 = new BoardPanel(this);
    Panel1->setAccessibleName(QStringLiteral("Поле"));
    Panel1->setGeometry(4, 48, 600, 600);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    Panel1->setFocusPolicy(Qt::NoFocus);
    // The holders are larger than their 48 x 48 pictures, as laid out.
    imgTreasure = MakeHolder(this, "imgTreasure", {708, 296, 53, 49});
    imgTreasure->hide();
    imgNoKnow = MakeHolder(this, "imgNoKnow", {661, 367, 49, 49});
    imgEmpty = MakeHolder(this, "imgEmpty", {685, 432, 49, 49});
    Timer1 = new QTimer(this);
    Timer1->setInterval(ClockPeriodMs);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void TForm1::ConnectHandlers() {
    connect(sbtStartNewGame, &QAbstractButton::clicked, this, &TForm1::sbtStartNewGameClick);
    connect(sbtCreateNewSizeGame, &QAbstractButton::clicked, this,
            &TForm1::sbtCreateNewSizeGameClick);
    connect(sbtNumTreasures, &FlatImageButton::mouseDown, this, &TForm1::sbtNumTreasuresMouseDown);
    connect(sbtHelp, &QAbstractButton::clicked, this, &TForm1::sbtHelpClick);
    connect(sbtStop, &QAbstractButton::clicked, this, &TForm1::sbtStopClick);
    connect(sbtExit, &QAbstractButton::clicked, this, &TForm1::sbtExitClick);
    connect(PopupMenu1, &QMenu::triggered, this, &TForm1::N4x41Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::FormCreate() {
    QPalette window = palette();
    window.setColor(QPalette::Window, WindowColour);
    setPalette(window);
    QPalette board = Panel1->palette();
    board.setColor(QPalette::Window, BoardColour);
    Panel1->setPalette(board);
    QPalette hint = Panel3->palette();
    hint.setColor(QPalette::Window, palette().color(QPalette::Window));
    Panel3->setPalette(hint);
    core::StartUp();
}

QLabel* TForm1::LabelOf(core::Label label) const {
    switch (label) {
        case core::Label::lblWH: return lblWH;
        case core::Label::lblTime: return lblTime;
        case core::Label::lblHod: return lblHod;
        case core::Label::lblNumTreasures: return lblNumTreasures;
        case core::Label::lblNumMyTreasures: return lblNumMyTreasures;
        case core::Label::lblRest: return lblRest;
    }
    return lblWH;
}

void TForm1::ShowLabelText(core::Label which, const QString& text) {
    QLabel* label = LabelOf(which);
    label->setText(text);
    const QFontMetrics metrics(label->font());
    const int width = metrics.horizontalAdvance(text);
    switch (which) {
        case core::Label::lblWH:
            label->resize(width, metrics.height());
            break;
        case core::Label::lblNumTreasures:
        case core::Label::lblNumMyTreasures:
        case core::Label::lblRest:
            label->setGeometry(CounterRightEdge - width, label->y(), width, label->height());
            break;
        case core::Label::lblTime:
        case core::Label::lblHod:
            break;  // fixed boxes; a longer text is clipped at their right edge
    }
}

const PictureHolder& TForm1::HolderOf(core::Picture picture) const {
    switch (picture) {
        case core::Picture::Unopened: return *imgNoKnow;
        case core::Picture::Empty: return *imgEmpty;
        case core::Picture::Treasure: return *imgTreasure;
    }
    return *imgNoKnow;
}

void TForm1::sbtStartNewGameClick() {
    const BoardRebuild rebuild(*Panel1);
    core::StartCommand();
}

// Always pops up, also during a game; the item chosen is what may be refused.
void TForm1::sbtCreateNewSizeGameClick() {
    PopupMenu1->popup(UnderButton(*sbtCreateNewSizeGame));
}

void TForm1::sbtNumTreasuresMouseDown(Qt::MouseButton) {
    if (frmNumTreasures != nullptr) OpenNumTreasures(*frmNumTreasures, *sbtNumTreasures);
}

void TForm1::sbtHelpClick() { OpenHelpPage(HelpOpener); }

void TForm1::sbtStopClick() { core::StopCommand(); }

void TForm1::sbtExitClick() { core::ExitCommand(); }

void TForm1::N4x41Click(QAction* sender) {
    // A click on an item closes the menu; an item chosen by a screen reader would leave it open.
    PopupMenu1->hide();
    const BoardRebuild rebuild(*Panel1);
    ChooseSizeItem(sender);
}

void TForm1::Timer1Timer() { core::Timer1Timer(); }

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

}  // namespace ui

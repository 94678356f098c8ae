// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the buttons along the top, the board panel, the clock and the counters.
#include "ui/TreasureUnit.h"

#include "core/Clock.h"
#include "core/Game.h"
#include "forms/Forms.h"
#include "ui/FormParts.h"
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

constexpr int ClockPeriodMs = 1000;

QLabel* MakeLabel(QWidget* parent, const forms::Control& control) {
    auto* label = new QLabel(Words(control.text), parent);
    label->setFont(BoldArial(control.fontPixels));
    SetColour(*label, QPalette::WindowText, ColourOf(control.colour));
    const Qt::Alignment horizontal =
        control.align == forms::Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(control.opaque);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* MakeBoard(QWidget* parent) {
    auto* board = new BoardPanel(parent);
    board->setFrameStyle(QFrame::Panel | QFrame::Raised);
    board->setLineWidth(1);
    board->setAutoFillBackground(true);
    board->setFocusPolicy(Qt::NoFocus);
    return board;
}

QWidget* MakeControl(QWidget* parent, const forms::Control& control) {
    switch (control.kind) {
        case forms::Kind::ImageButton:
        case forms::Kind::ToggleButton: {
            auto* button = new FlatImageButton(parent, QString::fromLatin1(control.picture),
                                               Words(control.hint));
            // The toggle is up at start-up; each click flips it.
            button->setCheckable(control.kind == forms::Kind::ToggleButton);
            return button;
        }
        case forms::Kind::Label: return MakeLabel(parent, control);
        case forms::Kind::Panel: {
            auto* panel = new QWidget(parent);
            panel->setAutoFillBackground(true);
            return panel;
        }
        case forms::Kind::Board: return MakeBoard(parent);
        case forms::Kind::Holder:
            return new PictureHolder(parent, QString::fromLatin1(control.picture));
        case forms::Kind::Slider:
        case forms::Kind::Handle: break;  // the picker's own
    }
    return new QWidget(parent);
}

}  // namespace

TForm1::TForm1() : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    InitPictures();
    setWindowTitle(Words(forms::Form1.caption));
    setFixedSize(forms::Form1.width, forms::Form1.height);
    setFocusPolicy(Qt::NoFocus);
    CreateControls();
    Timer1 = new QTimer(this);
    Timer1->setInterval(ClockPeriodMs);
    Timer1->setTimerType(Qt::PreciseTimer);
    PopupMenu1 = CreatePopupMenu1(this);
    // As the main window's child the picker stays above it, off the taskbar, and dies with it.
    frmNumTreasures = new TfrmNumTreasures(this);
    ConnectHandlers();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }
}

void TForm1::CreateControls() {
    for (const forms::Control& control : forms::Form1.controls) {
        QWidget* parent = control.parent ? findChild<QWidget*>(control.parent) : this;
        QWidget* made = MakeControl(parent, control);
        made->setObjectName(control.name);
        made->setGeometry(BoxOf(control));
        if (control.fit == forms::Fit::ToText) made->adjustSize();
        // A screen reader reads a button's hint as its description, and as its name without one.
        if (const char* name = forms::AccessibleNameOf(control)) {
            made->setAccessibleName(Words(name));
        }
        if (control.hidden) made->hide();
    }
    sbtStartNewGame = findChild<FlatImageButton*>("sbtStartNewGame");
    sbtCreateNewSizeGame = findChild<FlatImageButton*>("sbtCreateNewSizeGame");
    sbtNumTreasures = findChild<FlatImageButton*>("sbtNumTreasures");
    Panel3 = findChild<QWidget*>("Panel3");
    sbtHint = findChild<FlatImageButton*>("sbtHint");
    sbtHelp = findChild<FlatImageButton*>("sbtHelp");
    sbtStop = findChild<FlatImageButton*>("sbtStop");
    sbtExit = findChild<FlatImageButton*>("sbtExit");
    lblWH = findChild<QLabel*>("lblWH");
    lblTime = findChild<QLabel*>("lblTime");
    lblHod = findChild<QLabel*>("lblHod");
    lblNumTreasures = findChild<QLabel*>("lblNumTreasures");
    lblNumMyTreasures = findChild<QLabel*>("lblNumMyTreasures");
    lblRest = findChild<QLabel*>("lblRest");
    Panel1 = findChild<BoardPanel*>("Panel1");
    imgTreasure = findChild<PictureHolder*>("imgTreasure");
    imgNoKnow = findChild<PictureHolder*>("imgNoKnow");
    imgEmpty = findChild<PictureHolder*>("imgEmpty");
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
    SetColour(*this, QPalette::Window, ColourOf(forms::Form1.colour));
    SetColour(*Panel1, QPalette::Window, ColourOf(forms::ControlOf(forms::Form1, "Panel1").colour));
    SetColour(*Panel3, QPalette::Window, palette().color(QPalette::Window));
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
    const forms::Control& laidOut = forms::ControlOf(forms::Form1, forms::LabelName(which));
    const QFontMetrics metrics(label->font());
    const int width = metrics.horizontalAdvance(text);
    switch (laidOut.fit) {
        case forms::Fit::ToText: label->resize(width, metrics.height()); break;
        case forms::Fit::RightEdge:
            label->setGeometry(laidOut.box.Right() - width, label->y(), width, label->height());
            break;
        case forms::Fit::Fixed: break;  // a longer text is clipped at the box's right edge
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
    OpenNumTreasures(*frmNumTreasures, *sbtNumTreasures);
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

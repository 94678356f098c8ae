// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker: a red strip with a slider, confirmed by a click on the strip.
#include "ui/NumTreasuresUnit.h"

#include "core/Choices.h"
#include "core/GameState.h"
#include "forms/Forms.h"
#include "ui/FormParts.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/Placement.h"

#include <QApplication>
#include <QColor>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace ui {

namespace {

const forms::Form& Picker = forms::frmNumTreasures;

constexpr int FewestTreasures = 1;

constexpr int TipGap = 2;

}  // namespace

TNumTreasuresSlider::TNumTreasuresSlider(QWidget* parent, const forms::Control& laidOut)
    : QSlider(Qt::Vertical, parent) {
    setObjectName(laidOut.name);
    setGeometry(BoxOf(laidOut));
    // Inverted, so that the smallest count stands at the top.
    setInvertedAppearance(true);
    // Laid out for the start-up board, until the picker first opens.
    setRange(FewestTreasures, core::PickerMaximum(core::StartUpSide));
    setValue(FewestTreasures);
    setPageStep(1);
    setSingleStep(0);
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(1);
    // Without focus no key reaches the slider, PageDown, Home and End included.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(Words(laidOut.hint));
    setAccessibleName(Words(laidOut.accessibleName));
    // A face of its own, so that the ticks show against the red.
    SetColour(*this, QPalette::Window, QApplication::palette().color(QPalette::Button));
    setAutoFillBackground(true);
    // A click on the slider is never a click on the picker's background.
    setAttribute(Qt::WA_NoMousePropagation);

    connect(this, &QSlider::sliderMoved, this, &TNumTreasuresSlider::ShowPositionTip);
    connect(this, &QSlider::sliderReleased, this, [] { QToolTip::hideText(); });
}

void TNumTreasuresSlider::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;

    const QRect thumb = ThumbRect();
    const QPoint at = event->position().toPoint();
    if (thumb.contains(at)) {
        QSlider::mousePressEvent(event);  // the thumb is grabbed and follows the mouse
        return;
    }
    // One step toward the press; QSlider's own press would keep stepping after half a second.
    const bool belowThumb = at.y() > thumb.center().y();
    triggerAction(belowThumb == invertedAppearance() ? SliderPageStepAdd : SliderPageStepSub);
}

QRect TNumTreasuresSlider::ThumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

void TNumTreasuresSlider::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void TNumTreasuresSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TNumTreasuresSlider::ShowPositionTip(int position) {
    const QRect thumb = ThumbRect();
    QToolTip::showText(mapToGlobal(QPoint(width() + TipGap, thumb.top())),
                       QString::number(position), this);
}

TPickerHandle::TPickerHandle(QWidget* picker, const forms::Control& laidOut)
    : QAbstractButton(picker) {
    setObjectName(laidOut.name);
    setAccessibleName(Words(laidOut.accessibleName));
    setGeometry(BoxOf(laidOut));
    setFocusPolicy(Qt::NoFocus);
    // A click there goes to what lies beneath, which does the same.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

TfrmNumTreasures::TfrmNumTreasures(QWidget* parent)
    : QWidget(parent, PickerWindowFlags()),
      tbNumTreasures(new TNumTreasuresSlider(this, forms::ControlOf(Picker, "tbNumTreasures"))),
      btnFewer(new TPickerHandle(this, forms::ControlOf(Picker, "btnFewer"))),
      btnMore(new TPickerHandle(this, forms::ControlOf(Picker, "btnMore"))),
      btnConfirm(new TPickerHandle(this, forms::ControlOf(Picker, "btnConfirm"))) {
    setObjectName(Picker.name);
    setFixedSize(Picker.width, Picker.height);
    SetColour(*this, QPalette::Window, ColourOf(Picker.colour));
    setCursor(Qt::PointingHandCursor);
    setToolTip(Words(Picker.hint));
    setAccessibleName(Words(Picker.accessibleName));
    connect(btnFewer, &QAbstractButton::clicked, tbNumTreasures,
            [this] { tbNumTreasures->triggerAction(QAbstractSlider::SliderPageStepSub); });
    connect(btnMore, &QAbstractButton::clicked, tbNumTreasures,
            [this] { tbNumTreasures->triggerAction(QAbstractSlider::SliderPageStepAdd); });
    connect(btnConfirm, &QAbstractButton::clicked, this, &TfrmNumTreasures::FormClick);
    if (!ThisDesktop().wholeWindowOpacity) {
        // See-through all the same: the strip in paintEvent, the slider through an effect.
        setAttribute(Qt::WA_TranslucentBackground);
        auto* seeThrough = new QGraphicsOpacityEffect(tbNumTreasures);
        seeThrough->setOpacity(Picker.opacity);
        tbNumTreasures->setGraphicsEffect(seeThrough);
    } else {
        setAutoFillBackground(true);
        // Window managers without partial opacity show the picker opaque.
        setWindowOpacity(Picker.opacity);
    }
}

void TfrmNumTreasures::paintEvent(QPaintEvent*) {
    if (!testAttribute(Qt::WA_TranslucentBackground)) return;  // filled from the palette
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setClipRegion(QRegion(rect()).subtracted(tbNumTreasures->geometry()));
    QColor strip = ColourOf(Picker.colour);
    strip.setAlphaF(Picker.opacity);
    painter.fillRect(rect(), strip);
}

void TfrmNumTreasures::OpenFor(int maximum, QPoint topLeft) {
    tbNumTreasures->setMaximum(maximum);
    tbNumTreasures->setValue(FewestTreasures);
    move(topLeft);
    show();
}

void TfrmNumTreasures::mousePressEvent(QMouseEvent* event) {
    leftPressedOnForm_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TfrmNumTreasures::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool click = leftPressedOnForm_ && rect().contains(event->position().toPoint());
    leftPressedOnForm_ = false;
    if (click) FormClick();
}

void TfrmNumTreasures::FormClick() {
    // A picker left open during a game still counts: the running game gets the new target.
    const int position = tbNumTreasures->value();
    core::ConfirmTreasureCount(position);
    hide();
    emit confirmed(position);
}

bool OpenNumTreasures(TfrmNumTreasures& picker, const QWidget& button) {
    if (!core::PickerMayOpen()) return false;
    picker.OpenFor(core::PickerMaximum(core::BoardWidth), UnderButton(button));
    return true;
}

}  // namespace ui

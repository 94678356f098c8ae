// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker: a red strip with a slider, confirmed by a click on the strip.
#pragma once

#include "forms/Forms.h"

#include <QAbstractButton>
#include <QPoint>
#include <QRect>
#include <QSlider>
#include <QWidget>

class QMouseEvent;
class QKeyEvent;
class QPaintEvent;

namespace ui {

// One press on the track moves the thumb one step however long it is held; no key moves it.
class TNumTreasuresSlider : public QSlider {
    Q_OBJECT
public:
    TNumTreasuresSlider(QWidget* parent, const forms::Control& laidOut);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect ThumbRect() const;
    void ShowPositionTip(int position);
};

// Where a click on the picker steps the count or confirms it: a button for a player who reaches the
// picker without seeing it. It draws nothing and lets the mouse through.
class TPickerHandle : public QAbstractButton {
    Q_OBJECT
public:
    TPickerHandle(QWidget* picker, const forms::Control& laidOut);

protected:
    void paintEvent(QPaintEvent*) override {}
};

// A left click on the picker's own background confirms the count and hides it.
class TfrmNumTreasures : public QWidget {
    Q_OBJECT
public:
    // parent: the main window, so the picker stays above it and has no taskbar entry.
    explicit TfrmNumTreasures(QWidget* parent = nullptr);

    // Not modal; topLeft in screen coordinates; the slider runs 1..maximum and stands at 1.
    void OpenFor(int maximum, QPoint topLeft);

    TNumTreasuresSlider* tbNumTreasures;
    // The slider's two ends and the strip beside it, as "Меньше", "Больше" and "Подтвердить".
    TPickerHandle* btnFewer;
    TPickerHandle* btnMore;
    TPickerHandle* btnConfirm;

    void FormClick();

signals:
    // Emitted after the game state has taken the count.
    void confirmed(int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool leftPressedOnForm_ = false;  // a left press on the background waits for its release
};

// Between games opens picker under button for the board's width; refused (false) in a game.
bool OpenNumTreasures(TfrmNumTreasures& picker, const QWidget& button);

}  // namespace ui

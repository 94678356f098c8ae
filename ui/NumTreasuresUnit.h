// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker: a red strip with a slider, confirmed by a click on the strip.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSlider>
#include <QWidget>

class QMouseEvent;
class QKeyEvent;
class QPaintEvent;

namespace ui {

// The picker's slider. One press on the track moves the thumb by exactly one however long
// the button is held, and no key moves it: the player counts treasures one step at a time.
class TNumTreasuresSlider : public QSlider {
    Q_OBJECT
public:
    explicit TNumTreasuresSlider(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the style draws the thumb now.
    QRect ThumbRect() const;
    // Shows the thumb's number just right of the thumb while it is dragged.
    void ShowPositionTip(int position);
};

// The picker window: hidden until the picker button opens it, hidden again by a left click
// on its own background, which makes the slider's position the number of treasures.
class TfrmNumTreasures : public QWidget {
    Q_OBJECT
public:
    // parent: the main window, so the picker stays above it and has no taskbar entry.
    explicit TfrmNumTreasures(QWidget* parent = nullptr);

    // Shows the picker (not modal) at topLeft in screen coordinates with the slider running
    // from 1 to maximum and standing at 1; again while shown, it moves back and resets to 1.
    void OpenFor(int maximum, QPoint topLeft);

    TNumTreasuresSlider* tbNumTreasures;

    // The click on the background: the count becomes the win target and the picker hides.
    void FormClick();

signals:
    // The player confirmed this count; the game state has already taken it.
    void confirmed(int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Made active (by a click on it, as a window manager does), the picker tells a screen reader
    // its count again: naming the newly active window, a screen reader forgets the slider.
    void changeEvent(QEvent* event) override;
    // Where the picker draws itself see-through, its red strip around the slider.
    void paintEvent(QPaintEvent* event) override;

private:
    bool leftPressedOnForm_ = false;  // a left press on the background waits for its release
};

// The one picker window of the program; the platform binding creates it, hidden, at start-up.
extern TfrmNumTreasures* frmNumTreasures;

// The logic of sbtNumTreasuresMouseDown: between games, opens picker under button with the
// slider's maximum for the board's width; refused (false, nothing changes) while a game runs.
bool OpenNumTreasures(TfrmNumTreasures& picker, const QWidget& button);

// While the picker is open, makes its slider the accessible focus, once the events at hand have
// been handled (a window made active is announced by then, and the slider comes after it).
void ReportPickerFocus(TfrmNumTreasures& picker);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A board cell on screen: a 48 x 48 picture in the board panel that carries the cell record.
#pragma once

#include "core/GameState.h"
#include "core/Platform.h"
#include "ui/CellNumbers.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>

namespace ui {

class PictureHolder;

// Cell widgets are 48 x 48 and stand 49 pixels apart, leaving a line of panel colour between.
inline constexpr int CellSide = 48;
inline constexpr int CellPitch = 49;

// Shows a private copy of its picture, opaque and unscaled, and turns a left press and release
// on itself into one Click, which the game's rules handle. A picture from a holder is drawn for
// the scale of the cell's screen and follows the window to a screen of another scale, the
// numbers drawn on it included.
class TMyImage : public QWidget, public core::TCell {
    Q_OBJECT
public:
    TMyImage(QWidget* panel, int col, int row);

    // Copies the holder's picture, which is the unopened, empty or treasure one; whatever was
    // drawn on the previous copy is gone. The holder outlives the cell.
    void SetPicture(core::Picture which, const PictureHolder& source);
    // Copies the picture, as it is at every scale.
    void SetPicture(core::Picture which, const QImage& picture);
    // Draws text on the copy with its character cell's top-left at (x, y) in logical pixels,
    // background untouched.
    void DrawText(int x, int y, const QString& text, const QColor& colour);
    // The picture as it is shown now, numbers included.
    const QImage& Picture() const { return picture_; }
    // Which picture the cell shows, none before its first, and the text drawn on it since.
    std::optional<core::Picture> ShownPicture() const { return shown_; }
    QString ShownNumber() const;
    // Whether the cell is handing a click to the rules right now.
    bool InClick() const { return inClick_; }

    // The cell's Click: the player's move on this cell, as a left press and release make it.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    const PictureHolder* source_ = nullptr;
    DrawnNumbers drawn_;  // since the picture was given; the last is what shows
    std::optional<core::Picture> shown_;
    bool pressed_ = false;
    bool inClick_ = false;
};

}  // namespace ui

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

// A holder's picture follows the window to a screen of another scale, numbers drawn included.
class TMyImage : public QWidget, public core::TCell {
    Q_OBJECT
public:
    TMyImage(QWidget* panel, int col, int row);

    // What was drawn on the previous copy is gone. The holder outlives the cell.
    void SetPicture(core::Picture which, const PictureHolder& source);
    // The picture stays as it is at every scale.
    void SetPicture(core::Picture which, const QImage& picture);
    // (x, y): the character cell's top-left in logical pixels; the background stays.
    void DrawText(int x, int y, const QString& text, const QColor& colour);
    const QImage& Picture() const { return picture_; }
    std::optional<core::Picture> ShownPicture() const { return shown_; }
    QString ShownNumber() const;
    bool InClick() const { return inClick_; }

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

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A flat image button: no frame until the mouse is over it, a colour-keyed glyph, a hand cursor.
#pragma once

#include "ui/ScaledPicture.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

#include <array>

namespace ui {

// The glyph is a single image used in every state, or a strip of four square frames side by
// side: at rest, disabled, pressed, held down. A checkable button is a toggle. It is shown as
// drawn for the scale of the button's screen.
class FlatImageButton : public QAbstractButton {
    Q_OBJECT
public:
    // Frames of a glyph strip, left to right.
    enum Frame { FrameUp = 0, FrameDisabled = 1, FramePressed = 2, FrameHeldDown = 3 };
    static constexpr int StripFrames = 4;

    // `glyph`: the name of the button's picture (see LoadPicture).
    FlatImageButton(QWidget* parent, const QString& glyph, const QString& hint);

    // The frame that shows in the button's present state.
    Frame CurrentFrame() const;
    // Whether the mouse is over the button, as the button last heard.
    bool Hovered() const { return hovered_; }
    // Does what a left click does, for a player who reaches the button without a mouse: the
    // mouse-down signal, then the click.
    void Press();

signals:
    // Any mouse button went down on the button, whatever the button does on release.
    void mouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The frame cut out and keyed on first use, then kept while the screen's scale stays.
    const QPixmap& Prepared(Frame frame);
    void PaintEdge(QPainter& painter, bool sunken) const;
    void PaintChecker(QPainter& painter) const;

    ScaledPicture glyph_;
    qreal preparedScale_ = 0;
    std::array<QPixmap, StripFrames> prepared_;
    bool hovered_ = false;
};

}  // namespace ui

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

// The glyph is one image for every state, or a strip of four square frames in Frame's order.
class FlatImageButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Frame { FrameUp = 0, FrameDisabled = 1, FramePressed = 2, FrameHeldDown = 3 };
    static constexpr int StripFrames = 4;

    FlatImageButton(QWidget* parent, const QString& glyph, const QString& hint);

    Frame CurrentFrame() const;
    bool Hovered() const { return hovered_; }
    // A left click for a player who reaches the button without a mouse: mouseDown, then click.
    void Press();

signals:
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

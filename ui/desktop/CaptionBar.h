// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The title bar the game draws itself on native Wayland: the caption alone, and a drag moves.
#pragma once

#include <QWidget>

#include <memory>

namespace ui {

// Wayland gives no title bar with the caption alone, and the maximise of Qt's ends the game on
// compositors that make a maximised window fill its space, which a fixed-size window cannot.
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 28;  // the classic title bar's

    // `window` must not be shown yet; it turns frameless and keeps room above its layout.
    explicit CaptionBar(QWidget& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// `content`: of fixed size, laid out by hand, not shown yet; a close of the frame goes to it.
std::unique_ptr<QWidget> FrameUnderCaption(QWidget& content);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The title bar the game draws itself on native Wayland: the caption alone, and a drag moves.
#pragma once

#include <QWidget>

#include <memory>

namespace ui {

// A Wayland window has no way to ask the compositor for a title bar with the caption alone,
// and the one Qt draws offers minimise, maximise and close; its maximise even ends the game
// on compositors that insist a window fill the space it is maximised to, which a window of
// fixed size cannot. So there the game's windows go frameless and carry this bar instead: the
// window's caption centred, greyed while another window is active, and a press on it lets the
// player drag the window.
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    // The classic title bar's height.
    static constexpr int Height = 28;

    // Puts a bar along the top of `window`, which must not be shown yet: the window turns
    // frameless and keeps room above whatever its layout holds.
    explicit CaptionBar(QWidget& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A new top-level window holding `content` (a window of fixed size, not shown yet, laid out
// by hand) under a caption bar with content's caption; a close request from the compositor
// closes content.
std::unique_ptr<QWidget> FrameUnderCaption(QWidget& content);

}  // namespace ui

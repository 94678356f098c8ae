// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game notices: a plain modal message box that a key closes only on its release.
#pragma once

#include <QMessageBox>
#include <QObject>

namespace ui {

// Makes the notice act on Return, Enter or Escape when the key comes up, not when it goes down.
// A notice closed on the press is gone before the release: the release then goes to another
// window, and a tool that types into the notice's own window (xdotool's `key --window`) sends
// the press through the X server's test extension but the release, no longer to the focused
// window, as an event addressed to the vanished notice, which fails. The server then holds the
// key down and repeats it, and every later notice is closed by a repeat the moment it opens.
// So the notice waits for the release of a press it saw, and never takes a repeated key:
// a key held down since before the notice opened does not close it.
class KeyUpClosesNotice : public QObject {
public:
    // Watches the box and everything in it; lives as the box's child.
    explicit KeyUpClosesNotice(QMessageBox& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int held_ = 0;           // the closing key pressed on the notice and not yet released
    bool replaying_ = false;  // the press is being handed on to the box, on the release
};

// Shows a modal notice over `parent` with no icon, OK as the default button (and Cancel when
// asked for), and returns when it is closed.
void RunNotice(QWidget* parent, const QString& text, const QString& title, bool withCancel);

}  // namespace ui

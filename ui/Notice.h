// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game notices: a plain modal message box that a key closes only on its release.
#pragma once

#include <QMessageBox>
#include <QObject>

namespace ui {

// Return, Enter and Escape act on release: closed on the press, the notice is gone when
// xdotool's `key --window` addresses the release to it, which fails; the X server then repeats
// the key, closing every later notice at once. Repeats and keys held since before are ignored.
class KeyUpClosesNotice : public QObject {
public:
    explicit KeyUpClosesNotice(QMessageBox& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int held_ = 0;           // the closing key pressed on the notice and not yet released
    bool replaying_ = false;  // the press is being handed on to the box, on the release
};

// Modal, no icon, OK the default (and Cancel when asked for); returns when closed.
void RunNotice(QWidget* parent, const QString& text, const QString& title, bool withCancel);

}  // namespace ui

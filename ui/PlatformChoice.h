// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which display server the game runs on: X11 wherever an X display answers, else Wayland.
#pragma once

#include <functional>
#include <string>

namespace ui {

// The variables the choice reads; an empty value stands for an unset variable, as Qt, Xlib
// and the Wayland library all take an empty one.
struct DisplayEnvironment {
    std::string qtPlatform;      // QT_QPA_PLATFORM: the player's own choice
    std::string xDisplay;        // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
};

// Whether an X server answers at a DISPLAY value.
using XDisplayProbe = std::function<bool(const std::string& display)>;

// The Qt platform to run on. X11 ("xcb", which is XWayland in a Wayland session) whenever an X
// display answers: only there are the picker's place, its see-through red and a title bar
// with the caption alone honoured. "wayland" when only a Wayland display is there. Empty to
// leave Qt's own choice: the player's QT_QPA_PLATFORM, or no display at all, which Qt reports.
// `answers` is asked only about a set DISPLAY, and only when the player has not chosen.
std::string ChoosePlatform(const DisplayEnvironment& environment, const XDisplayProbe& answers);

// Whether an X server listens at a DISPLAY value (":0", "unix:0.1", "host:10.0"): one connect
// to its socket, no X handshake; a server on another host gets a second at most. False for a
// socket left behind by a server that is gone, and for a value that names no X server.
bool XDisplayAnswers(const std::string& display);

// Sets QT_QPA_PLATFORM from ChoosePlatform on this process's environment, before the
// application object is built; true if it set it. The caller takes it back once that object
// stands, so that the programs the game starts (the browser showing help) choose their own.
bool ChooseQtPlatform();

// Whether the game runs as a Wayland client itself rather than through XWayland: there no
// window places itself, and the title bar is Qt's own. Needs the application object.
bool OnNativeWayland();

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The display server the game runs on, and what differs between the ones it knows: the rest of
// the window code reads this description and never asks which server it is.
#pragma once

namespace ui {

struct Desktop {
    // The window manager puts a window where the program asks (X11). A Wayland compositor
    // places every window itself; a window placed beside another must be a popup of it.
    bool windowsPlaceThemselves;
    // A whole window can be made see-through (X11); elsewhere a window draws itself so.
    bool wholeWindowOpacity;
    // The game draws its own caption bar (Wayland): the only title bar a Wayland window gets is
    // Qt's, with minimise, maximise and close, which a window of fixed size must not offer.
    bool ownCaptionBar;
    // The program gives its windows their icon (X11); a Wayland desktop takes it from the
    // game's desktop entry, and Qt's own title bar there would draw it.
    bool setsWindowIcon;
};

// Before the application object is built: X11 first, which is XWayland in a Wayland session,
// and Wayland when no X display answers. Only on X11 are the picker's place, its see-through red
// and a title bar with the caption alone honoured. A QT_QPA_PLATFORM set by the player stands.
// True if it set the variable; the caller takes it back once the application stands, so that
// the programs the game starts (the browser showing help) choose their own.
bool PreferX11();

// The display the application runs on, described once; needs the application object.
const Desktop& ThisDesktop();

}  // namespace ui

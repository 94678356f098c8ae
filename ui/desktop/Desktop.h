// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between the display servers the game knows; no other code asks which one it is.
#pragma once

namespace ui {

struct Desktop {
    // X11 puts a window where asked; on Wayland only a popup can be placed, beside its parent.
    bool windowsPlaceThemselves;
    bool wholeWindowOpacity;  // X11; elsewhere a window draws itself see-through
    // Wayland: Qt's title bar offers maximise, which a fixed-size window must not (CaptionBar).
    bool ownCaptionBar;
    // X11; a Wayland desktop takes it from the desktop entry, and Qt's title bar would draw it.
    bool setsWindowIcon;
};

// Before the application object: X11 (XWayland too) first, as only X11 honours the picker's place.
// True if it set QT_QPA_PLATFORM (a player's stands); unset it later, for the help browser's sake.
bool PreferX11();

const Desktop& ThisDesktop();  // needs the application object

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI, and what it hears of the play.
#pragma once

namespace ui {

// Lets Qt's accessibility describe the game's own controls, the picker and the board, and watches
// the game for the screen reader; once, before the windows are made. Nothing is built and
// nothing watched until an assistive technology listens.
void InstallAccessibility();

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI.
#pragma once

namespace ui {

// Lets Qt's accessibility describe the game's own controls, the picker and the board; once,
// before the windows are made. Nothing is built until an assistive technology asks.
void InstallAccessibility();

}  // namespace ui

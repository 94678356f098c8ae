// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the game core back as the program finds it at start-up, between tests.
#pragma once

namespace testsupport {

// Every game-state variable takes its start-up value (an idle 4 x 4 board, one treasure to hide)
// and the cell table is emptied. The cells themselves belong to the platform that made them,
// which frees them (or has freed them) itself; no platform is called here.
void ResetCoreState();

}  // namespace testsupport

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's main window: built from the forms as the desktop's is, with the same handlers.
#pragma once

namespace web {

// Puts the main window, its size menu and the hidden picker on the page, then runs the game's
// start-up: the board is built, no game runs.
void BuildPage();

void sbtStartNewGameClick();
void sbtCreateNewSizeGameClick();
void sbtNumTreasuresMouseDown();
void sbtHintClick();
void sbtHelpClick();
void sbtStopClick();
void sbtExitClick();
void N4x41Click(int tag);
void Timer1Timer();
// The picker's confirmation with the count on its slider.
void FormClick(int count);

}  // namespace web

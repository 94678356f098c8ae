// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Game control: start-up, the start, stop and exit commands, and the counter labels.
#pragma once

namespace core {

// Masks for ShowCounters: which counter labels to rewrite.
inline constexpr int ShowHidden = 1;  // lblNumTreasures
inline constexpr int ShowFound = 2;   // lblNumMyTreasures
inline constexpr int ShowRest = 4;    // lblRest

// The program's life: creates the windows and handles events until the main window closes.
void RunProgram();
// The core's share of the main window's creation: seeds chance and builds the idle board.
void StartUp();
// Rewrites the counter labels selected by mask (7 all three, 6 found and remaining).
void ShowCounters(int mask);
// Begins a game on a fresh board of the current size with TreasureTotal treasures.
void StartGame();
// The start button: replaces the board (and any running game) with a new game.
void StartCommand();
// The stop button: ends the game, in every state, with its cue and notice.
void StopCommand();
// The exit button: closes the main window, which ends the program.
void ExitCommand();

}  // namespace core

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's words, cues, colours and sizes as the player meets them, written out here again so
// that a wrong constant in the game fails the random play instead of agreeing with itself.
#pragma once

#include "core/Platform.h"

namespace play::words {

inline constexpr const char* NoticeTitle = "ПЕЛИМОР 2007";
inline constexpr const char* StopNotice = "Игра остановлена!";
inline constexpr const char* TimeOutNotice = "Время вышло!";
inline constexpr const char* WinOpen = "Вы нашли все клады! (";
inline constexpr const char* WinClose = ")";
inline constexpr const char* Move = "Ход ";
inline constexpr const char* Hidden = "Спрятано кладов: ";
inline constexpr const char* Found = "Найдено кладов: ";
inline constexpr const char* Rest = "Осталось найти: ";

inline constexpr const char* NewGameCue = "newgame";
inline constexpr const char* ClickCue = "click2";
inline constexpr const char* TreasureCue = "buljk";
inline constexpr const char* WinCue = "Quest";
inline constexpr const char* GameOverCue = "gameover";
inline constexpr const char* EndCue = "end";

inline constexpr core::Rgb NumberOnTreasure{0xFF, 0xFF, 0x00};  // yellow on the box
inline constexpr core::Rgb NumberOnGround{0x00, 0x00, 0xFF};    // blue on the green

// Boards run from 4 x 4 to 12 x 12; the size menu tags them columns x 100 + rows.
inline constexpr int SmallestSide = 4;
inline constexpr int LargestSide = 12;
inline constexpr int SizeTagBase = 100;

}  // namespace play::words

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own words, exactly as the player reads them (UTF-8).
#pragma once

namespace core::texts {

inline constexpr const char* NoticeTitle = "ПЕЛИМОР 2007";
inline constexpr const char* MovePrefix = "Ход ";
inline constexpr const char* HiddenPrefix = "Спрятано кладов: ";
inline constexpr const char* FoundPrefix = "Найдено кладов: ";
inline constexpr const char* RestPrefix = "Осталось найти: ";
inline constexpr const char* StopNotice = "Игра остановлена!";
inline constexpr const char* WinNoticeOpen = "Вы нашли все клады! (";
inline constexpr const char* WinNoticeClose = ")";
// The time-out notice had no words of its own; the player deserves to be told why the game ended.
inline constexpr const char* TimeOutNotice = "Время вышло!";

}  // namespace core::texts

namespace core::cues {

inline constexpr const char* NewGame = "newgame";
inline constexpr const char* Click = "click2";
inline constexpr const char* Treasure = "buljk";
inline constexpr const char* Win = "Quest";
inline constexpr const char* GameOver = "gameover";
inline constexpr const char* End = "end";

}  // namespace core::cues

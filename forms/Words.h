// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of the game, on the desktop and on the page alike.
#pragma once

#include "core/Platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace forms::words {

// What pressing a control is called.
inline constexpr const char* Press = "Нажать";
inline constexpr const char* Toggle = "Переключить";
inline constexpr const char* Open = "Открыть";

inline constexpr const char* HintsOn = "Подсказки включены";
inline constexpr const char* HintsOff = "Подсказки выключены";

// "B3, закрыта", "B3, отмечена", "B3, пусто, 2" or "B3, клад, 3": only what the cell shows, its
// picture (none yet: closed) and the last number drawn on it, so a closed treasure is never given
// away; green without a number is the player's mark. Columns are lettered from A, rows numbered
// from 1.
std::string CellName(int col, int row, std::optional<core::Picture> picture,
                     std::string_view number);
std::string ColumnName(int col);
std::string RowName(int row);

// What the board says of the game: "Игра идёт. Спрятано кладов: 3", or the way to start.
std::string GameWords(bool running, int treasureTotal);

// What a click on a cell did, to be said at once: its new name, with the counts when it found a
// treasure; its name again if nothing changed; the way to start while no game runs.
std::string MoveWords(const std::string& name, const std::string& nameBefore, bool treasure,
                      bool running, int found, int total);

}  // namespace forms::words

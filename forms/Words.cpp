// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of the game, on the desktop and on the page alike.
#include "forms/Words.h"

#include "core/Texts.h"
#include "forms/Forms.h"

namespace forms::words {

namespace {

std::string StartButton() { return ControlOf(Form1, "sbtStartNewGame").accessibleName; }

}  // namespace

std::string ColumnName(int col) { return std::string(1, static_cast<char>('A' + col)); }

std::string RowName(int row) { return std::to_string(row + 1); }

std::string CellName(int col, int row, std::optional<core::Picture> picture,
                     std::string_view number) {
    const std::string name = ColumnName(col) + RowName(row) + ", ";
    switch (picture.value_or(core::Picture::Unopened)) {
        case core::Picture::Unopened: break;
        case core::Picture::Empty:
            if (number.empty()) return name + "отмечена";
            return name + "пусто, " + std::string(number);
        case core::Picture::Treasure: return name + "клад, " + std::string(number);
    }
    return name + "закрыта";
}

std::string GameWords(bool running, int treasureTotal) {
    if (!running) return "Игра не идёт: нажмите «" + StartButton() + "»";
    return "Игра идёт. " + std::string(core::texts::HiddenPrefix) + std::to_string(treasureTotal);
}

std::string MoveWords(const std::string& name, const std::string& nameBefore, bool treasure,
                      bool running, int found, int total) {
    if (name == nameBefore) return running ? name : GameWords(false, total);
    if (!treasure) return name;
    return name + ", Найдено кладов: " + std::to_string(found) +
           ", осталось найти: " + std::to_string(total - found);
}

}  // namespace forms::words

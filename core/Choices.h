// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choices made between games: the board size from the menu and the treasure count from the picker.
#pragma once

namespace core {

// Size menu tags encode a board as columns x 100 + rows.
inline constexpr int SizeTagBase = 100;

// Rebuilds the board closed at the size the tag encodes; refused (false) while a game runs.
bool ChooseSize(int tag);
// Whether the treasure-count picker may open now.
bool PickerMayOpen();
// The picker's largest count for a board of this many columns.
int PickerMaximum(int boardWidth);
// The picker's confirmation: the count becomes the win target, finds count again from zero.
void ConfirmTreasureCount(int count);

}  // namespace core

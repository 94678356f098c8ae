// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A player's move: opening a cell, or marking it with Ctrl held.
#include "core/OpenCell.h"

#include "core/Game.h"
#include "core/GameState.h"
#include "core/Hints.h"
#include "core/Lines.h"
#include "core/Texts.h"

#include <string>

namespace core {

namespace {
// Where a number's 32-pixel character cell starts inside the 48 x 48 cell: one digit sits
// centred at x = 16, two digits need 8 pixels more to the left.
constexpr int OneDigitX = 16;
constexpr int TwoDigitX = 8;
constexpr int NumberY = 9;
}  // namespace

void DrawCellNumber(TCell& cell, Rgb colour) {
    const int x = cell.LineCount >= 10 ? TwoDigitX : OneDigitX;
    Platform().DrawCellText(cell, x, NumberY, std::to_string(cell.LineCount), colour);
}

void CellClick(TCell& cell) {
    if (!GameRunning || cell.Opened) return;
    PlatformOps& platform = Platform();
    if (platform.CtrlHeld()) {
        // The player's own mark for a cell believed empty: only the picture changes.
        platform.SetCellPicture(cell, Picture::Empty);
        return;
    }
    cell.Opened = true;
    platform.PlayCue(cues::Click);
    ++MoveCount;
    platform.SetLabelText(Label::lblHod, texts::MovePrefix + std::to_string(MoveCount));

    Rgb colour = EmptyNumberColour;
    if (cell.HasTreasure) {
        platform.PlayCue(cues::Treasure);
        ++TreasuresFound;
        ShowCounters(ShowFound | ShowRest);
        platform.SetCellPicture(cell, Picture::Treasure);
        colour = TreasureNumberColour;
    } else {
        platform.SetCellPicture(cell, Picture::Empty);
    }
    cell.LineCount = CountLineTreasures(cell.Col, cell.Row);
    DrawCellNumber(cell, colour);

    if (TreasuresFound == TreasureTotal) {
        GameRunning = false;
        platform.PlayCue(cues::Win);
        platform.ShowNotice(texts::WinNoticeOpen + std::to_string(TreasureTotal) +
                                texts::WinNoticeClose,
                            texts::NoticeTitle, NoticeButtons::Ok);
        return;
    }
    if (platform.HintsOn()) RunHints(cell);
}

}  // namespace core

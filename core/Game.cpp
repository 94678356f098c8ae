// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Game control: start-up, the start, stop and exit commands, and the counter labels.
#include "core/Game.h"

#include "core/Board.h"
#include "core/GameState.h"
#include "core/Platform.h"
#include "core/Texts.h"

#include <algorithm>
#include <string>

namespace core {

void RunProgram() {
    Platform().StartWindows();
    Platform().RunEventLoop();
}

void StartUp() {
    Platform().SeedRandom();
    ResetBoard();
}

void ShowCounters(int mask) {
    PlatformOps& platform = Platform();
    if (mask & ShowHidden) {
        platform.SetLabelText(Label::lblNumTreasures,
                              texts::HiddenPrefix + std::to_string(TreasureTotal));
    }
    if (mask & ShowFound) {
        platform.SetLabelText(Label::lblNumMyTreasures,
                              texts::FoundPrefix + std::to_string(TreasuresFound));
    }
    if (mask & ShowRest) {
        platform.SetLabelText(Label::lblRest,
                              texts::RestPrefix + std::to_string(TreasureTotal - TreasuresFound));
    }
}

void StartGame() {
    PlatformOps& platform = Platform();
    // A count picked on a larger board may not fit the smaller one chosen since; hiding it
    // would never end, so the game hides as many as the board holds and the counters say so.
    TreasureTotal = std::min(TreasureTotal, BoardWidth * BoardHeight);
    ResetBoard();
    MoveCount = 0;
    platform.SetLabelText(Label::lblHod, texts::MovePrefix + std::to_string(MoveCount));
    TreasuresFound = 0;
    ShowCounters(ShowHidden | ShowFound | ShowRest);
    PlaceTreasures();
    platform.PlayCue(cues::NewGame);
    platform.SetClockEnabled(true);
    GameRunning = true;
    StartTicks = static_cast<float>(platform.TickCount());
}

void StartCommand() {
    FreeCells();
    StartGame();
}

void StopCommand() {
    GameRunning = false;
    Platform().PlayCue(cues::End);
    Platform().ShowNotice(texts::StopNotice, texts::NoticeTitle, NoticeButtons::Ok);
}

void ExitCommand() { Platform().CloseMainWindow(); }

}  // namespace core

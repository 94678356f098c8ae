// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the real rules from start-up to exit: each event handed over and its effects checked.
#include "tests/property/Session.h"
#include "tests/property/Words.h"

#include "tests/support/ResetCore.h"

#include "core/Board.h"
#include "core/Choices.h"
#include "core/Clock.h"
#include "core/Game.h"
#include "core/OpenCell.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace play {

namespace {

// The picker's largest count for each board width from 4 to 12, as the slider offers it.
constexpr int PickerMaximumByWidth[] = {4, 6, 9, 12, 16, 20, 25, 30, 36};
using words::SmallestSide;
constexpr int TimeLimitSeconds = 3600;
// A start stored as a 32-bit float may sit up to 128 ms off the real counter; a little more
// covers the float the elapsed seconds are kept in.
constexpr std::int64_t StartRoundingMs = 130;

std::string Minutes(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d : %02d", seconds / 60, seconds % 60);
    return text;
}

}  // namespace

Coverage& Coverage::operator+=(const Coverage& more) {
    events += more.events;
    moves += more.moves;
    hintedMoves += more.hintedMoves;
    wins += more.wins;
    stops += more.stops;
    timeOuts += more.timeOuts;
    fullBoardStarts += more.fullBoardStarts;
    midGameConfirmations += more.midGameConfirmations;
    ticksAcrossWrap += more.ticksAcrossWrap;
    refusedSizes += more.refusedSizes;
    twoDigitCounts += more.twoDigitCounts;
    return *this;
}

Session::Session(std::uint32_t randomSeed, const PlayStyle& style)
    : platform_(randomSeed), style_(style) {
    testsupport::ResetCoreState();
    core::BindPlatform(platform_.fake);
    platform_.BeginEvent();
    core::StartUp();
    Expect(platform_.seeds == 1, "start-up seeds chance exactly once");
    Expect(core::BoardWidth == 4 && core::BoardHeight == 4, "start-up builds a 4 x 4 board");
    Expect(!core::GameRunning && !platform_.fake.ClockOn(), "no game and no clock after start-up");
    Expect(platform_.cues.empty() && platform_.notices.empty(), "start-up is silent");
    CheckInvariants();
}

Event Session::Next(ChoiceSource& choose) const {
    Scene scene;
    scene.boardWidth = core::BoardWidth;
    scene.boardHeight = core::BoardHeight;
    for (int c = 0; c < core::BoardWidth; ++c) {
        for (int r = 0; r < core::BoardHeight; ++r) {
            if (!core::Cells[c][r]->Opened) scene.closedCells.emplace_back(c, r);
        }
    }
    scene.pickerShown = pickerShown_;
    scene.pickerMaximum = pickerMaximum_;
    scene.ticks = platform_.fake.now;
    scene.gameStartTicks = gameStartTicks_;
    return NextEvent(choose, style_, scene);
}

void Session::Expect(bool ok, const std::string& what) {
    if (!ok) failures_.push_back(what);
}

Session::Before Session::Snapshot() const {
    Before before{core::GameRunning, core::MoveCount,  core::TreasuresFound, core::TreasureTotal,
                  core::BoardWidth,  core::BoardHeight, platform_.fake.ClockOn(), std::nullopt};
    if (platform_.fake.LabelWritten(core::Label::lblTime)) {
        before.timeLabel = platform_.fake.LabelText(core::Label::lblTime);
    }
    return before;
}

void Session::ExpectQuiet(const char* what) {
    Expect(platform_.cues.empty(), std::string(what) + " plays no cue");
    Expect(platform_.notices.empty(), std::string(what) + " shows no notice");
}

void Session::ExpectBoardUntouched(const Before& before, const char* what) {
    Expect(platform_.touchedCells.empty() && platform_.cellsCreated == 0 &&
               platform_.cellsFreed == 0,
           std::string(what) + " leaves the board alone");
    Expect(core::MoveCount == before.moves, std::string(what) + " keeps the move count");
}

void Session::ExpectNotice(const char* text, core::NoticeButtons buttons) {
    if (platform_.notices.size() != 1) {
        Expect(false, "one notice expected ('" + std::string(text) + "'), " +
                          std::to_string(platform_.notices.size()) + " shown");
        return;
    }
    const Notice& notice = platform_.notices.front();
    Expect(notice.text == text, "notice reads '" + notice.text + "', not '" + text + "'");
    Expect(notice.title == words::NoticeTitle, "notice title '" + notice.title + "'");
    Expect(notice.buttons == buttons, "notice buttons for '" + notice.text + "'");
    // A tick in the notice's own event loop may only switch the clock off.
    if (platform_.nestedTickDelivered) {
        Expect(!platform_.fake.ClockOn(), "a tick during a notice switches the clock off");
    }
}

void Session::Apply(const Event& event) {
    failures_.clear();
    lastEvent_ = Describe(event);
    ++coverage_.events;
    platform_.BeginEvent();
    platform_.fake.now = event.ticks;
    platform_.tickDuringNotice = event.tickDuringNotice;
    const Before before = Snapshot();
    try {
        switch (event.kind) {
            case EventKind::Start: ApplyStart(event, before); break;
            case EventKind::Stop: ApplyStop(before); break;
            case EventKind::Click: ApplyClick(event, before); break;
            case EventKind::HintToggle: platform_.fake.hints = !platform_.fake.hints; break;
            case EventKind::ChooseSize: ApplyChooseSize(event, before); break;
            case EventKind::PickerOpen: ApplyPickerOpen(before); break;
            case EventKind::PickerConfirm: ApplyPickerConfirm(event, before); break;
            case EventKind::Tick:
            case EventKind::TimeOut: ApplyTick(event, before); break;
        }
    } catch (const testsupport::RunawayDraws& runaway) {
        Expect(false, std::string("the rules do not finish: ") + runaway.what());
        return;  // the state is half-built; checking it would only add noise
    }
    CheckInvariants();
}

void Session::ApplyStart(const Event& event, const Before& before) {
    core::StartCommand();
    const int cells = before.width * before.height;
    Expect(core::GameRunning && platform_.fake.ClockOn(), "a start runs a game with its clock");
    Expect(core::MoveCount == 0 && core::TreasuresFound == 0, "a start zeroes moves and finds");
    Expect(core::TreasureTotal == std::min(before.total, cells),
           "a start hides the count chosen, as many as the board holds: " +
               std::to_string(core::TreasureTotal) + " after " + std::to_string(before.total));
    Expect(core::BoardWidth == before.width && core::BoardHeight == before.height,
           "a start keeps the board size");
    Expect(platform_.cellsFreed == cells && platform_.cellsCreated == cells &&
               platform_.layouts == 1,
           "a start replaces every cell once, after one layout");
    Expect(platform_.cues == std::vector<std::string>{words::NewGameCue},
           "a start plays newgame");
    Expect(platform_.notices.empty(), "a start shows no notice");
    coverage_.fullBoardStarts += core::TreasureTotal == cells;
    gameStartTicks_ = event.ticks;
    boardFromGame_ = true;
    confirmedSinceStart_ = false;
    ctrlMarks_.clear();
}

void Session::ApplyStop(const Before& before) {
    core::StopCommand();
    Expect(!core::GameRunning, "stop ends the game");
    ++coverage_.stops;
    Expect(platform_.cues == std::vector<std::string>{words::EndCue}, "stop plays end");
    ExpectNotice(words::StopNotice, core::NoticeButtons::Ok);
    if (!platform_.notices.empty()) {
        Expect(!platform_.notices.front().gameRunning, "the game is over before the stop notice");
    }
    ExpectBoardUntouched(before, "stop");
}

void Session::ApplyClick(const Event& event, const Before& before) {
    core::TCell* cell = core::Cells[event.col][event.row];
    if (!platform_.fake.IsLive(cell)) {
        Expect(false, "the board's cell is not alive");
        return;
    }
    platform_.fake.ctrl = event.ctrl;
    const bool ignored = !before.running || cell->Opened;
    const bool treasure = cell->HasTreasure;
    if (!ignored && event.ctrl) ctrlMarks_.insert(cell);

    core::CellClick(*cell);

    if (ignored) {
        Expect(platform_.Calls() == 0, "a click with no game or on an opened cell does nothing");
        Expect(core::MoveCount == before.moves && core::TreasuresFound == before.found,
               "an ignored click keeps the counters");
        return;
    }
    if (event.ctrl) {
        const testsupport::CellView& view = platform_.fake.View(*cell);
        Expect(!cell->Opened && cell->LineCount == -1, "Ctrl+click leaves the cell closed");
        Expect(view.picture == core::Picture::Empty, "Ctrl+click paints the empty picture");
        Expect(platform_.touchedCells == std::set<const core::TCell*>{cell},
               "Ctrl+click paints only the cell clicked");
        Expect(core::MoveCount == before.moves && core::GameRunning, "Ctrl+click is no move");
        ExpectQuiet("Ctrl+click");
        return;
    }
    ++coverage_.moves;
    coverage_.hintedMoves += platform_.fake.hints;
    coverage_.twoDigitCounts += cell->LineCount >= 10;
    Expect(cell->Opened, "a click opens the cell");
    Expect(core::MoveCount == before.moves + 1, "a click counts one move");
    const int found = before.found + (treasure ? 1 : 0);
    Expect(core::TreasuresFound == found, "a click finds exactly the treasure under it");
    const bool won = found == before.total;
    std::vector<std::string> cues{words::ClickCue};
    if (treasure) cues.push_back(words::TreasureCue);
    if (won) cues.push_back(words::WinCue);
    Expect(platform_.cues == cues, "the click's cues in order");
    Expect(core::GameRunning == !won, won ? "the last find wins the game" : "the game goes on");
    if (won) {
        ++coverage_.wins;
        const std::string text = words::WinOpen + std::to_string(before.total) +
                                 words::WinClose;
        ExpectNotice(text.c_str(), core::NoticeButtons::Ok);
    } else {
        Expect(platform_.notices.empty(), "a move that does not win shows no notice");
    }
    if (!platform_.fake.hints || won) {
        Expect(platform_.touchedCells == std::set<const core::TCell*>{cell},
               "without hints a move changes only the cell clicked");
    } else {
        CheckHintMarks(*cell);
    }
}

void Session::ApplyChooseSize(const Event& event, const Before& before) {
    const int width = event.tag / words::SizeTagBase;
    const int height = event.tag % words::SizeTagBase;
    const bool menuTag = width == height && width >= SmallestSide && width <= words::LargestSide;
    const bool fits = width >= SmallestSide && width <= words::LargestSide &&
                      height >= SmallestSide && height <= words::LargestSide;

    const bool accepted = core::ChooseSize(event.tag);

    if (before.running) Expect(!accepted, "a size is refused while a game runs");
    if (!before.running && menuTag) Expect(accepted, "a menu size is taken between games");
    if (!fits) Expect(!accepted, "a size outside 4..12 is refused");
    if (!accepted) {
        ++coverage_.refusedSizes;
        Expect(platform_.Calls() == 0, "a refused size changes nothing");
        Expect(core::BoardWidth == before.width && core::BoardHeight == before.height,
               "a refused size keeps the board");
        return;
    }
    Expect(core::BoardWidth == width && core::BoardHeight == height, "the board takes the size");
    Expect(platform_.cellsFreed == before.width * before.height &&
               platform_.cellsCreated == width * height && platform_.layouts == 1,
           "a size change replaces every cell once, after one layout");
    Expect(core::TreasureTotal == before.total && core::TreasuresFound == before.found &&
               core::MoveCount == before.moves,
           "a size change keeps the counters");
    Expect(platform_.clockSwitches == 0, "a size change leaves the clock alone");
    ExpectQuiet("a size change");
    boardFromGame_ = false;
    ctrlMarks_.clear();
}

void Session::ApplyPickerOpen(const Before& before) {
    const bool allowed = core::PickerMayOpen();
    Expect(allowed == !before.running, "the picker opens exactly when no game runs");
    Expect(platform_.Calls() == 0, "opening the picker touches nothing");
    if (!allowed) return;  // a picker already shown keeps its slider
    const int maximum = core::PickerMaximum(core::BoardWidth);
    Expect(maximum == PickerMaximumByWidth[core::BoardWidth - SmallestSide],
           "the slider for width " + std::to_string(core::BoardWidth) + " ends at " +
               std::to_string(maximum));
    pickerShown_ = true;
    pickerMaximum_ = maximum;
}

void Session::ApplyPickerConfirm(const Event& event, const Before& before) {
    core::ConfirmTreasureCount(event.count);
    Expect(core::TreasureTotal == event.count, "the confirmed count becomes the target");
    Expect(core::TreasuresFound == 0, "a confirmation counts finds from zero");
    Expect(core::GameRunning == before.running, "a confirmation neither starts nor ends a game");
    ExpectBoardUntouched(before, "a confirmation");
    ExpectQuiet("a confirmation");
    pickerShown_ = false;
    if (boardFromGame_) confirmedSinceStart_ = true;
    coverage_.midGameConfirmations += before.running;
}

void Session::ApplyTick(const Event& event, const Before& before) {
    if (!platform_.fake.ClockOn()) return;  // a stopped timer fires no tick
    core::Timer1Timer();
    ExpectBoardUntouched(before, "a tick");
    const bool timeShown = platform_.fake.LabelWritten(core::Label::lblTime);
    const std::string time = platform_.fake.LabelText(core::Label::lblTime);
    const bool timeUnchanged =
        before.timeLabel ? timeShown && time == *before.timeLabel : !timeShown;
    if (!before.running) {
        Expect(!platform_.fake.ClockOn(), "the first tick after a game switches the clock off");
        Expect(timeUnchanged, "that tick leaves the time alone");
        ExpectQuiet("that tick");
        return;
    }
    // The exact time since the start, read modulo 2^32 as the counter wraps; the clock may be
    // off by the start's float rounding, and rounds to whole seconds, halves to even.
    const std::int64_t sinceStart = static_cast<std::int32_t>(event.ticks - gameStartTicks_);
    const auto lowMs = std::max<std::int64_t>(0, sinceStart - StartRoundingMs);
    const auto highMs = std::max<std::int64_t>(0, sinceStart + StartRoundingMs);
    const int lowest = static_cast<int>(std::ceil(static_cast<double>(lowMs) / 1000.0 - 0.5));
    const int highest = static_cast<int>(std::floor(static_cast<double>(highMs) / 1000.0 + 0.5));
    const std::string when = " at " + std::to_string(sinceStart) + " ms into the game";

    coverage_.ticksAcrossWrap += event.ticks < gameStartTicks_ && sinceStart >= 0;
    if (!core::GameRunning) {
        ++coverage_.timeOuts;
        Expect(highest >= TimeLimitSeconds, "the game timed out early" + when);
        Expect(!platform_.fake.ClockOn(), "the time-out switches the clock off");
        Expect(platform_.cues == std::vector<std::string>{words::GameOverCue},
               "the time-out plays gameover");
        ExpectNotice(words::TimeOutNotice, core::NoticeButtons::OkCancel);
        if (!platform_.notices.empty()) {
            Expect(!platform_.notices.front().clockEnabled, "the clock is off before the notice");
        }
        Expect(timeUnchanged, "the time-out tick leaves the time alone");
        return;
    }
    Expect(lowest < TimeLimitSeconds, "the game outlived the hour" + when);
    Expect(platform_.fake.ClockOn(), "a running game keeps its clock");
    ExpectQuiet("a tick");
    if (!timeShown) {
        Expect(false, "a tick shows the time");
        return;
    }
    bool matches = false;
    for (int s = lowest; s <= highest && !matches; ++s) matches = time == Minutes(s);
    Expect(matches, "the clock reads '" + time + "', not " + Minutes(lowest) +
                        " .. " + Minutes(highest) + when);
}

void Session::Finish() {
    if (finished_) return;
    finished_ = true;
    failures_.clear();
    lastEvent_ = "exit";
    platform_.BeginEvent();
    const int cells = core::BoardWidth * core::BoardHeight;
    core::FreeCells();
    Expect(platform_.cellsFreed == cells, "exit frees every cell of the board");
    Expect(platform_.fake.LiveCells() == 0,
           std::to_string(platform_.fake.LiveCells()) + " cells outlive the board");
    for (const std::string& fault : platform_.fake.faults) Expect(false, fault);
    platform_.fake.faults.clear();
}

}  // namespace play

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A platform that keeps what the player would see and flags every misuse of the cell widgets.
#include "tests/property/TrackingPlatform.h"

#include "core/Clock.h"
#include "core/GameState.h"

namespace play {

namespace {
// The largest board holds 144 cells; hiding 144 treasures there takes about 800 draws of a
// column and a row on average. Far beyond that, placement is not going to finish.
constexpr long RunawayDrawLimit = 2'000'000;
// A timer tick that comes while a notice is open arrives one period after the event.
constexpr std::uint32_t TimerPeriodMs = 1000;
}  // namespace

TrackingPlatform::TrackingPlatform(std::uint32_t randomSeed) : random_(randomSeed) {}

TrackingPlatform::~TrackingPlatform() {
    // Whatever the rules left behind is reported by the session; the memory goes back here.
    for (auto& [cell, view] : liveCells) delete cell;
}

void TrackingPlatform::BeginEvent() {
    calls = layouts = cellsCreated = cellsFreed = clockSwitches = seeds = 0;
    nestedTickDelivered = false;
    cues.clear();
    notices.clear();
    touchedCells.clear();
    drawsThisEvent_ = 0;
    laidOut_ = false;
}

CellView* TrackingPlatform::LiveView(const core::TCell* cell, const char* operation) {
    auto found = liveCells.find(cell);
    if (found == liveCells.end()) {
        faults.push_back(std::string(operation) + " on a cell that is not alive");
        return nullptr;
    }
    touchedCells.insert(cell);
    return &found->second;
}

void TrackingPlatform::SetLabelText(core::Label label, const std::string& text) {
    ++calls;
    labels[label] = text;
}

bool TrackingPlatform::HintsOn() {
    ++calls;
    return hintsDown;
}

bool TrackingPlatform::CtrlHeld() {
    ++calls;
    return ctrlDown;
}

void TrackingPlatform::StartWindows() { faults.push_back("StartWindows called by the rules"); }
void TrackingPlatform::RunEventLoop() { faults.push_back("RunEventLoop called by the rules"); }
void TrackingPlatform::CloseMainWindow() { ++calls; }

void TrackingPlatform::LayoutBoard() {
    ++calls;
    ++layouts;
    laidOut_ = true;
}

core::TCell* TrackingPlatform::NewCell(int col, int row) {
    ++calls;
    ++cellsCreated;
    if (!laidOut_) faults.push_back("NewCell before LayoutBoard");
    if (col < 0 || col >= core::MaxBoardSide || row < 0 || row >= core::MaxBoardSide) {
        faults.push_back("NewCell(" + std::to_string(col) + ", " + std::to_string(row) +
                         ") is off the 12 x 12 table");
    }
    auto* cell = new core::TCell;
    cell->Col = col;
    cell->Row = row;
    liveCells.emplace(cell, CellView{});
    return cell;
}

void TrackingPlatform::FreeCell(core::TCell* cell) {
    ++calls;
    ++cellsFreed;
    if (liveCells.erase(cell) == 0) {
        faults.push_back(cell ? "FreeCell of a cell that is not alive" : "FreeCell(nullptr)");
        return;  // never delete what this platform did not hand out or already took back
    }
    delete cell;
}

void TrackingPlatform::SetCellPicture(core::TCell& cell, core::Picture picture) {
    ++calls;
    if (CellView* view = LiveView(&cell, "SetCellPicture")) {
        view->picture = picture;
        view->number.reset();
    }
}

void TrackingPlatform::DrawCellText(core::TCell& cell, int x, int y, const std::string& text,
                                    core::Rgb colour) {
    ++calls;
    if (CellView* view = LiveView(&cell, "DrawCellText")) {
        if (!view->picture) faults.push_back("a number drawn on a cell with no picture");
        // Drawing again over the same number at the same place is what the hints do.
        if (view->number && (*view->number != text || view->x != x || view->y != y)) {
            faults.push_back("number '" + text + "' drawn over '" + *view->number + "'");
        }
        view->number = text;
        view->colour = colour;
        view->x = x;
        view->y = y;
    }
}

void TrackingPlatform::SetClockEnabled(bool on) {
    ++calls;
    ++clockSwitches;
    clockEnabled = on;
}

std::uint32_t TrackingPlatform::TickCount() {
    ++calls;
    return ticks;
}

void TrackingPlatform::SeedRandom() {
    ++calls;
    ++seeds;
}

int TrackingPlatform::RandomBelow(int n) {
    ++calls;
    if (n <= 0) {
        faults.push_back("RandomBelow(" + std::to_string(n) + ")");
        return 0;
    }
    if (++drawsThisEvent_ > RunawayDrawLimit) {
        throw RunawayDraws("more than " + std::to_string(RunawayDrawLimit) +
                           " random draws in one event");
    }
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

void TrackingPlatform::PlayCue(const std::string& name) {
    ++calls;
    cues.push_back(name);
}

void TrackingPlatform::ShowNotice(const std::string& text, const std::string& title,
                                  core::NoticeButtons buttons) {
    ++calls;
    notices.push_back({text, title, buttons, core::GameRunning, clockEnabled});
    // The notice's own event loop still delivers clock ticks.
    if (tickDuringNotice && clockEnabled) {
        tickDuringNotice = false;
        nestedTickDelivered = true;
        ticks += TimerPeriodMs;
        core::Timer1Timer();
    }
}

}  // namespace play

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a move, a placement and a whole game cost the rules on the largest board.
#include "bench/core/BoardPicks.h"

#include "core/Board.h"
#include "core/Choices.h"
#include "core/Game.h"
#include "core/GameState.h"
#include "core/Lines.h"
#include "core/OpenCell.h"
#include "tests/support/FakePlatform.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace corebench {
namespace {

constexpr int Side = 12;
constexpr int MostTreasures = 36;  // the picker's limit on 12 x 12

// The platform of every benchmark here: the tests' fake, counting the calls rather than keeping
// them, with chance from a fixed seed and no limit on draws, so that every run measures the
// same boards and the cost is the rules' own.
struct NullPlatform : testsupport::FakePlatform {
    static constexpr std::uint32_t Seed = 2007;
    NullPlatform() {
        keepCalls = false;
        keepViews = false;
        drawLimit = std::numeric_limits<std::size_t>::max();
        UseSeed(Seed);
    }
};

// The idle start-up board of a fresh run, bound to `platform`; any earlier board is freed.
void FreshCore(NullPlatform& platform) {
    core::BindPlatform(platform);
    if (core::Cells[0][0] != nullptr) core::FreeCells();
    core::GameRunning = false;
    core::TreasureTotal = 1;
    core::BoardWidth = 4;
    core::BoardHeight = 4;
    core::StartUp();
}

// A 12 x 12 game with 36 treasures in progress.
void StartLargestGame(NullPlatform& platform, int treasures) {
    FreshCore(platform);
    core::ChooseSize(Side * core::SizeTagBase + Side);
    core::TreasureTotal = treasures;
    core::StartCommand();
}

using bench::FirstEmptyCellWithANumber;

// Opens every cell but those in `keepClosed` by plain clicks with hints off.
void OpenAllBut(NullPlatform& platform, const std::vector<const core::TCell*>& keepClosed) {
    platform.hints = false;
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            core::TCell* cell = core::Cells[c][r];
            if (std::find(keepClosed.begin(), keepClosed.end(), cell) == keepClosed.end()) {
                core::CellClick(*cell);
            }
        }
    }
}

// Reports how much of the board the hint deduction had to look at.
void CountNumbers(benchmark::State& state) {
    int numbers = 0, satisfied = 0;
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            const core::TCell& cell = *core::Cells[c][r];
            if (cell.LineCount <= 0) continue;
            ++numbers;
            satisfied += core::CountFoundOnLines(c, r) == cell.LineCount;
        }
    }
    state.counters["opened_numbers"] = numbers;
    state.counters["satisfied"] = satisfied;
}

// Clicks `cell` with hints on, again and again; between clicks it is closed again by hand
// (three stores), so every iteration repeats the same move on the same board.
void RepeatClick(benchmark::State& state, NullPlatform& platform, core::TCell& cell) {
    platform.hints = true;
    for (auto _ : state) {
        core::CellClick(cell);
        cell.Opened = false;
        cell.LineCount = -1;
        --core::MoveCount;
    }
    core::CellClick(cell);
    CountNumbers(state);
    if (!core::GameRunning) state.SkipWithError("the measured click ended the game");
    core::FreeCells();
}

// The dearest move there is: all 36 treasures found but the game goes on (a picker confirmed
// during the game raised the target to 37), so every opened number is satisfied and the
// deduction repaints the lines of all of them.
void BM_WorstClick(benchmark::State& state) {
    NullPlatform platform;
    StartLargestGame(platform, MostTreasures);
    core::ConfirmTreasureCount(MostTreasures + 1);
    core::TCell* target = FirstEmptyCellWithANumber();
    OpenAllBut(platform, {target});
    RepeatClick(state, platform, *target);
}
BENCHMARK(BM_WorstClick)->Unit(benchmark::kMicrosecond);

// The dearest move of an ordinary game: every cell open but the measured one and the last
// treasure, chosen where it is seen by the fewest cells, so most numbers are satisfied.
void BM_LastTreasureLeftClick(benchmark::State& state) {
    NullPlatform platform;
    StartLargestGame(platform, MostTreasures);
    core::TCell* hidden = nullptr;
    int fewestSeeing = Side * Side + 1;
    for (int c = 0; c < Side; ++c) {
        for (int r = 0; r < Side; ++r) {
            if (!core::Cells[c][r]->HasTreasure) continue;
            int seeing = 0;
            for (int c2 = 0; c2 < Side; ++c2) {
                for (int r2 = 0; r2 < Side; ++r2) seeing += core::OnQueenLines(c, r, c2, r2);
            }
            if (seeing < fewestSeeing) {
                fewestSeeing = seeing;
                hidden = core::Cells[c][r];
            }
        }
    }
    core::TCell* target = FirstEmptyCellWithANumber();
    OpenAllBut(platform, {target, hidden});
    RepeatClick(state, platform, *target);
}
BENCHMARK(BM_LastTreasureLeftClick)->Unit(benchmark::kMicrosecond);

// Hiding 36 treasures on 6 x 6, where every cell is taken and the last ones take many draws.
void BM_PlaceTreasuresFillingSixBySix(benchmark::State& state) {
    NullPlatform platform;
    FreshCore(platform);
    core::ChooseSize(606);
    core::TreasureTotal = 36;
    for (auto _ : state) {
        for (int c = 0; c < 6; ++c) {
            for (int r = 0; r < 6; ++r) core::Cells[c][r]->HasTreasure = false;
        }
        core::PlaceTreasures();
    }
    core::FreeCells();
}
BENCHMARK(BM_PlaceTreasuresFillingSixBySix)->Unit(benchmark::kMicrosecond);

// One whole game on 12 x 12 with 36 treasures: a fresh board, then clicks in a random order
// until the last treasure is found. The argument is the hint toggle.
void BM_WholeGame(benchmark::State& state) {
    NullPlatform platform;
    FreshCore(platform);
    core::ChooseSize(Side * core::SizeTagBase + Side);
    core::TreasureTotal = MostTreasures;
    std::vector<std::pair<int, int>> order;
    for (int c = 0; c < Side; ++c) {
        for (int r = 0; r < Side; ++r) order.emplace_back(c, r);
    }
    std::mt19937 chance(NullPlatform::Seed);
    std::int64_t moves = 0;
    for (auto _ : state) {
        platform.hints = false;
        core::StartCommand();
        platform.hints = state.range(0) != 0;
        std::shuffle(order.begin(), order.end(), chance);
        for (auto [c, r] : order) {
            if (!core::GameRunning) break;
            core::CellClick(*core::Cells[c][r]);
        }
        moves += core::MoveCount;
    }
    state.counters["moves_per_game"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
    core::FreeCells();
}
BENCHMARK(BM_WholeGame)->Arg(0)->Arg(1)->ArgName("hints")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corebench

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt side of the game costs on the largest board: a rebuild with its paint, and the
// dearest click of all with its thousands of number redraws and its paint. Runs on a real
// display (Xvfb will do), since the mouse pointer's place over the board is part of the cost.
#include "bench/core/BoardPicks.h"
#include "core/Board.h"
#include "core/Choices.h"
#include "core/Game.h"
#include "core/GameState.h"
#include "core/Lines.h"
#include "core/OpenCell.h"
#include "core/Platform.h"
#include "tests/support/FakePlatform.h"
#include "ui/BoardRebuild.h"
#include "ui/MyImage.h"
#include "ui/QtPlatform.h"
#include "ui/TreasureUnit.h"
#include "ui/sound/CueSound.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

namespace uibench {
namespace {

constexpr int Side = 12;
constexpr int MostTreasures = 36;  // the picker's limit on 12 x 12

// Cues cost nothing here: the sound library's own time is not the window's.
class SilentSound : public ui::SoundOutput {
public:
    void PlayFile(const std::string&) override {}
    void PlayAlert() override {}
};

// The Qt platform, with every call passed on through the tests' fake and counted; chance is
// drawn from a fixed seed, as in the core benchmarks, so every run measures the same boards.
constexpr std::uint32_t Seed = 2007;
struct CountingPlatform : testsupport::FakePlatform {
    explicit CountingPlatform(ui::QtPlatform& qt) : FakePlatform(&qt) {
        keepCalls = false;
        keepViews = false;
        drawLimit = std::numeric_limits<std::size_t>::max();
        UseSeed(Seed);
        // No benchmark here may end a game: a notice would wait for a player.
        whileNoticeOpen = [] {
            std::fprintf(stderr, "unexpected notice\n");
            std::abort();
        };
    }
    long NumbersDrawn() const { return static_cast<long>(Count(testsupport::Call::Kind::Text)); }
    long PicturesSet() const { return static_cast<long>(Count(testsupport::Call::Kind::Picture)); }
};

// Counts the paint events of board cells, to show that each measured step paints the board once.
class PaintCounter : public QObject {
public:
    long cellPaints = 0;
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<ui::TMyImage*>(target) != nullptr) {
            ++cellPaints;
        }
        return false;
    }
};

ui::QtPlatform* qtPlatform = nullptr;
CountingPlatform* counting = nullptr;
PaintCounter* paints = nullptr;

ui::TForm1& Form() { return *qtPlatform->Form1(); }

// Everything posted so far is handled, the paints among them, and sent to the display.
void Drain() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The mouse pointer rests over the middle of the board, or far from the window.
void PointerOverBoard(bool over) {
    QWidget& panel = *Form().Panel1;
    QCursor::setPos(over ? panel.mapToGlobal(panel.rect().center()) : QPoint(1, 1));
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// No game running, and the board of the given side closed on screen.
void IdleBoard(int side) {
    core::GameRunning = false;
    Form().Timer1->stop();
    {
        const ui::BoardRebuild rebuild(*Form().Panel1);
        core::ChooseSize(side * core::SizeTagBase + side);
    }
    Drain();
}

void ReportPerIteration(benchmark::State& state, const char* name, double total) {
    state.counters[name] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
}

// FreeCells and ResetBoard on 12 x 12 inside the hidden panel, as the start button does,
// then the one paint that shows the new board. Argument: the pointer rests over the board.
void BM_RebuildLargestBoard(benchmark::State& state) {
    IdleBoard(Side);
    PointerOverBoard(state.range(0) != 0);
    const long paintsBefore = paints->cellPaints;
    for (auto _ : state) {
        {
            const ui::BoardRebuild rebuild(*Form().Panel1);
            core::FreeCells();
            core::ResetBoard();
        }
        Drain();
    }
    ReportPerIteration(state, "cell_paints", paints->cellPaints - paintsBefore);
}
BENCHMARK(BM_RebuildLargestBoard)->Arg(1)->Arg(0)->ArgName("pointer_over_board")
    ->Unit(benchmark::kMillisecond);

// The start button's whole handler on 12 x 12 with 36 treasures, and the paint after it.
void BM_StartPressLargestBoard(benchmark::State& state) {
    IdleBoard(Side);
    core::TreasureTotal = MostTreasures;
    PointerOverBoard(true);
    for (auto _ : state) {
        Form().sbtStartNewGameClick();
        Drain();
    }
    IdleBoard(Side);
}
BENCHMARK(BM_StartPressLargestBoard)->Unit(benchmark::kMillisecond);

using bench::FirstEmptyCellWithANumber;

// The dearest move there is, as the core benchmark sets it up: 12 x 12 with all 36 treasures
// found but the target raised to 37, every cell open but one, hints on. Opening the last cell
// satisfies every number, and the deduction repaints the lines of all of them. Returns that cell.
core::TCell& SetUpWorstClick() {
    IdleBoard(Side);
    core::TreasureTotal = MostTreasures;
    counting->UseSeed(Seed);
    Form().sbtStartNewGameClick();
    core::ConfirmTreasureCount(MostTreasures + 1);
    core::TCell* target = FirstEmptyCellWithANumber();
    Form().sbtHint->setChecked(false);
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            if (core::Cells[c][r] != target) core::CellClick(*core::Cells[c][r]);
        }
    }
    Drain();
    Form().sbtHint->setChecked(true);
    PointerOverBoard(true);
    return *target;
}

// Opens the cell, paints, and closes it again by hand, so the next run repeats the same move.
void ClickAndClose(core::TCell& target) {
    core::CellClick(target);
    Drain();
    target.Opened = false;
    target.LineCount = -1;
    --core::MoveCount;
}

void BM_WorstClick(benchmark::State& state) {
    core::TCell& target = SetUpWorstClick();
    const long numbersBefore = counting->NumbersDrawn();
    const long picturesBefore = counting->PicturesSet();
    const long paintsBefore = paints->cellPaints;
    for (auto _ : state) ClickAndClose(target);
    ReportPerIteration(state, "numbers_drawn", counting->NumbersDrawn() - numbersBefore);
    ReportPerIteration(state, "pictures_set", counting->PicturesSet() - picturesBefore);
    ReportPerIteration(state, "cell_paints", paints->cellPaints - paintsBefore);
    Form().sbtHint->setChecked(false);
    IdleBoard(Side);
}

// The same move made once, the first time in the run: every number has been drawn once on its
// picture, but none yet over itself on a treasure, so those redraws are all drawn afresh. One
// figure a process; run the program a few times for its spread.
void BM_WorstClickFirstTime(benchmark::State& state) {
    core::TCell& target = SetUpWorstClick();
    for (auto _ : state) ClickAndClose(target);
    Form().sbtHint->setChecked(false);
    IdleBoard(Side);
}

// Registered first of the number-drawing benchmarks, so that it finds no redraw made before it.
BENCHMARK(BM_WorstClickFirstTime)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstClick)->Unit(benchmark::kMillisecond);

// One number redraw as the deduction makes it: a fresh empty picture, then its two-digit number.
void BM_RepaintOneNumberedCell(benchmark::State& state) {
    IdleBoard(Side);
    core::TCell& cell = *core::Cells[0][0];
    for (auto _ : state) {
        counting->SetCellPicture(cell, core::Picture::Empty);
        counting->DrawCellText(cell, 8, 9, "12", core::Rgb{0x00, 0x00, 0xFF});
    }
    Drain();
}
BENCHMARK(BM_RepaintOneNumberedCell)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace uibench

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    ui::QtPlatform platform(std::make_unique<uibench::SilentSound>());
    uibench::CountingPlatform counting(platform);
    uibench::PaintCounter paints;
    application.installEventFilter(&paints);
    uibench::qtPlatform = &platform;
    uibench::counting = &counting;
    uibench::paints = &paints;
    core::BindPlatform(counting);
    counting.StartWindows();
    ui::TForm1& form = *platform.Form1();
    form.show();
    QElapsedTimer waited;
    waited.start();
    while (!(form.windowHandle() != nullptr && form.windowHandle()->isExposed()) &&
           waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

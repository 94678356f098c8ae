// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold after every event, whatever it was: the board, its pictures, the counters.
#include "tests/property/LineOracle.h"
#include "tests/property/Session.h"
#include "tests/property/Words.h"

#include "core/OpenCell.h"

#include <set>
#include <sstream>

namespace play {

namespace {

using words::SmallestSide;
// Where a number's character cell starts: one digit at x = 16, two digits at x = 8, y = 9.
constexpr int OneDigitX = 16;
constexpr int TwoDigitX = 8;
constexpr int NumberY = 9;
// The most treasures a count can ask for: the picker's bottom on a 12 x 12 board.
constexpr int LargestTreasureCount = 36;

std::string At(const core::TCell& cell) {
    return "(" + std::to_string(cell.Col) + ", " + std::to_string(cell.Row) + ")";
}

}  // namespace

void Session::CheckInvariants() {
    for (const std::string& fault : platform_.fake.faults) Expect(false, fault);
    platform_.fake.faults.clear();

    const int width = core::BoardWidth;
    const int height = core::BoardHeight;
    if (width < SmallestSide || width > words::LargestSide || height < SmallestSide ||
        height > words::LargestSide) {
        Expect(false, "the board is " + std::to_string(width) + " x " + std::to_string(height));
        return;  // the cell table cannot be read safely
    }
    Expect(static_cast<int>(platform_.fake.LiveCells()) == width * height,
           std::to_string(platform_.fake.LiveCells()) + " cells alive for a " +
               std::to_string(width) + " x " + std::to_string(height) + " board");

    int opened = 0, treasures = 0, openedTreasures = 0;
    for (int c = 0; c < width; ++c) {
        for (int r = 0; r < height; ++r) {
            const core::TCell* cell = core::Cells[c][r];
            if (!platform_.fake.IsLive(cell)) {
                Expect(false, "the table's cell (" + std::to_string(c) + ", " +
                                  std::to_string(r) + ") is not alive");
                return;
            }
            if (cell->Col != c || cell->Row != r) {
                Fail("the cell at " + At(*cell) + " sits at (" + std::to_string(c) + ", " +
                     std::to_string(r) + ")");
            }
            CheckCell(*cell);
            opened += cell->Opened;
            treasures += cell->HasTreasure;
            openedTreasures += cell->Opened && cell->HasTreasure;
        }
    }

    if (boardFromGame_) {
        Expect(opened == core::MoveCount, "every move opened one cell of this game's board");
        if (!confirmedSinceStart_) {
            Expect(treasures == core::TreasureTotal,
                   std::to_string(treasures) + " treasures hidden, the target is " +
                       std::to_string(core::TreasureTotal));
            Expect(openedTreasures == core::TreasuresFound,
                   std::to_string(openedTreasures) + " treasures opened, " +
                       std::to_string(core::TreasuresFound) + " counted");
        }
    } else {
        Expect(opened == 0 && treasures == 0, "a board built outside a game is closed and empty");
    }
    Expect(core::TreasureTotal >= 1 && core::TreasureTotal <= LargestTreasureCount,
           "the target is " + std::to_string(core::TreasureTotal));
    Expect(core::TreasuresFound >= 0 && core::TreasuresFound <= core::TreasureTotal,
           "found " + std::to_string(core::TreasuresFound) + " of " +
               std::to_string(core::TreasureTotal));
    if (core::GameRunning) {
        Expect(core::TreasuresFound < core::TreasureTotal, "a game runs on after its last find");
        Expect(platform_.fake.ClockOn(), "a game runs with its clock off");
    }
    CheckLabels();
}

void Session::CheckCell(const core::TCell& cell) {
    const testsupport::CellView& view = platform_.fake.View(cell);
    // The number shown: the one drawn last since the picture.
    const testsupport::Call* number = view.texts.empty() ? nullptr : &view.texts.back();
    // Every cell is checked after every event, so a message is only built for a broken rule.
    if (cell.Opened != (cell.LineCount >= 0)) {
        Fail("cell " + At(cell) + " has LineCount " + std::to_string(cell.LineCount) +
             (cell.Opened ? " though opened" : " though closed"));
    }
    if (!view.picture) {
        Fail("cell " + At(cell) + " shows no picture");
        return;
    }
    if (!cell.Opened) {
        if (*view.picture == core::Picture::Treasure) Fail("closed treasure shown at " + At(cell));
        if (number) Fail("closed cell " + At(cell) + " shows a number");
        const bool marked = ctrlMarks_.count(&cell) != 0;
        if (*view.picture == core::Picture::Empty && cell.HasTreasure && !marked) {
            Fail("a hint marks the treasure at " + At(cell) + " as empty ground");
        }
        // The player's own mark goes only when the cell opens or the board is rebuilt.
        if (marked && *view.picture != core::Picture::Empty) {
            Fail("the mark at " + At(cell) + " is gone");
        }
        return;
    }
    const core::Picture picture = cell.HasTreasure ? core::Picture::Treasure : core::Picture::Empty;
    if (*view.picture != picture) Fail("opened cell " + At(cell) + " shows the wrong picture");
    const int count = TreasuresOnLines(cell.Col, cell.Row, false);
    if (cell.LineCount != count) {
        Fail("cell " + At(cell) + " counts " + std::to_string(cell.LineCount) +
             ", its lines hold " + std::to_string(count));
    }
    if (!number) {
        Fail("opened cell " + At(cell) + " shows no number");
        return;
    }
    if (number->text != std::to_string(count)) {
        Fail("cell " + At(cell) + " shows '" + number->text + "', its lines hold " +
             std::to_string(count));
    }
    const core::Rgb colour =
        cell.HasTreasure ? words::NumberOnTreasure : words::NumberOnGround;
    if (!(number->colour == colour)) Fail("cell " + At(cell) + " has its number in the wrong colour");
    if (number->x != (count >= 10 ? TwoDigitX : OneDigitX) || number->y != NumberY) {
        Fail("cell " + At(cell) + " has its number at the wrong place");
    }
}

void Session::CheckLabels() {
    const auto expectLabel = [&](core::Label label, const std::string& text, const char* name) {
        if (!platform_.fake.LabelWritten(label)) return;  // still the window's own caption
        const std::string shown = platform_.fake.LabelText(label);
        Expect(shown == text, std::string(name) + " reads '" + shown +
                                          "', the state says '" + text + "'");
    };
    expectLabel(core::Label::lblHod, words::Move + std::to_string(core::MoveCount),
                "lblHod");
    expectLabel(core::Label::lblNumTreasures,
                words::Hidden + std::to_string(core::TreasureTotal), "lblNumTreasures");
    expectLabel(core::Label::lblNumMyTreasures,
                words::Found + std::to_string(core::TreasuresFound),
                "lblNumMyTreasures");
    expectLabel(core::Label::lblRest,
                words::Rest +
                    std::to_string(core::TreasureTotal - core::TreasuresFound),
                "lblRest");
    Expect(platform_.fake.LabelWritten(core::Label::lblWH), "lblWH was never written");
    expectLabel(core::Label::lblWH,
                std::to_string(core::BoardWidth) + " x " + std::to_string(core::BoardHeight),
                "lblWH");
}

// After a hinted move that did not win: every cell the numbers prove empty shows empty ground,
// and every closed cell the move painted is one of them.
void Session::CheckHintMarks(const core::TCell& clicked) {
    std::set<const core::TCell*> proven;
    const auto expectLinesMarked = [&](const core::TCell& proof, const char* why) {
        ForEachOnLines(proof.Col, proof.Row, [&](const core::TCell& cell) {
            proven.insert(&cell);
            const auto& picture = platform_.fake.View(cell).picture;
            if (!cell.HasTreasure && picture != core::Picture::Empty) {
                Fail("cell " + At(cell) + " is proven empty by " + why + " at " + At(proof) +
                     " but not marked");
            }
        });
    };
    if (clicked.LineCount == 0) expectLinesMarked(clicked, "the zero");
    for (int c = 0; c < core::BoardWidth; ++c) {
        for (int r = 0; r < core::BoardHeight; ++r) {
            const core::TCell& cell = *core::Cells[c][r];
            if (cell.LineCount > 0 && TreasuresOnLines(c, r, true) == cell.LineCount) {
                expectLinesMarked(cell, "the satisfied number");
            }
        }
    }
    for (const core::TCell* cell : platform_.touchedCells) {
        if (cell != &clicked && !cell->Opened && proven.count(cell) == 0) {
            Fail("cell " + At(*cell) + " is marked empty though no number proves it");
        }
    }
}

std::string Session::BoardPicture() const {
    // T closed treasure, . closed empty, m / M closed and shown as empty ground (no treasure /
    // treasure), o opened empty, $ opened treasure.
    std::ostringstream board;
    for (int r = 0; r < core::BoardHeight; ++r) {
        for (int c = 0; c < core::BoardWidth; ++c) {
            const core::TCell* cell = core::Cells[c][r];
            if (!cell || !platform_.fake.IsLive(cell)) {
                board << '?';
                continue;
            }
            const auto& view = platform_.fake.View(*cell);
            const bool green = view.picture == core::Picture::Empty;
            if (cell->Opened) board << (cell->HasTreasure ? '$' : 'o');
            else if (cell->HasTreasure) board << (green ? 'M' : 'T');
            else board << (green ? 'm' : '.');
        }
        board << '\n';
    }
    return board.str();
}

std::string Session::Report() const {
    std::ostringstream report;
    report << "after " << lastEvent_ << ":\n";
    for (const std::string& failure : failures_) report << "  - " << failure << '\n';
    report << "state: " << core::BoardWidth << " x " << core::BoardHeight
           << (core::GameRunning ? ", running" : ", idle") << ", moves " << core::MoveCount
           << ", found " << core::TreasuresFound << " of " << core::TreasureTotal
           << (platform_.fake.hints ? ", hints on" : ", hints off")
           << (confirmedSinceStart_ ? ", count confirmed mid-game" : "") << '\n'
           << "board (T treasure, . empty, m/M marked, o opened, $ found):\n"
           << BoardPicture();
    return report.str();
}

}  // namespace play

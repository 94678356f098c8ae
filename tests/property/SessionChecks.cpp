// What must hold after every event, whatever it was: the board, its pictures, the counters.
#include "tests/property/LineOracle.h"
#include "tests/property/Session.h"

#include "core/OpenCell.h"
#include "core/Texts.h"

#include <sstream>

namespace play {

namespace {

constexpr int SmallestSide = 4;
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
    for (const std::string& fault : platform_.faults) Expect(false, fault);
    platform_.faults.clear();

    const int width = core::BoardWidth;
    const int height = core::BoardHeight;
    if (width < SmallestSide || width > core::MaxBoardSide || height < SmallestSide ||
        height > core::MaxBoardSide) {
        Expect(false, "the board is " + std::to_string(width) + " x " + std::to_string(height));
        return;  // the cell table cannot be read safely
    }
    Expect(static_cast<int>(platform_.liveCells.size()) == width * height,
           std::to_string(platform_.liveCells.size()) + " cells alive for a " +
               std::to_string(width) + " x " + std::to_string(height) + " board");

    int opened = 0, treasures = 0, openedTreasures = 0;
    for (int c = 0; c < width; ++c) {
        for (int r = 0; r < height; ++r) {
            const core::TCell* cell = core::Cells[c][r];
            if (!platform_.IsLive(cell)) {
                Expect(false, "the table's cell (" + std::to_string(c) + ", " +
                                  std::to_string(r) + ") is not alive");
                return;
            }
            Expect(cell->Col == c && cell->Row == r, "the cell at " + At(*cell) + " sits at (" +
                                                         std::to_string(c) + ", " +
                                                         std::to_string(r) + ")");
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
        Expect(platform_.clockEnabled, "a game runs with its clock off");
    }
    CheckLabels();
}

void Session::CheckCell(const core::TCell& cell) {
    const CellView& view = platform_.liveCells.at(&cell);
    Expect(cell.Opened == (cell.LineCount >= 0),
           "cell " + At(cell) + " has LineCount " + std::to_string(cell.LineCount) +
               (cell.Opened ? " though opened" : " though closed"));
    if (!view.picture) {
        Expect(false, "cell " + At(cell) + " shows no picture");
        return;
    }
    if (!cell.Opened) {
        Expect(*view.picture != core::Picture::Treasure, "closed treasure shown at " + At(cell));
        Expect(!view.number, "closed cell " + At(cell) + " shows a number");
        const bool marked = ctrlMarks_.count(&cell) != 0;
        if (*view.picture == core::Picture::Empty && cell.HasTreasure) {
            Expect(marked, "a hint marks the treasure at " + At(cell) + " as empty ground");
        }
        // The player's own mark goes only when the cell opens or the board is rebuilt.
        if (marked) {
            Expect(*view.picture == core::Picture::Empty, "the mark at " + At(cell) + " is gone");
        }
        return;
    }
    const core::Picture picture = cell.HasTreasure ? core::Picture::Treasure : core::Picture::Empty;
    Expect(*view.picture == picture, "opened cell " + At(cell) + " shows the wrong picture");
    const int count = TreasuresOnLines(cell.Col, cell.Row, false);
    Expect(cell.LineCount == count, "cell " + At(cell) + " counts " +
                                        std::to_string(cell.LineCount) + ", its lines hold " +
                                        std::to_string(count));
    if (!view.number) {
        Expect(false, "opened cell " + At(cell) + " shows no number");
        return;
    }
    Expect(*view.number == std::to_string(count),
           "cell " + At(cell) + " shows '" + *view.number + "', its lines hold " +
               std::to_string(count));
    const core::Rgb colour = cell.HasTreasure ? core::TreasureNumberColour : core::EmptyNumberColour;
    Expect(view.colour == colour, "cell " + At(cell) + " has its number in the wrong colour");
    Expect(view.x == (count >= 10 ? TwoDigitX : OneDigitX) && view.y == NumberY,
           "cell " + At(cell) + " has its number at the wrong place");
}

void Session::CheckLabels() {
    const auto expectLabel = [&](core::Label label, const std::string& text, const char* name) {
        const auto shown = platform_.labels.find(label);
        if (shown == platform_.labels.end()) return;  // still the window's own caption
        Expect(shown->second == text, std::string(name) + " reads '" + shown->second +
                                          "', the state says '" + text + "'");
    };
    expectLabel(core::Label::lblHod, core::texts::MovePrefix + std::to_string(core::MoveCount),
                "lblHod");
    expectLabel(core::Label::lblNumTreasures,
                core::texts::HiddenPrefix + std::to_string(core::TreasureTotal), "lblNumTreasures");
    expectLabel(core::Label::lblNumMyTreasures,
                core::texts::FoundPrefix + std::to_string(core::TreasuresFound),
                "lblNumMyTreasures");
    expectLabel(core::Label::lblRest,
                core::texts::RestPrefix +
                    std::to_string(core::TreasureTotal - core::TreasuresFound),
                "lblRest");
    Expect(platform_.labels.count(core::Label::lblWH) != 0, "lblWH was never written");
    expectLabel(core::Label::lblWH,
                std::to_string(core::BoardWidth) + " x " + std::to_string(core::BoardHeight),
                "lblWH");
}

// After a hinted move that did not win: every cell the numbers prove empty shows empty ground.
void Session::CheckHintMarks(const core::TCell& clicked) {
    const auto expectLinesMarked = [&](const core::TCell& proof, const char* why) {
        ForEachOnLines(proof.Col, proof.Row, [&](const core::TCell& cell) {
            if (cell.HasTreasure) return;
            Expect(platform_.liveCells.at(&cell).picture == core::Picture::Empty,
                   "cell " + At(cell) + " is proven empty by " + why + " at " + At(proof) +
                       " but not marked");
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
}

std::string Session::BoardPicture() const {
    // T closed treasure, . closed empty, m / M closed and shown as empty ground (no treasure /
    // treasure), o opened empty, $ opened treasure.
    std::ostringstream board;
    for (int r = 0; r < core::BoardHeight; ++r) {
        for (int c = 0; c < core::BoardWidth; ++c) {
            const core::TCell* cell = core::Cells[c][r];
            if (!cell || !platform_.IsLive(cell)) {
                board << '?';
                continue;
            }
            const auto& view = platform_.liveCells.at(cell);
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
           << (platform_.hintsDown ? ", hints on" : ", hints off")
           << (confirmedSinceStart_ ? ", count confirmed mid-game" : "") << '\n'
           << "board (T treasure, . empty, m/M marked, o opened, $ found):\n"
           << BoardPicture();
    return report.str();
}

}  // namespace play

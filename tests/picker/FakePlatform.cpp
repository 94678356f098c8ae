// A window-less stand-in for the platform, so the choices can run the real game core in tests.
#include "tests/picker/FakePlatform.h"

#include "core/Board.h"
#include "core/GameState.h"

namespace picker_test {

FakePlatform::~FakePlatform() {
    for (core::TCell* cell : liveCells) delete cell;
}

void FakePlatform::SetLabelText(core::Label label, const std::string& text) {
    labels[label] = text;
}

core::TCell* FakePlatform::NewCell(int col, int row) {
    auto* cell = new core::TCell;
    cell->Col = col;
    cell->Row = row;
    liveCells.insert(cell);
    return cell;
}

void FakePlatform::FreeCell(core::TCell* cell) {
    liveCells.erase(cell);
    pictures.erase(cell);
    delete cell;
    ++cellsFreed;
}

void FakePlatform::SetCellPicture(core::TCell& cell, core::Picture picture) {
    pictures[&cell] = picture;
}

int FakePlatform::RandomBelow(int n) { return std::uniform_int_distribution<int>(0, n - 1)(chance_); }

void ResetGame(FakePlatform& platform) {
    // The previous test's cells belong to the previous fake; forget them rather than free them.
    for (auto& column : core::Cells) {
        for (core::TCell*& cell : column) cell = nullptr;
    }
    core::BindPlatform(platform);
    core::TreasureTotal = 1;
    core::TreasuresFound = 0;
    core::BoardWidth = 4;
    core::BoardHeight = 4;
    core::GameRunning = false;
    core::MoveCount = 0;
    core::ResetBoard();
}

}  // namespace picker_test

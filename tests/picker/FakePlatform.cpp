// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window-less stand-in for the platform, so the choices can run the real game core in tests.
#include "tests/picker/FakePlatform.h"

#include "core/Board.h"
#include "core/GameState.h"
#include "tests/support/ResetCore.h"

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
    // The previous test's cells belonged to the previous fake, which freed them; forget them.
    testsupport::ResetCoreState();
    core::BindPlatform(platform);
    core::ResetBoard();
}

}  // namespace picker_test

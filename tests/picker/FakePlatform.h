// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window-less stand-in for the platform, so the choices can run the real game core in tests.
#pragma once

#include "core/Platform.h"

#include <map>
#include <random>
#include <set>
#include <string>

namespace picker_test {

// Cells are plain records; labels are remembered; chance is a fixed-seed generator so every
// run hides the same treasures. Nothing is drawn and no sound plays.
class FakePlatform : public core::PlatformOps {
public:
    ~FakePlatform() override;

    std::map<core::Label, std::string> labels;
    std::set<core::TCell*> liveCells;
    std::map<core::TCell*, core::Picture> pictures;
    int cellsFreed = 0;
    bool clockEnabled = false;
    int noticesShown = 0;

    void SetLabelText(core::Label label, const std::string& text) override;
    bool HintsOn() override { return false; }
    bool CtrlHeld() override { return false; }
    void StartWindows() override {}
    void RunEventLoop() override {}
    void CloseMainWindow() override {}

    void LayoutBoard() override {}
    core::TCell* NewCell(int col, int row) override;
    void FreeCell(core::TCell* cell) override;
    void SetCellPicture(core::TCell& cell, core::Picture picture) override;
    void DrawCellText(core::TCell&, int, int, const std::string&, core::Rgb) override {}

    void SetClockEnabled(bool on) override { clockEnabled = on; }
    std::uint32_t TickCount() override { return 0; }
    void SeedRandom() override {}
    int RandomBelow(int n) override;
    void PlayCue(const std::string&) override {}
    void ShowNotice(const std::string&, const std::string&, core::NoticeButtons) override {
        ++noticesShown;
    }

private:
    std::mt19937 chance_{20070};
};

// Binds a fresh fake and puts the game back as it is at start-up: an idle 4 x 4 board with
// one treasure to hide.
void ResetGame(FakePlatform& platform);

}  // namespace picker_test

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A platform that does nothing but keep real cells and draw fixed-seed chance: the rules' own cost.
#pragma once

#include "core/GameState.h"
#include "core/Platform.h"

#include <random>

namespace corebench {

class NullPlatform : public core::PlatformOps {
public:
    bool hints = false;

    void SetLabelText(core::Label, const std::string&) override {}
    bool HintsOn() override { return hints; }
    bool CtrlHeld() override { return false; }
    void StartWindows() override {}
    void RunEventLoop() override {}
    void CloseMainWindow() override {}
    void LayoutBoard() override {}
    core::TCell* NewCell(int col, int row) override {
        auto* cell = new core::TCell;
        cell->Col = col;
        cell->Row = row;
        return cell;
    }
    void FreeCell(core::TCell* cell) override { delete cell; }
    void SetCellPicture(core::TCell&, core::Picture) override {}
    void DrawCellText(core::TCell&, int, int, const std::string&, core::Rgb) override {}
    void SetClockEnabled(bool) override {}
    std::uint32_t TickCount() override { return 0; }
    void SeedRandom() override { chance.seed(Seed); }
    int RandomBelow(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(chance); }
    void PlayCue(const std::string&) override {}
    void ShowNotice(const std::string&, const std::string&, core::NoticeButtons) override {}

    static constexpr std::uint32_t Seed = 2007;
    std::mt19937 chance{Seed};
};

}  // namespace corebench

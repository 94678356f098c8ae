// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's platform operations on Qt: the main window, the cells, the clock, chance and sound.
#pragma once

#include "core/Platform.h"
#include "ui/TreasureUnit.h"
#include "ui/sound/CueSound.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <random>

namespace ui {

class QtPlatform : public core::PlatformOps {
public:
    explicit QtPlatform(std::unique_ptr<SoundOutput> sound);
    ~QtPlatform() override;

    TForm1* Form1() const { return form_.get(); }  // null until StartWindows

    void SetTickSource(std::function<std::uint32_t()> ticks) { ticks_ = std::move(ticks); }
    void SetCtrlSource(std::function<bool()> ctrl) { ctrl_ = std::move(ctrl); }

    void SetLabelText(core::Label label, const std::string& text) override;
    bool HintsOn() override;
    bool CtrlHeld() override;
    void StartWindows() override;
    void RunEventLoop() override;
    void CloseMainWindow() override;

    void LayoutBoard() override;
    core::TCell* NewCell(int col, int row) override;
    void FreeCell(core::TCell* cell) override;
    void SetCellPicture(core::TCell& cell, core::Picture picture) override;
    void DrawCellText(core::TCell& cell, int x, int y, const std::string& text,
                      core::Rgb colour) override;

    void SetClockEnabled(bool on) override;
    std::uint32_t TickCount() override;
    void SeedRandom() override;
    int RandomBelow(int n) override;
    void PlayCue(const std::string& name) override;
    void ShowNotice(const std::string& text, const std::string& title,
                    core::NoticeButtons buttons) override;

private:
    std::unique_ptr<SoundOutput> sound_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<QWidget> frame_;  // form_ under its own caption bar, where it has one
    std::function<std::uint32_t()> ticks_;
    std::function<bool()> ctrl_;
    std::mt19937 random_;
};

// Milliseconds since the system started, suspended time included, wrapping at 2^32.
std::uint32_t BootTickCount();
bool ControlKeyDown();

}  // namespace ui

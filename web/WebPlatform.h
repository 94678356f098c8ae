// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's platform operations in a web page: the window, the cells, the clock, chance and sound.
#pragma once

#include "core/GameState.h"
#include "core/Platform.h"

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace web {

// A board cell of the page: the rules' record, and what it shows since its picture was given.
// The page draws it once the event is handled, however often the rules drew on it meanwhile.
struct WebCell : core::TCell {
    struct Number {
        int x, y;
        std::string text;
        int colour;
        int times;  // drawn over itself so often in a row, as the hint deduction does
    };
    int id = 0;
    std::optional<core::Picture> picture;
    std::vector<Number> numbers;
    bool changed = false;
    std::string told;  // the name a screen reader was last told
};

class WebPlatform : public core::PlatformOps {
public:
    void SetLabelText(core::Label label, const std::string& text) override;
    bool HintsOn() override { return hintsDown; }
    bool CtrlHeld() override { return ctrlHeld; }
    void StartWindows() override;
    void RunEventLoop() override {}  // the browser's own; the page answers its events
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

    // The text the rules last gave a label.
    const std::string& LabelText(core::Label label) { return labels_[label]; }
    WebCell* CellWithId(int id);
    // Hands the page every cell changed since, with its new name.
    void Flush();
    // A move on the cell begins; it is told before any notice it raises, or when it ends.
    void MoveBegins(WebCell& cell);
    void TellMove();

    bool ctrlHeld = false;   // the click now handled is the player's own mark
    bool hintsDown = false;  // the hint toggle is down

private:
    std::map<core::Label, std::string> labels_;
    std::map<int, WebCell*> cells_;
    int lastId_ = 0;
    bool clockOn_ = false;
    std::mt19937 random_;
    WebCell* moving_ = nullptr;
    std::string nameBefore_;
};

// The one platform of the page.
WebPlatform& Platform();

// A cell's name as a screen reader hears it.
std::string NameOf(const WebCell& cell);

}  // namespace web

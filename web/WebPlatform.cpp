// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's platform operations in a web page: the window, the cells, the clock, chance and sound.
#include "web/WebPlatform.h"

#include "core/GameState.h"
#include "forms/Forms.h"
#include "forms/Words.h"
#include "web/Page.h"
#include "web/TreasurePage.h"

#include <algorithm>
#include <chrono>

namespace web {

namespace {

int Hex(core::Rgb colour) { return colour.r << 16 | colour.g << 8 | colour.b; }

WebCell& WebCellOf(core::TCell& cell) { return static_cast<WebCell&>(cell); }

// A number drawn over itself darkens its smoothed edges only the first few times: past 16 draws
// the pixels stay as they are, so the page stops there.
constexpr int TimesThatShow = 16;

}  // namespace

WebPlatform& Platform() {
    static WebPlatform platform;
    return platform;
}

std::string NameOf(const WebCell& cell) {
    const std::string number = cell.numbers.empty() ? std::string() : cell.numbers.back().text;
    return forms::words::CellName(cell.Col, cell.Row, cell.picture, number);
}

void WebPlatform::SetLabelText(core::Label label, const std::string& text) {
    labels_[label] = text;
    page_set_text(forms::LabelName(label), text.c_str());
}

void WebPlatform::StartWindows() { BuildPage(); }

void WebPlatform::CloseMainWindow() { page_close(); }

void WebPlatform::LayoutBoard() {
    const forms::Box& panel = forms::ControlOf(forms::Form1, "Panel1").box;
    core::BoardLeft = forms::BoardOffset(panel.width, core::BoardWidth);
    core::BoardTop = forms::BoardOffset(panel.height, core::BoardHeight);
    page_board(core::BoardWidth, core::BoardHeight, forms::CellSide);
}

core::TCell* WebPlatform::NewCell(int col, int row) {
    auto* cell = new WebCell;
    cell->Col = col;
    cell->Row = row;
    cell->id = ++lastId_;
    cells_[cell->id] = cell;
    page_new_cell(cell->id, col, row, col * forms::CellPitch + core::BoardLeft,
                  row * forms::CellPitch + core::BoardTop);
    return cell;
}

void WebPlatform::FreeCell(core::TCell* cell) {
    if (cell == nullptr) return;
    WebCell* freed = &WebCellOf(*cell);
    if (freed == moving_) moving_ = nullptr;
    page_free_cell(freed->id);
    cells_.erase(freed->id);
    delete freed;
}

void WebPlatform::SetCellPicture(core::TCell& cell, core::Picture picture) {
    WebCell& shown = WebCellOf(cell);
    shown.picture = picture;
    shown.numbers.clear();
    shown.changed = true;
}

void WebPlatform::DrawCellText(core::TCell& cell, int x, int y, const std::string& text,
                               core::Rgb colour) {
    WebCell& shown = WebCellOf(cell);
    if (!shown.picture) return;
    std::vector<WebCell::Number>& numbers = shown.numbers;
    const bool again = !numbers.empty() && numbers.back().x == x && numbers.back().y == y &&
                       numbers.back().text == text && numbers.back().colour == Hex(colour);
    if (again) {
        ++numbers.back().times;
    } else {
        numbers.push_back({x, y, text, Hex(colour), 1});
    }
    shown.changed = true;
}

void WebPlatform::Flush() {
    for (auto& [id, cell] : cells_) {
        if (!cell->changed) continue;
        cell->changed = false;
        if (!cell->picture) continue;
        page_cell_picture(id, forms::HolderName(*cell->picture));
        for (const WebCell::Number& number : cell->numbers) {
            page_cell_text(id, number.x, number.y, number.text.c_str(), number.colour,
                           std::min(number.times, TimesThatShow));
        }
        const std::string name = NameOf(*cell);
        if (name == cell->told) continue;
        cell->told = name;
        page_cell_name(id, name.c_str());
    }
}

void WebPlatform::MoveBegins(WebCell& cell) {
    moving_ = &cell;
    nameBefore_ = NameOf(cell);
}

void WebPlatform::TellMove() {
    WebCell* cell = std::exchange(moving_, nullptr);
    Flush();
    if (cell == nullptr) return;
    const std::string words = forms::words::MoveWords(
        NameOf(*cell), nameBefore_, cell->picture == core::Picture::Treasure, core::GameRunning,
        core::TreasuresFound, core::TreasureTotal);
    page_announce(words.c_str());
}

WebCell* WebPlatform::CellWithId(int id) {
    const auto found = cells_.find(id);
    return found == cells_.end() ? nullptr : found->second;
}

void WebPlatform::SetClockEnabled(bool on) {
    // The page's timer keeps its rhythm when asked to start again.
    if (on == clockOn_) return;
    clockOn_ = on;
    page_clock(on);
}

std::uint32_t WebPlatform::TickCount() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(page_now()));
}

void WebPlatform::SeedRandom() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    random_.seed(static_cast<std::mt19937::result_type>(now));
}

int WebPlatform::RandomBelow(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

void WebPlatform::PlayCue(const std::string& name) { page_cue(name.c_str()); }

void WebPlatform::ShowNotice(const std::string& text, const std::string& title,
                             core::NoticeButtons buttons) {
    TellMove();  // the winning move is heard, and shows, before the notice
    page_notice(text.c_str(), title.c_str(), buttons == core::NoticeButtons::OkCancel);
}

}  // namespace web

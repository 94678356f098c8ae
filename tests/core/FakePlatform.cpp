// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A recording stand-in for the platform: logs every call in order and plays back scripted input.
#include "tests/core/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

namespace coretest {

using core::Label;
using core::Picture;
using core::Rgb;
using core::TCell;

std::string LabelName(Label label) {
    switch (label) {
    case Label::lblWH: return "lblWH";
    case Label::lblTime: return "lblTime";
    case Label::lblHod: return "lblHod";
    case Label::lblNumTreasures: return "lblNumTreasures";
    case Label::lblNumMyTreasures: return "lblNumMyTreasures";
    case Label::lblRest: return "lblRest";
    }
    return "?";
}

std::string PictureName(Picture picture) {
    switch (picture) {
    case Picture::Unopened: return "Unopened";
    case Picture::Empty: return "Empty";
    case Picture::Treasure: return "Treasure";
    }
    return "?";
}

std::string ColourName(Rgb colour) {
    if (colour == Rgb{0xFF, 0xFF, 0x00}) return "yellow";
    if (colour == Rgb{0x00, 0x00, 0xFF}) return "blue";
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", colour.r, colour.g, colour.b);
    return hex;
}

namespace {

std::string Render(const Call& call, bool withCell) {
    using K = Call::Kind;
    const std::string cell =
        withCell ? " " + std::to_string(call.col) + "," + std::to_string(call.row) : "";
    switch (call.kind) {
    case K::Label: return "label " + call.detail + " " + call.text;
    case K::HintsQuery: return std::string("hints? ") + (call.on ? "yes" : "no");
    case K::CtrlQuery: return std::string("ctrl? ") + (call.on ? "yes" : "no");
    case K::StartWindows: return "start windows";
    case K::RunEventLoop: return "run event loop";
    case K::CloseMainWindow: return "close main window";
    case K::Layout: return "layout";
    case K::NewCell: return "newcell" + cell;
    case K::FreeCell: return "freecell" + cell;
    case K::Picture: return "picture" + cell + " " + call.detail;
    case K::Text:
        return "text" + cell + " (" + std::to_string(call.x) + "," + std::to_string(call.y) +
               ") " + call.text + " " + ColourName(call.colour);
    case K::Clock: return std::string("clock ") + (call.on ? "on" : "off");
    case K::TickQuery: return "tick";
    case K::Seed: return "seed";
    case K::Random: return "random " + std::to_string(call.n);
    case K::Cue: return "cue " + call.text;
    case K::Notice:
        return "notice " + call.detail + ": " + call.text +
               (call.buttons == core::NoticeButtons::Ok ? " [OK]" : " [OK Cancel]");
    }
    return "?";
}

bool IsQuery(const Call& call) {
    return call.kind == Call::Kind::HintsQuery || call.kind == Call::Kind::CtrlQuery ||
           call.kind == Call::Kind::TickQuery;
}

}  // namespace

std::string Call::Describe() const { return Render(*this, true); }
std::string Call::Shape() const { return Render(*this, false); }

FakePlatform::~FakePlatform() { FreeLiveCells(); }

void FakePlatform::UseSeed(std::uint32_t seed) { seeded_.emplace(seed); }

std::vector<std::string> FakePlatform::Log() const {
    std::vector<std::string> out;
    for (const Call& call : calls_) {
        if (!IsQuery(call)) out.push_back(call.Describe());
    }
    return out;
}

std::vector<std::string> FakePlatform::Outline() const {
    std::vector<std::string> out;
    std::string last;
    int run = 0;
    auto flush = [&] {
        if (run == 1) out.push_back(last);
        if (run > 1) out.push_back(last + " x" + std::to_string(run));
    };
    for (const Call& call : calls_) {
        if (IsQuery(call)) continue;
        const std::string shape = call.Shape();
        if (shape == last) {
            ++run;
            continue;
        }
        flush();
        last = shape;
        run = 1;
    }
    flush();
    return out;
}

std::vector<std::string> FakePlatform::Cues() const {
    std::vector<std::string> out;
    for (const Call& call : calls_) {
        if (call.kind == Call::Kind::Cue) out.push_back(call.text);
    }
    return out;
}

std::string FakePlatform::LabelText(Label label) const {
    const auto it = labels_.find(label);
    return it == labels_.end() ? std::string() : it->second;
}

const CellView& FakePlatform::View(const TCell& cell) const {
    static const CellView gone;
    const auto it = views_.find(&cell);
    if (it == views_.end()) {
        ADD_FAILURE() << "cell " << cell.Col << "," << cell.Row << " is not live";
        return gone;
    }
    return it->second;
}

void FakePlatform::FreeLiveCells() {
    for (auto& [cell, view] : views_) delete cell;
    views_.clear();
}

Call& FakePlatform::Record(Call::Kind kind) {
    calls_.push_back(Call{kind, {}, {}});
    return calls_.back();
}

void FakePlatform::SetLabelText(Label label, const std::string& text) {
    Call& call = Record(Call::Kind::Label);
    call.detail = LabelName(label);
    call.text = text;
    labels_[label] = text;
}

bool FakePlatform::HintsOn() {
    Record(Call::Kind::HintsQuery).on = hints;
    return hints;
}

bool FakePlatform::CtrlHeld() {
    Record(Call::Kind::CtrlQuery).on = ctrl;
    return ctrl;
}

void FakePlatform::StartWindows() { Record(Call::Kind::StartWindows); }
void FakePlatform::RunEventLoop() { Record(Call::Kind::RunEventLoop); }
void FakePlatform::CloseMainWindow() { Record(Call::Kind::CloseMainWindow); }
void FakePlatform::LayoutBoard() { Record(Call::Kind::Layout); }

TCell* FakePlatform::NewCell(int col, int row) {
    Call& call = Record(Call::Kind::NewCell);
    call.col = col;
    call.row = row;
    auto* cell = new TCell;
    cell->Col = col;
    cell->Row = row;
    views_[cell] = CellView{};
    return cell;
}

void FakePlatform::FreeCell(TCell* cell) {
    Call& call = Record(Call::Kind::FreeCell);
    if (cell == nullptr || views_.count(cell) == 0) {
        ADD_FAILURE() << "FreeCell on a cell that is not live";
        return;
    }
    call.col = cell->Col;
    call.row = cell->Row;
    views_.erase(cell);
    delete cell;
}

void FakePlatform::SetCellPicture(TCell& cell, Picture picture) {
    Call& call = Record(Call::Kind::Picture);
    call.col = cell.Col;
    call.row = cell.Row;
    call.detail = PictureName(picture);
    const auto it = views_.find(&cell);
    if (it == views_.end()) {
        ADD_FAILURE() << "picture on a cell that is not live";
        return;
    }
    it->second = CellView{picture, {}};
}

void FakePlatform::DrawCellText(TCell& cell, int x, int y, const std::string& text, Rgb colour) {
    Call& call = Record(Call::Kind::Text);
    call.col = cell.Col;
    call.row = cell.Row;
    call.x = x;
    call.y = y;
    call.text = text;
    call.colour = colour;
    const auto it = views_.find(&cell);
    if (it == views_.end()) {
        ADD_FAILURE() << "text on a cell that is not live";
        return;
    }
    it->second.texts.push_back(call);
}

void FakePlatform::SetClockEnabled(bool on) {
    Record(Call::Kind::Clock).on = on;
    clockOn_ = on;
}

std::uint32_t FakePlatform::TickCount() {
    Record(Call::Kind::TickQuery);
    return now;
}

void FakePlatform::SeedRandom() { Record(Call::Kind::Seed); }

int FakePlatform::RandomBelow(int n) {
    Record(Call::Kind::Random).n = n;
    if (++drawsMade_ > drawLimit) {
        ADD_FAILURE() << "more than " << drawLimit << " random draws: the rules do not stop";
        throw std::runtime_error("random draw limit");
    }
    if (!draws.empty()) {
        const int value = draws.front();
        draws.pop_front();
        if (value < 0 || value >= n) {
            ADD_FAILURE() << "scripted draw " << value << " is outside [0, " << n << ")";
            throw std::runtime_error("scripted draw out of range");
        }
        return value;
    }
    if (seeded_) return std::uniform_int_distribution<int>(0, n - 1)(*seeded_);
    ADD_FAILURE() << "the rules drew a number below " << n << " but the script has none left";
    throw std::runtime_error("random draws exhausted");
}

void FakePlatform::PlayCue(const std::string& name) { Record(Call::Kind::Cue).text = name; }

void FakePlatform::ShowNotice(const std::string& text, const std::string& title,
                              core::NoticeButtons buttons) {
    Call& call = Record(Call::Kind::Notice);
    call.text = text;
    call.detail = title;
    call.buttons = buttons;
    if (whileNoticeOpen) whileNoticeOpen();
}

}  // namespace coretest

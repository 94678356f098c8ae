// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one stand-in for the platform in tests and benchmarks.
#include "tests/support/FakePlatform.h"

#include <cstdio>
#include <stdexcept>

namespace testsupport {

using core::Label;
using core::Picture;
using core::Rgb;
using core::TCell;

namespace {

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

}  // namespace

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
    const auto it = views_.find(&cell);
    if (it == views_.end()) {
        throw std::out_of_range("cell " + std::to_string(cell.Col) + "," +
                                std::to_string(cell.Row) + " is not live");
    }
    return it->second;
}

void FakePlatform::FreeLiveCells() {
    // Passed on, the cells are the other platform's to free.
    if (!passTo_) {
        for (auto& [cell, view] : views_) delete cell;
    }
    views_.clear();
    laidOut_ = false;
}

Call& FakePlatform::Record(Call::Kind kind) {
    ++counts_[static_cast<std::size_t>(kind)];
    if (!keepCalls) {
        // Reused as it is: each call sets the fields its kind carries.
        scratch_.kind = kind;
        return scratch_;
    }
    calls_.push_back(Call{kind, {}, {}});
    return calls_.back();
}

void FakePlatform::Told(const Call& call) const {
    if (onCall) onCall(call);
}

CellView* FakePlatform::LiveView(const TCell& cell, const char* operation) {
    const auto it = views_.find(&cell);
    if (it != views_.end()) return &it->second;
    faults.push_back(std::string(operation) + " on a cell that is not live");
    return nullptr;
}

void FakePlatform::SetLabelText(Label label, const std::string& text) {
    Call& call = Record(Call::Kind::Label);
    if (keepViews) {
        call.detail = LabelName(label);
        call.text = text;
        labels_[label] = text;
        Told(call);
    }
    if (passTo_) passTo_->SetLabelText(label, text);
}

bool FakePlatform::HintsOn() {
    const bool on = passTo_ ? passTo_->HintsOn() : hints;
    Record(Call::Kind::HintsQuery).on = on;
    return on;
}

bool FakePlatform::CtrlHeld() {
    const bool held = passTo_ ? passTo_->CtrlHeld() : ctrl;
    Record(Call::Kind::CtrlQuery).on = held;
    return held;
}

void FakePlatform::StartWindows() {
    Told(Record(Call::Kind::StartWindows));
    if (passTo_) passTo_->StartWindows();
}

void FakePlatform::RunEventLoop() {
    Told(Record(Call::Kind::RunEventLoop));
    if (passTo_) passTo_->RunEventLoop();
}

void FakePlatform::CloseMainWindow() {
    Told(Record(Call::Kind::CloseMainWindow));
    if (passTo_) passTo_->CloseMainWindow();
}

void FakePlatform::LayoutBoard() {
    laidOut_ = true;
    Told(Record(Call::Kind::Layout));
    if (passTo_) passTo_->LayoutBoard();
}

TCell* FakePlatform::NewCell(int col, int row) {
    Call& call = Record(Call::Kind::NewCell);
    call.col = col;
    call.row = row;
    TCell* cell = passTo_ ? passTo_->NewCell(col, row) : new TCell;
    cell->Col = col;
    cell->Row = row;
    if (!keepViews) return cell;
    if (!laidOut_) faults.push_back("NewCell before LayoutBoard");
    if (col < 0 || col >= core::MaxBoardSide || row < 0 || row >= core::MaxBoardSide) {
        faults.push_back("NewCell(" + std::to_string(col) + ", " + std::to_string(row) +
                         ") is off the 12 x 12 table");
    }
    views_[cell] = CellView{};
    call.cell = cell;
    Told(call);
    return cell;
}

void FakePlatform::FreeCell(TCell* cell) {
    Call& call = Record(Call::Kind::FreeCell);
    if (keepViews) {
        if (cell == nullptr || views_.erase(cell) == 0) {
            // Never free what this fake did not hand out, or took back already.
            faults.push_back(cell ? "FreeCell of a cell that is not live" : "FreeCell(nullptr)");
            return;
        }
        call.cell = cell;
        call.col = cell->Col;
        call.row = cell->Row;
        if (views_.empty()) laidOut_ = false;
        Told(call);
    }
    if (passTo_) {
        passTo_->FreeCell(cell);
    } else {
        delete cell;
    }
}

void FakePlatform::SetCellPicture(TCell& cell, Picture picture) {
    Call& call = Record(Call::Kind::Picture);
    if (keepViews) {
        call.cell = &cell;
        call.col = cell.Col;
        call.row = cell.Row;
        call.detail = PictureName(picture);
        if (CellView* view = LiveView(cell, "SetCellPicture")) *view = CellView{picture, {}};
        Told(call);
    }
    if (passTo_) passTo_->SetCellPicture(cell, picture);
}

void FakePlatform::DrawCellText(TCell& cell, int x, int y, const std::string& text, Rgb colour) {
    Call& call = Record(Call::Kind::Text);
    if (keepViews) {
        call.cell = &cell;
        call.col = cell.Col;
        call.row = cell.Row;
        call.x = x;
        call.y = y;
        call.text = text;
        call.colour = colour;
        if (CellView* view = LiveView(cell, "DrawCellText")) {
            if (!view->picture) faults.push_back("a number drawn on a cell with no picture");
            // Drawing the same number again at the same place is what the hints do; it is kept
            // once, so that thousands of redraws cost nothing here.
            const Call* shown = view->texts.empty() ? nullptr : &view->texts.back();
            const bool other = shown && (shown->text != text || shown->x != x || shown->y != y);
            if (other) faults.push_back("number '" + text + "' drawn over '" + shown->text + "'");
            if (!shown || other || !(shown->colour == colour)) view->texts.push_back(call);
        }
        Told(call);
    }
    if (passTo_) passTo_->DrawCellText(cell, x, y, text, colour);
}

void FakePlatform::SetClockEnabled(bool on) {
    Call& call = Record(Call::Kind::Clock);
    call.on = on;
    clockOn_ = on;
    Told(call);
    if (passTo_) passTo_->SetClockEnabled(on);
}

std::uint32_t FakePlatform::TickCount() {
    Record(Call::Kind::TickQuery);
    return passTo_ ? passTo_->TickCount() : now;
}

void FakePlatform::SeedRandom() { Told(Record(Call::Kind::Seed)); }

int FakePlatform::RandomBelow(int n) {
    Record(Call::Kind::Random).n = n;
    if (n <= 0) {
        faults.push_back("RandomBelow(" + std::to_string(n) + ")");
        return 0;
    }
    if (++drawsMade_ > drawLimit) {
        throw RunawayDraws("more than " + std::to_string(drawLimit) +
                           " random draws: the rules do not stop");
    }
    if (!draws.empty()) {
        const int value = draws.front();
        draws.pop_front();
        if (value < 0 || value >= n) {
            throw std::out_of_range("scripted draw " + std::to_string(value) + " is outside [0, " +
                                    std::to_string(n) + ")");
        }
        return value;
    }
    if (seeded_) return std::uniform_int_distribution<int>(0, n - 1)(*seeded_);
    throw std::out_of_range("the rules drew a number below " + std::to_string(n) +
                            " but the script has none left");
}

void FakePlatform::PlayCue(const std::string& name) {
    Call& call = Record(Call::Kind::Cue);
    call.text = name;
    Told(call);
    if (passTo_) passTo_->PlayCue(name);
}

void FakePlatform::ShowNotice(const std::string& text, const std::string& title,
                              core::NoticeButtons buttons) {
    Call& call = Record(Call::Kind::Notice);
    call.text = text;
    call.detail = title;
    call.buttons = buttons;
    Told(call);
    if (whileNoticeOpen) whileNoticeOpen();
    if (passTo_) passTo_->ShowNotice(text, title, buttons);
}

}  // namespace testsupport

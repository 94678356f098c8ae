// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's main window: built from the forms as the desktop's is, with the same handlers.
#include "web/TreasurePage.h"

#include "core/Choices.h"
#include "core/Clock.h"
#include "core/Game.h"
#include "core/GameState.h"
#include "core/OpenCell.h"
#include "core/Texts.h"
#include "forms/Forms.h"
#include "forms/Words.h"
#include "web/Page.h"
#include "web/WebPlatform.h"

#include <PictureScales.h>

#include <emscripten/emscripten.h>

#include <string>

namespace web {

namespace {

int Hex(forms::Colour colour) { return colour.r << 16 | colour.g << 8 | colour.b; }

void Build(const forms::Form& form) {
    page_form(form.name, form.caption, form.width, form.height, Hex(form.colour), form.opacity,
              form.hint, form.accessibleName);
    for (const forms::Control& c : form.controls) {
        page_control(form.name, c.name, static_cast<int>(c.kind), c.parent, c.box.left,
                     c.box.top, c.box.width, c.box.height);
        page_look(c.name, c.picture, c.hint, forms::AccessibleNameOf(c), c.fontPixels,
                  Hex(c.colour), static_cast<int>(c.align), static_cast<int>(c.fit), c.opaque,
                  c.hidden, c.text);
    }
}

int BoardTag() { return core::BoardWidth * core::SizeTagBase + core::BoardHeight; }

// What the board says of itself, and once it is new, to a screen reader at once.
void TellBoard(bool isNew) {
    const std::string words = forms::words::GameWords(core::GameRunning, core::TreasureTotal);
    page_describe("Panel1", words.c_str());
    if (!isNew) return;
    const std::string& size = Platform().LabelText(core::Label::lblWH);
    page_announce((size + ". " + words).c_str());
}

}  // namespace

void BuildPage() {
    for (double scale : PictureScales) page_picture_scale(scale);
    Build(forms::Form1);
    for (const forms::SizeItem& item : forms::SizeItems) {
        page_menu_item(item.caption, item.tag, item.tag == BoardTag());
    }
    Build(forms::frmNumTreasures);
    core::StartUp();
    TellBoard(false);
    Platform().Flush();
    page_ready();
}

void sbtStartNewGameClick() {
    core::StartCommand();
    TellBoard(true);
}

// Always pops up, also during a game; the item chosen is what may be refused.
void sbtCreateNewSizeGameClick() { page_popup_menu(forms::SizeMenuButton); }

void sbtNumTreasuresMouseDown() {
    if (core::PickerMayOpen()) {
        page_open_picker("sbtNumTreasures", core::PickerMaximum(core::BoardWidth));
    }
}

void sbtHintClick() {
    WebPlatform& platform = Platform();
    platform.hintsDown = !platform.hintsDown;
    page_set_down("sbtHint", platform.hintsDown);
    page_announce(platform.hintsDown ? forms::words::HintsOn : forms::words::HintsOff);
}

void sbtHelpClick() { page_open("Help.htm"); }

void sbtStopClick() { core::StopCommand(); }

void sbtExitClick() { core::ExitCommand(); }

void N4x41Click(int tag) {
    const bool chosen = core::ChooseSize(tag);
    // Refused, the mark goes back to the board in force.
    page_check_menu_item(chosen ? tag : BoardTag());
    if (chosen) TellBoard(true);
}

void Timer1Timer() { core::Timer1Timer(); }

void FormClick(int count) {
    // A picker left open during a game still counts: the running game gets the new target.
    core::ConfirmTreasureCount(count);
    page_hide_picker();
    TellBoard(false);
    page_announce((core::texts::HiddenPrefix + std::to_string(count)).c_str());
}

}  // namespace web

namespace {

// Each event hands the page what changed once it is handled.
struct Handling {
    Handling() = default;
    Handling(const Handling&) = delete;
    Handling& operator=(const Handling&) = delete;
    ~Handling() { web::Platform().Flush(); }
};

}  // namespace

// The page's events, as web/page.js hands them over.
extern "C" {

EMSCRIPTEN_KEEPALIVE void web_press(const char* name) {
    const Handling handling;
    const std::string button = name;
    if (button == "sbtStartNewGame") web::sbtStartNewGameClick();
    if (button == "sbtCreateNewSizeGame") web::sbtCreateNewSizeGameClick();
    if (button == "sbtHint") web::sbtHintClick();
    if (button == "sbtHelp") web::sbtHelpClick();
    if (button == "sbtStop") web::sbtStopClick();
    if (button == "sbtExit") web::sbtExitClick();
}

EMSCRIPTEN_KEEPALIVE void web_mouse_down(const char* name) {
    const Handling handling;
    if (std::string(name) == "sbtNumTreasures") web::sbtNumTreasuresMouseDown();
}

// ctrl: the player's own mark, a click with Ctrl held or a long press.
EMSCRIPTEN_KEEPALIVE void web_cell(int id, int ctrl) {
    const Handling handling;
    web::WebPlatform& platform = web::Platform();
    web::WebCell* cell = platform.CellWithId(id);
    if (cell == nullptr) return;
    platform.ctrlHeld = ctrl != 0;
    platform.MoveBegins(*cell);
    core::CellClick(*cell);
    platform.ctrlHeld = false;
    platform.TellMove();
}

EMSCRIPTEN_KEEPALIVE void web_menu(int tag) {
    const Handling handling;
    web::N4x41Click(tag);
}

EMSCRIPTEN_KEEPALIVE void web_confirm(int count) {
    const Handling handling;
    web::FormClick(count);
}

EMSCRIPTEN_KEEPALIVE void web_tick() {
    const Handling handling;
    web::Timer1Timer();
}

}  // extern "C"

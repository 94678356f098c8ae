// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's two windows as a form designer describes them: the one place for their layout.
#include "forms/Forms.h"

namespace forms {

namespace {

constexpr Colour WindowColour{0x78, 0x90, 0x78};
constexpr Colour BoardColour{0x22, 0x5E, 0x36};
constexpr Colour Yellow{255, 255, 0};
constexpr Colour Aqua{0, 255, 255};
constexpr Colour Fuchsia{255, 0, 255};
constexpr Colour Green{0, 128, 0};
constexpr Colour Red{255, 0, 0};

// Font sizes are em heights in pixels.
constexpr int SizeFont = 27;
constexpr int ClockFont = 21;
constexpr int CounterFont = 19;

// The picker button and the picker's slider go by one name.
constexpr const char* TreasureCount = "Число кладов";

// In the order the window makes them, which is also the order a screen reader lists them in.
// A button without an accessible name of its own is named by its hint.
constexpr Control Form1Controls[] = {
    {.name = "sbtStartNewGame", .kind = Kind::ImageButton, .box = {4, 4, 39, 39},
     .picture = "sbtStartNewGame", .hint = "Start New Game Actual W x H",
     .accessibleName = "Новая игра"},
    {.name = "sbtCreateNewSizeGame", .kind = Kind::ImageButton, .box = {49, 3, 39, 39},
     .picture = "sbtCreateNewSizeGame", .hint = "Generate New Puzzle Any W x H",
     .accessibleName = "Размер поля"},
    {.name = "sbtNumTreasures", .kind = Kind::ImageButton, .box = {201, 3, 39, 39},
     .picture = "sbtNumTreasures", .hint = "Num Treasures", .accessibleName = TreasureCount},
    {.name = "Panel3", .kind = Kind::Panel, .box = {260, 3, 36, 36}},
    {.name = "sbtHint", .kind = Kind::ToggleButton, .box = {0, 0, 36, 36}, .parent = "Panel3",
     .picture = "sbtHint", .hint = "Подсказки вкл/откл", .accessibleName = "Подсказки"},
    {.name = "sbtHelp", .kind = Kind::ImageButton, .box = {560, 3, 39, 39}, .picture = "sbtHelp",
     .hint = "Help", .accessibleName = "Справка"},
    {.name = "sbtStop", .kind = Kind::ImageButton, .box = {736, 3, 36, 36}, .picture = "sbtStop",
     .hint = "Остановить игру"},
    {.name = "sbtExit", .kind = Kind::ImageButton, .box = {778, 3, 39, 39}, .picture = "sbtExit",
     .hint = "EXIT", .accessibleName = "Выход"},
    // Laid out for the widest board; the board's own size replaces it before the window shows.
    {.name = "lblWH", .kind = Kind::Label, .box = {98, 8, 0, 0}, .fontPixels = SizeFont,
     .colour = Yellow, .fit = Fit::ToText, .text = "12 x 12"},
    {.name = "lblTime", .kind = Kind::Label, .box = {618, 48, 83, 25}, .fontPixels = ClockFont,
     .colour = Yellow, .opaque = true, .text = "00 : 00"},
    {.name = "lblHod", .kind = Kind::Label, .box = {618, 87, 83, 25}, .fontPixels = ClockFont,
     .colour = Aqua, .opaque = true, .text = "Ход 0"},
    // The laid-out captions carry two blanks before the number; the game's own texts one.
    {.name = "lblNumTreasures", .kind = Kind::Label, .box = {618, 126, 193, 22},
     .fontPixels = CounterFont, .colour = Fuchsia, .align = Align::Right,
     .fit = Fit::RightEdge, .text = "Спрятано кладов:  1"},
    {.name = "lblNumMyTreasures", .kind = Kind::Label, .box = {627, 154, 184, 22},
     .fontPixels = CounterFont, .colour = Green, .align = Align::Right, .fit = Fit::RightEdge,
     .text = "Найдено кладов:  0"},
    {.name = "lblRest", .kind = Kind::Label, .box = {630, 182, 181, 22},
     .fontPixels = CounterFont, .colour = Yellow, .align = Align::Right, .fit = Fit::RightEdge,
     .text = "Осталось найти:  1"},
    {.name = "Panel1", .kind = Kind::Board, .box = {4, 48, 600, 600}, .accessibleName = "Поле",
     .colour = BoardColour},
    // The holders are larger than their 48 x 48 pictures, as laid out.
    {.name = "imgTreasure", .kind = Kind::Holder, .box = {708, 296, 53, 49},
     .picture = "imgTreasure", .hidden = true},
    {.name = "imgNoKnow", .kind = Kind::Holder, .box = {661, 367, 49, 49}, .picture = "imgNoKnow"},
    {.name = "imgEmpty", .kind = Kind::Holder, .box = {685, 432, 49, 49}, .picture = "imgEmpty"},
};

// The handles lie over the slider's two ends, 12 pixels deep, and over the red strip beside it.
constexpr Control PickerControls[] = {
    {.name = "tbNumTreasures", .kind = Kind::Slider, .box = {2, 0, 41, 346},
     .hint = "Выберите число кладов на поле", .accessibleName = TreasureCount},
    {.name = "btnFewer", .kind = Kind::Handle, .box = {2, 0, 41, 12}, .accessibleName = "Меньше"},
    {.name = "btnMore", .kind = Kind::Handle, .box = {2, 334, 41, 12},
     .accessibleName = "Больше"},
    {.name = "btnConfirm", .kind = Kind::Handle, .box = {43, 0, 21, 350},
     .accessibleName = "Подтвердить"},
};

constexpr SizeItem SizeItemList[] = {
    {"N4x41", "  4 x  4", 404},  {"N1", "  5 x  5", 505},        {"wh6", "  6 x  6", 606},
    {"wh7", "  7 x  7", 707},    {"wh8", "  8 x  8", 808},       {"wh9", "  9 x  9", 909},
    {"N9x111", "10 x 10", 1010}, {"N10x71", "11 x 11", 1111},    {"N10x81", "12 x 12", 1212},
};

}  // namespace

const Form Form1 = {.name = "Form1", .caption = "  Пелимор 2007.0", .width = 821, .height = 652,
                    .colour = WindowColour, .opacity = 1.0, .hint = nullptr,
                    .accessibleName = nullptr, .controls = Form1Controls};

const Form frmNumTreasures = {.name = "frmNumTreasures", .caption = nullptr, .width = 64,
                              .height = 350, .colour = Red, .opacity = 200.0 / 255.0,
                              .hint = " CLOSE", .accessibleName = "Выбор числа кладов",
                              .controls = PickerControls};

const std::span<const SizeItem> SizeItems = SizeItemList;

const Control& ControlOf(const Form& form, std::string_view name) {
    for (const Control& control : form.controls) {
        if (name == control.name) return control;
    }
    return form.controls.front();
}

const char* AccessibleNameOf(const Control& control) {
    if (control.accessibleName != nullptr) return control.accessibleName;
    return IsButton(control) ? control.hint : nullptr;
}

const char* LabelName(core::Label label) {
    switch (label) {
        case core::Label::lblWH: return "lblWH";
        case core::Label::lblTime: return "lblTime";
        case core::Label::lblHod: return "lblHod";
        case core::Label::lblNumTreasures: return "lblNumTreasures";
        case core::Label::lblNumMyTreasures: return "lblNumMyTreasures";
        case core::Label::lblRest: return "lblRest";
    }
    return "lblWH";
}

const char* HolderName(core::Picture picture) {
    switch (picture) {
        case core::Picture::Unopened: return "imgNoKnow";
        case core::Picture::Empty: return "imgEmpty";
        case core::Picture::Treasure: return "imgTreasure";
    }
    return "imgNoKnow";
}

}  // namespace forms

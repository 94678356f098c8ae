// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's two windows as a form designer describes them, for every front end to build from:
// each control's name, kind, box, picture, tooltip, accessible name, font, colour and text.
#pragma once

#include "core/Platform.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace forms {

struct Colour {
    std::uint8_t r, g, b;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// In the client pixels of the control's parent, at 96 dots per inch.
struct Box {
    int left, top, width, height;
    int Right() const { return left + width; }  // one past the last column
};

enum class Kind {
    ImageButton,    // flat, a glyph from assets/, a hand cursor, the hint as its tooltip
    ToggleButton,   // the same, and stays down between clicks
    Label,          // bold "Arial" text
    Panel,          // a plain area in the window's colour
    Board,          // the board panel: the cells' parent, with a raised one-pixel bevel
    Holder,         // a picture the cells copy, never seen
    Slider,         // the picker's vertical slider
    Handle,         // an unseen button for a screen reader, over the place a click does the same
};

enum class Align { Left, Right };

// How a label's box follows its text.
enum class Fit {
    Fixed,       // the box as laid out; a longer text is clipped at its right edge
    ToText,      // the box grows and shrinks with the text from its top-left
    RightEdge,   // right-aligned: the right edge stays where it was laid out
};

struct Control {
    const char* name;  // the design's name: sbtStartNewGame, lblWH, tbNumTreasures ...
    Kind kind;
    Box box;
    const char* parent = nullptr;          // the control it stands in; none, the form itself
    const char* picture = nullptr;         // the picture's name in assets/ (buttons, holders)
    const char* hint = nullptr;            // the tooltip
    const char* accessibleName = nullptr;  // what a screen reader calls it
    int fontPixels = 0;                    // labels: bold "Arial" of this em height in pixels
    Colour colour{};                       // labels: the text; the board: its ground
    Align align = Align::Left;
    Fit fit = Fit::Fixed;
    bool opaque = false;                   // labels: drawn on the window's colour
    bool hidden = false;
    const char* text = nullptr;            // the caption as laid out
};

struct Form {
    const char* name;
    const char* caption;  // the title bar's text; none for the borderless picker
    int width, height;    // the client area
    Colour colour;        // the background
    double opacity;       // of the whole window over what lies beneath
    const char* hint;
    const char* accessibleName;
    std::span<const Control> controls;
};

// The main window and the treasure-count picker.
extern const Form Form1;
extern const Form frmNumTreasures;

// The control of this name; the first control when there is none (a mistyped name is caught by
// the tests, which look every name up).
const Control& ControlOf(const Form& form, std::string_view name);
// A flat button with a glyph, toggle or not.
inline bool IsButton(const Control& control) {
    return control.kind == Kind::ImageButton || control.kind == Kind::ToggleButton;
}
// What a screen reader calls a control: its accessible name, or a button's hint without one.
const char* AccessibleNameOf(const Control& control);

// The main window's label that the rules call by `label`, and the holder whose picture a cell
// copies for `picture`.
const char* LabelName(core::Label label);
const char* HolderName(core::Picture picture);

// The size menu: the square boards, each tagged columns x 100 + rows, under the size button.
struct SizeItem {
    const char* name;
    const char* caption;  // single-digit sizes padded with blanks to line up
    int tag;
};
extern const std::span<const SizeItem> SizeItems;
// The menu is named as its button is.
inline constexpr const char* SizeMenuButton = "sbtCreateNewSizeGame";

// The board's cells: 48 x 48, 49 apart, so a line of the panel's colour shows between them.
inline constexpr int CellSide = 48;
inline constexpr int CellPitch = 49;
// Where the first of `cells` cells starts on a panel side: centred, a pixel nearer the far side
// when the leftover is odd.
inline constexpr int BoardOffset(int panelSide, int cells) {
    return (panelSide - CellPitch * cells + 1) / 2;
}

// The face every text of the windows is drawn in; front ends without it use a face of the same
// metrics (Liberation Sans on Linux and on the page).
inline constexpr const char* FontFamily = "Arial";

// The game's name where the desktop shows it beside its window (the sound server's list).
inline constexpr const char* ApplicationName = "Пелимор 2007";

}  // namespace forms

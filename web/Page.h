// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calls the page's C++ makes into the browser: only what the browser leaves to JavaScript,
// in web/page.js. Strings are UTF-8; colours 0xRRGGBB; names are the forms' control names.
#pragma once

extern "C" {

// The window and its controls, as forms/ describes them; the page is drawn once the last is in.
void page_form(const char* form, const char* caption, int width, int height, int colour,
               double opacity, const char* hint, const char* accessibleName);
void page_control(const char* form, const char* name, int kind, const char* parent, int left,
                  int top, int width, int height);
void page_look(const char* name, const char* picture, const char* hint,
               const char* accessibleName, int fontPixels, int colour, int align, int fit,
               int opaque, int hidden, const char* text);
void page_menu_item(const char* caption, int tag, int checked);
void page_picture_scale(double scale);  // one the pictures are drawn for, smallest first
void page_ready();

void page_set_text(const char* name, const char* text);
void page_describe(const char* name, const char* words);  // a screen reader's description
void page_set_down(const char* name, int down);  // the toggle's down state
void page_popup_menu(const char* button);         // under the button
void page_check_menu_item(int tag);
void page_open_picker(const char* button, int maximum);
void page_hide_picker();

// The board: a grid of columns x rows of cells `cellSide` pixels square.
void page_board(int columns, int rows, int cellSide);
void page_new_cell(int id, int col, int row, int left, int top);
void page_free_cell(int id);
void page_cell_picture(int id, const char* picture);  // the holder's picture it copies
// Drawn `times` over itself in a row.
void page_cell_text(int id, int x, int y, const char* text, int colour, int times);
void page_cell_name(int id, const char* name);

void page_clock(int on);
double page_now();  // milliseconds, from a clock that never goes back
void page_cue(const char* name);
void page_announce(const char* words);  // said at once to a screen reader
void page_open(const char* page);       // a page beside this one, in a new tab
void page_close();                      // the game's end: its window goes
// A modal notice inside the page; returns when the player closes it (Asyncify).
void page_notice(const char* text, const char* title, int withCancel);
}

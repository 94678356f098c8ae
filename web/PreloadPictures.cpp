// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A build tool: writes the page's preload lines for the pictures its first paint shows (every
// button's glyph and the closed cell), each at every drawn scale, so that the browser fetches
// them while it is still loading the game itself.
#include "forms/Forms.h"

#include <PictureScales.h>

#include <cstdio>

namespace {

void Preload(const char* picture) {
    std::printf("<link rel=\"preload\" as=\"image\" imagesrcset=\"");
    for (double scale : PictureScales) {
        if (scale == 1.0) {
            std::printf("pictures/%s.png 1x", picture);
        } else {
            std::printf(", pictures/%s@%gx.png %gx", picture, scale, scale);
        }
    }
    std::printf("\">\n");
}

}  // namespace

int main() {
    for (const forms::Control& control : forms::Form1.controls) {
        if (forms::IsButton(control)) Preload(control.picture);
    }
    const char* closed = forms::HolderName(core::Picture::Unopened);
    Preload(forms::ControlOf(forms::Form1, closed).picture);
    return 0;
}

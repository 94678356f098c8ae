// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry: the platform binding, then the game's own life, as on the desktop.
#include "core/Game.h"
#include "core/Platform.h"
#include "web/WebPlatform.h"

int main() {
    core::BindPlatform(web::Platform());
    // The windows are built and start-up runs; the browser's event loop then hands over events
    // until the page closes, and the runtime stays for them after main returns.
    core::RunProgram();
    return 0;
}

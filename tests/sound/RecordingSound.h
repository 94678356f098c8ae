// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A sound output that plays nothing and writes down each request, in order.
#pragma once

#include "ui/sound/CueSound.h"

#include <string>
#include <vector>

namespace soundtest {

class RecordingSound final : public ui::SoundOutput {
public:
    void PlayFile(const std::string& path) override { calls.push_back("file " + path); }
    void PlayAlert() override { calls.push_back("alert"); }

    // "file <path>" or "alert", one entry per request.
    std::vector<std::string> calls;
};

// The game's six cues, names exactly as the game requests them.
inline const std::vector<std::string> kCueNames = {"newgame", "click2", "buljk",
                                                   "Quest",   "gameover", "end"};

}  // namespace soundtest

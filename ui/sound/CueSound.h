// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cue sounds: the wave files of the game's events, played through the desktop's sound library.
#pragma once

#include <memory>
#include <string>

namespace ui {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Each cuts off whatever still plays, starts the wave file or alert, and returns at once.
    virtual void PlayFile(const std::string& path) = 0;
    virtual void PlayAlert() = 0;
};

std::unique_ptr<SoundOutput> MakeDesktopSound();  // silent, never failing, without a device

// Plays wav/<name>.wav, relative to the working directory now, or the alert if it is missing.
void PlayCueFrom(SoundOutput& output, const std::string& name);

}  // namespace ui

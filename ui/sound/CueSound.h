// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cue sounds: the wave files of the game's events, played through the desktop's sound library.
#pragma once

#include <memory>
#include <string>

namespace ui {

// What the game needs from a sound output; tests put a fake behind it.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Cuts off whatever still plays and starts the wave file at path; returns at once.
    virtual void PlayFile(const std::string& path) = 0;
    // Cuts off whatever still plays and starts the desktop's alert sound; returns at once.
    virtual void PlayAlert() = 0;
};

// The desktop's event-sound library; silent, never failing, where there is no sound device.
std::unique_ptr<SoundOutput> MakeDesktopSound();

// Plays the cue "wav/<name>.wav", relative to the working directory as it is now, or the
// alert sound where that file is missing.
void PlayCueFrom(SoundOutput& output, const std::string& name);

}  // namespace ui

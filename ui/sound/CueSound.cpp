// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cue sounds through libcanberra, the freedesktop event-sound library, and the cue-file lookup.
#include "ui/sound/CueSound.h"

#include <canberra.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace ui {

namespace {

// Every cue plays under this one id, so cancelling it cuts off whatever still sounds, the alert
// included: the game never mixes or queues its cues.
constexpr std::uint32_t CueId = 1;

// The sound theme's event that stands for a missing cue file: the desktop's alert sound.
constexpr const char* AlertEvent = "bell";

constexpr const char* ApplicationName = "Пелимор 2007";

// The desktop output. Every return code of the library is ignored on purpose: a game without a
// sound device, or with a broken cue file, plays on in silence.
class CanberraSound final : public SoundOutput {
public:
    CanberraSound() = default;

    ~CanberraSound() override {
        if (context_ != nullptr) ca_context_destroy(context_);
    }

    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    // ca_context_play starts the sound and returns; it does not wait for the sound to end.
    void PlayFile(const std::string& path) override {
        if (!Open()) return;
        // Resolved now, so the file is the one the working directory names at this call.
        std::error_code error;
        const std::filesystem::path full = std::filesystem::absolute(path, error);
        const std::string name = error ? path : full.string();
        ca_context_cancel(context_, CueId);
        ca_context_play(context_, CueId, CA_PROP_MEDIA_FILENAME, name.c_str(), nullptr);
    }

    void PlayAlert() override {
        if (!Open()) return;
        ca_context_cancel(context_, CueId);
        ca_context_play(context_, CueId, CA_PROP_EVENT_ID, AlertEvent, nullptr);
    }

private:
    // The library is opened at the first cue, not at start-up: opening it reaches the sound
    // server (and may start a session bus), which would only delay the window's first showing.
    // One try per run; without a sound server or device the game stays silent.
    bool Open() {
        if (tried_) return context_ != nullptr;
        tried_ = true;
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, ApplicationName, nullptr);
        if (ca_context_open(context_) != CA_SUCCESS) {
            ca_context_destroy(context_);
            context_ = nullptr;
        }
        return context_ != nullptr;
    }

    ca_context* context_ = nullptr;
    bool tried_ = false;
};

// A file the sound library could open: a regular file (or a link to one) that we may read.
bool IsReadableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), R_OK) == 0;
}

}  // namespace

std::unique_ptr<SoundOutput> MakeDesktopSound() { return std::make_unique<CanberraSound>(); }

void PlayCueFrom(SoundOutput& output, const std::string& name) {
    const std::string path = "wav/" + name + ".wav";
    if (IsReadableFile(path)) {
        output.PlayFile(path);
    } else {
        output.PlayAlert();
    }
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cue sounds through libcanberra, the freedesktop event-sound library, and the cue-file lookup.
#include "ui/sound/CueSound.h"

#include "forms/Forms.h"

#include <canberra.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace ui {

namespace {

// One id for every cue, so a cancel cuts off whatever sounds: the game never mixes its cues.
constexpr std::uint32_t CueId = 1;

constexpr const char* AlertEvent = "bell";  // the theme's alert, for a missing cue file

// Return codes are ignored on purpose: without a device or with a broken cue, play goes on silent.
class CanberraSound final : public SoundOutput {
public:
    CanberraSound() = default;

    ~CanberraSound() override {
        if (context_ != nullptr) ca_context_destroy(context_);
    }

    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

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
    // Opened at the first cue: reaching the sound server at start-up would delay the window.
    bool Open() {
        if (tried_) return context_ != nullptr;
        tried_ = true;
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, forms::ApplicationName,
                                nullptr);
        if (ca_context_open(context_) != CA_SUCCESS) {
            ca_context_destroy(context_);
            context_ = nullptr;
        }
        return context_ != nullptr;
    }

    ca_context* context_ = nullptr;
    bool tried_ = false;
};

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

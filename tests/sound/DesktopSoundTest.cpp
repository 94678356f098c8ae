// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop sound output where there is no sound device: every request returns and the game
// goes on, whatever the file. The test program runs with PULSE_SERVER pointing nowhere, so no
// sound server is reached (and nothing is heard) on any machine.
#include "RecordingSound.h"
#include "ScratchFolder.h"
#include "ui/sound/CueSound.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using soundtest::kCueNames;
using soundtest::ScratchFolder;
using soundtest::WorkingDirectory;

const std::filesystem::path kSourceDir = PELIMOR_SOURCE_DIR;

// A wave header that promises no channels, no rate and two gigabytes of data, then stops.
const std::string kCorruptWave = [] {
    const char bytes[] = "RIFF\x24\0\0\0WAVE"
                         "fmt \x10\0\0\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\x10\0"
                         "data\xff\xff\xff\x7f\x01\x02";
    return std::string(bytes, sizeof bytes - 1);
}();

// The start of a real cue, as a copy broken off halfway would leave it.
std::string FirstBytesOf(const std::filesystem::path& file, std::size_t count) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// How many cues a busy player can fire in a row: a quick game on the largest board.
constexpr int kManyCues = 300;

TEST(DesktopSound, ComesAndGoesWithoutASoundDevice) {
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<ui::SoundOutput> sound = ui::MakeDesktopSound();
        ASSERT_NE(sound, nullptr);
    }
}

TEST(DesktopSound, FilesThatCannotBePlayedAreIgnored) {
    ScratchFolder game;
    game.Write("wav/empty.wav", "");
    game.Write("wav/corrupt.wav", kCorruptWave);
    game.Write("wav/truncated.wav", FirstBytesOf(kSourceDir / "wav/Quest.wav", 1000));
    game.Write("wav/text.wav", "this is not a sound\n");
    std::filesystem::create_directories(game.Path() / "wav/folder.wav");
    WorkingDirectory here(game.Path());

    std::unique_ptr<ui::SoundOutput> sound = ui::MakeDesktopSound();
    for (const char* path : {"wav/missing.wav", "wav/empty.wav", "wav/corrupt.wav",
                             "wav/truncated.wav", "wav/text.wav", "wav/folder.wav", "no/such/folder/x.wav", ""}) {
        SCOPED_TRACE(path);
        sound->PlayFile(path);
    }
    sound->PlayAlert();
}

TEST(DesktopSound, TheGamesCuesPlayOneAfterAnotherAndCutEachOtherOff) {
    WorkingDirectory here(kSourceDir);
    std::unique_ptr<ui::SoundOutput> sound = ui::MakeDesktopSound();

    for (int i = 0; i < kManyCues; ++i) {
        ui::PlayCueFrom(*sound, kCueNames[i % kCueNames.size()]);
        if (i % 7 == 0) sound->PlayAlert();
    }
    // Opening a treasure cell: the dig and the find follow at once; the object then goes with
    // sounds still nominally playing.
    ui::PlayCueFrom(*sound, "click2");
    ui::PlayCueFrom(*sound, "buljk");
}

TEST(DesktopSound, CuesFromAFolderWithoutSoundsFallBackToTheAlert) {
    ScratchFolder elsewhere;
    WorkingDirectory here(elsewhere.Path());
    std::unique_ptr<ui::SoundOutput> sound = ui::MakeDesktopSound();

    for (int i = 0; i < kManyCues; ++i) ui::PlayCueFrom(*sound, kCueNames[i % kCueNames.size()]);
}

}  // namespace

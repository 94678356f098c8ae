// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where a cue is looked up: "wav/<name>.wav" under the working directory as it is at each call.
#include "RecordingSound.h"
#include "ScratchFolder.h"
#include "ui/sound/CueSound.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using soundtest::kCueNames;
using soundtest::RecordingSound;
using soundtest::ScratchFolder;
using soundtest::WorkingDirectory;
using Calls = std::vector<std::string>;

// Stands in for a wave file; the lookup never reads what is inside.
const std::string kSomeSound = "RIFF";

TEST(CueLookup, EachCueIsPlayedFromItsFileByThePathRelativeToTheWorkingDirectory) {
    ScratchFolder game;
    for (const std::string& name : kCueNames) game.Write("wav/" + name + ".wav", kSomeSound);
    WorkingDirectory here(game.Path());

    RecordingSound sound;
    for (const std::string& name : kCueNames) ui::PlayCueFrom(sound, name);

    EXPECT_EQ(sound.calls, (Calls{"file wav/newgame.wav", "file wav/click2.wav",
                                  "file wav/buljk.wav", "file wav/Quest.wav",
                                  "file wav/gameover.wav", "file wav/end.wav"}));
}

TEST(CueLookup, StartedWhereThereIsNoWavFolderEveryCuePlaysTheAlert) {
    ScratchFolder elsewhere;
    WorkingDirectory here(elsewhere.Path());

    RecordingSound sound;
    for (const std::string& name : kCueNames) ui::PlayCueFrom(sound, name);

    EXPECT_EQ(sound.calls, Calls(kCueNames.size(), "alert"));
}

TEST(CueLookup, TheWorkingDirectoryIsReadAgainAtEveryCue) {
    ScratchFolder withSounds;
    withSounds.Write("wav/click2.wav", kSomeSound);
    ScratchFolder withoutSounds;
    ScratchFolder soundsArriveLater;

    RecordingSound sound;
    WorkingDirectory here(withSounds.Path());
    ui::PlayCueFrom(sound, "click2");
    here.MoveTo(withoutSounds.Path());
    ui::PlayCueFrom(sound, "click2");
    here.MoveTo(withSounds.Path());
    ui::PlayCueFrom(sound, "click2");
    here.MoveTo(soundsArriveLater.Path());
    ui::PlayCueFrom(sound, "click2");
    soundsArriveLater.Write("wav/click2.wav", kSomeSound);
    ui::PlayCueFrom(sound, "click2");

    EXPECT_EQ(sound.calls, (Calls{"file wav/click2.wav", "alert", "file wav/click2.wav", "alert",
                                  "file wav/click2.wav"}));
}

TEST(CueLookup, ACueWithoutAPlayableFilePlaysTheAlert) {
    struct Case {
        const char* what;
        std::function<void(const ScratchFolder&)> prepare;
    };
    const std::vector<Case> cases = {
        {"the other cues are there, this one is not",
         [](const ScratchFolder& f) { f.Write("wav/newgame.wav", kSomeSound); }},
        {"the name differs only in case",
         [](const ScratchFolder& f) { f.Write("wav/quest.wav", kSomeSound); }},
        {"the name lacks the .wav ending",
         [](const ScratchFolder& f) { f.Write("wav/Quest", kSomeSound); }},
        {"the file lies beside wav, not in it",
         [](const ScratchFolder& f) { f.Write("Quest.wav", kSomeSound); }},
        {"wav is a file, not a folder",
         [](const ScratchFolder& f) { f.Write("wav", kSomeSound); }},
        {"the cue's name is a folder",
         [](const ScratchFolder& f) { std::filesystem::create_directories(f.Path() / "wav/Quest.wav"); }},
        {"the cue is a link to nothing",
         [](const ScratchFolder& f) {
             std::filesystem::create_directories(f.Path() / "wav");
             std::filesystem::create_symlink(f.Path() / "gone.wav", f.Path() / "wav/Quest.wav");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder game;
        c.prepare(game);
        WorkingDirectory here(game.Path());

        RecordingSound sound;
        ui::PlayCueFrom(sound, "Quest");

        EXPECT_EQ(sound.calls, Calls{"alert"});
    }
}

TEST(CueLookup, ACueThatIsALinkToAFilePlaysByTheLinksPath) {
    ScratchFolder game;
    const auto real = game.Write("sounds/fanfare.wav", kSomeSound);
    std::filesystem::create_directories(game.Path() / "wav");
    std::filesystem::create_symlink(real, game.Path() / "wav/Quest.wav");
    WorkingDirectory here(game.Path());

    RecordingSound sound;
    ui::PlayCueFrom(sound, "Quest");

    EXPECT_EQ(sound.calls, Calls{"file wav/Quest.wav"});
}

TEST(CueLookup, ACueFileThePlayerMayNotReadPlaysTheAlert) {
    if (geteuid() == 0) GTEST_SKIP() << "root may read every file";
    ScratchFolder game;
    const auto file = game.Write("wav/end.wav", kSomeSound);
    std::filesystem::permissions(file, std::filesystem::perms::none);
    WorkingDirectory here(game.Path());

    RecordingSound sound;
    ui::PlayCueFrom(sound, "end");

    EXPECT_EQ(sound.calls, Calls{"alert"});
}

}  // namespace

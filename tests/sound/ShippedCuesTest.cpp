// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cue files the game ships: all six are found under their exact names and keep their promises
// (mono 16-bit 22050 Hz, short, audible, never clipped, silent at both ends so they never click).
#include "RecordingSound.h"
#include "ScratchFolder.h"
#include "ui/sound/CueSound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using soundtest::kCueNames;

const std::filesystem::path kSourceDir = PELIMOR_SOURCE_DIR;

// The format the cues are made in by tools/make-sounds.
constexpr int kRate = 22050;
// Full scale of a 16-bit sample; reaching it means the sound was clipped.
constexpr int kFullScale = 32767;
// A cue starting or ending above 1 % of full scale would start or end with a click.
constexpr int kQuietEdge = kFullScale / 100;
// The longest cue, the fanfare, is about 1.2 s; a cue much longer would hold up the next one.
constexpr double kLongestSeconds = 1.5;

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t Little(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// Reads a RIFF wave file chunk by chunk; nothing where it is not one.
std::optional<Wave> ReadWave(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    Wave wave;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = Little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(Little(bytes, body, 2));
            wave.channels = static_cast<int>(Little(bytes, body + 2, 2));
            wave.rate = static_cast<int>(Little(bytes, body + 4, 4));
            wave.bits = static_cast<int>(Little(bytes, body + 14, 2));
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(Little(bytes, body + i, 2)));
            haveData = true;
        }
        at = body + size + (size % 2);
    }
    if (!haveData) return std::nullopt;
    return wave;
}

TEST(ShippedCues, EveryCueIsFoundUnderItsExactNameFromTheGamesFolder) {
    soundtest::WorkingDirectory here(kSourceDir);
    soundtest::RecordingSound sound;
    for (const std::string& name : kCueNames) ui::PlayCueFrom(sound, name);

    ASSERT_EQ(sound.calls.size(), kCueNames.size());
    for (std::size_t i = 0; i < kCueNames.size(); ++i)
        EXPECT_EQ(sound.calls[i], "file wav/" + kCueNames[i] + ".wav");
}

TEST(ShippedCues, EveryCueIsAShortCleanMonoWave) {
    for (const std::string& name : kCueNames) {
        SCOPED_TRACE(name);
        const std::optional<Wave> wave = ReadWave(kSourceDir / "wav" / (name + ".wav"));
        ASSERT_TRUE(wave.has_value()) << "not a readable wave file";

        EXPECT_EQ(wave->format, 1) << "PCM";
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->rate, kRate);
        EXPECT_EQ(wave->bits, 16);

        const auto& samples = wave->samples;
        ASSERT_FALSE(samples.empty());
        const double seconds = static_cast<double>(samples.size()) / kRate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, kLongestSeconds);

        int peak = 0;
        for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LT(peak, kFullScale) << "clipped";
        EXPECT_GT(peak, kFullScale / 10) << "too quiet to hear";
        EXPECT_LE(std::abs(static_cast<int>(samples.front())), kQuietEdge) << "starts with a click";
        EXPECT_LE(std::abs(static_cast<int>(samples.back())), kQuietEdge) << "ends with a click";
    }
}

}  // namespace

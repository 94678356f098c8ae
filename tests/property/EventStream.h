// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's and the clock's events as a stream drawn from a seed or from fuzzer bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace play {

// Everything the window hands to the rules, one kind per handler.
enum class EventKind {
    Start,          // sbtStartNewGameClick
    Stop,           // sbtStopClick
    Click,          // a cell's Click, Ctrl held or not
    HintToggle,     // sbtHint pressed
    ChooseSize,     // an item of the size menu (or a tag no item carries)
    PickerOpen,     // sbtNumTreasuresMouseDown
    PickerConfirm,  // a click on the picker's background
    Tick,           // Timer1 fires
    TimeOut,        // Timer1 fires an hour or more after the start
};
inline constexpr int EventKindCount = 9;

struct Event {
    EventKind kind = EventKind::Tick;
    std::uint32_t ticks = 0;          // the millisecond counter when the event happens
    int col = 0;                      // Click
    int row = 0;                      // Click
    bool ctrl = false;                // Click
    int tag = 0;                      // ChooseSize
    int count = 0;                    // PickerConfirm: the slider's value
    bool tickDuringNotice = false;    // a tick arrives while a notice of this event is open
};

std::string Describe(const Event& event);

// Where the stream's decisions come from: a seeded generator, or a fuzzer's bytes.
class ChoiceSource {
public:
    virtual ~ChoiceSource() = default;
    // A value in [0, n); 0 when n <= 1.
    virtual std::uint32_t Below(std::uint32_t n) = 0;
    // Any 32-bit value.
    virtual std::uint32_t Bits32() = 0;
    // Nothing left to decide with; the stream should end.
    virtual bool Exhausted() const = 0;
};

class SeededChoices : public ChoiceSource {
public:
    explicit SeededChoices(std::uint32_t seed) : random_(seed) {}
    std::uint32_t Below(std::uint32_t n) override;
    std::uint32_t Bits32() override { return random_(); }
    bool Exhausted() const override { return false; }

private:
    std::mt19937 random_;
};

// Reads the fewest bytes that cover n; when the bytes run out every answer is 0.
class ByteChoices : public ChoiceSource {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t Below(std::uint32_t n) override;
    std::uint32_t Bits32() override { return Take(4); }
    bool Exhausted() const override { return next_ >= size_; }

private:
    std::uint32_t Take(int bytes);
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

// How often each kind of event comes, in parts per thousand, in the order of EventKind.
// Different styles of play reach different corners: long hinted games, crowded small boards,
// a clock pushed across the counter's wrap.
struct PlayStyle {
    const char* name;
    int weights[EventKindCount];
};
const std::vector<PlayStyle>& PlayStyles();

// What the player can see when choosing the next event.
struct Scene {
    int boardWidth = 4;
    int boardHeight = 4;
    std::vector<std::pair<int, int>> closedCells;
    bool pickerShown = false;
    int pickerMaximum = 0;        // the slider's bottom, fixed when the picker opened
    std::uint32_t ticks = 0;      // the millisecond counter now
    std::uint32_t gameStartTicks = 0;
};

// The next event of a player in this style.
Event NextEvent(ChoiceSource& choose, const PlayStyle& style, const Scene& scene);

}  // namespace play

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's and the clock's events as a stream drawn from a seed or from fuzzer bytes.
#include "tests/property/EventStream.h"

#include <array>
#include <limits>

namespace play {

namespace {

// One hour of play ends the game; the stream aims at both sides of that edge.
constexpr std::uint32_t HourMs = 60u * 60u * 1000u;
constexpr std::uint32_t TimerPeriodMs = 1000;
// Two hours before the millisecond counter wraps: a game started here crosses the wrap.
constexpr std::uint32_t NearWrapSpanMs = 2u * HourMs;
constexpr std::uint32_t MaxTicks = std::numeric_limits<std::uint32_t>::max();

// Tags the size menu never carries: too small, too large, a side of 3 or 13, negative.
constexpr std::array<int, 12> OddTags = {0, 303, 1313, 1203, 312, 413, 1304, 99, -404, 100000,
                                         1213, 403};

bool OneIn(ChoiceSource& choose, std::uint32_t n) { return choose.Below(n) == 0; }

EventKind PickKind(ChoiceSource& choose, const PlayStyle& style) {
    int total = 0;
    for (int w : style.weights) total += w;
    int pick = static_cast<int>(choose.Below(static_cast<std::uint32_t>(total)));
    for (int k = 0; k < EventKindCount; ++k) {
        if (pick < style.weights[k]) return static_cast<EventKind>(k);
        pick -= style.weights[k];
    }
    return EventKind::Tick;
}

// The counter when the timer fires: mostly on time, sometimes late, sometimes at odd values
// (across the wrap, a little backwards, anywhere).
std::uint32_t NextTickValue(ChoiceSource& choose, const Scene& scene) {
    const std::uint32_t way = choose.Below(100);
    if (way < 80) return scene.ticks + TimerPeriodMs - 100 + choose.Below(200);
    if (way < 88) return scene.ticks + choose.Below(120'000);
    if (way < 92) return scene.ticks + choose.Below(2 * HourMs);
    if (way < 95) return MaxTicks - choose.Below(5'000);
    if (way < 98) return scene.ticks - choose.Below(500);
    return choose.Bits32();
}

std::uint32_t TimeOutValue(ChoiceSource& choose, const Scene& scene) {
    // Half of them within two seconds of the limit, where rounding decides.
    if (OneIn(choose, 2)) return scene.gameStartTicks + HourMs - 2'000 + choose.Below(4'000);
    return scene.gameStartTicks + HourMs + choose.Below(10'000'000);
}

std::uint32_t StartTicks(ChoiceSource& choose, const Scene& scene) {
    const std::uint32_t way = choose.Below(20);
    if (way < 4) return MaxTicks - choose.Below(NearWrapSpanMs);
    if (way == 4) return choose.Bits32();
    return scene.ticks + choose.Below(400);
}

void PickCell(ChoiceSource& choose, const Scene& scene, Event& event) {
    // Players mostly click closed cells; clicks on opened ones must change nothing.
    if (!scene.closedCells.empty() && choose.Below(10) < 7) {
        const auto& [col, row] =
            scene.closedCells[choose.Below(static_cast<std::uint32_t>(scene.closedCells.size()))];
        event.col = col;
        event.row = row;
    } else {
        event.col = static_cast<int>(choose.Below(static_cast<std::uint32_t>(scene.boardWidth)));
        event.row = static_cast<int>(choose.Below(static_cast<std::uint32_t>(scene.boardHeight)));
    }
    event.ctrl = OneIn(choose, 8);
}

int PickTag(ChoiceSource& choose) {
    if (choose.Below(100) < 85) {
        const int side = 4 + static_cast<int>(choose.Below(9));
        return side * 100 + side;  // the nine menu items, 404 to 1212
    }
    if (OneIn(choose, 2)) return OddTags[choose.Below(OddTags.size())];
    return static_cast<int>(choose.Below(6000)) - 3000;
}

const char* KindName(EventKind kind) {
    switch (kind) {
        case EventKind::Start: return "start";
        case EventKind::Stop: return "stop";
        case EventKind::Click: return "click";
        case EventKind::HintToggle: return "hint toggle";
        case EventKind::ChooseSize: return "size";
        case EventKind::PickerOpen: return "picker open";
        case EventKind::PickerConfirm: return "picker confirm";
        case EventKind::Tick: return "tick";
        case EventKind::TimeOut: return "time-out tick";
    }
    return "?";
}

}  // namespace

std::uint32_t SeededChoices::Below(std::uint32_t n) {
    if (n <= 1) return 0;
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random_);
}

std::uint32_t ByteChoices::Take(int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes && next_ < size_; ++i) value = (value << 8) | data_[next_++];
    return value;
}

std::uint32_t ByteChoices::Below(std::uint32_t n) {
    if (n <= 1) return 0;
    const int bytes = n <= 0x100u ? 1 : n <= 0x10000u ? 2 : 4;
    return Take(bytes) % n;
}

std::string Describe(const Event& event) {
    std::string text = KindName(event.kind);
    switch (event.kind) {
        case EventKind::Click:
            text += " (" + std::to_string(event.col) + ", " + std::to_string(event.row) + ")";
            if (event.ctrl) text += " with Ctrl";
            break;
        case EventKind::ChooseSize: text += " tag " + std::to_string(event.tag); break;
        case EventKind::PickerConfirm: text += " count " + std::to_string(event.count); break;
        default: break;
    }
    if (event.tickDuringNotice) text += ", a tick during its notice";
    return text + " at " + std::to_string(event.ticks) + " ms";
}

const std::vector<PlayStyle>& PlayStyles() {
    //                                start stop click hint size open conf tick timeout
    static const std::vector<PlayStyle> styles = {
        {"mixed play",           {15,   5,   650,  30,  25,  25,  20,  225, 5}},
        {"long hinted games",    {8,    2,   800,  10,  10,  10,  5,   153, 2}},
        {"crowded small boards", {40,   10,  450,  20,  150, 120, 110, 95,  5}},
        {"clock at its edges",   {20,   5,   300,  10,  10,  10,  10,  590, 45}},
    };
    return styles;
}

Event NextEvent(ChoiceSource& choose, const PlayStyle& style, const Scene& scene) {
    Event event;
    event.kind = PickKind(choose, style);
    // Without a picker on screen there is no background to click; the player opens it first.
    if (event.kind == EventKind::PickerConfirm && !scene.pickerShown) {
        event.kind = EventKind::PickerOpen;
    }
    event.ticks = scene.ticks + choose.Below(400);
    switch (event.kind) {
        case EventKind::Start: event.ticks = StartTicks(choose, scene); break;
        case EventKind::Stop: event.tickDuringNotice = OneIn(choose, 2); break;
        case EventKind::Click:
            PickCell(choose, scene, event);
            event.tickDuringNotice = OneIn(choose, 3);
            break;
        case EventKind::ChooseSize: event.tag = PickTag(choose); break;
        case EventKind::PickerConfirm: {
            const auto most = static_cast<std::uint32_t>(scene.pickerMaximum);
            // The slider's bottom often: the fullest boards come from there.
            event.count = OneIn(choose, 3) ? scene.pickerMaximum
                                           : 1 + static_cast<int>(choose.Below(most));
            break;
        }
        case EventKind::Tick: event.ticks = NextTickValue(choose, scene); break;
        case EventKind::TimeOut: event.ticks = TimeOutValue(choose, scene); break;
        case EventKind::HintToggle:
        case EventKind::PickerOpen: break;
    }
    return event;
}

}  // namespace play

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the core tests: a fresh game bound to the recording platform, boards drawn as text.
#include "tests/core/CoreTest.h"

#include "core/Choices.h"
#include "core/Game.h"
#include "core/OpenCell.h"
#include "tests/support/ResetCore.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

namespace coretest {

using core::Picture;
using core::TCell;
using testsupport::ResetCoreState;

std::vector<std::string> Rows(std::initializer_list<std::string> rows) {
    std::vector<std::string> out;
    for (const std::string& row : rows) {
        std::istringstream words(row);
        std::string word, squeezed;
        while (words >> word) squeezed += (squeezed.empty() ? "" : " ") + word;
        out.push_back(squeezed);
    }
    return out;
}

std::uint32_t TestSeed() {
    const char* given = std::getenv("PELIMOR_SEED");
    const std::uint32_t seed = given ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10))
                                     : 20070101u;
    std::cout << "seed " << seed << " (replay with PELIMOR_SEED=" << seed << ")\n";
    return seed;
}

void CoreTest::SetUp() {
    ResetCoreState();
    core::BindPlatform(platform);
}

void CoreTest::TearDown() {
    if (HasFailure() && core::Cells[0][0] != nullptr) {
        std::cout << "board (T hidden, x found, o opened):\n";
        for (const std::string& row : State()) std::cout << "  " << row << '\n';
        std::cout << "screen:\n";
        for (const std::string& row : Screen()) std::cout << "  " << row << '\n';
    }
    for (const std::string& fault : platform.faults) ADD_FAILURE() << fault;
    platform.FreeLiveCells();
    ResetCoreState();
}

void CoreTest::StartUpIdle() {
    core::StartUp();
    platform.ClearLog();
}

void CoreTest::StartOn(const std::vector<std::string>& drawn) {
    std::vector<std::string> rows;
    for (const std::string& line : drawn) {
        std::string row;
        for (char ch : line) {
            if (ch != ' ') row += ch;
        }
        rows.push_back(row);
    }
    const int height = static_cast<int>(rows.size());
    const int width = height == 0 ? 0 : static_cast<int>(rows[0].size());
    if (platform.LiveCells() == 0) StartUpIdle();
    ASSERT_FALSE(core::GameRunning) << "StartOn needs an idle game";
    ASSERT_TRUE(core::ChooseSize(width * core::SizeTagBase + height))
        << "a board " << width << " x " << height << " cannot be chosen";

    int treasures = 0;
    for (int r = 0; r < height; ++r) {
        ASSERT_EQ(static_cast<int>(rows[r].size()), width) << "row " << r << " is ragged";
        for (int c = 0; c < width; ++c) {
            const char ch = rows[r][c];
            ASSERT_NE(std::string("T.xo").find(ch), std::string::npos) << "unknown cell " << ch;
            if (ch == 'T' || ch == 'x') {
                platform.draws.push_back(c);
                platform.draws.push_back(r);
                ++treasures;
            }
        }
    }
    core::TreasureTotal = treasures;
    platform.hints = false;
    platform.ctrl = false;
    core::StartCommand();
    ASSERT_TRUE(platform.draws.empty()) << "placement left scripted draws unused";
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (rows[r][c] == 'o' || rows[r][c] == 'x') ClickAt(c, r);
        }
    }
    ASSERT_TRUE(core::GameRunning) << "the drawn board is already won";
    platform.ClearLog();
}

TCell& CoreTest::At(int col, int row) {
    EXPECT_TRUE(col >= 0 && col < core::BoardWidth && row >= 0 && row < core::BoardHeight)
        << "no cell " << col << "," << row;
    return *core::Cells[col][row];
}

void CoreTest::ClickAt(int col, int row) { core::CellClick(At(col, row)); }

namespace {

std::string Token(const CellView& view) {
    if (!view.picture) return "?";
    const Picture picture = *view.picture;
    const std::string symbol = picture == Picture::Unopened ? "#"
                               : picture == Picture::Empty  ? "_"
                                                            : "$";
    if (view.texts.empty()) return symbol;
    const Call& last = view.texts.back();
    for (const Call& text : view.texts) {
        // Drawing the same number at the same place again looks the same; anything else shows.
        if (text.text != last.text || text.x != last.x || text.colour != last.colour) {
            return symbol + "(overdrawn)" + last.text;
        }
    }
    const std::string colour = ColourName(last.colour);
    if (picture == Picture::Empty && colour == "blue") return "b" + last.text;
    if (picture == Picture::Treasure && colour == "yellow") return "y" + last.text;
    return symbol + colour + last.text;
}

}  // namespace

std::vector<std::string> CoreTest::Screen() const {
    std::vector<std::string> out;
    for (int r = 0; r < core::BoardHeight; ++r) {
        std::string row;
        for (int c = 0; c < core::BoardWidth; ++c) {
            row += (c ? " " : "") + Token(platform.View(*core::Cells[c][r]));
        }
        out.push_back(row);
    }
    return out;
}

std::vector<std::string> CoreTest::State() const {
    std::vector<std::string> out;
    for (int r = 0; r < core::BoardHeight; ++r) {
        std::string row;
        for (int c = 0; c < core::BoardWidth; ++c) {
            const TCell& cell = *core::Cells[c][r];
            row += cell.HasTreasure ? (cell.Opened ? 'x' : 'T') : (cell.Opened ? 'o' : '.');
        }
        out.push_back(row);
    }
    return out;
}

}  // namespace coretest

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports the milliseconds until a point of the screen first shows a given
// colour: with a point inside the program's window, the time from start to its first paint.
// Usage: paint-watch X Y RRGGBB TIMEOUT_MS PROGRAM [ARGUMENTS...]
// Prints the wall-clock milliseconds and the processor milliseconds the program's threads had
// used by then (or "timeout"), and ends the program's process group. The processor figure
// suffers less from other work on a busy machine.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// How often the screen is looked at: often enough for a fine figure, seldom enough to leave the
// measured program and the X server the processor.
constexpr auto PollPeriod = std::chrono::microseconds(1000);

QRgb PixelAt(QScreen& screen, int x, int y) {
    return screen.grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0) & RGB_MASK;
}

// Processor time used so far by every thread of the process, from the scheduler's own count.
double ProcessorMs(pid_t process) {
    double ns = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(process) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onProcessor = 0;
        if (schedstat >> onProcessor) ns += onProcessor;
    }
    return ns / 1e6;
}

pid_t StartInGroup(char** argv) {
    const pid_t child = fork();
    if (child == 0) {
        setsid();
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return child;
}

void EndGroup(pid_t group) {
    kill(-group, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(group, nullptr, WNOHANG) == group) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(-group, SIGKILL);
    waitpid(group, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s X Y RRGGBB TIMEOUT_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const QRgb wanted = static_cast<QRgb>(std::stoul(argv[3], nullptr, 16)) & RGB_MASK;
    const auto timeout = std::chrono::milliseconds(std::atoi(argv[4]));
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 2;
    if (PixelAt(*screen, x, y) == wanted) {
        std::fprintf(stderr, "the point already shows the colour before the program starts\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t program = StartInGroup(argv + 5);
    bool seen = false;
    auto now = start;
    while (now - start < timeout) {
        if (PixelAt(*screen, x, y) == wanted) {
            seen = true;
            break;
        }
        std::this_thread::sleep_for(PollPeriod);
        now = std::chrono::steady_clock::now();
    }
    now = std::chrono::steady_clock::now();
    const double processor = ProcessorMs(program);
    EndGroup(program);
    if (!seen) {
        std::printf("timeout\n");
        return 1;
    }
    std::printf("%.1f %.1f\n", std::chrono::duration<double, std::milli>(now - start).count(),
                processor);
    return 0;
}

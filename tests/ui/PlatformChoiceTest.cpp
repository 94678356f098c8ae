// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which display server the game runs on, and how it tells that an X server answers.
#include "ui/PlatformChoice.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

TEST(PlatformChoice, X11WhereverAnXServerAnswersWaylandWithoutOneThePlayersChoiceAlways) {
    // ":1" answers; ":9" is a DISPLAY left behind by a server that is gone.
    struct Case {
        const char* display;
        const char* wayland;
        const char* chosen;
    };
    const Case cases[] = {
        {"", "", ""},                      // no display at all: Qt's own message says so
        {"", "wayland-0", "wayland"},      // a Wayland session without XWayland
        {":1", "", "xcb"},                 // X11
        {":1", "wayland-0", "xcb"},        // XWayland in a Wayland session
        {":9", "", ""},                    // nothing answers: Qt says it cannot connect
        {":9", "wayland-0", "wayland"},    // a stale DISPLAY does not hide the Wayland display
    };
    for (const char* players : {"", "wayland", "xcb", "offscreen"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string("QT_QPA_PLATFORM='") + players + "' DISPLAY='" + c.display +
                         "' WAYLAND_DISPLAY='" + c.wayland + "'");
            int probes = 0;
            const auto answers = [&probes](const std::string& display) {
                ++probes;
                return display == ":1";
            };
            const std::string chosen = ui::ChoosePlatform({players, c.display, c.wayland}, answers);
            const bool playerChose = *players != '\0';
            EXPECT_EQ(chosen, playerChose ? "" : c.chosen);
            EXPECT_EQ(probes, !playerChose && *c.display != '\0' ? 1 : 0)
                << "the X server is asked only when the choice depends on it";
        }
    }
}

// A server of our own listening on a Unix socket (`abstract`: in the abstract namespace, as X
// servers also bind theirs) or on TCP port 6000 + number of this machine.
class Listener {
public:
    Listener(const std::string& name, bool abstract) {
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + (abstract ? 1 : 0), name.data(), name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                                   (abstract ? 1 : 0) + name.size());
        Listen(reinterpret_cast<const sockaddr*>(&address), length);
    }
    explicit Listener(int number) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(6000 + number));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        Listen(reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    ~Listener() { Close(); }
    bool listening() const { return listening_; }
    // The server goes; a socket file stays behind, as after a server that crashed.
    void Close() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

private:
    void Listen(const sockaddr* address, socklen_t length) {
        listening_ = bind(fd_, address, length) == 0 && listen(fd_, 1) == 0;
    }
    int fd_ = -1;
    bool listening_ = false;
};

// The first display number from about `first` (apart for tests run side by side) whose
// socket `take` could take; -1 if none of a thousand is free.
template <typename Take>
int FreeDisplay(int first, Take take) {
    first += getpid() % 1000;
    for (int number = first; number < first + 1000; ++number) {
        if (take(number)) return number;
    }
    return -1;
}

TEST(XDisplayAnswers, OnlyWhileAServerListensAtTheSocketTheDisplayNames) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("X0")).toStdString();
    Listener byPath(path, false);
    ASSERT_TRUE(byPath.listening());
    EXPECT_TRUE(ui::XDisplayAnswers(path));
    byPath.Close();
    EXPECT_FALSE(ui::XDisplayAnswers(path)) << "the socket file of a server that is gone";
    EXPECT_FALSE(ui::XDisplayAnswers(folder.filePath(QStringLiteral("X1")).toStdString()));

    std::unique_ptr<Listener> local;
    const int n = FreeDisplay(4000, [&local](int number) {
        local = std::make_unique<Listener>("/tmp/.X11-unix/X" + std::to_string(number), true);
        return local->listening();
    });
    ASSERT_GE(n, 0);
    for (const std::string& display : {":" + std::to_string(n), ":" + std::to_string(n) + ".0",
                                       "unix:" + std::to_string(n)}) {
        EXPECT_TRUE(ui::XDisplayAnswers(display)) << display;
    }
    local->Close();
    EXPECT_FALSE(ui::XDisplayAnswers(":" + std::to_string(n)));

    std::unique_ptr<Listener> tcp;
    const int m = FreeDisplay(1000, [&tcp](int number) {
        tcp = std::make_unique<Listener>(number);
        return tcp->listening();
    });
    ASSERT_GE(m, 0);
    EXPECT_TRUE(ui::XDisplayAnswers("127.0.0.1:" + std::to_string(m)));
    EXPECT_TRUE(ui::XDisplayAnswers("localhost:" + std::to_string(m) + ".0"));
    tcp->Close();
    EXPECT_FALSE(ui::XDisplayAnswers("127.0.0.1:" + std::to_string(m)));

    for (const char* notADisplay : {"", "wayland-0", ":", ":x", ":0.x", ":99999"}) {
        EXPECT_FALSE(ui::XDisplayAnswers(notADisplay)) << notADisplay;
    }
}

}  // namespace

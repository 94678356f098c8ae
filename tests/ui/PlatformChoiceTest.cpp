// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which display server the game runs on, and how it tells that an X server answers.
#include "ui/PlatformChoice.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(PlatformChoice, X11WhereverAnXServerAnswersWaylandWithoutOneThePlayersChoiceAlways) {
    // ":1" answers; ":9" is left behind by a server that is gone.
    const char* const cases[][3] = {
        // DISPLAY, WAYLAND_DISPLAY, chosen
        {"", "", ""},                    // no display at all: Qt's own message says so
        {"", "wayland-0", "wayland"},    // Wayland without XWayland
        {":1", "", "xcb"},               // X11
        {":1", "wayland-0", "xcb"},      // XWayland in a Wayland session
        {":9", "", ""},                  // nothing answers: Qt says it cannot connect
        {":9", "wayland-0", "wayland"},  // a stale DISPLAY does not hide the Wayland display
    };
    for (const std::string players : {"", "wayland", "xcb"}) {
        for (const auto& [display, wayland, chosen] : cases) {
            SCOPED_TRACE("QT_QPA_PLATFORM='" + players + "' DISPLAY='" + display +
                         "' WAYLAND_DISPLAY='" + wayland + "'");
            int probes = 0;
            const auto answers = [&probes](const std::string& asked) {
                ++probes;
                return asked == ":1";
            };
            EXPECT_EQ(ui::ChoosePlatform({players, display, wayland}, answers),
                      players.empty() ? chosen : "");
            EXPECT_EQ(probes, players.empty() && *display != '\0' ? 1 : 0)
                << "the X server is asked only when the choice depends on it";
        }
    }
}

// Listens at `address` until closed, as an X server does, or reports that the address is taken.
struct Listener {
    Listener(int family, const void* address, socklen_t length)
        : fd(socket(family, SOCK_STREAM, 0)) {
        listening = bind(fd, static_cast<const sockaddr*>(address), length) == 0 &&
                    listen(fd, 1) == 0;
    }
    Listener(const Listener&) = delete;
    ~Listener() { close(fd); }
    int fd;
    bool listening;
};

// X display n of this machine in the abstract namespace, where X servers bind one of its two
// sockets, or its TCP port 6000 + n on the loopback address.
Listener LocalServer(int n) {
    const std::string name = "/tmp/.X11-unix/X" + std::to_string(n);
    sockaddr_un address{AF_UNIX, {}};
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    return {AF_UNIX, &address, socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size())};
}
Listener TcpServer(int n) {
    sockaddr_in address{AF_INET, htons(std::uint16_t(6000 + n)), {htonl(INADDR_LOOPBACK)}, {}};
    return {AF_INET, &address, sizeof address};
}

TEST(XDisplayAnswers, OnlyWhileAServerListensAtTheSocketTheDisplayNames) {
    // Display numbers far above the ones in use, apart for test programs run side by side.
    for (const bool tcp : {false, true}) {
        int n = 4000 + getpid() % 1000;
        while (!(tcp ? TcpServer(n) : LocalServer(n)).listening) ++n;  // free once it binds
        const std::string display = (tcp ? "127.0.0.1:" : ":") + std::to_string(n);
        {
            const Listener server = tcp ? TcpServer(n) : LocalServer(n);
            ASSERT_TRUE(server.listening) << display;
            EXPECT_TRUE(ui::XDisplayAnswers(display));
            EXPECT_TRUE(ui::XDisplayAnswers((tcp ? "localhost:" : "unix:") + std::to_string(n) +
                                            ".0"));
        }
        EXPECT_FALSE(ui::XDisplayAnswers(display)) << "its server is gone";
    }
    for (const char* notADisplay : {"", "wayland-0", ":", ":x", ":0.x", ":99999"}) {
        EXPECT_FALSE(ui::XDisplayAnswers(notADisplay)) << notADisplay;
    }
}

}  // namespace

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which display server the game runs on: X11 wherever an X display answers, else Wayland.
#include "ui/PlatformChoice.h"

#include <QGuiApplication>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

namespace ui {

namespace {

// Where X servers listen: display N on this machine at a Unix socket of this folder (Xorg,
// Xvfb and XWayland bind it in the abstract namespace too), on another host at TCP port
// 6000 + N.
constexpr std::string_view LocalSocketPrefix = "/tmp/.X11-unix/X";
constexpr int TcpPortBase = 6000;
constexpr int HighestTcpPort = 65535;

// How long a server on another host may take to accept, so that a lost host costs the player
// a second at start-up rather than the system's minutes.
constexpr int RemoteWaitMs = 1000;

// Where the server of one DISPLAY value listens: a Unix socket by path, or a host and port.
struct XServerSocket {
    std::string path;
    std::string host;
    int port = 0;
};

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The display number of "N" or "N.S" (S a screen), or nothing when it is neither.
std::optional<int> DisplayNumber(std::string_view text) {
    const auto dot = text.find('.');
    const std::string_view number = text.substr(0, dot);
    if (!AllDigits(number)) return std::nullopt;
    if (dot != std::string_view::npos && !AllDigits(text.substr(dot + 1))) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || value > HighestTcpPort - TcpPortBase) return std::nullopt;
    return value;
}

// Reads DISPLAY as the X libraries do: "[host]:N[.S]", where no host or "unix" is this
// machine and "[::1]" an IPv6 address.
std::optional<XServerSocket> SocketOf(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::optional<int> number = DisplayNumber(std::string_view(display).substr(colon + 1));
    if (!number) return std::nullopt;
    std::string host = display.substr(0, colon);
    if (host.empty() || host == "unix") {
        return XServerSocket{std::string(LocalSocketPrefix) + std::to_string(*number), {}, 0};
    }
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    return XServerSocket{{}, host, TcpPortBase + *number};
}

// One connect: true if a server accepted us or queued us. A wait of 0 does not block; a
// longer one bounds how long a server on another host may keep us waiting.
bool Connects(int family, int protocol, const sockaddr* address, socklen_t length, int waitMs) {
    const int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC | (waitMs == 0 ? SOCK_NONBLOCK : 0),
                          protocol);
    if (fd < 0) return false;
    if (waitMs > 0) {
        const timeval wait{waitMs / 1000, (waitMs % 1000) * 1000};
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);  // also bounds connect
    }
    // A Unix socket whose queue is full says EAGAIN: its server is there, only busy.
    const bool connected = connect(fd, address, length) == 0 || errno == EAGAIN;
    close(fd);
    return connected;
}

// A Unix socket by path, or by the same name in the abstract namespace.
bool UnixSocketAnswers(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t start = abstract ? 1 : 0;  // an abstract name starts with a zero byte
    if (start + path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + start, path.data(), path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + start +
                                               path.size() + (abstract ? 0 : 1));
    return Connects(AF_UNIX, 0, reinterpret_cast<const sockaddr*>(&address), length, 0);
}

bool TcpServerAnswers(const std::string& host, int port) {
    addrinfo wanted{};
    wanted.ai_socktype = SOCK_STREAM;
    wanted.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &wanted, &found) != 0) return false;
    bool answers = false;
    for (const addrinfo* at = found; at != nullptr && !answers; at = at->ai_next) {
        answers = Connects(at->ai_family, at->ai_protocol, at->ai_addr, at->ai_addrlen,
                           RemoteWaitMs);
    }
    freeaddrinfo(found);
    return answers;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string ChoosePlatform(const DisplayEnvironment& environment, const XDisplayProbe& answers) {
    if (!environment.qtPlatform.empty()) return {};
    if (!environment.xDisplay.empty() && answers(environment.xDisplay)) return "xcb";
    if (!environment.waylandDisplay.empty()) return "wayland";
    return {};
}

bool XDisplayAnswers(const std::string& display) {
    const std::optional<XServerSocket> server = SocketOf(display);
    if (!server) return false;
    if (!server->path.empty()) {
        return UnixSocketAnswers(server->path, true) || UnixSocketAnswers(server->path, false);
    }
    return TcpServerAnswers(server->host, server->port);
}

bool ChooseQtPlatform() {
    const std::string platform = ChoosePlatform(
        {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")},
        XDisplayAnswers);
    if (platform.empty()) return false;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    return true;
}

bool OnNativeWayland() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform binding that the rules reach the world through.
#include "core/Platform.h"

#include <cassert>

namespace core {

namespace {
PlatformOps* boundPlatform = nullptr;
}

void BindPlatform(PlatformOps& ops) { boundPlatform = &ops; }

PlatformOps& Platform() {
    assert(boundPlatform && "BindPlatform must come first");
    return *boundPlatform;
}

}  // namespace core

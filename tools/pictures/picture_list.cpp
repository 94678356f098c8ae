// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the game's picture files: what the game shows at every scale, and the theme icons.
#include "pictures.h"

namespace pictures {

std::vector<double> Picture::scales() const
{
    if (everyScale)
        return {Scales.begin(), Scales.end()};
    return {1.0};
}

const std::vector<Picture> &allPictures()
{
    // The game's window icon is the 64-pixel one; the desktop's menus and launchers take the
    // theme icons of every size, and the page's manifest the 512-pixel one as well.
    auto icon = [](int size) {
        return [size](double scale) { return makeIcon(int(size * scale)); };
    };
    static const std::vector<Picture> pictures{
        {"imgNoKnow", makeNoKnow, true},
        {"imgEmpty", makeEmpty, true},
        {"imgTreasure", makeTreasure, true},
        {"sbtStartNewGame", makeStartNewGame, true},
        {"sbtCreateNewSizeGame", makeCreateNewSizeGame, true},
        {"sbtNumTreasures", makeNumTreasures, true},
        {"sbtHint", makeHint, true},
        {"sbtHelp", makeHelp, true},
        {"sbtStop", makeStop, true},
        {"sbtExit", makeExit, true},
        {"icon16", icon(16), false},
        {"icon32", icon(32), false},
        {"icon48", icon(48), false},
        {"icon64", icon(64), true},
        {"icon128", icon(128), false},
        {"icon256", icon(256), false},
        {"icon512", icon(512), false},
    };
    return pictures;
}

} // namespace pictures

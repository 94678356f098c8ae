// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// make-pictures: writes every picture of the game as PNG files, or checks written ones.
#include "picture_kit.h"
#include "pictures.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

int main(int argc, char **argv)
{
    using namespace pictures;
    bool check = false;
    QString folder = "assets";
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "--check")
            check = true;
        else if (arg.startsWith('-')) {
            std::fprintf(stderr, "usage: make-pictures [--check] [folder]\n");
            return 2;
        } else
            folder = arg;
    }
    if (check)
        return checkPictures(folder) == 0 ? 0 : 1;

    const std::vector<std::pair<QString, std::function<QImage()>>> pictures{
        {"imgNoKnow.png", makeNoKnow},
        {"imgEmpty.png", makeEmpty},
        {"imgTreasure.png", makeTreasure},
        {"sbtStartNewGame.png", makeStartNewGame},
        {"sbtCreateNewSizeGame.png", makeCreateNewSizeGame},
        {"sbtNumTreasures.png", makeNumTreasures},
        {"sbtHint.png", makeHint},
        {"sbtHelp.png", makeHelp},
        {"sbtStop.png", makeStop},
        {"sbtExit.png", makeExit},
        {"icon16.png", [] { return makeIcon(16); }},
        {"icon32.png", [] { return makeIcon(32); }},
        {"icon48.png", [] { return makeIcon(48); }},
        {"icon64.png", [] { return makeIcon(64); }},
        {"icon128.png", [] { return makeIcon(128); }},
        {"icon256.png", [] { return makeIcon(256); }},
    };
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    bool ok = true;
    for (const auto &[name, make] : pictures)
        ok = savePng(make(), QDir(folder).filePath(name)) && ok;
    return ok ? 0 : 1;
}

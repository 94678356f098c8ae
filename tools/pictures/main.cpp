// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// make-pictures: writes every picture of the game as PNG files, or checks written ones.
#include "picture_kit.h"
#include "pictures.h"

#include <QDir>
#include <QString>

#include <cstdio>

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

    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    bool ok = true;
    for (const Picture &picture : allPictures())
        for (double scale : picture.scales()) {
            const QString path = QDir(folder).filePath(scaledFileName(picture.name, scale));
            ok = savePng(picture.make(scale), path) && ok;
        }
    return ok ? 0 : 1;
}

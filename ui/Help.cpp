// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help button: the help page "Help.htm" beside the program, opened in the desktop's browser.
#include "ui/Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ui {

namespace {
constexpr const char* HelpPageName = "Help.htm";
}

QString HelpPagePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(HelpPageName);
}

void OpenInBrowser(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool OpenHelpPage(const PageOpener& opener) {
    const QString path = HelpPagePath();
    if (!QFileInfo(path).isFile()) return false;
    opener(path);
    return true;
}

}  // namespace ui

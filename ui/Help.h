// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help button: the help page "Help.htm" beside the program, opened in the desktop's browser.
#pragma once

#include <QString>

#include <functional>

namespace ui {

// Hands a local file to whatever shows it; tests put a recorder here instead of a browser.
using PageOpener = std::function<void(const QString& path)>;

// The full path of "Help.htm" in the folder of the running program's executable (not the
// working directory); needs the application object.
QString HelpPagePath();

// Opens path in the desktop's web browser.
void OpenInBrowser(const QString& path);

// The logic of sbtHelpClick: opens the help page with opener when the file is there (true);
// the page is installed data, so without it the button quietly does nothing (false).
bool OpenHelpPage(const PageOpener& opener = OpenInBrowser);

}  // namespace ui

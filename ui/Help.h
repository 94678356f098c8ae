// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help button: the help page "Help.htm" beside the program, opened in the desktop's browser.
#pragma once

#include <QString>

#include <functional>

namespace ui {

using PageOpener = std::function<void(const QString& path)>;

// Beside the executable, not in the working directory; needs the application object.
QString HelpPagePath();

void OpenInBrowser(const QString& path);

// The page is installed data: without it the button quietly does nothing (false).
bool OpenHelpPage(const PageOpener& opener = OpenInBrowser);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help button: the page is looked for beside the program, never in the working directory.
#include "ui/Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool WritePage(const QString& path) {
    QFile page(path);
    return page.open(QIODevice::WriteOnly) && page.write("<html></html>") > 0;
}

// One test, because it places and removes the page beside this very program.
TEST(HelpPage, OpensThePageBesideTheProgramOnlyWhenItIsThere) {
    const QString programFolder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
    const QString besideProgram = QDir(programFolder).filePath("Help.htm");
    QFile::remove(besideProgram);

    // A page in the working directory does not count: players start the game from anywhere.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    ASSERT_TRUE(WritePage(QDir(elsewhere.path()).filePath("Help.htm")));
    const QString startedIn = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));

    QStringList opened;
    const ui::PageOpener record = [&opened](const QString& path) { opened << path; };
    EXPECT_FALSE(ui::OpenHelpPage(record));
    EXPECT_TRUE(opened.isEmpty());

    ASSERT_TRUE(WritePage(besideProgram));
    EXPECT_TRUE(ui::OpenHelpPage(record));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(QFileInfo(opened.front()).isAbsolute());
    EXPECT_EQ(QFileInfo(opened.front()).canonicalFilePath(), QFileInfo(besideProgram).canonicalFilePath());

    QFile::remove(besideProgram);
    QDir::setCurrent(startedIn);
}

}  // namespace

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, each drawn by one function, and the self-check of the written files.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

namespace pictures {

// Cell pictures, 48 x 48, opaque.
QImage makeNoKnow();
QImage makeEmpty();
QImage makeTreasure();

// The closed, strapped treasure box in the treasure picture's coordinates: it lies within
// x 6..42 and y 6..43 of a 48 x 48 cell. Shared with the treasure-count button.
void drawTreasureBox(QPainter &painter);

// Glyph strips, 156 x 39, keyed with the window colour.
QImage makeStartNewGame();
QImage makeCreateNewSizeGame();
QImage makeHelp();
QImage makeExit();

// Single glyphs.
QImage makeNumTreasures();   // 39 x 39, magenta key
QImage makeHint();           // 32 x 32, 256-entry palette, light grey key
QImage makeStop();           // 32 x 32, VGA palette, black key

// The application icon, a square of `size` pixels with hard-edged transparency.
QImage makeIcon(int size);

// Checks the files written into `folder`; prints every fault and returns how many it found.
int checkPictures(const QString &folder);

} // namespace pictures

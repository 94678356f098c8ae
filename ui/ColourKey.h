// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colour-key transparency: a picture's bottom-left pixel names the colour that is left undrawn.
#pragma once

#include <QImage>
#include <QPixmap>

namespace ui {

// The picture with exactly the pixels of its key colour made transparent, all others as they are.
QPixmap KeyedPixmap(const QImage& picture);

}  // namespace ui

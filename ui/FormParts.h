// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forms' description and the rules' texts in Qt's terms: words, boxes and colours.
#pragma once

#include "forms/Forms.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string>

namespace ui {

// The forms' words and the rules' texts are UTF-8.
inline QString Words(const char* words) { return QString::fromUtf8(words); }
inline QString Words(const std::string& words) { return QString::fromStdString(words); }

inline QRect BoxOf(const forms::Control& control) {
    return {control.box.left, control.box.top, control.box.width, control.box.height};
}

inline QColor ColourOf(forms::Colour colour) { return QColor(colour.r, colour.g, colour.b); }

inline void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

}  // namespace ui

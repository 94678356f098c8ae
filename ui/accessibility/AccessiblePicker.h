// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker over AT-SPI: the slider and three buttons where clicks do the same.
#pragma once

class QAccessibleInterface;
class QObject;

namespace ui {

// The accessible interface of the picker window or of its slider; null for any other object.
QAccessibleInterface* PickerInterfaceFor(QObject* object);

}  // namespace ui

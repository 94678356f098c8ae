// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker as a screen reader finds it: a dialog with the slider and three
// buttons, "Меньше", "Больше" and "Подтвердить", standing where a click does what they say.
#pragma once

class QAccessibleInterface;
class QObject;

namespace ui {

// The accessible interface of the picker window or of its slider; null for any other object.
QAccessibleInterface* PickerInterfaceFor(QObject* object);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI.
#include "ui/accessibility/Accessibility.h"

#include "ui/accessibility/AccessibleBoard.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/accessibility/AccessiblePicker.h"

#include <QAccessible>

namespace ui {

namespace {

QAccessibleInterface* GameInterfaceFor(const QString&, QObject* object) {
    if (QAccessibleInterface* control = ControlInterfaceFor(object)) return control;
    if (QAccessibleInterface* picker = PickerInterfaceFor(object)) return picker;
    return BoardInterfaceFor(object);
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(GameInterfaceFor); }

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI: the main window, its buttons,
// the treasure-count picker and the board, with the actions that stand for the mouse.
#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace ui {

// Lets Qt's accessibility describe the game's own controls; once, before the windows are made.
// Nothing is built until an assistive technology asks.
void InstallAccessibility();

// A control whose action, Press, does what a click on it does. The click comes once the event
// loop is back, as a real one would: the tool that asked gets its answer before the game opens
// a notice. It is dropped when the control is gone, out of sight or behind an open notice,
// where no click could reach it.
class PressableAccessible : public QAccessibleWidget {
public:
    // `pressWord`: what pressing this control is called, in Russian.
    PressableAccessible(QWidget* widget, QAccessible::Role role, const QString& pressWord);

    QStringList actionNames() const override;
    // The AT-SPI bridge carries no localized action names, so the word is the description too,
    // which is what a screen reader's user reads beside the action.
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    // What a click on the control does.
    virtual void Click() = 0;

private:
    QString pressWord_;
};

}  // namespace ui

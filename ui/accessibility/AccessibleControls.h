// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI: the main window, its buttons,
// the treasure-count picker and the board, with the actions that stand for the mouse.
#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace ui {

// The accessible interface of the main window or of one of its buttons; null for any other
// object.
QAccessibleInterface* ControlInterfaceFor(QObject* object);

// Makes the control the one a screen reader is told has the focus: its state says focused and a
// focus event names it, which a screen reader speaks and starts its review from. The keyboard
// focus stays where it is and nothing on screen changes. Nothing while no assistive technology
// listens, or while the control is out of sight.
void ReportAccessibleFocus(QWidget& control);
// Whether the control is the one reported last.
bool HasAccessibleFocus(const QWidget& control);
// How long after a click on a control another one on it is taken, with assistive technology
// listening, for a screen reader's own second try at the first: when its click seems not to
// have landed, Orca clicks again and then presses, all within some 50 ms, and a move must never
// count three times. A player's own second click comes later.
inline constexpr qint64 ScreenReaderRepeatMs = 500;
// Whether a click (or press) on the target now is such a repeat of the click before it, which
// was on the same target; remembers this one otherwise. Never while no one listens.
bool RepeatedByScreenReader(const QObject& target);
// Counts a question of assistive technology about one of the game's controls.
void NoteQuestion();
// Handles all but the player's input until assistive technology has asked about the game's
// controls and then gone quiet, `ms` at most. A screen reader handles one event at a time,
// asking about the controls it concerns; Orca, handling a click it made itself, asks what lies
// under its pointer and whether it has the focus, and takes a focus it finds there silently,
// as its own. A focus reported once it is done is news, and spoken.
void WaitForScreenReader(int ms);
// Whether an open notice keeps the player's clicks from the target's window.
bool BehindNotice(const QWidget& target);

// A control whose action, Press, does what a click on it does. The click comes once the event
// loop is back, as a real one would: the tool that asked gets its answer before the game opens
// a notice. It is dropped when the control is gone, out of sight or behind an open notice,
// where no click could reach it.
class PressableAccessible : public QAccessibleWidget {
public:
    // `pressWord`: what pressing this control is called, in Russian.
    PressableAccessible(QWidget* widget, QAccessible::Role role, const QString& pressWord);

    // Focusable, and focused while it is the accessible focus.
    QAccessible::State state() const override;
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

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and its buttons over AT-SPI, and what every accessible control shares.
#pragma once

#include <QAccessibleWidget>
#include <QString>

#include <functional>

namespace ui {

// The accessible interface of the main window or of one of its buttons; null for any other.
QAccessibleInterface* ControlInterfaceFor(QObject* object);

// The control becomes the one a screen reader is told has the focus (state and event); the
// keyboard focus and the screen stay as they are. Nothing without assistive technology, or
// while the control is out of sight.
void ReportAccessibleFocus(QWidget& control);
bool HasAccessibleFocus(const QWidget& control);
// Orca, when its click seems not to land, clicks again and then presses within some 50 ms; a
// player's own second click comes later. A move must never count three times.
inline constexpr qint64 ScreenReaderRepeatMs = 500;
// Whether a click or press on the target now repeats the one before on it; remembers it if not.
// Never while no one listens.
bool RepeatedByScreenReader(const QObject& target);
// Counts a question of assistive technology about one of the game's controls.
void NoteQuestion();
// Handles all but the player's input until assistive technology has asked about the controls and
// gone quiet, `ms` at most. Orca takes a focus it finds under its own click silently, as its
// own; a focus reported after it is done is news, and spoken.
void WaitForScreenReader(int ms);
// Runs `click` once the event loop is back (the tool gets its answer before a notice opens),
// unless the target is gone or hidden by then, or an open notice, or one about to open, keeps
// the player's clicks from it.
void ClickLater(QWidget& target, std::function<void()> click);
// Set while a move is announced before its notice opens: presses then are dropped as behind it.
void NoticeAboutToOpen(bool coming);

// A control whose Press does what a click does, through ClickLater.
class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QWidget* widget, QAccessible::Role role, const QString& pressWord);

    // Focusable, and focused while it is the accessible focus.
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    // The AT-SPI bridge carries no localized action names, so the word is the description too.
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    virtual void Click() = 0;

private:
    QString pressWord_;  // what pressing the control is called, in Russian
};

}  // namespace ui

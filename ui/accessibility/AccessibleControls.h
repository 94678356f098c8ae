// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every accessible control of the game shares; the main window, its buttons and the picker.
#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QString>

namespace ui {

class TForm1;

// A screen reader is told the player is on the control (an event, and the focused state); the
// keyboard focus and the screen stay as they are. Nothing while the control is out of sight.
void ReportAccessibleFocus(QWidget& control);

// Whether a click or press on the target now repeats the one before on it (Orca, when its click
// seems not to land, clicks again and then presses, all within some 50 ms; a move must never
// count three times); remembers it if not. Never while no screen reader listens.
bool RepeatedByScreenReader(const QObject& target);

// Says the words at once through the window's status bar, with no focus moved.
void Announce(TForm1& form, const QString& words);

// A control of the game: focusable, and focused while it is the accessible focus. With a word for
// it, its Press does what its click does once the event loop is back (so the tool has its answer
// before a notice opens), unless it repeats a click, the control is hidden by then, or a notice
// keeps clicks from it.
class GameAccessible : public QAccessibleWidget {
public:
    GameAccessible(QWidget* widget, QAccessible::Role role, const QString& pressWord = {});

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    // The AT-SPI bridge carries no localized action names, so the word is the description too.
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override {
        return localizedActionName(name);
    }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override { return Children().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    virtual void Click() {}
    // The accessible children, in order: by default those of the widget's children.
    virtual QList<QAccessibleInterface*> Children() const;

private:
    QString pressWord_;  // what pressing the control is called, in Russian; none, no Press
};

// The accessible interface of the main window, a button or the picker; null for any other.
QAccessibleInterface* ControlInterfaceFor(QObject* object);

}  // namespace ui

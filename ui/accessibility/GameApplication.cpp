// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's application object: Qt's own, but with a screen reader on, a key's release stays off
// the accessibility bus and a click repeated by the reader is dropped.
#include "ui/accessibility/GameApplication.h"

#include "ui/accessibility/AccessibleControls.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace ui {

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

GameApplication::~GameApplication() {
    for (const HeldRelease& held : held_) delete held.release;
}

namespace {

// Whether a screen reader is told when this key comes up: the modifiers, and Insert, Orca's own
// on the keypad or beside it.
bool ReleaseGoesToScreenReader(int key) {
    static const QSet<int> modifiers = {
        Qt::Key_Shift,   Qt::Key_Control, Qt::Key_Meta,     Qt::Key_Alt,     Qt::Key_AltGr,
        Qt::Key_Super_L, Qt::Key_Super_R, Qt::Key_Hyper_L,  Qt::Key_Hyper_R, Qt::Key_CapsLock,
        Qt::Key_NumLock, Qt::Key_Insert};
    return modifiers.contains(key);
}

}  // namespace

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // A screen reader's second try at its click is no second click.
        const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        if (left && receiver->isWidgetType() && RepeatedByScreenReader(*receiver)) return true;
        return QApplication::notify(receiver, event);
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !QAccessible::isActive()) {
        return QApplication::notify(receiver, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
        // The bridge looks only at events from the window system and hands back a copy.
        if (event->spontaneous()) {
            pressesAtBridge_.insert(key->key());
            return QApplication::notify(receiver, event);
        }
        const bool back = pressesAtBridge_.remove(key->key());
        const bool handled = QApplication::notify(receiver, event);
        if (back) LetGo(key->key());
        return handled;
    }
    if (!event->spontaneous() || ReleaseGoesToScreenReader(key->key())) {
        return QApplication::notify(receiver, event);
    }
    auto* copy = new QKeyEvent(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                               key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                               key->isAutoRepeat(), key->count(), key->device());
    held_.append({receiver, copy});
    if (pressesAtBridge_.contains(key->key())) {
        const int which = key->key();
        QTimer::singleShot(PressBackWithinMs, this, [this, which] {
            pressesAtBridge_.remove(which);
            LetGo(which);
        });
    } else {
        LetGo(key->key());
    }
    return true;
}

void GameApplication::LetGo(int key) {
    QList<HeldRelease> kept;
    for (const HeldRelease& held : std::as_const(held_)) {
        if (held.release->key() != key) {
            kept.append(held);
        } else if (held.receiver) {
            postEvent(held.receiver, held.release);  // after the press, never spontaneous
        } else {
            delete held.release;
        }
    }
    held_ = kept;
}

}  // namespace ui

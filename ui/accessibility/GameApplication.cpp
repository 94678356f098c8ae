// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's application object: Qt's own, but a key's release stays off the accessibility bus.
#include "ui/accessibility/GameApplication.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

namespace ui {

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

GameApplication::~GameApplication() {
    for (const HeldRelease& held : held_) delete held.release;
}

bool ReleaseGoesToScreenReader(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_Insert:  // Orca's modifier, on the keypad or beside it
            return true;
        default:
            return false;
    }
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
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

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's application object: Qt's own, but with a screen reader on, a key's release stays off
// the accessibility bus and a click repeated by the reader is dropped.
#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QSet>

class QKeyEvent;

namespace ui {

// Qt's accessibility bridge holds every key until the registry answers. A screen reader acts on
// a key's press by clicking through the registry, which meanwhile waits for the key's release:
// both stall for 0.8 s, and the reader clicks again. So a release goes to the window past the
// bridge, after its press. Modifiers' releases (Orca's Insert among them) still go to the bus.
class GameApplication : public QApplication {
    Q_OBJECT
public:
    GameApplication(int& argc, char** argv);
    ~GameApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // How long a release waits for its press to come back from the bridge, which never gives
    // back a press the screen reader took.
    static constexpr int PressBackWithinMs = 150;

private:
    struct HeldRelease {
        QPointer<QObject> receiver;
        QKeyEvent* release;
    };
    // Hands the held releases of the key to their windows, in order.
    void LetGo(int key);

    QSet<int> pressesAtBridge_;
    QList<HeldRelease> held_;
};

}  // namespace ui

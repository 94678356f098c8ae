// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's application object: Qt's own, but a key's release stays off the accessibility bus.
#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QSet>

class QKeyEvent;

namespace ui {

// With assistive technology listening, Qt's accessibility bridge hands every key the game gets
// to the accessibility registry and holds it until the registry answers. A screen reader acts
// on a key's press; while it clicks for that press (a click goes through the registry too), the
// registry sits waiting for the screen reader to take the key's release, and both stall until
// a timeout, 0.8 s later, after which the screen reader clicks again and again. So a release
// goes to the window past the bridge, after its press: held while the bridge holds the press.
// The modifiers' releases still go to the bus, the screen reader's own modifier (Insert)
// among them: it must see them come up.
class GameApplication : public QApplication {
    Q_OBJECT
public:
    GameApplication(int& argc, char** argv);
    ~GameApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // How long a release waits for its press to come back from the bridge: longer than the
    // bridge waits for the registry; a press the screen reader took never comes back.
    static constexpr int PressBackWithinMs = 150;

private:
    struct HeldRelease {
        QPointer<QObject> receiver;
        QKeyEvent* release;
    };
    // Hands the held releases of the key (of every key, for 0) to their windows, in order.
    void LetGo(int key);

    QSet<int> pressesAtBridge_;
    QList<HeldRelease> held_;
};

// Whether a screen reader is told when this key comes up.
bool ReleaseGoesToScreenReader(int key);

}  // namespace ui

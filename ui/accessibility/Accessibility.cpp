// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI, and what it hears of the play.
#include "ui/accessibility/Accessibility.h"

#include "forms/Words.h"
#include "ui/FormParts.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/TreasureUnit.h"
#include "ui/Watcher.h"
#include "ui/accessibility/AccessibleBoard.h"
#include "ui/accessibility/AccessibleControls.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QPointer>

#include <utility>

namespace ui {

namespace {

// For a screen reader (each step does nothing while none listens), the hint toggle says its new
// state, the picker's count becomes the accessible focus as the picker opens, and a confirmed
// count takes the focus back to the picker's button.
class WindowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::WindowActivate) return false;
        if (auto* form = qobject_cast<TForm1*>(watched); form && type == QEvent::Show) {
            Follow(*form);
        }
        // Shown, and made active where the window manager does so (and named first), the picker
        // gives the reader its count.
        if (auto* picker = qobject_cast<TfrmNumTreasures*>(watched)) {
            FocusSoon(*picker->tbNumTreasures);
        }
        return false;
    }

private:
    void Follow(TForm1& form) {
        if (followed_.contains(&form)) return;
        followed_.append(&form);
        connect(form.sbtHint, &QAbstractButton::toggled, &form, [&form](bool on) {
            Announce(form, Words(on ? forms::words::HintsOn : forms::words::HintsOff));
        });
        if (auto* picker = form.findChild<TfrmNumTreasures*>()) {
            connect(picker, &TfrmNumTreasures::confirmed, &form,
                    [&form] { ReportAccessibleFocus(*form.sbtNumTreasures); });
        }
    }

    // Once the event that showed or activated its window has told the reader of the window.
    static void FocusSoon(QWidget& control) {
        QMetaObject::invokeMethod(
            &control, [&control] { ReportAccessibleFocus(control); }, Qt::QueuedConnection);
    }

    QList<QPointer<TForm1>> followed_;
};

QAccessibleInterface* GameInterfaceFor(const QString&, QObject* object) {
    if (QAccessibleInterface* control = ControlInterfaceFor(object)) return control;
    return BoardInterfaceFor(object);
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(GameInterfaceFor);
    qApp->installEventFilter(new WindowWatch(qApp));
    WatchWith(&BoardWatcher());
}

}  // namespace ui

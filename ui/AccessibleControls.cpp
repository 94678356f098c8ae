// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as a screen reader finds them over AT-SPI: the main window, its buttons,
// the treasure-count picker and the board, with the actions that stand for the mouse.
#include "ui/AccessibleControls.h"

#include "ui/AccessibleBoard.h"
#include "ui/FlatImageButton.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/TreasureUnit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace ui {

namespace {

// What pressing a button and confirming the picker are called.
const QString PressWord = QStringLiteral("Нажать");
const QString ConfirmWord = QStringLiteral("Подтвердить");
const QString ToggleWord = QStringLiteral("Переключить");

// The main window as a frame named by its caption, holding the size menu while it is open. The
// three picture holders are left out: they only lend the cells their pictures and are never seen.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(TForm1* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = Controls();
        if (index < 0 || index >= controls.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(controls[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Controls().indexOf(child->object()));
    }

private:
    QList<QWidget*> Controls() const {
        const auto& form = *static_cast<TForm1*>(widget());
        QList<QWidget*> controls;
        for (QObject* child : form.children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control == nullptr) continue;
            if (control->isWindow() && !(control == form.PopupMenu1 && control->isVisible())) {
                continue;
            }
            if (control == form.imgTreasure || control == form.imgNoKnow ||
                control == form.imgEmpty) {
                continue;
            }
            controls.append(control);
        }
        return controls;
    }
};

// A flat image button; the hint button is a toggle, shown with its checked state, whose
// Toggle and Press both click it.
class ButtonAccessible : public PressableAccessible {
public:
    explicit ButtonAccessible(FlatImageButton* button)
        : PressableAccessible(button, QAccessible::Button, PressWord) {}

    QAccessible::Role role() const override {
        return Button().isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Button().isCheckable();
        state.checked = Button().isChecked();
        state.pressed = Button().isDown();
        return state;
    }
    QStringList actionNames() const override {
        if (Button().isCheckable()) return {toggleAction(), pressAction()};
        return PressableAccessible::actionNames();
    }

protected:
    void Click() override { Button().Press(); }

private:
    FlatImageButton& Button() const { return *static_cast<FlatImageButton*>(widget()); }
};

// The picker: its own background, clicked, confirms the count, so the window offers that.
class PickerAccessible : public PressableAccessible {
public:
    explicit PickerAccessible(TfrmNumTreasures* picker)
        : PressableAccessible(picker, QAccessible::Dialog, ConfirmWord) {}

protected:
    void Click() override { static_cast<TfrmNumTreasures*>(widget())->FormClick(); }
};

QAccessibleInterface* GameInterfaceFor(const QString&, QObject* object) {
    if (auto* button = qobject_cast<FlatImageButton*>(object)) return new ButtonAccessible(button);
    if (auto* form = qobject_cast<TForm1*>(object)) return new MainWindowAccessible(form);
    if (auto* picker = qobject_cast<TfrmNumTreasures*>(object)) return new PickerAccessible(picker);
    return BoardInterfaceFor(object);
}

// Whether an open notice keeps the player's clicks from the target's window.
bool BehindNotice(const QWidget& target) {
    const QWidget* notice = QApplication::activeModalWidget();
    return notice != nullptr && notice != target.window();
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(GameInterfaceFor); }

PressableAccessible::PressableAccessible(QWidget* widget, QAccessible::Role role,
                                         const QString& pressWord)
    : QAccessibleWidget(widget, role), pressWord_(pressWord) {}

QStringList PressableAccessible::actionNames() const { return {pressAction()}; }

QString PressableAccessible::localizedActionName(const QString& name) const {
    if (name == pressAction()) return pressWord_;
    if (name == toggleAction()) return ToggleWord;
    return name;
}

QString PressableAccessible::localizedActionDescription(const QString& name) const {
    return localizedActionName(name);
}

void PressableAccessible::doAction(const QString& name) {
    if (!actionNames().contains(name)) return;
    QWidget& target = *widget();
    // The interface lives as long as its control, and the call goes with the control.
    QMetaObject::invokeMethod(
        &target,
        [this, &target] {
            if (target.isVisible() && !BehindNotice(target)) Click();
        },
        Qt::QueuedConnection);
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every accessible control of the game shares; the main window, its buttons and the picker.
#include "ui/accessibility/AccessibleControls.h"

#include "forms/Words.h"
#include "ui/FormParts.h"
#include "ui/FlatImageButton.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/PictureHolder.h"
#include "ui/TreasureUnit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

namespace ui {

namespace {

const QString PressWord = Words(forms::words::Press);
const QString ToggleWord = Words(forms::words::Toggle);

QPointer<QWidget>& AccessibleFocus() {
    static QPointer<QWidget> focus;
    return focus;
}

// What a click at the middle of the control reaches: the control itself, or, for a picker handle
// that lets the mouse through, what lies beneath it.
QObject& ClickTarget(QWidget& control) {
    QWidget* window = control.window();
    QWidget* reached = window->childAt(control.mapTo(window, control.rect().center()));
    return reached != nullptr ? *reached : *window;
}

// A status bar that only a screen reader finds, or the notification in it. Orca speaks a
// notification inside a status bar the moment it shows, without naming its role and with no focus
// moved; it shows again for each announcement. Neither has a place on screen, so flat review
// passes them by.
class StatusPart : public QAccessibleInterface {
public:
    StatusPart(QWidget* form, QAccessible::Role role) : form_(form), role_(role) {}

    QString words;
    QAccessible::Id other = 0;  // the notification in the bar; the bar around the notification

    bool isValid() const override { return form_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return form_ ? form_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        if (role_ == QAccessible::StatusBar) return QAccessible::queryAccessibleInterface(form_);
        return QAccessible::accessibleInterface(other);
    }
    QAccessibleInterface* child(int index) const override {
        const bool bar = role_ == QAccessible::StatusBar;
        return index == 0 && bar ? QAccessible::accessibleInterface(other) : nullptr;
    }
    int childCount() const override { return role_ == QAccessible::StatusBar ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child == this->child(0) ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? words : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> form_;
    QAccessible::Role role_;
};

// A frame named by its caption, with its status bar, and with the size menu while it is open;
// without the picture holders, which only lend the cells their pictures.
class MainWindowAccessible : public GameAccessible {
public:
    explicit MainWindowAccessible(TForm1* form)
        : GameAccessible(form, QAccessible::Window),
          bar_(QAccessible::registerAccessibleInterface(
              new StatusPart(form, QAccessible::StatusBar))),
          note_(QAccessible::registerAccessibleInterface(
              new StatusPart(form, QAccessible::Notification))) {
        Part(bar_).other = note_;
        Part(note_).other = bar_;
    }
    ~MainWindowAccessible() override {
        QAccessible::deleteAccessibleInterface(note_);
        QAccessible::deleteAccessibleInterface(bar_);
    }

    void Announce(const QString& words) {
        Part(note_).words = words;
        QAccessibleEvent shown(&Part(note_), QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

protected:
    QList<QAccessibleInterface*> Children() const override {
        const auto& form = *static_cast<TForm1*>(widget());
        QList<QAccessibleInterface*> children = {QAccessible::accessibleInterface(bar_)};
        for (QObject* child : form.children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control == nullptr || qobject_cast<PictureHolder*>(control) != nullptr) continue;
            if (control->isWindow() && !(control == form.PopupMenu1 && control->isVisible())) {
                continue;
            }
            children << QAccessible::queryAccessibleInterface(control);
        }
        return children;
    }

private:
    static StatusPart& Part(QAccessible::Id id) {
        return *static_cast<StatusPart*>(QAccessible::accessibleInterface(id));
    }

    QAccessible::Id bar_;
    QAccessible::Id note_;
};

// A flat image button or a picker handle. The hint button is a toggle, whose Toggle and Press
// both click it.
class ButtonAccessible : public GameAccessible {
public:
    explicit ButtonAccessible(QAbstractButton* button)
        : GameAccessible(button, QAccessible::Button, PressWord) {}

    QAccessible::Role role() const override {
        return Button().isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = GameAccessible::state();
        state.checkable = Button().isCheckable();
        state.checked = Button().isChecked();
        state.pressed = Button().isDown();
        return state;
    }
    QStringList actionNames() const override {
        if (Button().isCheckable()) return {toggleAction(), pressAction()};
        return GameAccessible::actionNames();
    }

protected:
    // The picker button acts as its mouse button goes down, so a press goes down first.
    void Click() override {
        if (auto* flat = qobject_cast<FlatImageButton*>(&Button())) {
            flat->Press();
        } else {
            Button().click();
        }
    }

private:
    QAbstractButton& Button() const { return *static_cast<QAbstractButton*>(widget()); }
};

// The picker's slider: its count, and the accessible focus while the picker is open, so that the
// count is spoken as it opens and as it changes.
class SliderAccessible : public GameAccessible, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(TNumTreasuresSlider* slider)
        : GameAccessible(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return GameAccessible::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(Slider().value());
        return GameAccessible::text(t);
    }
    QVariant currentValue() const override { return Slider().value(); }
    void setCurrentValue(const QVariant& value) override { Slider().setValue(value.toInt()); }
    QVariant maximumValue() const override { return Slider().maximum(); }
    QVariant minimumValue() const override { return Slider().minimum(); }
    QVariant minimumStepSize() const override { return Slider().pageStep(); }

private:
    TNumTreasuresSlider& Slider() const { return *static_cast<TNumTreasuresSlider*>(widget()); }
};

// The picker: the window a screen reader works in while it is open, though the window manager
// leaves the main window active. Not active, it would lose the reader to the main window whenever
// Orca handles its own click on the picker's button late, after the count became the focus.
class PickerAccessible : public GameAccessible {
public:
    explicit PickerAccessible(TfrmNumTreasures* picker)
        : GameAccessible(picker, QAccessible::Dialog) {}

    QAccessible::State state() const override {
        QAccessible::State state = GameAccessible::state();
        state.active = widget()->isVisible();
        return state;
    }
};

// A click that would meet a notice's window before the control's own.
bool BehindNotice(const QWidget& target) {
    const QWidget* notice = QApplication::activeModalWidget();
    return notice != nullptr && notice != target.window();
}

}  // namespace

void ReportAccessibleFocus(QWidget& control) {
    if (!QAccessible::isActive() || !control.isVisible()) return;
    AccessibleFocus() = &control;
    QAccessibleEvent event(&control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

bool RepeatedByScreenReader(const QObject& target) {
    constexpr qint64 ScreenReaderRepeatMs = 500;  // a player's own second click comes later
    if (!QAccessible::isActive()) return false;
    static QPointer<const QObject> last;
    static QElapsedTimer since;
    if (last == &target && since.isValid() && !since.hasExpired(ScreenReaderRepeatMs)) return true;
    last = &target;
    since.start();
    return false;
}

void Announce(TForm1& form, const QString& words) {
    if (!QAccessible::isActive()) return;
    auto* window =
        dynamic_cast<MainWindowAccessible*>(QAccessible::queryAccessibleInterface(&form));
    if (window != nullptr) window->Announce(words);
}

GameAccessible::GameAccessible(QWidget* widget, QAccessible::Role role, const QString& pressWord)
    : QAccessibleWidget(widget, role), pressWord_(pressWord) {}

QAccessible::State GameAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = AccessibleFocus() == widget();
    return state;
}

QStringList GameAccessible::actionNames() const {
    return pressWord_.isEmpty() ? QStringList() : QStringList{pressAction()};
}

QString GameAccessible::localizedActionName(const QString& name) const {
    if (name == pressAction()) return pressWord_;
    if (name == toggleAction()) return ToggleWord;
    return name;
}

void GameAccessible::doAction(const QString& name) {
    if (!actionNames().contains(name)) return;
    QWidget& control = *widget();
    if (RepeatedByScreenReader(ClickTarget(control))) return;
    // The interface lives as long as its control, and the queued call goes with the control.
    QMetaObject::invokeMethod(
        &control,
        [this, &control] {
            if (control.isVisible() && !BehindNotice(control)) Click();
        },
        Qt::QueuedConnection);
}

int GameAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return static_cast<int>(Children().indexOf(const_cast<QAccessibleInterface*>(child)));
}

QList<QAccessibleInterface*> GameAccessible::Children() const {
    QList<QAccessibleInterface*> children;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        children << QAccessibleWidget::child(i);
    }
    return children;
}

QAccessibleInterface* ControlInterfaceFor(QObject* object) {
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        if (qobject_cast<FlatImageButton*>(button) || qobject_cast<TPickerHandle*>(button)) {
            return new ButtonAccessible(button);
        }
    }
    if (auto* slider = qobject_cast<TNumTreasuresSlider*>(object)) {
        return new SliderAccessible(slider);
    }
    if (auto* picker = qobject_cast<TfrmNumTreasures*>(object)) return new PickerAccessible(picker);
    if (auto* form = qobject_cast<TForm1*>(object)) return new MainWindowAccessible(form);
    return nullptr;
}

}  // namespace ui

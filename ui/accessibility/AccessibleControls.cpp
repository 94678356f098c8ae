// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and its buttons over AT-SPI, and what every accessible control shares.
#include "ui/accessibility/AccessibleControls.h"

#include "ui/FlatImageButton.h"
#include "ui/PictureHolder.h"
#include "ui/TreasureUnit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace ui {

namespace {

const QString PressWord = QStringLiteral("Нажать");
const QString ToggleWord = QStringLiteral("Переключить");

// The control last reported as the accessible focus.
QPointer<QWidget>& AccessibleFocus() {
    static QPointer<QWidget> focus;
    return focus;
}

// A frame named by its caption, with the size menu while it is open; without the picture
// holders, which only lend the cells their pictures.
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
            if (qobject_cast<PictureHolder*>(control) != nullptr) continue;
            controls.append(control);
        }
        return controls;
    }
};

// The hint button is a toggle, whose Toggle and Press both click it.
class ButtonAccessible : public PressableAccessible {
public:
    explicit ButtonAccessible(FlatImageButton* button)
        : PressableAccessible(button, QAccessible::Button, PressWord) {}

    QAccessible::Role role() const override {
        return Button().isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = PressableAccessible::state();
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

}  // namespace

QAccessibleInterface* ControlInterfaceFor(QObject* object) {
    if (auto* button = qobject_cast<FlatImageButton*>(object)) return new ButtonAccessible(button);
    if (auto* form = qobject_cast<TForm1*>(object)) return new MainWindowAccessible(form);
    return nullptr;
}

namespace {

bool NoticeComing = false;

bool BehindNotice(const QWidget& target) {
    const QWidget* notice = QApplication::activeModalWidget();
    return NoticeComing || (notice != nullptr && notice != target.window());
}

}  // namespace

void ClickLater(QWidget& target, std::function<void()> click) {
    // The queued call goes with the target.
    QMetaObject::invokeMethod(
        &target,
        [&target, click = std::move(click)] {
            if (target.isVisible() && !BehindNotice(target)) click();
        },
        Qt::QueuedConnection);
}

void NoticeAboutToOpen(bool coming) { NoticeComing = coming; }

void ReportAccessibleFocus(QWidget& control) {
    if (!QAccessible::isActive() || !control.isVisible()) return;
    AccessibleFocus() = &control;
    QAccessibleEvent event(&control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

bool HasAccessibleFocus(const QWidget& control) { return AccessibleFocus() == &control; }

namespace {

int Questions = 0;

// A screen reader is done with what it was handling after this long without a question.
constexpr int ScreenReaderDoneAfterMs = 150;
constexpr int QuietCheckMs = 50;

}  // namespace

void NoteQuestion() { ++Questions; }

void WaitForScreenReader(int ms) {
    QElapsedTimer waited;
    waited.start();
    int seen = Questions;
    bool asked = false;
    int quietChecks = 0;
    QEventLoop loop;
    QTimer check;
    check.setInterval(QuietCheckMs);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (Questions != seen) {
            seen = Questions;
            asked = true;
            quietChecks = 0;
        } else if (asked && ++quietChecks * QuietCheckMs >= ScreenReaderDoneAfterMs) {
            loop.quit();
        }
        if (waited.hasExpired(ms)) loop.quit();
    });
    check.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool RepeatedByScreenReader(const QObject& target) {
    if (!QAccessible::isActive()) return false;
    static QPointer<const QObject> last;
    static QElapsedTimer since;
    if (last == &target && since.isValid() && !since.hasExpired(ScreenReaderRepeatMs)) return true;
    last = &target;
    since.start();
    return false;
}

PressableAccessible::PressableAccessible(QWidget* widget, QAccessible::Role role,
                                         const QString& pressWord)
    : QAccessibleWidget(widget, role), pressWord_(pressWord) {}

QAccessible::State PressableAccessible::state() const {
    NoteQuestion();
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = HasAccessibleFocus(*widget());
    return state;
}

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
    // The interface lives as long as its control.
    ClickLater(*widget(), [this] { Click(); });
}

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure-count picker over AT-SPI: the slider and three buttons where clicks do the same.
#include "ui/accessibility/AccessiblePicker.h"

#include "ui/accessibility/AccessibleControls.h"
#include "ui/NumTreasuresUnit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace ui {

namespace {

// The depth of the "Меньше" and "Больше" strips at the slider's two ends. A click at either
// strip's centre steps once toward that end, as the strip's action does (at the end count it only
// grabs the thumb).
constexpr int EndStripDepth = 12;

enum class Part { Fewer, More, Confirm };
constexpr std::array<Part, 3> Parts = {Part::Fewer, Part::More, Part::Confirm};

QString PartWord(Part part) {
    switch (part) {
        case Part::Fewer: return QStringLiteral("Меньше");
        case Part::More: return QStringLiteral("Больше");
        case Part::Confirm: return QStringLiteral("Подтвердить");
    }
    return {};
}

// What a click on the part does, unless it is a screen reader's press right after its own click.
void Act(TfrmNumTreasures& picker, Part part) {
    const QObject& target =
        part == Part::Confirm ? static_cast<QObject&>(picker) : *picker.tbNumTreasures;
    if (RepeatedByScreenReader(target)) return;
    switch (part) {
        case Part::Fewer:
            picker.tbNumTreasures->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Part::More:
            picker.tbNumTreasures->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Part::Confirm:
            picker.FormClick();
            break;
    }
}

void ActLater(TfrmNumTreasures* picker, Part part) {
    ClickLater(*picker, [picker, part] { Act(*picker, part); });
}

// The slider: its value, "Больше" and "Меньше" as actions, and the accessible focus while the
// picker is open, so that the count is spoken as it opens.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(TNumTreasuresSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        NoteQuestion();
        if (t == QAccessible::Value) return QString::number(Slider().value());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        NoteQuestion();
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = HasAccessibleFocus(Slider());
        return state;
    }

    QVariant currentValue() const override { return Slider().value(); }
    void setCurrentValue(const QVariant& value) override { Slider().setValue(value.toInt()); }
    QVariant maximumValue() const override { return Slider().maximum(); }
    QVariant minimumValue() const override { return Slider().minimum(); }
    QVariant minimumStepSize() const override { return Slider().pageStep(); }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    QString localizedActionName(const QString& name) const override {
        if (name == increaseAction()) return PartWord(Part::More);
        if (name == decreaseAction()) return PartWord(Part::Fewer);
        return name;
    }
    QString localizedActionDescription(const QString& name) const override {
        return localizedActionName(name);
    }
    void doAction(const QString& name) override {
        auto* picker = qobject_cast<TfrmNumTreasures*>(Slider().window());
        if (picker == nullptr) return;
        if (name == increaseAction()) ActLater(picker, Part::More);
        if (name == decreaseAction()) ActLater(picker, Part::Fewer);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TNumTreasuresSlider& Slider() const { return *static_cast<TNumTreasuresSlider*>(widget()); }
};

// One of the three buttons: no widget, but a place on the picker where a click does its Press.
class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PartAccessible(TfrmNumTreasures* picker, Part part) : picker_(picker), part_(part) {}

    bool isValid() const override { return picker_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return picker_ ? picker_->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(picker_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? PartWord(part_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!picker_) return {};
        const QRect slider = picker_->tbNumTreasures->geometry();
        QRect place;
        switch (part_) {
            case Part::Fewer:
                place = QRect(slider.left(), slider.top(), slider.width(), EndStripDepth);
                break;
            case Part::More:
                place = QRect(slider.left(), slider.bottom() + 1 - EndStripDepth, slider.width(),
                              EndStripDepth);
                break;
            case Part::Confirm:
                place = QRect(slider.right() + 1, 0, picker_->width() - slider.right() - 1,
                              picker_->height());
                break;
        }
        return QRect(picker_->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !picker_ || !picker_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t != QAccessible::ActionInterface) return nullptr;
        return static_cast<QAccessibleActionInterface*>(this);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionName(const QString& name) const override {
        return name == pressAction() ? text(QAccessible::Name) : name;
    }
    QString localizedActionDescription(const QString& name) const override {
        return localizedActionName(name);
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && picker_) ActLater(picker_, part_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TfrmNumTreasures> picker_;
    Part part_;
};

// A dialog holding the slider and the three buttons; its own Press confirms, as a click on its
// background does.
class PickerAccessible : public PressableAccessible {
public:
    explicit PickerAccessible(TfrmNumTreasures* picker)
        : PressableAccessible(picker, QAccessible::Dialog, PartWord(Part::Confirm)) {
        for (std::size_t i = 0; i < Parts.size(); ++i) {
            parts_[i] =
                QAccessible::registerAccessibleInterface(new PartAccessible(picker, Parts[i]));
        }
    }
    ~PickerAccessible() override {
        for (const QAccessible::Id id : parts_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 1 + static_cast<int>(parts_.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Picker().tbNumTreasures);
        if (index < 1 || index > static_cast<int>(parts_.size())) return nullptr;
        return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(index - 1)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) return i;
        }
        return -1;
    }

protected:
    void Click() override {
        if (!RepeatedByScreenReader(Picker())) Picker().FormClick();
    }

private:
    TfrmNumTreasures& Picker() const { return *static_cast<TfrmNumTreasures*>(widget()); }

    std::array<QAccessible::Id, Parts.size()> parts_{};
};

}  // namespace

QAccessibleInterface* PickerInterfaceFor(QObject* object) {
    if (auto* picker = qobject_cast<TfrmNumTreasures*>(object)) return new PickerAccessible(picker);
    if (auto* slider = qobject_cast<TNumTreasuresSlider*>(object)) {
        return new SliderAccessible(slider);
    }
    return nullptr;
}

}  // namespace ui

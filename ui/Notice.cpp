// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game notices: a plain modal message box that a key closes only on its release.
#include "ui/Notice.h"

#include "ui/desktop/CaptionBar.h"
#include "ui/desktop/Desktop.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QSpacerItem>

namespace ui {

namespace {

// What a title bar spends beside the title: the window manager's icon and its three buttons.
constexpr int NoticeTitleBarAllowance = 150;

bool ClosesNotice(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

}  // namespace

KeyUpClosesNotice::KeyUpClosesNotice(QMessageBox& box) : QObject(&box) {
    box.installEventFilter(this);
    for (QWidget* part : box.findChildren<QWidget*>()) part->installEventFilter(this);
}

bool KeyUpClosesNotice::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (replaying_ || (!press && event->type() != QEvent::KeyRelease)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!ClosesNotice(key->key())) return false;
    if (key->isAutoRepeat()) return true;
    if (press) {
        held_ = key->key();
        return true;
    }
    if (held_ != key->key()) return true;  // its press came before the notice opened
    held_ = 0;
    // The box and its buttons close on the press, so the press is what they are given now.
    QKeyEvent keyDown(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    replaying_ = true;
    QCoreApplication::sendEvent(watched, &keyDown);
    replaying_ = false;
    return true;
}

void RunNotice(QWidget* parent, const QString& text, const QString& title, bool withCancel) {
    const QMessageBox::StandardButtons offered =
        withCancel ? QMessageBox::Ok | QMessageBox::Cancel
                   : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(QMessageBox::NoIcon, title, text, offered, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (ThisDesktop().ownCaptionBar) new CaptionBar(box);
    for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
    // A screen reader says the words as it meets the OK button, where the keyboard is, also when
    // it met the notice itself too late to read it out (Orca, still busy with its own click, takes
    // a notice that opened meanwhile silently). Tied to the unseen icon beside them, the words are
    // no longer loose text that it would read with the notice as well.
    box.button(QMessageBox::Ok)->setAccessibleDescription(text);
    auto* words = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (words != nullptr && icon != nullptr) words->setBuddy(icon);
    // Sized to its short text, the box leaves too little title bar for the title; a strut helps.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleRoom = box.fontMetrics().horizontalAdvance(box.windowTitle()) +
                              NoticeTitleBarAllowance;
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    new KeyUpClosesNotice(box);
    box.exec();
}

}  // namespace ui

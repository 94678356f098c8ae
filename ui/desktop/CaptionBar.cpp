// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The title bar the game draws itself on native Wayland: the caption alone, and a drag moves.
#include "ui/desktop/CaptionBar.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace ui {

namespace {

constexpr int CaptionFontPixels = 14;  // as title bars commonly draw it

class CaptionFrame : public QWidget {
public:
    explicit CaptionFrame(QWidget& content) : content_(content) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        if (content_.close()) {
            event->accept();
        } else {
            event->ignore();
        }
    }

private:
    QWidget& content_;
};

}  // namespace

CaptionBar::CaptionBar(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("captionBar"));
    window.setWindowFlag(Qt::FramelessWindowHint);
    QMargins room = window.contentsMargins();
    room.setTop(room.top() + Height);
    window.setContentsMargins(room);
    setGeometry(0, 0, window.width(), Height);
    QFont caption = font();
    caption.setPixelSize(CaptionFontPixels);
    caption.setBold(true);
    setFont(caption);
    setAutoFillBackground(true);
    window.installEventFilter(this);
}

bool CaptionBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
            resize(window()->width(), Height);
            break;
        case QEvent::WindowTitleChange:
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, window()->windowTitle());
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window()->windowHandle() != nullptr) {
        window()->windowHandle()->startSystemMove();
    }
    event->accept();
}

std::unique_ptr<QWidget> FrameUnderCaption(QWidget& content) {
    auto frame = std::make_unique<CaptionFrame>(content);
    frame->setWindowTitle(content.windowTitle());
    frame->setFixedSize(content.width(), CaptionBar::Height + content.height());
    content.setParent(frame.get(), Qt::Widget);
    content.move(0, CaptionBar::Height);
    // A window turned child is hidden, and no longer has its background filled for it.
    content.setAutoFillBackground(true);
    content.show();
    new CaptionBar(*frame);
    return frame;
}

}  // namespace ui

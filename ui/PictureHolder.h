// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture holder of the main window: the source the cells copy their pictures from.
#pragma once

#include "ui/ScaledPicture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace ui {

// Drawn colour-keyed, so a picture of one flat colour leaves no mark, though it is not hidden.
class PictureHolder : public QWidget {
    Q_OBJECT
public:
    PictureHolder(QWidget* parent, const QString& picture);

    // Opaque, drawn for the screen's scale; cells take copies of it and never draw on it.
    const QImage& Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable ScaledPicture picture_;
    QPixmap keyed_;
    qint64 keyedFrom_ = 0;  // the cache key of the picture keyed_ was made from
};

}  // namespace ui

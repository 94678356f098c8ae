// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture holder of the main window: the source the cells copy their pictures from.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace ui {

// Holds one picture and draws it colour-keyed at its top-left corner. A picture of one flat
// colour therefore leaves no mark, though the holder is not hidden.
class PictureHolder : public QWidget {
    Q_OBJECT
public:
    PictureHolder(QWidget* parent, const QImage& picture);

    // The picture as loaded, opaque; cells take copies of it and never draw on it.
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QPixmap keyed_;
};

}  // namespace ui

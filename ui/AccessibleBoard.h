// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader finds it: a table "Поле" of cells named by place and look.
#pragma once

#include <QList>
#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace ui {

class TMyImage;

// A cell's name for assistive technology: its place, column letter and row number ("B3"), and
// what the player sees on it: "закрыта", "отмечена" (the green of a Ctrl mark or of a hint),
// "пусто, 2" or "клад, 3". Only the pictures say it, so a closed treasure is never given away.
QString CellName(const TMyImage& cell);

// The accessible interface of the board panel or of a cell; null for any other object.
QAccessibleInterface* BoardInterfaceFor(QObject* object);

// The cells standing in the board panel, row by row; cells on their way out are left out.
QList<TMyImage*> CellsIn(const QWidget& panel);

// To be called whenever the cell's picture or number changed. With assistive technology
// listening, its new name is announced once the handler is over, if it differs from the name
// announced last; a hint deduction repaints the same cells thousands of times in one click.
void CellLookChanged(TMyImage& cell);

// A cell on its way out of the board is silent: no event names it, so none reaches assistive
// technology after the cell is gone. Silence is lifted from a cell that stays after all.
void SilenceCell(TMyImage& cell, bool silent);
// Tells assistive technology that the cell left the board; from then on the cell is silent.
void AnnounceCellGone(TMyImage& cell);
// Tells assistive technology that the cell joined the board.
void AnnounceCellCame(TMyImage& cell);

}  // namespace ui

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

// "B3, закрыта", "B3, отмечена" (green), "B3, пусто, 2" or "B3, клад, 3": only what the pictures
// show, so a closed treasure is never given away.
QString CellName(const TMyImage& cell);
// The counts, for the treasure just found; the way to start, while no game runs; else nothing.
QString CellDescription(const TMyImage& cell);

// The accessible interface of the board panel or of a cell; null for any other object.
QAccessibleInterface* BoardInterfaceFor(QObject* object);

// The cells standing in the board panel, row by row, without those on their way out.
QList<TMyImage*> CellsIn(const QWidget& panel);

// The cell's picture or number changed: its new name is announced once the handler is over (a
// hint deduction repaints the same cells thousands of times in one click).
void CellLookChanged(TMyImage& cell);

// A move on the cell begins and ends; once it is over, the cell becomes the accessible focus, so
// a screen reader speaks the result and reviews the board from there.
void CellMoveBegins(TMyImage& cell);
void CellMoveEnded(TMyImage& cell);
// Before a notice opens in the middle of a move: the move is announced now, and a screen reader
// gets up to a second to take it while the game's window is still the active one.
void FinishMoveAnnouncement();

// A silent cell is named in no event: a rebuild must not flood assistive technology cell by cell.
void SilenceCell(TMyImage& cell, bool silent);
// Announces the board's new cells in one event and makes the board the accessible focus (not its
// first cell: a focus that does not move is not spoken, so a move there would go unheard).
void AnnounceNewBoard(QWidget& panel);

}  // namespace ui

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
// A cell's description: for the treasure just found, the found and left counts; else, while
// no game runs, that one must be started; else nothing.
QString CellDescription(const TMyImage& cell);

// The accessible interface of the board panel or of a cell; null for any other object.
QAccessibleInterface* BoardInterfaceFor(QObject* object);

// The cells standing in the board panel, row by row; cells on their way out are left out.
QList<TMyImage*> CellsIn(const QWidget& panel);

// To be called whenever the cell's picture or number changed. With assistive technology
// listening, its new name is announced once the handler is over, if it differs from the name
// announced last; a hint deduction repaints the same cells thousands of times in one click.
void CellLookChanged(TMyImage& cell);

// The player's move on the cell (a click, or its action) begins and ends. With assistive
// technology listening, once it is over the cell is the accessible focus, its new name with it,
// so a screen reader speaks the move's result and starts its review of the board from there.
void CellMoveBegins(TMyImage& cell);
void CellMoveEnded(TMyImage& cell);
// To be called before a notice opens in the middle of a move: announces the move now, and lets
// a screen reader take it (up to a second) while the game's window is still the active one.
void FinishMoveAnnouncement();

// A cell is silent while the board is rebuilt, on its way out or in: no event names it, so the
// board's hundreds of cells do not flood assistive technology. Silence is lifted from a cell
// that stays or came.
void SilenceCell(TMyImage& cell, bool silent);
// Tells assistive technology, in one event, that the board panel holds a new set of cells, and
// makes the board the accessible focus: a screen reader names it with its size and reviews it
// anew. (Not its first cell: a screen reader says nothing of a focus that does not move, so a
// move on that cell would go unheard.)
void AnnounceNewBoard(QWidget& panel);

}  // namespace ui

// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader finds it: a table "Поле" of cells named by place and look.
#include "ui/accessibility/AccessibleBoard.h"

#include "core/GameState.h"
#include "forms/Words.h"
#include "ui/FormParts.h"
#include "ui/MyImage.h"
#include "ui/TreasureUnit.h"
#include "ui/Watcher.h"
#include "ui/accessibility/AccessibleControls.h"

#include <QAccessible>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

namespace words = forms::words;

// Orca's flat review reads a cell's text anew at each look, but only as far as it first saw it:
// so the text is the name kept at one length, which the longest name ("L12, пусто, 43") fits.
constexpr int CellTextLength = 16;

bool Silent = false;

QString CellName(const TMyImage& cell) {
    return Words(words::CellName(cell.Col, cell.Row, cell.ShownPicture(),
                                 cell.ShownNumber().toStdString()));
}

QString GameWords() { return Words(words::GameWords(core::GameRunning, core::TreasureTotal)); }

// The cells standing in the board panel, row by row, without those on their way out (a cell
// freed by its own click is hidden at once and deleted after it).
QList<TMyImage*> CellsIn(const QWidget& panel) {
    QList<TMyImage*> cells;
    for (QObject* child : panel.children()) {
        auto* cell = qobject_cast<TMyImage*>(child);
        if (cell != nullptr && !cell->isHidden()) cells.append(cell);
    }
    std::sort(cells.begin(), cells.end(), [](const TMyImage* a, const TMyImage* b) {
        return std::pair(a->Row, a->Col) < std::pair(b->Row, b->Col);
    });
    return cells;
}

class CellAccessible : public GameAccessible,
                       public QAccessibleTableCellInterface,
                       public QAccessibleTextInterface {
public:
    explicit CellAccessible(TMyImage* cell)
        : GameAccessible(cell, QAccessible::Cell, Words(words::Open)), told_(CellName(*cell)) {}

    bool isValid() const override { return !Silent && GameAccessible::isValid(); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return CellName(Cell());
        if (t == QAccessible::Description) return core::GameRunning ? QString() : GameWords();
        return GameAccessible::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return GameAccessible::interface_cast(t);
    }

    // Whether the name differs from the one told last; it is told from now on.
    bool Renamed() {
        const QString name = CellName(Cell());
        if (name == told_) return false;
        told_ = name;
        return true;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Cell().Col; }
    int rowIndex() const override { return Cell().Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QString text(int start, int end) const override {
        const QString shown = CellName(Cell()).leftJustified(CellTextLength);
        return shown.mid(start, end < 0 ? -1 : end - start);
    }
    int characterCount() const override { return CellTextLength; }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = CellTextLength;
        return {};
    }

protected:
    void Click() override { Cell().Click(); }

private:
    TMyImage& Cell() const { return *static_cast<TMyImage*>(widget()); }

    QString told_;  // the name last told, or first read
};

class BoardAccessible : public GameAccessible, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(QWidget* panel) : GameAccessible(panel, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return GameAccessible::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return GameWords();
        return GameAccessible::text(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        for (TMyImage* cell : CellsIn(*widget())) {
            if (cell->Row == row && cell->Col == column) {
                return QAccessible::queryAccessibleInterface(cell);
            }
        }
        return nullptr;
    }
    int columnCount() const override { return core::BoardWidth; }
    int rowCount() const override { return core::BoardHeight; }
    QString columnDescription(int column) const override {
        return Words(words::ColumnName(column));
    }
    QString rowDescription(int row) const override { return Words(words::RowName(row)); }

    // Cells are opened, never selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

protected:
    QList<QAccessibleInterface*> Children() const override {
        QList<QAccessibleInterface*> cells;
        for (TMyImage* cell : CellsIn(*widget())) {
            cells << QAccessible::queryAccessibleInterface(cell);
        }
        return cells;
    }
};

// Tells the screen reader what each move did the moment it is done, and makes each new board the
// accessible focus; while the cells are replaced none is named in any event, so a rebuild does
// not flood it cell by cell.
class BoardWatch : public Watcher {
public:
    void MoveBegins(TMyImage& cell) override {
        if (!QAccessible::isActive()) return;
        moving_ = &cell;
        nameBefore_ = CellName(cell);
    }
    void MoveEnds(TMyImage& cell) override {
        if (moving_ == &cell) TellMove();
    }
    // The winning move is heard before its notice.
    void NoticeOpens() override { TellMove(); }

    void BoardRebuildBegins(QWidget&) override { Silent = true; }
    // A size refused during a game keeps its cells; the board is told again all the same, and
    // says the game goes on.
    void BoardRebuildEnds(QWidget& panel) override {
        Silent = false;
        if (!QAccessible::isActive()) return;
        // A new object too, as a screen reader on the old one would take it for no change.
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&panel)));
        ReportAccessibleFocus(panel);
    }

private:
    void TellMove() {
        const QPointer<TMyImage> cell = std::exchange(moving_, nullptr);
        if (!cell) return;
        for (TMyImage* other : CellsIn(*cell->parentWidget())) {
            auto* iface =
                dynamic_cast<CellAccessible*>(QAccessible::queryAccessibleInterface(other));
            if (iface == nullptr || !iface->Renamed()) continue;
            QAccessibleEvent renamed(other, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        auto* form = qobject_cast<TForm1*>(cell->parentWidget()->parentWidget());
        if (form == nullptr) return;
        const bool treasure = cell->ShownPicture() == core::Picture::Treasure;
        Announce(*form, Words(words::MoveWords(CellName(*cell).toStdString(),
                                               nameBefore_.toStdString(), treasure,
                                               core::GameRunning, core::TreasuresFound,
                                               core::TreasureTotal)));
    }

    QPointer<TMyImage> moving_;
    QString nameBefore_;
};

}  // namespace

QAccessibleInterface* BoardInterfaceFor(QObject* object) {
    if (auto* cell = qobject_cast<TMyImage*>(object)) return new CellAccessible(cell);
    if (auto* panel = qobject_cast<BoardPanel*>(object)) return new BoardAccessible(panel);
    return nullptr;
}

Watcher& BoardWatcher() {
    static BoardWatch watch;
    return watch;
}

}  // namespace ui

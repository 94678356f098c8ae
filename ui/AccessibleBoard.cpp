// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader finds it: a table "Поле" of cells named by place and look.
#include "ui/AccessibleBoard.h"

#include "core/GameState.h"
#include "ui/AccessibleControls.h"
#include "ui/MyImage.h"
#include "ui/TreasureUnit.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace ui {

namespace {

// What a cell shows, in the words a screen reader speaks.
const QString Closed = QStringLiteral("закрыта");
const QString Marked = QStringLiteral("отмечена");
const QString OpenedEmpty = QStringLiteral("пусто");
const QString OpenedTreasure = QStringLiteral("клад");
// What pressing a cell is called.
const QString OpenWord = QStringLiteral("Открыть");

// Columns are lettered from A, rows numbered from 1, as on a chess board.
QString ColumnLetter(int col) { return QString(QChar(u'A' + col)); }

class CellAccessible : public PressableAccessible, public QAccessibleTableCellInterface {
public:
    explicit CellAccessible(TMyImage* cell)
        : PressableAccessible(cell, QAccessible::Cell, OpenWord), announced_(CellName(*cell)) {}

    bool isValid() const override { return !silent_ && QAccessibleWidget::isValid(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? CellName(Cell()) : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Cell().Col; }
    int rowIndex() const override { return Cell().Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    void SetSilent(bool silent) { silent_ = silent; }

    // Announces the name once the handler is over, if it is not the one announced last.
    void LookChanged() {
        Cell().SetNameCheckPending(true);
        QMetaObject::invokeMethod(
            &Cell(),
            [this] {
                Cell().SetNameCheckPending(false);
                const QString name = CellName(Cell());
                if (name == announced_) return;
                announced_ = name;
                QAccessibleEvent event(&Cell(), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            },
            Qt::QueuedConnection);
    }

protected:
    void Click() override { Cell().Click(); }

private:
    TMyImage& Cell() const { return *static_cast<TMyImage*>(widget()); }

    QString announced_;  // what assistive technology was last told, or read first
    bool silent_ = false;
};

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return static_cast<int>(CellsIn(*widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<TMyImage*> cells = CellsIn(*widget());
        if (index < 0 || index >= cells.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(cells[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(CellsIn(*widget()).indexOf(child->object()));
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
    QString columnDescription(int column) const override { return ColumnLetter(column); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }

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
};

// The cell's own interface, made on first asking; null if it is not one of ours.
CellAccessible* InterfaceOf(TMyImage& cell) {
    return dynamic_cast<CellAccessible*>(QAccessible::queryAccessibleInterface(&cell));
}

}  // namespace

QString CellName(const TMyImage& cell) {
    QStringList parts = {ColumnLetter(cell.Col) + QString::number(cell.Row + 1)};
    const QString& number = cell.ShownNumber();
    if (cell.ShownPicture() == core::Picture::Treasure) {
        parts << OpenedTreasure << number;
    } else if (cell.ShownPicture() == core::Picture::Empty) {
        parts << (number.isEmpty() ? Marked : OpenedEmpty) << number;
    } else {
        parts << Closed;
    }
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

QAccessibleInterface* BoardInterfaceFor(QObject* object) {
    if (auto* cell = qobject_cast<TMyImage*>(object)) return new CellAccessible(cell);
    if (auto* panel = qobject_cast<BoardPanel*>(object)) return new BoardAccessible(panel);
    return nullptr;
}

QList<TMyImage*> CellsIn(const QWidget& panel) {
    QList<TMyImage*> cells;
    for (QObject* child : panel.children()) {
        auto* cell = qobject_cast<TMyImage*>(child);
        // A cell freed by its own click is hidden at once and deleted after it.
        if (cell == nullptr || cell->isHidden()) continue;
        if (const CellAccessible* iface = InterfaceOf(*cell); iface && !iface->isValid()) continue;
        cells.append(cell);
    }
    std::sort(cells.begin(), cells.end(), [](const TMyImage* a, const TMyImage* b) {
        return std::pair(a->Row, a->Col) < std::pair(b->Row, b->Col);
    });
    return cells;
}

void CellLookChanged(TMyImage& cell) {
    if (cell.NameCheckPending() || !QAccessible::isActive()) return;
    if (CellAccessible* iface = InterfaceOf(cell)) iface->LookChanged();
}

void SilenceCell(TMyImage& cell, bool silent) {
    if (CellAccessible* iface = InterfaceOf(cell)) iface->SetSilent(silent);
}

void AnnounceCellGone(TMyImage& cell) {
    if (!QAccessible::isActive()) return;
    CellAccessible* iface = InterfaceOf(cell);
    if (iface == nullptr) return;
    iface->SetSilent(false);
    QAccessibleEvent event(&cell, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&event);
    iface->SetSilent(true);
}

void AnnounceCellCame(TMyImage& cell) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&cell, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&event);
}

}  // namespace ui

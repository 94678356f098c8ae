// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader finds it: a table "Поле" of cells named by place and look.
#include "ui/accessibility/AccessibleBoard.h"

#include "core/GameState.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/MyImage.h"
#include "ui/TreasureUnit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

// What a cell shows, what pressing it is called, and what the board says while no game runs.
const QString Closed = QStringLiteral("закрыта");
const QString Marked = QStringLiteral("отмечена");
const QString OpenedEmpty = QStringLiteral("пусто");
const QString OpenedTreasure = QStringLiteral("клад");
const QString OpenWord = QStringLiteral("Открыть");
const QString IdleWord = QStringLiteral("Игра не идёт: нажмите «Новая игра»");

// Orca, handling its own click, asks whether the cell under its pointer has the focus and takes
// a focus it finds there silently; reported after it asked, the focus is news and is spoken.
// Orca also presses a cell when its click seemed not to land, so moves by an action wait too. A
// tool that never asks waits this long; so does a notice for its move to be taken.
constexpr int ScreenReaderLooksWithinMs = 1000;

// The cell of the move in progress; the cell of a move waiting to be reported as the focus until
// a screen reader asks for its state or the wait runs out; and a notice waiting for that report.
struct PendingFocus {
    QPointer<TMyImage> moving;
    QPointer<TMyImage> cell;
    QTimer* runsOut = nullptr;
    QPointer<QEventLoop> notice;
};
PendingFocus& Pending() {
    static PendingFocus pending;
    return pending;
}
void ReportPendingFocus() {
    PendingFocus& pending = Pending();
    const QPointer<TMyImage> cell = std::exchange(pending.cell, nullptr);
    if (pending.runsOut != nullptr) pending.runsOut->stop();
    if (cell) ReportAccessibleFocus(*cell);
    if (pending.notice) pending.notice->quit();
}
// With no event loop of its own: what a screen reader asks meanwhile is answered at once.
void ReportMoveFocus(TMyImage& cell) {
    PendingFocus& pending = Pending();
    pending.moving = nullptr;
    if (pending.runsOut == nullptr) {
        pending.runsOut = new QTimer(qApp);
        pending.runsOut->setSingleShot(true);
        QObject::connect(pending.runsOut, &QTimer::timeout, &ReportPendingFocus);
    }
    pending.cell = &cell;
    pending.runsOut->start(ScreenReaderLooksWithinMs);
}
// Handles all but the player's input until the waiting cell is reported as the focus.
void AwaitPendingFocus() {
    if (!Pending().cell) return;
    QEventLoop loop;
    Pending().notice = &loop;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
QString TreasureCounts() {
    return QStringLiteral("Найдено кладов: %1, осталось найти: %2")
        .arg(core::TreasuresFound)
        .arg(core::TreasureTotal - core::TreasuresFound);
}

// Columns are lettered from A, rows numbered from 1, as on a chess board.
QString ColumnLetter(int col) { return QString(QChar(u'A' + col)); }

class CellAccessible : public PressableAccessible, public QAccessibleTableCellInterface {
public:
    explicit CellAccessible(TMyImage* cell)
        : PressableAccessible(cell, QAccessible::Cell, OpenWord), announced_(CellName(*cell)) {}

    bool isValid() const override { return !silent_ && QAccessibleWidget::isValid(); }
    QAccessible::State state() const override {
        // Answered first, the focus reported after.
        if (Pending().cell == &Cell()) {
            QMetaObject::invokeMethod(qApp, &ReportPendingFocus, Qt::QueuedConnection);
        }
        return PressableAccessible::state();
    }
    QString text(QAccessible::Text t) const override {
        NoteQuestion();
        if (t == QAccessible::Name) return CellName(Cell());
        if (t == QAccessible::Description) return CellDescription(Cell());
        return QAccessibleWidget::text(t);
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

    // Checked once the handler is over: a hint deduction's thousands of repaints cost one check.
    void LookChanged() {
        if (nameCheckPending_) return;
        nameCheckPending_ = true;
        QMetaObject::invokeMethod(&Cell(), [this] { CheckName(); }, Qt::QueuedConnection);
    }
    bool NameCheckPending() const { return nameCheckPending_; }
    // Announces a name that differs from the one announced last; the cell of a move then
    // becomes the accessible focus.
    void CheckName() {
        nameCheckPending_ = false;
        const QString name = CellName(Cell());
        if (name != announced_) {
            announced_ = name;
            QAccessibleEvent event(&Cell(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        if (Pending().moving == &Cell()) ReportMoveFocus(Cell());
    }

protected:
    void Click() override {
        if (!RepeatedByScreenReader(Cell())) Cell().Click();
    }

private:
    TMyImage& Cell() const { return *static_cast<TMyImage*>(widget()); }

    QString announced_;  // the name last announced, or read first
    bool silent_ = false;
    bool nameCheckPending_ = false;
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
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return core::GameRunning ? QString() : IdleWord;
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = HasAccessibleFocus(*widget());
        return state;
    }
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

QString CellDescription(const TMyImage& cell) {
    if (cell.ShownPicture() == core::Picture::Treasure && HasAccessibleFocus(cell)) {
        return TreasureCounts();
    }
    return core::GameRunning ? QString() : IdleWord;
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
    if (!QAccessible::isActive()) return;
    if (CellAccessible* iface = InterfaceOf(cell)) iface->LookChanged();
}

void CellMoveBegins(TMyImage& cell) {
    if (QAccessible::isActive()) Pending().moving = &cell;
}

void CellMoveEnded(TMyImage& cell) {
    // With its name still to be checked, the check reports the cell.
    if (Pending().moving != &cell) return;
    if (const CellAccessible* iface = InterfaceOf(cell); iface && iface->NameCheckPending()) return;
    ReportMoveFocus(cell);
}

void FinishMoveAnnouncement() {
    const QPointer<TMyImage> cell = Pending().moving;
    if (!cell || !QAccessible::isActive()) return;
    if (CellAccessible* iface = InterfaceOf(*cell)) {
        iface->CheckName();
    } else {
        CellMoveEnded(*cell);
    }
    NoticeAboutToOpen(true);
    AwaitPendingFocus();
    // A screen reader takes a focus only in the active window, which the notice is about to be.
    if (cell && HasAccessibleFocus(*cell)) WaitForScreenReader(ScreenReaderLooksWithinMs);
    NoticeAboutToOpen(false);
}

void SilenceCell(TMyImage& cell, bool silent) {
    if (CellAccessible* iface = InterfaceOf(cell)) iface->SetSilent(silent);
}

void AnnounceNewBoard(QWidget& panel) {
    if (!QAccessible::isActive()) return;
    QAccessibleTableModelChangeEvent reset(&panel, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
    ReportAccessibleFocus(panel);
}

}  // namespace ui

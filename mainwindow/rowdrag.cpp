#include "mainwindow/rowdrag.h"

#include <QDropEvent>
#include <QItemSelectionModel>
#include <QTableWidget>

#include <algorithm>

RowDrag::RowDrag(QTableWidget *table)
    : QObject(table)
    , m_table(table)
{
    m_table->setDragEnabled(true);
    // Only the table's own rows are taken; a file dragged in from outside is
    // not accepted by the view and so goes on to the window, which opens it.
    m_table->setDragDropMode(QAbstractItemView::InternalMove);
    m_table->setDefaultDropAction(Qt::MoveAction);
    // Lines between the rows show where the row goes, instead of a frame
    // around the cell that it would seem to replace.
    m_table->setDragDropOverwriteMode(false);
    m_table->viewport()->installEventFilter(this);
}

// The rows go before the row under the upper half of which they are dropped,
// after the row under the lower half, and to the end below the last row. A
// block of chosen rows that holds the dragged one moves whole; otherwise the
// dragged row, which the press made current, moves alone.
void RowDrag::dropAt(const QPoint &position)
{
    int first = m_table->currentRow();
    if (first < 0)
        return;
    int count = 1;
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    if (rows.size() > 1 && rows.last() - rows.first() + 1 == rows.size() && rows.contains(first)) {
        first = rows.first();
        count = int(rows.size());
    }
    int insertAt = m_table->rowCount();
    const int under = m_table->rowAt(position.y());
    if (under >= 0) {
        const int middle = m_table->rowViewportPosition(under) + m_table->rowHeight(under) / 2;
        insertAt = position.y() < middle ? under : under + 1;
    }
    // Taking the rows out first shifts the rows below them up.
    if (insertAt >= first && insertAt <= first + count)
        return;
    emit rowsDropped(first, count, insertAt > first ? insertAt - count : insertAt);
}

bool RowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (drop->source() != m_table)
        return QObject::eventFilter(watched, event);
    dropAt(drop->position().toPoint());
    // A drop that reaches the table already accepted counts as done: the
    // table then neither writes the dragged cells over those under the
    // cursor nor, when the drag ends, removes the selected row, which by then
    // is the moved row in its new place. (Reporting a copy instead does not
    // help: an internal move offers no other action.)
    drop->setDropAction(Qt::MoveAction);
    drop->accept();
    return false;
}

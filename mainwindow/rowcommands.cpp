#include "mainwindow/rowcommands.h"

#include "mainwindow/rowtable.h"

using PlaylistTable::Row;

RowCommand::RowCommand(RowTable *table, const QString &text, bool selectFirstTime)
    : QUndoCommand(text)
    , m_table(table)
    , m_selectFirstTime(selectFirstTime)
{}

void RowCommand::redo()
{
    apply();
    if (!m_firstTime || m_selectFirstTime) {
        const QPair<int, int> rows = appliedRows();
        m_table->select(rows.first, rows.second);
    }
    m_firstTime = false;
}

void RowCommand::undo()
{
    revert();
    const QPair<int, int> rows = revertedRows();
    m_table->select(rows.first, rows.second);
}

namespace {

// After rows went away the row that took the place of the first of them is
// shown, or the last row when they were at the end.
QPair<int, int> placeAfterRemoval(const RowTable *table, int first)
{
    return {qMin(first, table->count() - 1), 1};
}

} // namespace

InsertRows::InsertRows(RowTable *table, int at, const QList<Row> &rows, const QString &text)
    : RowCommand(table, text, false)
    , m_at(at)
    , m_rows(rows)
{}

void InsertRows::apply()
{
    m_table->insert(m_at, m_rows);
}

void InsertRows::revert()
{
    m_table->remove(m_at, int(m_rows.size()));
}

QPair<int, int> InsertRows::appliedRows() const
{
    return {m_at, int(m_rows.size())};
}

QPair<int, int> InsertRows::revertedRows() const
{
    return placeAfterRemoval(m_table, m_at);
}

RemoveRows::RemoveRows(RowTable *table, const QList<int> &indexes, const QString &text,
                       bool selectFirstTime)
    : RowCommand(table, text, selectFirstTime)
    , m_indexes(indexes)
{
    m_rows.reserve(indexes.size());
    for (int index : indexes)
        m_rows.append(table->row(index));
}

bool RemoveRows::isOneBlock() const
{
    return !m_indexes.isEmpty() && m_indexes.last() - m_indexes.first() + 1 == m_indexes.size();
}

// Rows scattered over the list are not taken out one by one, which would
// move the rest of the list once for each: the list is built again without
// them, in one pass.
void RemoveRows::apply()
{
    if (m_indexes.isEmpty())
        return;
    if (isOneBlock())
        return m_table->remove(m_indexes.first(), int(m_indexes.size()));
    const QList<Row> before = m_table->rows();
    QList<Row> after;
    after.reserve(before.size() - m_indexes.size());
    qsizetype next = 0;
    for (int index = 0; index < before.size(); ++index) {
        if (next < m_indexes.size() && m_indexes.at(next) == index)
            ++next;
        else
            after.append(before.at(index));
    }
    m_table->replaceAll(after);
}

void RemoveRows::revert()
{
    if (m_indexes.isEmpty())
        return;
    if (isOneBlock())
        return m_table->insert(m_indexes.first(), m_rows);
    const QList<Row> kept = m_table->rows();
    QList<Row> whole;
    whole.reserve(kept.size() + m_rows.size());
    qsizetype next = 0, from = 0;
    while (whole.size() < kept.size() + m_rows.size()) {
        if (next < m_indexes.size() && m_indexes.at(next) == whole.size())
            whole.append(m_rows.at(next++));
        else
            whole.append(kept.at(from++));
    }
    m_table->replaceAll(whole);
}

QPair<int, int> RemoveRows::appliedRows() const
{
    return placeAfterRemoval(m_table, m_indexes.value(0, -1));
}

QPair<int, int> RemoveRows::revertedRows() const
{
    if (isOneBlock())
        return {m_indexes.first(), int(m_indexes.size())};
    return {m_indexes.value(0, -1), 1};
}

ChangeRow::ChangeRow(RowTable *table, int index, const Row &row, const QString &text)
    : RowCommand(table, text, false)
    , m_index(index)
    , m_before(table->row(index))
    , m_after(row)
{}

void ChangeRow::apply()
{
    m_table->set(m_index, m_after);
}

void ChangeRow::revert()
{
    m_table->set(m_index, m_before);
}

QPair<int, int> ChangeRow::appliedRows() const
{
    return {m_index, 1};
}

QPair<int, int> ChangeRow::revertedRows() const
{
    return {m_index, 1};
}

MoveRows::MoveRows(RowTable *table, int first, int count, int to, const QString &text)
    : RowCommand(table, text, true)
    , m_first(first)
    , m_count(count)
    , m_to(to)
{}

void MoveRows::apply()
{
    m_table->move(m_first, m_count, m_to);
}

void MoveRows::revert()
{
    m_table->move(m_to, m_count, m_first);
}

QPair<int, int> MoveRows::appliedRows() const
{
    return {m_to, m_count};
}

QPair<int, int> MoveRows::revertedRows() const
{
    return {m_first, m_count};
}

ReorderRows::ReorderRows(RowTable *table, const QList<int> &order, int current, const QString &text)
    : RowCommand(table, text, true)
    , m_order(order)
    , m_inverse(order.size())
    , m_current(current)
{
    for (int i = 0; i < order.size(); ++i)
        m_inverse[order.at(i)] = i;
}

void ReorderRows::apply()
{
    m_table->permute(m_order);
}

void ReorderRows::revert()
{
    m_table->permute(m_inverse);
}

QPair<int, int> ReorderRows::appliedRows() const
{
    return {m_current < 0 ? -1 : m_inverse.at(m_current), 1};
}

QPair<int, int> ReorderRows::revertedRows() const
{
    return {m_current, 1};
}

StepGroup::~StepGroup()
{
    qDeleteAll(m_steps);
}

void StepGroup::addDone(QUndoCommand *step)
{
    m_steps.append(step);
}

void StepGroup::redo()
{
    if (m_firstTime) {
        m_firstTime = false;
        return;
    }
    for (QUndoCommand *step : m_steps)
        step->redo();
}

void StepGroup::undo()
{
    for (auto step = m_steps.crbegin(); step != m_steps.crend(); ++step)
        (*step)->undo();
}

#ifndef KESTREL_ROWCOMMANDS_H
#define KESTREL_ROWCOMMANDS_H

#include "mainwindow/playlisttable.h"

#include <QList>
#include <QUndoCommand>

class RowTable;

// The undoable steps of the playlist, one per thing the user did. Each keeps
// what it needs to put the rows back (titles, addresses, kinds, places) and
// does its work through the RowTable. Undo and redo make the row they touched
// current, so the editor shows it; the first run of a step leaves the current
// row to the action that made the step, unless the step says otherwise.
class RowCommand : public QUndoCommand
{
public:
    RowCommand(RowTable *table, const QString &text, bool selectFirstTime);

    void redo() final;
    void undo() final;

protected:
    virtual void apply() = 0;
    virtual void revert() = 0;
    // The rows to make current after apply() or revert(): first and count.
    virtual QPair<int, int> appliedRows() const = 0;
    virtual QPair<int, int> revertedRows() const = 0;

    RowTable *m_table;

private:
    bool m_firstTime = true;
    bool m_selectFirstTime;
};

// Rows put in as one block: Add, an opened or dropped file.
class InsertRows : public RowCommand
{
public:
    InsertRows(RowTable *table, int at, const QList<PlaylistTable::Row> &rows, const QString &text);

protected:
    void apply() override;
    void revert() override;
    QPair<int, int> appliedRows() const override;
    QPair<int, int> revertedRows() const override;

private:
    int m_at;
    QList<PlaylistTable::Row> m_rows;
};

// Rows taken out wherever they are: Delete of one or several, duplicates.
class RemoveRows : public RowCommand
{
public:
    // `indexes` in ascending order.
    RemoveRows(RowTable *table, const QList<int> &indexes, const QString &text,
               bool selectFirstTime);

protected:
    void apply() override;
    void revert() override;
    QPair<int, int> appliedRows() const override;
    QPair<int, int> revertedRows() const override;

private:
    bool isOneBlock() const;

    QList<int> m_indexes;
    QList<PlaylistTable::Row> m_rows;
};

// One row written over: Change.
class ChangeRow : public RowCommand
{
public:
    ChangeRow(RowTable *table, int index, const PlaylistTable::Row &row, const QString &text);

protected:
    void apply() override;
    void revert() override;
    QPair<int, int> appliedRows() const override;
    QPair<int, int> revertedRows() const override;

private:
    int m_index;
    PlaylistTable::Row m_before;
    PlaylistTable::Row m_after;
};

// A block of rows moved to another place: Move up, Move down, a drag.
class MoveRows : public RowCommand
{
public:
    MoveRows(RowTable *table, int first, int count, int to, const QString &text);

protected:
    void apply() override;
    void revert() override;
    QPair<int, int> appliedRows() const override;
    QPair<int, int> revertedRows() const override;

private:
    int m_first;
    int m_count;
    int m_to;
};

// The rows in a new order: Sort. The row that was current stays current.
class ReorderRows : public RowCommand
{
public:
    // Row i of the new order is row order[i] of the old one.
    ReorderRows(RowTable *table, const QList<int> &order, int current, const QString &text);

protected:
    void apply() override;
    void revert() override;
    QPair<int, int> appliedRows() const override;
    QPair<int, int> revertedRows() const override;

private:
    QList<int> m_order;
    QList<int> m_inverse;
    int m_current;
};

// Steps that were already done, kept as one: the files of one drop. Undo
// takes them back in reverse order; the first redo, when the group goes on
// the stack, has nothing left to do.
class StepGroup : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;
    ~StepGroup() override;
    StepGroup(const StepGroup &) = delete;
    StepGroup &operator=(const StepGroup &) = delete;

    void addDone(QUndoCommand *step);
    bool isEmpty() const { return m_steps.isEmpty(); }

    void redo() override;
    void undo() override;

private:
    QList<QUndoCommand *> m_steps;
    bool m_firstTime = true;
};

#endif

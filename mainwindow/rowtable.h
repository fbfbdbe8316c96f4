#ifndef KESTREL_ROWTABLE_H
#define KESTREL_ROWTABLE_H

#include "mainwindow/playlisttable.h"

#include <QList>

#include <functional>

class QTableWidget;

// The playlist table seen as a list of rows: the few edits that the undo
// steps are made of, each done on a whole block of rows at once and
// announced once, so that a step over ten thousand rows costs in proportion
// to the rows and not to their square.
class RowTable
{
public:
    explicit RowTable(QTableWidget *table);

    int count() const;
    PlaylistTable::Row row(int index) const;
    QList<PlaylistTable::Row> rows() const;
    // The duplicate key of a row's address, worked out once per address text
    // and kept with the row.
    QString duplicateKey(int index) const;

    void insert(int at, const QList<PlaylistTable::Row> &rows);
    void remove(int first, int count);
    void replaceAll(const QList<PlaylistTable::Row> &rows);
    void set(int index, const PlaylistTable::Row &row);
    // The block [first, first + count) ends with its first row at `to`.
    void move(int first, int count, int to);
    // Row i of the new order is row order[i] of the old one.
    void permute(const QList<int> &order);

    // Makes `first` current and selects the block, so that the editor shows
    // the entry that a step touched; -1 leaves no row current.
    void select(int first, int count = 1);

    // Run after every edit, once the rows are in place; told whether rows or
    // texts came in, or rows only went or moved.
    std::function<void(bool rowsCameIn)> changed;
    // Run after select(), with the row made current: it may have been
    // current before, with other contents.
    std::function<void(int)> selected;

private:
    int shownRowNear(int row) const;
    void fill(int first, const QList<PlaylistTable::Row> &rows);
    void announce(int first, int last);
    void notify(bool rowsCameIn);

    QTableWidget *m_table;
};

#endif

#ifndef KESTREL_ROWDRAG_H
#define KESTREL_ROWDRAG_H

#include <QObject>

class QEvent;
class QPoint;
class QTableWidget;

// Lets the user drag a row, or a block of rows, of the playlist table to another place in it.
// QTableWidget's own internal move writes the dragged cells over the cells at
// the drop position; here the drop becomes a move of the whole row. Drags
// from elsewhere (files) are left to the window, as before.
class RowDrag : public QObject
{
    Q_OBJECT

public:
    explicit RowDrag(QTableWidget *table);

signals:
    // The block [first, first + count) ends with its first row at `to`.
    void rowsDropped(int first, int count, int to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dropAt(const QPoint &position);

    QTableWidget *m_table;
};

#endif

#ifndef KESTREL_ROWDRAG_H
#define KESTREL_ROWDRAG_H

#include <QObject>

class QEvent;
class QPoint;
class QTableWidget;

// Lets the user drag a row of the playlist table to another place in it.
// QTableWidget's own internal move writes the dragged cells over the cells at
// the drop position; here the drop becomes a move of the whole row. Drags
// from elsewhere (files) are left to the window, as before.
class RowDrag : public QObject
{
    Q_OBJECT

public:
    explicit RowDrag(QTableWidget *table);

signals:
    // `to` is the row's index after the move.
    void rowDropped(int from, int to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dropAt(const QPoint &position);

    QTableWidget *m_table;
};

#endif

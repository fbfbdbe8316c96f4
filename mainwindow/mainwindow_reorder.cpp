#include "mainwindow/mainwindow.h"

#include "mainwindow/rowcommands.h"
#include "mainwindow/rowdrag.h"
#include "mainwindow/rowtable.h"
#include "ui/ui_mainwindow.h"

#include <QTableWidget>

void MainWindow::setupRowDrag()
{
    auto *drag = new RowDrag(ui->tableFile);
    connect(drag, &RowDrag::rowsDropped, this, &MainWindow::moveEntries);
}

void MainWindow::slotMoveEntryUp()
{
    moveSelection(-1);
}

void MainWindow::slotMoveEntryDown()
{
    moveSelection(1);
}

// Several rows move as one block when they stand together; rows chosen here
// and there have no one place to go, and stay. One row is the current one.
void MainWindow::moveSelection(int by)
{
    const QList<int> rows = selectedShownRows();
    int first = ui->tableFile->currentRow();
    int count = 1;
    if (rows.size() > 1) {
        if (rows.last() - rows.first() + 1 != rows.size())
            return;
        first = rows.first();
        count = int(rows.size());
    }
    if (first < 0 || first + by < 0 || first + by + count > ui->tableFile->rowCount())
        return;
    pushStep(new MoveRows(m_rowTable, first, count, first + by,
                          by < 0 ? QString::fromLatin1(QT_TR_NOOP("Move up"))
                                 : QString::fromLatin1(QT_TR_NOOP("Move down"))));
}

// The moved rows end chosen, the first current, and so in the editor with
// its new number.
void MainWindow::moveEntries(int first, int count, int to)
{
    const int rows = ui->tableFile->rowCount();
    if (first == to || first < 0 || to < 0 || count < 1 || first + count > rows ||
        to + count > rows)
        return;
    pushStep(new MoveRows(m_rowTable, first, count, to, QString::fromLatin1(QT_TR_NOOP("Move"))));
}

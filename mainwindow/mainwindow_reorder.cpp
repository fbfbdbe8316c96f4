#include "mainwindow/mainwindow.h"

#include "mainwindow/rowdrag.h"
#include "ui/ui_mainwindow.h"

#include <QTableWidget>

void MainWindow::setupRowDrag()
{
    auto *drag = new RowDrag(ui->tableFile);
    connect(drag, &RowDrag::rowDropped, this, &MainWindow::moveEntry);
}

void MainWindow::slotMoveEntryUp()
{
    const int row = ui->tableFile->currentRow();
    if (row > 0)
        moveEntry(row, row - 1);
}

void MainWindow::slotMoveEntryDown()
{
    const int row = ui->tableFile->currentRow();
    if (row >= 0 && row + 1 < ui->tableFile->rowCount())
        moveEntry(row, row + 1);
}

// The row's own items move, so the kind kept beside the Type text goes with
// them. The moved row ends current, and so in the editor with its new number.
void MainWindow::moveEntry(int from, int to)
{
    QTableWidget *table = ui->tableFile;
    const int rows = table->rowCount();
    if (from == to || from < 0 || to < 0 || from >= rows || to >= rows)
        return;
    const int column = qMax(0, table->currentColumn());
    QList<QTableWidgetItem *> items;
    for (int c = 0; c < table->columnCount(); ++c)
        items << table->takeItem(from, c);
    table->removeRow(from);
    table->insertRow(to);
    for (int c = 0; c < items.size(); ++c) {
        if (items.at(c))
            table->setItem(to, c, items.at(c));
    }
    table->setCurrentCell(to, column);
    setModified();
}

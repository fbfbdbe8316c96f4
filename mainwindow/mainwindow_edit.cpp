#include "mainwindow/mainwindow.h"

void MainWindow::on_tableFile_clicked(QModelIndex index)
{
    Q_UNUSED(index);
}

void MainWindow::slotAddEntry() {}

void MainWindow::slotEditEntry() {}

void MainWindow::slotDeleteEntry() {}

void MainWindow::addTableRow(const QString &, const QString &, bool) {}

void MainWindow::updateCurrentRow(const QString &, const QString &, bool) {}

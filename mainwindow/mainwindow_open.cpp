#include "mainwindow/mainwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>

void MainWindow::slotOpenFile() {}

void MainWindow::openFile(const QString &) {}

void MainWindow::openPlsFile(const QString &) {}

void MainWindow::openM3uFile(const QString &) {}

void MainWindow::openXspfFile(const QString &) {}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    QMainWindow::dragEnterEvent(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QMainWindow::dropEvent(event);
}

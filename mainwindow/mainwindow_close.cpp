#include "mainwindow/mainwindow.h"

#include <QCloseEvent>

bool MainWindow::closePlaylist()
{
    return false;
}

void MainWindow::on_actionNew_triggered() {}

void MainWindow::on_actionClose_triggered() {}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
}

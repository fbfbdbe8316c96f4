#include "mainwindow/mainwindow.h"

void MainWindow::slotSaveFile() {}

void MainWindow::on_actionSaveAs_triggered() {}

bool MainWindow::savePlsFile(const QString &)
{
    return false;
}

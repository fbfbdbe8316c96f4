#include "mainwindow/mainwindow.h"

#include <QEvent>

void MainWindow::loadLanguage(const QString &) {}

void MainWindow::createLanguageMenu() {}

void MainWindow::slotLanguageChanged(QAction *) {}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
}

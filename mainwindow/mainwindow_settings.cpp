#include "mainwindow/mainwindow.h"

void MainWindow::loadSettings() {}

void MainWindow::saveSettings() {}

#include "mainwindow/mainwindow.h"

void MainWindow::processCommandLine() {}

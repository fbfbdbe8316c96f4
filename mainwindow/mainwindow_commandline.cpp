#include "mainwindow/mainwindow.h"

#include "mainwindow/commandline.h"
#include "ui/ui_mainwindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTableWidget>

// Runs inside the constructor, before the window is shown: "-i" files are
// opened and merged by the rules of openFile, and "-o" writes the result.
void MainWindow::processCommandLine()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return;

    QStringList inputs;
    if (arguments.contains(QLatin1String("-i"))) {
        inputs = CommandLine::inputFiles(arguments);
        for (const QString &input : inputs)
            openFile(QFileInfo(input).absoluteFilePath());
    }

    // Whoever typed "-o" expects a file; if none can be written, say why
    // rather than leave them to find it missing.
    const QString problem = CommandLine::outputProblem(arguments, int(inputs.size()));
    if (!problem.isEmpty()) {
        CommandLine::printError(problem);
        return;
    }
    if (!arguments.contains(QLatin1String("-o")))
        return;

    const QString output = QFileInfo(CommandLine::outputName(arguments)).absoluteFilePath();
    // An empty table writes no file at all; a script must not take that for
    // a conversion that worked.
    if (m_batchRun && ui->tableFile->rowCount() == 0) {
        CommandLine::printError(tr("Nothing written: the playlists hold no entry to write."));
        ++m_failureCount;
        return;
    }
    const int failures = m_failureCount;
    if (!savePlsFile(output) && m_failureCount == failures)
        ++m_failureCount;
}

#include "mainwindow/mainwindow.h"

#include "converter/commandline.h"

#include <QCoreApplication>
#include <QFileInfo>

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

    savePlsFile(QFileInfo(CommandLine::outputName(arguments)).absoluteFilePath());
}

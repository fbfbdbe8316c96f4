#ifndef KESTREL_COMMANDLINE_H
#define KESTREL_COMMANDLINE_H

#include <QString>
#include <QStringList>

// Reads the program's arguments (element 0 is the program): what start-up
// must do before any window exists, and which files the window opens and
// writes. It never touches a widget, so it runs before the application object.
namespace CommandLine {

enum class Action {
    OpenWindow,   // the editor, with whatever "-i" and "-o" ask for
    RunBatch,     // "-q": the converter, without a window
    PrintHelp,    // "--help" or "-h"
    PrintVersion, // "--version"
    UsageError    // a batch run whose arguments make no sense
};

struct Request
{
    Action action = Action::OpenWindow;
    QString error; // why the arguments were refused, for UsageError
};

// Exit codes of a batch run besides the window's own 0 (all went well) and
// 1 (a read or the write failed).
constexpr int UsageExitCode = 2;

QStringList fromArgv(int argc, char *argv[]);

// The window accepts loose arguments and ignores what it does not know; a
// batch run is strict, since a script must learn of a typing error.
Request parse(const QStringList &arguments);

// Handles what needs no application object: prints help, version or a usage
// error and gives the exit code. Returns -1 when the program should go on, to
// the converter or to the window.
int runBeforeApplication(const QStringList &arguments);

QString usageText();
QString versionText();

// The files after the first "-i", up to the end or to the first argument
// that starts with "-".
QStringList inputFiles(const QStringList &arguments);

// Why "-o" cannot be honoured, in one translated sentence; empty when it can
// be, or when there is no "-o". `inputCount` is the number of files read.
QString outputProblem(const QStringList &arguments, int inputCount);

// The name after the first "-o"; check outputProblem first.
QString outputName(const QStringList &arguments);

// A message of the window's translation context, as the converter and the
// window both print them.
QString translated(const char *text);

void printError(const QString &text);

} // namespace CommandLine

#endif

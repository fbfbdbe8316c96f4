#include "converter/commandline.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace CommandLine {

namespace {

const QLatin1String InputOption("-i");
const QLatin1String OutputOption("-o");
const QLatin1String BatchOption("-q");
const QLatin1String CheckOption("--check");

// The window prints these as well as the converter, in the window's
// translation context.
const char *const MissingOutputName = QT_TRANSLATE_NOOP(
    "MainWindow", "Nothing written: -o must be followed by the name of a PLS file.");
const char *const NotPlsName =
    QT_TRANSLATE_NOOP("MainWindow", "Nothing written: \"%1\" does not end with .pls.");
const char *const NoInputFiles =
    QT_TRANSLATE_NOOP("MainWindow", "Nothing written: -o needs playlist files after -i.");

bool isPlsName(const QString &name)
{
    return QFileInfo(name).fileName().endsWith(QLatin1String(".pls"), Qt::CaseInsensitive);
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// A batch run accepts "-q", "--check", one "-i" with its files and at most one
// "-o" with its name, and nothing else: a file name that the window would silently pass
// over (a stray one, or one behind an unknown option) is an error here.
QString batchError(const QStringList &arguments)
{
    bool haveInput = false;
    bool haveOutput = false;
    for (int i = 1; i < arguments.size();) {
        const QString &argument = arguments.at(i);
        if (argument == BatchOption || argument == CheckOption) {
            ++i;
        } else if (argument == InputOption) {
            if (haveInput)
                return QStringLiteral("%1 may be given only once.").arg(argument);
            haveInput = true;
            const int first = ++i;
            while (i < arguments.size() && !arguments.at(i).startsWith(QLatin1Char('-')))
                ++i;
            if (i == first)
                return QStringLiteral("-i must be followed by at least one playlist file.");
        } else if (argument == OutputOption) {
            if (haveOutput)
                return QStringLiteral("%1 may be given only once.").arg(argument);
            haveOutput = true;
            if (i + 1 >= arguments.size())
                return translated(MissingOutputName);
            if (!isPlsName(arguments.at(i + 1)))
                return translated(NotPlsName).arg(arguments.at(i + 1));
            i += 2;
        } else {
            return QStringLiteral("Unknown argument: %1").arg(argument);
        }
    }
    if (!haveInput)
        return QStringLiteral("-q needs -i and at least one playlist file.");
    return QString();
}

} // namespace

QStringList fromArgv(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

Request parse(const QStringList &arguments)
{
    const QStringList options = arguments.mid(1);
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h")))
        return {Action::PrintHelp, QString()};
    if (options.contains(QLatin1String("--version")))
        return {Action::PrintVersion, QString()};
    if (!options.contains(BatchOption))
        return {Action::OpenWindow, QString()};
    const QString error = batchError(arguments);
    if (!error.isEmpty())
        return {Action::UsageError, error};
    return {Action::RunBatch, QString()};
}

int runBeforeApplication(const QStringList &arguments)
{
    const Request request = parse(arguments);
    switch (request.action) {
    case Action::PrintHelp:
        print(stdout, usageText());
        return 0;
    case Action::PrintVersion:
        print(stdout, versionText() + QLatin1Char('\n'));
        return 0;
    case Action::UsageError:
        printError(request.error);
        printError(QStringLiteral("Try \"kestrelpad --help\" for more information."));
        return UsageExitCode;
    case Action::RunBatch:
    case Action::OpenWindow:
        return -1;
    }
    return -1;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: kestrelpad [-i PLAYLIST... [-o OUTPUT.pls]] [-q]\n"
        "       kestrelpad -q --check -i PLAYLIST...\n"
        "       kestrelpad --help | --version\n"
        "\n"
        "Edits playlists for the radio-box. PLS, M3U and XSPF files are read;\n"
        "PLS files are written.\n"
        "\n"
        "  -i PLAYLIST...   open these playlists and merge them, in this order\n"
        "  -o OUTPUT.pls    write the merged playlist to this PLS file\n"
        "  -q               batch mode: show no window, print messages to standard\n"
        "                   error and exit with 0 when all went well, 1 when a\n"
        "                   file could not be read or written, 2 on a usage error\n"
        "  --check          with -q: ask every stream whether it answers and print one\n"
        "                   line per entry, \"answers|dead|unknown<TAB>address<TAB>\n"
        "                   reason\"; exit with 1 when a stream is dead\n"
        "  -h, --help       print this text and exit\n"
        "  --version        print the version and exit\n");
}

QString versionText()
{
    return QStringLiteral("Kestrelpad 1.2");
}

QStringList inputFiles(const QStringList &arguments)
{
    QStringList files;
    const int option = arguments.indexOf(InputOption, 1);
    if (option < 0)
        return files;
    for (int i = option + 1; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith(QLatin1Char('-')))
            break;
        files << arguments.at(i);
    }
    return files;
}

QString outputProblem(const QStringList &arguments, int inputCount)
{
    const int option = arguments.indexOf(OutputOption, 1);
    if (option < 0)
        return QString();
    if (option + 1 >= arguments.size())
        return translated(MissingOutputName);
    if (inputCount == 0)
        return translated(NoInputFiles);
    if (!isPlsName(arguments.at(option + 1)))
        return translated(NotPlsName).arg(arguments.at(option + 1));
    return QString();
}

QString outputName(const QStringList &arguments)
{
    const int option = arguments.indexOf(OutputOption, 1);
    return option < 0 ? QString() : arguments.value(option + 1);
}

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

void printError(const QString &text)
{
    print(stderr, text + QLatin1Char('\n'));
}

} // namespace CommandLine

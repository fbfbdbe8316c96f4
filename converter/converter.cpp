#include "converter/converter.h"

#include "converter/commandline.h"
#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/plslayout.h"
#include "playlist/streamaddress.h"
#include "playlist/xspffile.h"
#include "streamcheck/streamchecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

#include <cstdio>
#include <utility>

namespace Converter {

namespace {

using Entry = plsFile::Entry;

// The texts the window shows in its boxes, so they share its context.
const char *const NotAPlaylist =
    QT_TRANSLATE_NOOP("MainWindow", "not a playlist (the name must end in .pls, .m3u or .xspf)");
const char *const NoEntries = QT_TRANSLATE_NOOP("MainWindow", "holds no entries");
const char *const NothingToWrite =
    QT_TRANSLATE_NOOP("MainWindow", "Nothing written: the playlists hold no entry to write.");
const char *const CannotOpen = QT_TRANSLATE_NOOP("MainWindow", "Couldn't open the file!");
const char *const Missing = QT_TRANSLATE_NOOP("MainWindow", "The file doesn't exist!");
const char *const BrokenXml = QT_TRANSLATE_NOOP("MainWindow", "Error while parsing the xml-file!");
const char *const TooLong =
    QT_TRANSLATE_NOOP("MainWindow", "An entry is too long for the radio-box!");
const char *const NoValidAddress =
    QT_TRANSLATE_NOOP("MainWindow", "An entry has no valid address!");

QString resultText(qint8 code)
{
    switch (code) {
    case -2:
        return CommandLine::translated(Missing);
    case -3:
        return CommandLine::translated(BrokenXml);
    case -4:
        return CommandLine::translated(TooLong);
    case -5:
        return CommandLine::translated(NoValidAddress);
    default:
        return CommandLine::translated(CannotOpen);
    }
}

QString skippedText(int count)
{
    // English has no numerus translation file, so its singular is spelled out.
    if (count == 1)
        return QCoreApplication::translate(
            "MainWindow", "1 entry skipped: the address must start with http:// or udp://");
    return QCoreApplication::translate(
        "MainWindow", "%n entries skipped: the address must start with http:// or udp://", "",
        count);
}

// With several inputs, a message without its file name would leave the user
// to guess which one failed.
void report(const QString &file, const QString &message)
{
    CommandLine::printError(file + QLatin1String(": ") + message);
}

struct ReadResult
{
    // An M3U file without a line ends its read without a signal; it is
    // caught by its empty entry list instead.
    qint8 code = 0;
    QList<Entry> entries;
};

template<typename Reader, typename Kind> ReadResult readWith(const QString &path, Kind kind)
{
    ReadResult result;
    Reader reader;
    QObject::connect(&reader, &Reader::readingFinished,
                     [&result](qint8 code) { result.code = code; });
    reader.readFile(path);
    const auto entries = reader.entries();
    reader.clearEntries();
    result.entries.reserve(entries.size());
    for (const auto &entry : entries)
        result.entries.append({entry.title, entry.url, kind(entry)});
    return result;
}

bool hasSuffix(const QString &name, const char *suffix)
{
    return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// Appends the playable entries of one input; false when it could not be read
// or held nothing. Entries read before a fault still count, as in the window.
bool readInput(const QString &name, QList<Entry> *entries)
{
    const QString path = QFileInfo(name).absoluteFilePath();
    const auto radio = [](const auto &) { return 1; };
    ReadResult read;
    if (hasSuffix(name, ".pls"))
        read = readWith<plsFile>(path, [](const Entry &entry) { return entry.type == 1 ? 1 : 2; });
    else if (hasSuffix(name, ".m3u"))
        read = readWith<m3uFile>(path, radio);
    else if (hasSuffix(name, ".xspf"))
        read = readWith<xspfFile>(path, radio);
    else {
        report(name, CommandLine::translated(NotAPlaylist));
        return false;
    }

    int skipped = 0;
    for (const Entry &entry : std::as_const(read.entries)) {
        // The window keeps an address as text and parses it again to save it;
        // the same round trip here writes the very bytes the window writes.
        const QString address = entry.url.toString();
        if (kestrel::isStreamAddress(address))
            entries->append({entry.title, QUrl(address), entry.type});
        else
            ++skipped;
    }
    if (read.code != 0)
        report(name, resultText(read.code));
    else if (read.entries.isEmpty())
        report(name, CommandLine::translated(NoEntries));
    if (skipped > 0)
        report(name, skippedText(skipped));
    return read.code == 0 && !read.entries.isEmpty();
}

// The radio-box would play the continuation files of a longer earlier save
// beside the new ones. Deleting files the user did not name is theirs to
// decide, and a batch run cannot ask, so it only names them.
void reportStaleFiles(const QString &output, int written)
{
    const QStringList stale =
        kestrel::pls::staleContinuationFiles(QFileInfo(output).absoluteFilePath(), written);
    if (stale.isEmpty())
        return;
    CommandLine::printError(
        QCoreApplication::translate(
            "MainWindow",
            "%n older continuation file(s) would still be played by the radio-box: %1", "",
            int(stale.size()))
            .arg(stale.join(QLatin1String(", "))));
}

// The messages speak the window's language: the one chosen in the settings
// file, else the system's, from the window's catalogs beside the program or,
// installed on Linux, under ../share. The settings file is only read.
void loadLanguage(QTranslator *translator)
{
    const QString name = QLocale::system().name();
    QSettings settings(QStringLiteral("settings.ini"), QSettings::IniFormat);
    const QString code =
        settings.value(QStringLiteral("Language/Language"), name.left(name.lastIndexOf(u'_')))
            .toString();
    const QString base = QCoreApplication::applicationDirPath();
    for (const QString &dir : {base + QLatin1String("/languages"),
                               base + QLatin1String("/../share/kestrelpad/languages")}) {
        if (translator->load(QLatin1String("Kestrel_") + code, QDir::cleanPath(dir))) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
}

// "--check": one line per entry, in the order of the entries whatever order
// the answers come in. Scripts read the first column, so it is never
// translated. Returns how many are dead.
int checkStreams(const QList<Entry> &entries)
{
    QList<StreamCheck::Result> results(entries.size());
    StreamChecker checker;
    QEventLoop loop;
    QObject::connect(&checker, &StreamChecker::checked, &loop,
                     [&results](quint64 id, const StreamCheck::Result &result) {
                         results[qsizetype(id)] = result;
                     });
    QObject::connect(&checker, &StreamChecker::finished, &loop, &QEventLoop::quit);
    for (qsizetype i = 0; i < entries.size(); ++i)
        checker.add(quint64(i), entries.at(i).url.toString(), entries.at(i).title.isEmpty());
    if (!entries.isEmpty())
        loop.exec();
    int dead = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const StreamCheck::Result &result = results.at(i);
        dead += result.verdict == StreamCheck::Verdict::Dead;
        const QString line = StreamCheck::keyword(result.verdict) + QLatin1Char('\t') +
                             entries.at(i).url.toString() + QLatin1Char('\t') + result.reason +
                             QLatin1Char('\n');
        std::fputs(line.toLocal8Bit().constData(), stdout);
    }
    std::fflush(stdout);
    return dead;
}

QtMessageHandler toolkitHandler = nullptr;

// Standard error carries the run's results and nothing else: a toolkit note
// about the environment would read as one more failure to whoever looks.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        toolkitHandler(type, context, message);
}

} // namespace

int run(const QStringList &arguments)
{
    toolkitHandler = qInstallMessageHandler(quietHandler);
    QTranslator translator;
    loadLanguage(&translator);
    bool failed = false;
    QList<Entry> entries;
    const QStringList inputs = CommandLine::inputFiles(arguments);
    for (const QString &input : inputs)
        failed = !readInput(input, &entries) || failed;
    if (arguments.contains(QLatin1String("--check")))
        failed = checkStreams(entries) > 0 || failed;

    const QString output = CommandLine::outputName(arguments);
    if (output.isEmpty())
        return failed ? 1 : 0;
    // The writer writes no file for an empty list; a script must not take
    // that for a conversion that worked.
    if (entries.isEmpty()) {
        CommandLine::printError(CommandLine::translated(NothingToWrite));
        return 1;
    }
    qint8 code = -1; // a writer that never reports has not written
    plsFile writer;
    QObject::connect(&writer, &plsFile::readingFinished, [&code](qint8 result) { code = result; });
    writer.setEntries(entries);
    writer.saveFile(QFileInfo(output).absoluteFilePath());
    if (code != 0) {
        report(output, resultText(code));
        return 1;
    }
    reportStaleFiles(output, int(plsFile::fileSizes(entries).size()));
    return failed ? 1 : 0;
}

} // namespace Converter

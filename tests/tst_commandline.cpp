// The command line: "-i" and "-o" as the window handles them at start-up, and
// the batch mode, help and version of the real program. Each case runs in a
// process of its own, since the window reads the arguments of its process.

#include "editortest.h"
#include "converter/commandline.h"

#include <QProcess>

#include <cstdio>

using namespace EditorTest;

namespace {

const char ChildVariable[] = "KESTREL_TEST_WINDOW_CHILD";

// In the child: what the window shows once its constructor has handled the
// command line, as "title|entry count|path|enabled document actions|titles";
// a box it showed goes to standard error.
int describeWindow()
{
    BoxAnswerer boxes;
    MainWindow window;
    for (const QString &text : boxes.texts())
        std::fputs(qPrintable("box: " + text + '\n'), stderr);
    QStringList shown{window.windowTitle()};
    for (QLabel *label : window.statusBar()->findChildren<QLabel *>())
        if (label->objectName().isEmpty() && shown.size() < 3)
            shown << label->text();
    int enabled = 0;
    for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
        enabled += child<QAction>(&window, name)->isEnabled();
    shown << QString::number(enabled);
    auto *table = child<QTableWidget>(&window, "tableFile");
    for (int row = 0; row < table->rowCount(); ++row)
        shown << table->item(row, 0)->text();
    std::fputs(qPrintable(shown.join('|')), stdout);
    return 0;
}

struct Case
{
    QStringList arguments; // names relative to a folder of samples, %1 in `out`
    bool window;           // the window in a child, or else the program without a display
    int exitCode;
    QString out, err;
    QString written; // the one new file, and the sample in data/written it equals
};

} // namespace

Q_DECLARE_METATYPE(Case)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestCommandLine::run_data()
{
    const QString jazz = "Jazz Lounge|City News TV", news = "Morning Talk|Evening Talk";
    const QString noInput = "Nothing written: -o needs playlist files after -i.\n";
    const QString noName = "Nothing written: -o must be followed by the name of a PLS file.";
    const QString notPls = "Nothing written: \"out.m3u\" does not end with .pls.";
    const QString skipped = "2 entries skipped: the address must start with http:// or udp://\n";
    const QList<QPair<const char *, Case>> cases{
        {"window: two inputs merge, and Save stays usable",
         {{"-i", "jazz.pls", "news.m3u"},
          true,
          0,
          "* jazz.pls - Kestrelpad|4|%1/jazz.pls|4|" + jazz + '|' + news,
          "",
          ""}},
        {"window: M3U written as the document",
         {{"-i", "news.m3u", "-o", "out.pls"},
          true,
          0,
          "out.pls - Kestrelpad|2|%1/out.pls|0|" + news,
          "",
          "out.pls=news.pls"}},
        {"window: output before input, suffix in capitals",
         {{"-o", "OUT.PLS", "-i", "news.m3u"},
          true,
          0,
          "OUT.PLS - Kestrelpad|2|%1/OUT.PLS|0|" + news,
          "",
          "OUT.PLS=news.pls"}},
        {"window: output without input",
         {{"-o", "out.pls"}, true, 0, "Kestrelpad|0||0", noInput, ""}},
        {"window: inputs end at the next option",
         {{"-i", "jazz.pls", "-x", "LIST.PLS"},
          true,
          0,
          "jazz.pls - Kestrelpad|2|%1/jazz.pls|0|" + jazz,
          "",
          ""}},
        {"window: output that is no PLS file",
         {{"-i", "jazz.pls", "-o", "out.m3u"},
          true,
          0,
          "jazz.pls - Kestrelpad|2|%1/jazz.pls|0|" + jazz,
          notPls + '\n',
          ""}},
        {"window: -o as the last argument",
         {{"-i", "jazz.pls", "-o"},
          true,
          0,
          "jazz.pls - Kestrelpad|2|%1/jazz.pls|0|" + jazz,
          noName + '\n',
          ""}},
        {"window: arguments before -i are passed over",
         {{"LIST.PLS", "-i", "talk.xspf"},
          true,
          0,
          "* Kestrelpad|2||4|Harbour Radio|Folk Corner",
          "",
          ""}},
        {"batch: the README's conversion",
         {{"-q", "-i", KESTREL_SOURCE_DIR "/examples/stations.m3u", "-o", "out.pls"},
          false,
          0,
          "",
          "",
          "out.pls=stations.pls"}},
        {"batch: three formats merged, a broken one fails the run",
         {{"-o", "out.pls", "-i", "jazz.pls", "radio.M3U", "broken.xspf", "-q"},
          false,
          1,
          "",
          "Error while parsing the xml-file!\n",
          "out.pls=merged.pls"}},
        {"batch: skipped entries are reported, not failed",
         {{"-q", "-i", "skipped.pls", "-o", "out.pls"},
          false,
          0,
          "",
          skipped,
          "out.pls=skipped.pls"}},
        {"batch: older continuation files are named, not deleted",
         {{"-q", "-i", "news.m3u", "-o", "old.pls"},
          false,
          0,
          "",
          "1 older continuation file(s) would still be played by the radio-box: %1/old1.pls\n",
          "old.pls=news.pls"}},
        {"batch: reading only", {{"-q", "-i", "talk.xspf"}, false, 0, "", "", ""}},
        {"batch: output under a regular file",
         {{"-q", "-i", "news.m3u", "-o", "news.m3u/out.pls"},
          false,
          1,
          "",
          "Couldn't open the file!\n",
          ""}},
        {"batch: nothing left to write",
         {{"-q", "-i", "missing.m3u", "-o", "out.pls"},
          false,
          1,
          "",
          "The file doesn't exist!\nNothing written: the playlists hold no entry to write.\n",
          ""}},
        {"--help", {{"--help"}, false, 0, CommandLine::usageText(), "", ""}},
        {"-h after other arguments",
         {{"-q", "-i", "news.m3u", "-h"}, false, 0, CommandLine::usageText(), "", ""}},
        {"--version", {{"--version"}, false, 0, "Kestrelpad 1.2\n", "", ""}},
    };
    const QList<QPair<QStringList, QString>> usage{
        {{"-q"}, "-q needs -i and at least one playlist file."},
        {{"-q", "-o", "out.pls"}, "-q needs -i and at least one playlist file."},
        {{"-q", "-i", "-o", "out.pls"}, "-i must be followed by at least one playlist file."},
        {{"-q", "-i", "news.m3u", "-o"}, noName},
        {{"-q", "-i", "news.m3u", "-o", "out.m3u"}, notPls},
        {{"-q", "-i", "news.m3u", "-x", "-o", "out.pls"}, "Unknown argument: -x"},
        {{"-q", "stray.pls", "-i", "news.m3u"}, "Unknown argument: stray.pls"},
        {{"-q", "-i", "news.m3u", "-i", "jazz.pls"}, "-i may be given only once."},
    };
    QTest::addColumn<Case>("c");
    for (const auto &[name, c] : cases)
        QTest::newRow(name) << c;
    for (const auto &[arguments, message] : usage)
        QTest::addRow("usage: %s", qPrintable(arguments.join(' ')))
            << Case{arguments,
                    false,
                    2,
                    "",
                    message + "\nTry \"kestrelpad --help\" for more information.\n",
                    ""};
}

// The window's child gets a runtime folder, so that the toolkit does not warn
// about a missing one; the program runs as on a machine without a display.
// Neither writes the settings file.
void TestCommandLine::run()
{
    QFETCH(Case, c);

    QTemporaryDir dir, runtime;
    for (const char *name : {"jazz.pls", "LIST.PLS", "news.m3u", "radio.M3U", "talk.xspf",
                             "skipped.pls", "broken.xspf", "old1.pls"})
        QVERIFY(QFile::copy(TEST_DATA_DIR "/open/" + QString(name), dir.filePath(name)));
    const QByteArray settings = "[Kestrel]\nPathPlayList=/nowhere\nPosition=@Point(7 9)\n";
    QVERIFY(writeBytes(dir.filePath("settings.ini"), settings));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (c.window) {
        environment.insert(ChildVariable, "1");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
    }
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        if (!c.window)
            environment.remove(name);
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessEnvironment(environment);
    process.start(c.window ? QCoreApplication::applicationFilePath()
                           : KESTREL_BINARY_DIR "/bin/kestrelpad",
                  c.arguments);
    QVERIFY(process.waitForFinished(60000) || (process.kill(), false));

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), c.exitCode);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()),
             QString(c.out).replace("%1", QDir(dir.path()).canonicalPath()));
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()),
             QString(c.err).replace("%1", QDir(dir.path()).canonicalPath()));
    const QString written = c.written.section('=', 0, 0);
    QStringList files = before + QStringList(written);
    files.removeAll(QString());
    files.sort(Qt::CaseInsensitive);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    if (!written.isEmpty())
        QCOMPARE(bytesOf(dir.filePath(written)),
                 bytesOf(TEST_DATA_DIR "/written/" + c.written.section('=', 1)));
    QCOMPARE(bytesOf(dir.filePath("settings.ini")), settings);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable))
        return describeWindow();
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commandline.moc"

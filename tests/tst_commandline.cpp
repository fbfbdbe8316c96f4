// The command line: "-i" and "-o" as the window handles them at start-up, and
// the converter, the stream check, help and version of the real program. Each
// case runs in a process of its own, since the window reads the arguments of
// its process; the program runs on a platform that does not exist, so it may
// load none.

#include "converter/commandline.h"
#include "streamserver.h"
#include "windowtest.h"

#include <QLayout>
#include <QProcess>

#include <cstdio>

using namespace WindowTest;

namespace {

const char ChildVariable[] = "KESTREL_TEST_WINDOW_CHILD";

// In the child: what the window shows once its constructor has handled the
// command line, as "title|entry count|path|enabled document actions|titles";
// a box it showed is a warning on standard error.
int describeWindow()
{
    MessageBox::setAnswering(true);
    MainWindow window;
    window.statusBar()->layout()->activate(); // the labels in their places
    const QStringList labels = statusLabels(&window);
    QStringList shown{window.windowTitle(), labels.value(0), labels.value(1),
                      QString::number(enabledActions(&window))};
    auto *table = child<QTableWidget>(&window, "tableFile");
    for (int row = 0; row < table->rowCount(); ++row)
        shown << table->item(row, 0)->text();
    std::fputs(qPrintable(shown.join('|')), stdout);
    return 0;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();

private:
    StreamServer m_server;
};

// The samples of data/open, an empty M3U file, and the stations of the test's
// server in alive.m3u (a station and a udp address) and dead.m3u (a missing
// station and one that answers) lie in the working folder.
void TestCommandLine::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // window: what describeWindow() tells; %1 folder, %2 server
    QTest::addColumn<QString>("err");
    QTest::addColumn<QString>("written"); // new file = its sample under data/written
    const QString jazz = "Jazz Lounge|City News TV", news = "Morning Talk|Evening Talk";
    const QString jazzWindow = "jazz.pls - Kestrelpad|2|%1/jazz.pls|0|" + jazz;
    const QString nothing = "Nothing written: the playlists hold no entry to write.\n";
    const QString missing = ": The file doesn't exist!\n";
    const QString noName = "Nothing written: -o must be followed by the name of a PLS file.";
    const QString notPls = "Nothing written: \"out.m3u\" does not end with .pls.";

    addRow("window: two inputs merge, and Save stays usable",
           QStringList{"-i", "jazz.pls", "news.m3u"}, 0,
           "* jazz.pls - Kestrelpad|4|%1/jazz.pls|4|" + jazz + '|' + news, "", "");
    addRow("window: output before input, suffix in capitals",
           QStringList{"-o", "OUT.PLS", "-i", "news.m3u"}, 0,
           "OUT.PLS - Kestrelpad|2|%1/OUT.PLS|0|" + news, "", "OUT.PLS=news.pls");
    addRow("window: output without input", QStringList{"-o", "out.pls"}, 0, "Kestrelpad|0||0",
           "Nothing written: -o needs playlist files after -i.\n", "");
    addRow("window: -o with no name after it", QStringList{"-o"}, 0, "Kestrelpad|0||0",
           noName + '\n', "");
    addRow("window: inputs end at the next option", QStringList{"-i", "jazz.pls", "-x", "LIST.PLS"},
           0, jazzWindow, "", "");
    addRow("window: output that is no PLS file", QStringList{"-i", "jazz.pls", "-o", "out.m3u"}, 0,
           jazzWindow, notPls + '\n', "");
    addRow("window: arguments before -i are passed over",
           QStringList{"LIST.PLS", "-i", "talk.xspf"}, 0,
           "* Kestrelpad|2||4|Harbour Radio|Folk Corner", "", "");

    addRow("batch: the README's conversion",
           QStringList{"-q", "-i", KESTREL_SOURCE_DIR "/examples/stations.m3u", "-o", "out.pls"}, 0,
           "", "", "out.pls=stations.pls");
    addRow("batch: three formats merged, a broken one fails the run",
           QStringList{"-o", "out.pls", "-i", "jazz.pls", "radio.M3U", "broken.xspf", "-q"}, 1, "",
           "broken.xspf: Error while parsing the xml-file!\n", "out.pls=merged.pls");
    addRow("batch: skipped entries are reported, not failed",
           QStringList{"-q", "-i", "skipped.pls", "-o", "out.pls"}, 0, "",
           "skipped.pls: 2 entries skipped: the address must start with http:// or udp://\n",
           "out.pls=skipped.pls");
    addRow("batch: older continuation files are named, not deleted",
           QStringList{"-q", "-i", "news.m3u", "-o", "old.pls"}, 0, "",
           "1 older continuation file(s) would still be played by the radio-box: %1/old1.pls\n",
           "old.pls=news.pls");
    addRow("batch: reading only", QStringList{"-q", "-i", "talk.xspf"}, 0, "", "", "");
    addRow("batch: unknown suffix fails, the rest is written",
           QStringList{"-q", "-i", "list.txt", "news.m3u", "-o", "out.pls"}, 1, "",
           "list.txt: not a playlist (the name must end in .pls, .m3u or .xspf)\n",
           "out.pls=news.pls");
    addRow("batch: M3U without a line fails, the rest is written",
           QStringList{"-q", "-i", "news.m3u", "empty.m3u", "-o", "out.pls"}, 1, "",
           "empty.m3u: holds no entries\n", "out.pls=news.pls");
    addRow("batch: two missing inputs, each named, nothing written",
           QStringList{"-q", "-i", "radio.m3u", "gone.pls", "-o", "out.pls"}, 1, "",
           "radio.m3u" + missing + "gone.pls" + missing + nothing, "");
    addRow("batch: output under a regular file",
           QStringList{"-q", "-i", "jazz.pls", "news.m3u", "-o", "news.m3u/out.pls"}, 1, "",
           "news.m3u/out.pls: Couldn't open the file!\n", "");
    // The answers in the order of the entries; the server runs in this test,
    // beside the event loop that waits for the program.
    addRow("check: none dead", QStringList{"-q", "--check", "-i", "alive.m3u"}, 0,
           "answers\t%2/icy\tICY, 128 kbit/s, \"Test FM\"\n"
           "unknown\tudp://239.0.0.1:1234\tudp: nothing to ask\n",
           "", "");
    addRow("check: one dead", QStringList{"-q", "--check", "-i", "dead.m3u"}, 1,
           "dead\t%2/gone\tHTTP/1.1 404 Not Found\nanswers\t%2/mpeg\taudio/mpeg\n", "", "");
    addRow("-h wins over a batch run", QStringList{"-q", "-i", "news.m3u", "-h"}, 0,
           CommandLine::usageText(), "", "");
    addRow("--version", QStringList{"--version"}, 0, "Kestrelpad 1.2\n", "", "");
    const QList<QPair<QStringList, QString>> refused{
        {{"-q", "-o", "out.pls"}, "-q needs -i and at least one playlist file."},
        {{"-q", "-i", "-o", "out.pls"}, "-i must be followed by at least one playlist file."},
        {{"-q", "-i", "news.m3u", "-o"}, noName},
        {{"-q", "-i", "news.m3u", "-o", "out.m3u"}, notPls},
        {{"-q", "stray.pls", "-i", "news.m3u"}, "Unknown argument: stray.pls"},
        {{"-q", "-i", "news.m3u", "-i", "jazz.pls"}, "-i may be given only once."},
    };
    for (const auto &[arguments, message] : refused)
        QTest::addRow("usage: %s", qPrintable(arguments.join(' ')))
            << arguments << 2 << ""
            << message + "\nTry \"kestrelpad --help\" for more information.\n"
            << "";
}

// The window runs in a child of this test, with a runtime folder so that the
// toolkit does not warn about a missing one. Neither it nor the program
// writes the settings file.
void TestCommandLine::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, written);

    QTemporaryDir dir, runtime;
    QVERIFY(QFile::copy(TEST_DATA_DIR "/m3u/empty.m3u", dir.filePath("empty.m3u")));
    const QString server = m_server.url("/").chopped(1);
    QVERIFY(
        writeBytes(dir.filePath("alive.m3u"), (server + "/icy\nudp://239.0.0.1:1234\n").toUtf8()));
    QVERIFY(
        writeBytes(dir.filePath("dead.m3u"), (server + "/gone\n" + server + "/mpeg\n").toUtf8()));
    for (const QString &name : QDir(TEST_DATA_DIR "/open").entryList(QDir::Files))
        QVERIFY(QFile::copy(TEST_DATA_DIR "/open/" + name, dir.filePath(name)));
    const QByteArray settings = "[Kestrel]\nPathPlayList=/nowhere\nPosition=@Point(7 9)\n";
    QVERIFY(writeBytes(dir.filePath("settings.ini"), settings));
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    const bool window =
        CommandLine::parse(QStringList{""} + arguments).action == CommandLine::Action::OpenWindow;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ChildVariable, "1");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", window ? "offscreen" : "nosuchplatform");
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessEnvironment(environment);
    process.start(window ? QCoreApplication::applicationFilePath()
                         : KESTREL_BINARY_DIR "/bin/kestrelpad",
                  arguments);
    QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 60000);

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString folder = QDir(dir.path()).canonicalPath();
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()), err.replace("%1", folder));
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()),
             out.replace("%1", folder).replace("%2", server));
    QTEST(process.exitCode(), "exitCode");
    const QString name = written.section('=', 0, 0);
    if (!name.isEmpty())
        files << name;
    files.sort(Qt::CaseInsensitive);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    if (!name.isEmpty())
        QCOMPARE(bytesOf(dir.filePath(name)),
                 bytesOf(TEST_DATA_DIR "/written/" + written.section('=', 1)));
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

// The command line: "-i" and "-o" as the window handles them at start-up, and
// the batch mode, help and version of the real program. Each case runs in a
// process of its own, since the window reads the arguments of its process.

#include "mainwindow/commandline.h"
#include "mainwindow/mainwindow.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

const char ChildVariable[] = "KESTREL_TEST_WINDOW_CHILD";
const QStringList Samples{"jazz.pls",  "LIST.PLS",    "news.m3u",   "radio.M3U",
                          "talk.xspf", "skipped.pls", "broken.xspf"};

// In the child: what the window shows once its constructor has handled the
// command line.
QByteArray describeWindow(QWidget *window)
{
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("tableFile"));
    QJsonArray titles;
    for (int row = 0; row < table->rowCount(); ++row)
        titles << table->item(row, 0)->text();
    QList<QLabel *> labels;
    for (QLabel *label : window->findChild<QStatusBar *>()->findChildren<QLabel *>())
        if (label->objectName().isEmpty())
            labels << label;
    QJsonArray enabled;
    for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
        if (window->findChild<QAction *>(QLatin1String(name))->isEnabled())
            enabled << QLatin1String(name);
    return QJsonDocument(QJsonObject{{"title", window->windowTitle()},
                                     {"titles", titles},
                                     {"count", labels.value(0)->text()},
                                     {"path", labels.value(1)->text()},
                                     {"enabled", enabled}})
        .toJson(QJsonDocument::Compact);
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window_data();
    void window();
    void batch_data();
    void batch();
    void helpAndVersion_data();
    void helpAndVersion();
    void batchWithoutDisplay();
    void batchLeavesSettingsAlone();

private:
    Run run(const QString &program, const QStringList &arguments,
            const QProcessEnvironment &environment);
    Run runProgram(const QStringList &arguments)
    {
        return run(QStringLiteral(KESTREL_BINARY_DIR "/bin/kestrelpad"), arguments,
                   QProcessEnvironment::systemEnvironment());
    }
    QStringList scratchFiles() const
    {
        QStringList files = QDir(m_dir->path()).entryList(QDir::Files);
        files.sort();
        return files;
    }

    QTemporaryDir *m_dir = nullptr;
};

void TestCommandLine::init()
{
    m_dir = new QTemporaryDir;
    for (const QString &name : Samples)
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/open/") + name, m_dir->filePath(name)));
}

void TestCommandLine::cleanup()
{
    delete m_dir;
}

// Relative names in the arguments are resolved against the scratch folder,
// which is the child's working directory.
Run TestCommandLine::run(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(m_dir->path());
    process.setProcessEnvironment(environment);
    process.start();
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void TestCommandLine::window_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("path"); // relative to the scratch folder
    QTest::addColumn<bool>("actionsEnabled");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("error");

    const QStringList jazz{"Jazz Lounge", "City News TV"};
    const QStringList news{"Morning Talk", "Evening Talk"};
    QTest::newRow("two inputs merge, and Save stays usable")
        << QStringList{"-i", "jazz.pls", "news.m3u"} << "* jazz.pls - Kestrelpad" << jazz + news
        << "jazz.pls" << true << QString() << QString();
    QTest::newRow("M3U written as the document")
        << QStringList{"-i", "news.m3u", "-o", "out.pls"} << "out.pls - Kestrelpad" << news
        << "out.pls" << false << "out.pls" << QString();
    QTest::newRow("output before input, suffix in capitals")
        << QStringList{"-o", "OUT.PLS", "-i", "news.m3u"} << "OUT.PLS - Kestrelpad" << news
        << "OUT.PLS" << false << "OUT.PLS" << QString();
    QTest::newRow("output without input")
        << QStringList{"-o", "out.pls"} << "Kestrelpad" << QStringList() << QString() << false
        << QString() << "Nothing written: -o needs playlist files after -i.\n";
    QTest::newRow("-i directly followed by -o")
        << QStringList{"-i", "-o", "out.pls"} << "Kestrelpad" << QStringList() << QString() << false
        << QString() << "Nothing written: -o needs playlist files after -i.\n";
    QTest::newRow("inputs end at the next option")
        << QStringList{"-i", "jazz.pls", "-x", "LIST.PLS"} << "jazz.pls - Kestrelpad" << jazz
        << "jazz.pls" << false << QString() << QString();
    QTest::newRow("output that is no PLS file")
        << QStringList{"-i", "jazz.pls", "-o", "out.m3u"} << "jazz.pls - Kestrelpad" << jazz
        << "jazz.pls" << false << QString()
        << "Nothing written: \"out.m3u\" does not end with .pls.\n";
    QTest::newRow("-o as the last argument")
        << QStringList{"-i", "jazz.pls", "-o"} << "jazz.pls - Kestrelpad" << jazz << "jazz.pls"
        << false << QString()
        << "Nothing written: -o must be followed by the name of a PLS file.\n";
    QTest::newRow("arguments before -i are passed over")
        << QStringList{"LIST.PLS", "-i", "talk.xspf"} << "Kestrelpad"
        << QStringList{"Harbour Radio", "Folk Corner"} << QString() << false << QString()
        << QString();
}

void TestCommandLine::window()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    QFETCH(QStringList, titles);
    QFETCH(QString, path);
    QFETCH(bool, actionsEnabled);
    QFETCH(QString, written);
    QFETCH(QString, error);

    QTemporaryDir runtime; // keeps the toolkit from warning about a missing one
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(ChildVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const QStringList before = scratchFiles();
    const Run child = run(QCoreApplication::applicationFilePath(), arguments, environment);

    QCOMPARE(child.exitCode, 0);
    QCOMPARE(QString::fromLocal8Bit(child.err), error);
    const QJsonObject shown = QJsonDocument::fromJson(child.out).object();
    QCOMPARE(shown.value("title").toString(), title);
    QCOMPARE(shown.value("titles").toVariant().toStringList(), titles);
    QCOMPARE(shown.value("count").toString(), QString::number(titles.size()));
    const QString dir = QDir(m_dir->path()).canonicalPath();
    QCOMPARE(shown.value("path").toString(), path.isEmpty() ? QString() : dir + '/' + path);
    QCOMPARE(shown.value("enabled").toArray().size(), actionsEnabled ? 4 : 0);
    QStringList expected = before;
    if (!written.isEmpty())
        expected << written;
    expected.sort();
    QCOMPARE(scratchFiles(), expected);
}

void TestCommandLine::batch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QByteArray>("written"); // the bytes of out.pls; empty: no file

    const QByteArray news = "[playlist]\r\nNumberOfEntries=2\r\n"
                            "\r\nFile0=http://talk.example.com/morning\r\nTitle0=Morning Talk\r\n"
                            "Length0=-1\r\n"
                            "\r\nFile1=http://talk.example.com/evening\r\nTitle1=Evening Talk\r\n"
                            "Length1=-1\r\n"
                            "\r\nVersion=2\r\n";
    const QByteArray merged =
        "[playlist]\r\nNumberOfEntries=4\r\n"
        "\r\nFile0=http://jazz.example.org:8000/live\r\nTitle0=Jazz Lounge\r\n"
        "Length0=-1\r\n"
        "\r\nFile1=udp://239.0.0.1:1234\r\nTitle1=City News TV\r\n"
        "listtype=TV\r\nLength1=-1\r\n"
        "\r\nFile2=http://plain.example.com/radio\r\nTitle2=\r\n"
        "Length2=-1\r\n"
        "\r\nFile3=http://before.example.org/\r\nTitle3=Before The Break\r\n"
        "Length3=-1\r\n"
        "\r\nVersion=2\r\n";
    const QString tryHelp = QStringLiteral("\nTry \"kestrelpad --help\" for more information.\n");

    QTest::newRow("M3U converted")
        << QStringList{"-q", "-i", "news.m3u", "-o", "out.pls"} << 0 << QString() << news;
    QTest::newRow("three formats merged, a broken one fails the run")
        << QStringList{"-o", "out.pls", "-i", "jazz.pls", "radio.M3U", "broken.xspf", "-q"} << 1
        << "Error while parsing the xml-file!\n"
        << merged;
    QTest::newRow("a missing input fails the run, the rest is written")
        << QStringList{"-q", "-i", "missing.pls", "news.m3u", "-o", "out.pls"} << 1
        << "The file doesn't exist!\n"
        << news;
    QTest::newRow("skipped entries are reported, not failed")
        << QStringList{"-q", "-i", "skipped.pls", "-o", "out.pls"} << 0
        << "2 entries skipped: the address must start with http:// or udp://\n"
        << QByteArray("[playlist]\r\nNumberOfEntries=2\r\n"
                      "\r\nFile0=http://one.example.com/\r\nTitle0=Kept One\r\nLength0=-1\r\n"
                      "\r\nFile1=udp://239.1.1.1:5000\r\nTitle1=Kept Two\r\nLength1=-1\r\n"
                      "\r\nVersion=2\r\n");
    QTest::newRow("reading only") << QStringList{"-q", "-i", "talk.xspf"} << 0 << QString()
                                  << QByteArray();
    QTest::newRow("output under a regular file")
        << QStringList{"-q", "-i", "news.m3u", "-o", "news.m3u/out.pls"} << 1
        << "Couldn't open the file!\n"
        << QByteArray();
    QTest::newRow("nothing left to write")
        << QStringList{"-q", "-i", "missing.m3u", "-o", "out.pls"} << 1
        << "The file doesn't exist!\nNothing written: the playlists hold no entry to write.\n"
        << QByteArray();

    const QStringList outputLast{"-q", "-i", "news.m3u", "-o"};
    const QList<QPair<QStringList, QString>> usage{
        {{"-q"}, "-q needs -i and at least one playlist file."},
        {{"-q", "-o", "out.pls"}, "-q needs -i and at least one playlist file."},
        {{"-q", "-i", "-o", "out.pls"}, "-i must be followed by at least one playlist file."},
        {outputLast, "Nothing written: -o must be followed by the name of a PLS file."},
        {{"-q", "-i", "news.m3u", "-o", "out.m3u"},
         "Nothing written: \"out.m3u\" does not end with .pls."},
        {{"-q", "-i", "news.m3u", "-x", "-o", "out.pls"}, "Unknown argument: -x"},
        {{"-q", "stray.pls", "-i", "news.m3u"}, "Unknown argument: stray.pls"},
        {{"-q", "-i", "news.m3u", "-i", "jazz.pls"}, "-i may be given only once."},
    };
    for (const auto &[arguments, message] : usage)
        QTest::addRow("usage: %s", qPrintable(arguments.join(' ')))
            << arguments << 2 << message + tryHelp << QByteArray();
}

void TestCommandLine::batch()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(QByteArray, written);

    const Run program = runProgram(arguments);

    QCOMPARE(program.exitCode, exitCode);
    QCOMPARE(QString::fromLocal8Bit(program.err), error);
    QCOMPARE(program.out, QByteArray());
    QFile output(m_dir->filePath(QStringLiteral("out.pls")));
    QCOMPARE(output.exists(), !written.isEmpty());
    if (output.open(QIODevice::ReadOnly))
        QCOMPARE(output.readAll(), written);
}

void TestCommandLine::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");

    QTest::newRow("--help") << QStringList{"--help"} << CommandLine::usageText();
    QTest::newRow("-h after other arguments")
        << QStringList{"-q", "-i", "news.m3u", "-h"} << CommandLine::usageText();
    QTest::newRow("--version") << QStringList{"--version"} << "Kestrelpad 1.2\n";
}

// Neither needs a display, so they are tried without one.
void TestCommandLine::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    const QStringList before = scratchFiles();
    const Run program =
        run(QStringLiteral(KESTREL_BINARY_DIR "/bin/kestrelpad"), arguments, environment);

    QCOMPARE(program.exitCode, 0);
    QCOMPARE(QString::fromLocal8Bit(program.out), output);
    QCOMPARE(program.err, QByteArray());
    QCOMPARE(scratchFiles(), before);
}

// The conversion that the README shows, on a machine without a display.
void TestCommandLine::batchWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(name));
    const Run program = run(
        QStringLiteral(KESTREL_BINARY_DIR "/bin/kestrelpad"),
        {"-q", "-i", KESTREL_SOURCE_DIR "/examples/stations.m3u", "-o", "out.pls"}, environment);

    QCOMPARE(program.exitCode, 0);
    QCOMPARE(program.err, QByteArray());
    QFile output(m_dir->filePath(QStringLiteral("out.pls")));
    QVERIFY(output.open(QIODevice::ReadOnly));
    QVERIFY(output.readAll().startsWith("[playlist]\r\nNumberOfEntries=4\r\n"));
}

// A batch run neither places a window nor stores one: settings.ini is not
// created, and an existing one keeps its bytes.
void TestCommandLine::batchLeavesSettingsAlone()
{
    const QString settings = m_dir->filePath(QStringLiteral("settings.ini"));
    QCOMPARE(runProgram({"-q", "-i", "news.m3u", "-o", "out.pls"}).exitCode, 0);
    QVERIFY(!QFile::exists(settings));

    const QByteArray stored = "[Kestrel]\nPathPlayList=/nowhere\nWindowPosition=@Point(7 9)\n";
    QFile file(settings);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(stored);
    file.close();
    QCOMPARE(runProgram({"-q", "-i", "news.m3u", "-o", "again.pls"}).exitCode, 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable)) {
        MainWindow window;
        std::fputs(describeWindow(&window).constData(), stdout);
        return 0;
    }
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commandline.moc"

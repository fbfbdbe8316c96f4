// Saves that fail halfway because the disk is full. A child process gets a
// file-size limit, so that a write beyond it fails as on a full disk; the
// file that was there before must come through byte for byte.

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

#include "childprocess.h"
#include "editortest.h"

#include <QProcess>

using namespace PlaylistTest;
using EditorTest::BoxAnswerer;
using EditorTest::Editor;
using EditorTest::FileDialogAnswerer;

namespace {

QList<plsFile::Entry> stations(int count, const QString &name, int longTitleAt = -1)
{
    QList<plsFile::Entry> entries;
    for (int i = 0; i < count; ++i) {
        const QString title = i == longTitleAt ? QString(1900, u'L') : name + QString::number(i);
        entries.append({title, QUrl(QStringLiteral("http://s%1.example/live").arg(i)), 1 + i % 2});
    }
    return entries;
}

// Saves the entries with the named writer into dir/list.<suffix> and returns
// the result code; 127 when the writer gave none.
qint8 save(const QString &writer, const QList<plsFile::Entry> &entries, const QString &dir)
{
    qint8 code = 127;
    const auto keep = [&code](qint8 result) { code = result; };
    if (writer == QLatin1String("pls")) {
        plsFile file;
        QObject::connect(&file, &plsFile::readingFinished, keep);
        file.setEntries(entries);
        file.saveFile(dir + QStringLiteral("/list.pls"));
        return code;
    }
    QList<m3uFile::Entry> m3u;
    QList<xspfFile::Entry> xspf;
    for (const plsFile::Entry &entry : entries) {
        m3u.append({entry.title, entry.url});
        xspf.append({entry.title, entry.url});
    }
    if (writer == QLatin1String("xspf")) {
        xspfFile file;
        QObject::connect(&file, &xspfFile::readingFinished, keep);
        file.setEntries(xspf);
        file.saveFile(dir + QStringLiteral("/list.xspf"));
        return code;
    }
    m3uFile file;
    QObject::connect(&file, &m3uFile::readingFinished, keep);
    file.setEntries(m3u);
    if (writer == QLatin1String("m3u simple"))
        file.saveSimpleFile(dir + QStringLiteral("/list.m3u"));
    else
        file.saveExtendedFile(dir + QStringLiteral("/list.m3u"));
    return code;
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> contents(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, bytesOf(dir + u'/' + name));
    return files;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void writersLeaveOldFiles_data();
    void writersLeaveOldFiles();
    void windowKeepsPlaylistModified();
};

// `before` is saved first without a limit; `after` is then saved under a
// limit of `limit` bytes per file. `replaced` names the files that the failed
// save may have replaced, each with its complete new content; every other
// file keeps its old bytes.
void TestFullDisk::writersLeaveOldFiles_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("longTitleAt");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QStringList>("replaced");

    QTest::newRow("PLS, one file") << "pls" << 2 << 5 << -1 << qint64(100) << QStringList();
    QTest::newRow("PLS, nothing fits") << "pls" << 45 << 45 << -1 << qint64(0) << QStringList();
    // Two files of short entries fit; the third, with one long title, does not.
    QTest::newRow("PLS, third of three files")
        << "pls" << 45 << 39 << 38 << qint64(1600) << QStringList{"list.pls", "list1.pls"};
    QTest::newRow("M3U plain") << "m3u simple" << 2 << 9 << -1 << qint64(120) << QStringList();
    QTest::newRow("M3U extended") << "m3u extended" << 2 << 5 << -1 << qint64(150) << QStringList();
    QTest::newRow("XSPF") << "xspf" << 2 << 5 << -1 << qint64(400) << QStringList();
}

void TestFullDisk::writersLeaveOldFiles()
{
    QFETCH(QString, writer);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, longTitleAt);
    QFETCH(qint64, limit);
    QFETCH(QStringList, replaced);

    QTemporaryDir dir;
    QTemporaryDir reference;
    const QList<plsFile::Entry> newEntries = stations(after, QStringLiteral("New "), longTitleAt);
    QCOMPARE(save(writer, stations(before, QStringLiteral("Old ")), dir.path()), qint8(0));
    QCOMPARE(save(writer, newEntries, reference.path()), qint8(0));
    const QMap<QString, QByteArray> old = contents(dir.path());
    const QMap<QString, QByteArray> complete = contents(reference.path());
    for (const QString &name : replaced)
        QVERIFY2(complete.value(name).size() <= limit, qPrintable(name));

    const ChildProcess::Outcome outcome =
        ChildProcess::run([=] { ChildProcess::limitFileSize(limit); },
                          [&] { return QString::number(save(writer, newEntries, dir.path())); });
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.output, QStringLiteral("-1"));

    QMap<QString, QByteArray> expected = old;
    for (const QString &name : replaced)
        expected.insert(name, complete.value(name));
    const QMap<QString, QByteArray> now = contents(dir.path());
    QCOMPARE(now.keys(), expected.keys()); // no half-written temporary file stays behind
    for (const QString &name : now.keys())
        QVERIFY2(now.value(name) == expected.value(name), qPrintable(name));
}

// Save through the window onto a full disk: the box says so, and the playlist
// stays marked as changed under its old title, so that closing still asks.
// The window runs in a child of its own: a fork would share the event loop's
// descriptors with this process.
void TestFullDisk::windowKeepsPlaylistModified()
{
    if (!qEnvironmentVariableIsSet("KESTREL_FULL_DISK_CHILD")) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KESTREL_FULL_DISK_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("windowKeepsPlaylistModified")});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
        return;
    }

    Editor editor;
    QVERIFY(editor.active);
    const QString path = editor.path(QStringLiteral("list.pls"));
    QVERIFY(QFile::copy(sample(QStringLiteral("pls/own.pls")), path));
    const QByteArray old = bytesOf(path);
    {
        FileDialogAnswerer dialog({path});
        BoxAnswerer boxes;
        editor.trigger("actionOpen");
        QVERIFY(boxes.seen.isEmpty());
    }
    editor.add(QStringLiteral("Added"), QStringLiteral("http://added.example/"));
    const QString title = editor.title();
    QCOMPARE(title, QStringLiteral("* list.pls - Kestrelpad"));

    ChildProcess::limitFileSize(old.size() / 2);
    BoxAnswerer boxes({QMessageBox::Ok});
    editor.press(QKeySequence::Save);

    QCOMPARE(boxes.texts(), QStringList{"Couldn't open the file!"});
    QCOMPARE(editor.title(), title);
    QVERIFY(editor.window->isModified());
    QVERIFY(editor.enabledActions().contains(QStringLiteral("actionSave")));
    QCOMPARE(bytesOf(path), old);
    QCOMPARE(QDir(editor.dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"list.pls"});
}

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"

// Files made to hurt or merely broken, and saves onto a full disk. A read
// must finish, say what it should and use memory in proportion to the file;
// a save that fails halfway must leave the old files whole. Both run in a
// forked child under a limit: an address space that may grow by only a few
// times the file's size, or a file size that plays the full disk. A read
// that holds too much, or a write that meets the limit, then ends the child
// and not the test.

#include "editortest.h"
#include "playlist/streamaddress.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStyledItemDelegate>

#include <csignal>
#include <cstdio>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// AddressSanitizer reserves terabytes of address space for its shadow memory
// at start-up, so under it an address-space limit means nothing.
#if defined(__SANITIZE_ADDRESS__)
#define KESTREL_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTREL_ADDRESS_SANITIZER
#endif
#endif

using namespace PlaylistTest;
using namespace EditorTest;

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Lets the address space grow by at most `bytes` beyond what it holds now.
void limitAddressSpace([[maybe_unused]] qint64 bytes)
{
#ifndef KESTREL_ADDRESS_SANITIZER
    const QByteArray text = bytesOf("/proc/self/status");
    const qsizetype at = text.indexOf("VmSize:") + 7;
    const rlim_t limit = text.mid(at, text.indexOf("kB", at) - at).trimmed().toLongLong() * 1024;
    const rlimit value{limit + rlim_t(bytes), limit + rlim_t(bytes)};
    setrlimit(RLIMIT_AS, &value);
#endif
}

// A disk that is full after `bytes` bytes of any one file: writes beyond it
// fail with EFBIG instead of killing the process. Gives the limit before.
rlimit limitFileSize(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit value{rlim_t(bytes), before.rlim_max};
    setrlimit(RLIMIT_FSIZE, &value);
    return before;
}

// What `body` returned in a child after `limit`, or "crashed" when the child
// did not end by itself; one still busy after a minute is killed, so that a
// hang fails the test instead of stalling it.
QString inChild(const std::function<void()> &limit, const std::function<QString()> &body)
{
    int ends[2];
    std::fflush(nullptr);
    const pid_t pid = pipe(ends) == 0 ? fork() : -1;
    if (pid == 0) {
        // Qt Test's crash handler would start a debugger, which a child short
        // of memory cannot; and an allocation that the limit refuses throws,
        // which Qt Test would catch to go on with the rest of the suite here.
        for (const int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
            std::signal(sig, SIG_DFL);
        alarm(60);
        limit();
        try {
            const QByteArray text = body().toUtf8();
            _exit(write(ends[1], text.constData(), size_t(text.size())) == text.size() ? 0 : 1);
        } catch (...) {
            _exit(2);
        }
    }
    QByteArray text;
    if (pid > 0) {
        close(ends[1]);
        char buffer[4096];
        for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, got);
        close(ends[0]);
    }
    int status = 0;
    const bool ended = pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    return ended && WEXITSTATUS(status) == 0 ? QString::fromUtf8(text) : QStringLiteral("crashed");
}

// The signals of reading the file, then the number of entries read.
template<class File> QString readIn(const QString &path)
{
    File file;
    const QString result = emitted(&file, [&] { file.readFile(path); });
    return result + u' ' + QString::number(file.entries().size());
}

// A file of head, then unit `repeat` times, then tail. Reading it gives
// `result`: the signals, then the number of entries unless the reader may
// take what it can. The read may add `factor` times the file's size and
// 32 MiB to the address space.
struct HostileFile
{
    const char *name;
    QString (*read)(const QString &path);
    QByteArray head, unit;
    qint64 repeat;
    QByteArray tail;
    QString result;
    int factor;
};

// Saves `count` stations into dir, titled with `prefix` and their number but
// one of 1900 characters at `longAt`; gives the signals of the save.
using Save =
    std::function<QString(const QString &dir, int count, const QString &prefix, int longAt)>;

template<class File> Save saveWith(void (File::*slot)(QString), const QString &name)
{
    return [=](const QString &dir, int count, const QString &prefix, int longAt) {
        QList<typename File::Entry> entries(count);
        for (int i = 0; i < count; ++i) {
            entries[i].title = i == longAt ? QString(1900, u'L') : prefix + QString::number(i);
            entries[i].url = QUrl(QString("http://s%1.example/live").arg(i));
            if constexpr (std::is_same_v<File, plsFile>)
                entries[i].type = 1 + i % 2;
        }
        File file;
        file.setEntries(entries);
        return emitted(&file, [&] { (file.*slot)(dir + u'/' + name); });
    };
}

// `before` entries are saved first without a limit, then `after` entries
// under a limit of `limit` bytes a file. The failed save may have replaced
// the files named in `replaced`, each with its whole new content; every
// other file keeps its old bytes.
struct FullDisk
{
    const char *name;
    Save save;
    int before, after, longAt;
    qint64 limit;
    QStringList replaced;
};

// Every file of a folder, hidden ones included, with its bytes.
QMap<QString, QByteArray> contents(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, bytesOf(dir + u'/' + name));
    return files;
}

// Opens the file through the window's Open dialog; `selected`, if given,
// runs once the dialog has taken the name.
void openInWindow(Editor &editor, const QString &path,
                  const std::function<void()> &selected = nullptr)
{
    FileDialogAnswerer dialog({path}, [&](QFileDialog *shown) {
        if (selected)
            QObject::connect(shown, &QFileDialog::fileSelected, selected);
    });
    editor.trigger("actionOpen");
}

} // namespace

Q_DECLARE_METATYPE(HostileFile)
Q_DECLARE_METATYPE(FullDisk)

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void readsWithinMemory_data();
    void readsWithinMemory();
    void writersLeaveOldFiles_data();
    void writersLeaveOldFiles();
    void fileGoneBeforeRead_data();
    void fileGoneBeforeRead();
    void hugeCellsStayPaintable_data();
    void hugeCellsStayPaintable();
    void windowKeepsPlaylistModified();
    void addressTestAgreesWithQUrl();
};

void TestHostile::readsWithinMemory_data()
{
    const QByteArray xspfHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><playlist version=\"1\" "
                                "xmlns=\"http://xspf.org/ns/0/\"><trackList>";
    const QByteArray xspfTail = "</trackList></playlist>";
    const QByteArray flatPls = "File1=http://a.example/ Title1=Caf\xE9 ";
    const QByteArray track = "<track><title>" + QByteArray(900, 'T') +
                             "</title><location>http://a.example/live</location></track>";
    const QByteArray closing = QByteArray("</a>").repeated(100000);
    QByteArray fileLines = "[playlist]\r\n";
    for (int i = 1; i <= 1000000; ++i)
        fileLines +=
            "File" + QByteArray::number(i) + "=http://s" + QByteArray::number(i) + ".x/\r\n";
    const QByteArray image = bytesOf(KESTREL_SOURCE_DIR "/images/program.png");
    addCases<HostileFile>({
        // Decoded as Latin-1 once UTF-8 failed, which must free its text first.
        {"100 MB PLS without line breaks, not UTF-8", readIn<plsFile>, "[playlist] ", flatPls,
         100 * MiB / flatPls.size(), "", "read 0 0", 4},
        // The one entry is an address as long as the file, twice its size as text.
        {"100 MB M3U without line breaks is one address", readIn<m3uFile>, "http://a.example/",
         QByteArray(1024, 'a'), 100 * 1024, "", "read 0 1", 7},
        {"100 MB XSPF on one line", readIn<xspfFile>, xspfHead, track, 100 * MiB / track.size(),
         xspfTail, QString("read 0 %1").arg(100 * MiB / track.size()), 4},
        // Each is a station of its own; its parsed address takes some 300
        // bytes for a line of 30.
        {"1,000,000 File lines without titles", readIn<plsFile>, fileLines, "", 0, "",
         "read 0 1000000", 16},
        // Qt's XML reader keeps some 200 bytes for every element still open.
        {"100,000 nested elements around a track", readIn<xspfFile>, xspfHead, "<a>", 100000,
         "<track><title>T</title><location>http://x/</location></track>" + closing + xspfTail,
         "read 0 1", 40},
        {"100,000 nested elements inside a title", readIn<xspfFile>, xspfHead + "<track><title>",
         "<a>", 100000, closing + "</title></track>" + xspfTail, "read -3 0", 40},
        {"billion laughs", readIn<xspfFile>, bytesOf(sample("xspf/laughs.xspf")), "", 0, "",
         "read -3 0", 4},
        // Each use is within Qt's limit for one entity; all of them make a
        // title of 100 million characters.
        {"one wide entity used 25,000 times", readIn<xspfFile>,
         "<?xml version=\"1.0\"?><!DOCTYPE playlist [<!ENTITY e \"" + QByteArray(3990, 'h') +
             "\">]><playlist><trackList><track><location>http://x/</location><title>",
         "&e;", 25000, "</title></track></trackList></playlist>", "read -3 0", 4},
        // The line readers may take some of the bytes for entries.
        {"an image renamed .pls", readIn<plsFile>, image, "", 0, "", "read 0", 4},
        {"an image renamed .m3u", readIn<m3uFile>, image, "", 0, "", "read 0", 4},
        {"an image renamed .xspf", readIn<xspfFile>, image, "", 0, "", "read -3 0", 4},
    });
}

void TestHostile::readsWithinMemory()
{
    QFETCH(HostileFile, c);
    QTemporaryDir dir;
    QFile file(dir.filePath("input"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(c.head) == c.head.size());
    // In pieces: in one go, a 100 MB file would take three copies of it.
    for (qint64 left = c.repeat; left > 0; left -= 1000)
        file.write(c.unit.repeated(qMin<qint64>(left, 1000)));
    file.write(c.tail);
    file.close();
    QCOMPARE(file.size(), c.head.size() + c.repeat * c.unit.size() + c.tail.size());
    const QString path = file.fileName();
    const qint64 allowance = c.factor * file.size() + 32 * MiB;
    const QString output =
        inChild([=] { limitAddressSpace(allowance); }, [&] { return c.read(path); });
    QCOMPARE(output.section(u' ', 0, int(c.result.count(u' '))), c.result);
}

void TestHostile::writersLeaveOldFiles_data()
{
    const Save pls = saveWith<plsFile>(&plsFile::saveFile, "list.pls");
    const Save plain = saveWith<m3uFile>(&m3uFile::saveSimpleFile, "list.m3u");
    const Save extended = saveWith<m3uFile>(&m3uFile::saveExtendedFile, "list.m3u");
    addCases<FullDisk>({
        {"PLS, one file", pls, 2, 5, -1, 100, {}},
        {"PLS, nothing fits", pls, 45, 45, -1, 0, {}},
        // Two files of short entries fit; the third, with one long title, does not.
        {"PLS, third of three files", pls, 45, 39, 38, 1600, {"list.pls", "list1.pls"}},
        {"M3U plain", plain, 2, 9, -1, 120, {}},
        {"M3U extended", extended, 2, 5, -1, 150, {}},
        {"XSPF", saveWith<xspfFile>(&xspfFile::saveFile, "list.xspf"), 2, 5, -1, 400, {}},
    });
}

void TestHostile::writersLeaveOldFiles()
{
    QFETCH(FullDisk, c);
    QTemporaryDir dir, reference;
    QCOMPARE(c.save(dir.path(), c.before, "Old ", -1), QStringLiteral("write 0"));
    QCOMPARE(c.save(reference.path(), c.after, "New ", c.longAt), QStringLiteral("write 0"));
    QMap<QString, QByteArray> expected = contents(dir.path());
    for (const QString &name : c.replaced) {
        expected.insert(name, bytesOf(reference.filePath(name)));
        QVERIFY(expected.value(name).size() <= c.limit);
    }
    const QString output = inChild([&] { limitFileSize(c.limit); },
                                   [&] { return c.save(dir.path(), c.after, "New ", c.longAt); });
    QCOMPARE(output, QStringLiteral("write -1"));
    QCOMPARE(contents(dir.path()), expected); // no half-written file, no temporary one left behind
}

// The file is there when the dialog checks it and gone, or a folder, when the
// window reads it: another program moved it, or a network share dropped out.
void TestHostile::fileGoneBeforeRead_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("folder");
    for (const QString suffix : {"pls", "m3u", "xspf"}) {
        QTest::newRow(qPrintable("." + suffix + " vanishes")) << suffix << false;
        QTest::newRow(qPrintable("." + suffix + " becomes a folder")) << suffix << true;
    }
}

void TestHostile::fileGoneBeforeRead()
{
    QFETCH(QString, suffix);
    QFETCH(bool, folder);
    Editor editor;
    const QString path = editor.path("list." + suffix);
    QVERIFY(editor.active && QFile::copy(sample("pls/own.pls"), path));
    BoxAnswerer boxes({QMessageBox::Ok});
    openInWindow(editor, path, [&] {
        if (QFile::remove(path) && folder)
            QDir().mkdir(path);
    });
    QCOMPARE(boxes.texts(),
             QStringList{folder ? "Couldn't open the file!" : "The file doesn't exist!"});
    QCOMPARE(editor.table()->rowCount(), 0);
    QCOMPARE(editor.entryCount(), QStringLiteral("0"));
}

// A title or an address of ten million characters, as a file without line
// breaks gives one, stays whole in its cell, while the table shows only as
// much of it as a screen could: laid out whole, it took seconds to paint,
// again at every repaint.
void TestHostile::hugeCellsStayPaintable_data()
{
    QTest::addColumn<int>("column");
    QTest::newRow("title") << 0;
    QTest::newRow("address") << 1;
}

void TestHostile::hugeCellsStayPaintable()
{
    QFETCH(int, column);
    const QByteArray huge = QByteArray("http://a.example/") + QByteArray(10000000, 'a');
    Editor editor;
    const QString path = editor.path(column == 0 ? "huge.pls" : "huge.m3u");
    QVERIFY(editor.active &&
            writeBytes(path, column == 0 ? "[playlist]\nFile1=http://a/\nTitle1=" + huge : huge));
    BoxAnswerer boxes;
    openInWindow(editor, path);
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(editor.table()->rowCount(), 1);
    const QString text = editor.table()->item(0, column)->text();
    QCOMPARE(text.size(), huge.size());
    auto *delegate = qobject_cast<QStyledItemDelegate *>(editor.table()->itemDelegate());
    const QString shown = delegate ? delegate->displayText(text, QLocale()) : QString();
    QVERIFY2(!shown.isEmpty() && text.startsWith(shown) && shown.size() < 10000,
             qPrintable(QString::number(shown.size())));
    QVERIFY(!editor.window->grab().isNull());
}

// Save through the window onto a full disk: the box says so, and the playlist
// stays marked as changed under its old title, so that closing still asks.
void TestHostile::windowKeepsPlaylistModified()
{
    Editor editor;
    const QString path = editor.path("list.pls");
    QVERIFY(editor.active && QFile::copy(sample("pls/own.pls"), path));
    const QByteArray old = bytesOf(path);
    BoxAnswerer boxes({QMessageBox::Ok});
    openInWindow(editor, path);
    editor.add("Added", "http://added.example/");
    QCOMPARE(editor.title(), QStringLiteral("* list.pls - Kestrelpad"));
    {
        const rlimit before = limitFileSize(old.size() / 2);
        const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &before); });
        editor.press(QKeySequence::Save);
    }
    QCOMPARE(boxes.texts(), QStringList{"Couldn't open the file!"});
    QCOMPARE(editor.title(), QStringLiteral("* list.pls - Kestrelpad"));
    QVERIFY(editor.window->isModified() && editor.enabledActions().contains("actionSave"));
    QCOMPARE(bytesOf(path), old);
    QCOMPARE(QDir(editor.dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"list.pls"});
}

// The address test looks at the scheme without parsing the address, and
// must answer as QUrl would: for odd cases, then for random short strings of
// the characters that matter to a scheme.
void TestHostile::addressTestAgreesWithQUrl()
{
    QStringList addresses =
        QString("http://a.example/live|HTTP://A.EXAMPLE/|uDp://239.0.0.1:1234|"
                "http:|https://a/| http://a/|ht tp://a/|http?://a/|#http://a/|"
                "http://[::1|udp://%zz/|http\u0131://a/|\uff48ttp://a/|http%3A//a/|")
            .split(u'|');
    const QString alphabet = "hHtTpPuUdD:/?#%[]@ .+-1x\u0127\u212a\u0131";
    QRandomGenerator rng(1234);
    for (int i = 0; i < 20000; ++i) {
        QString text = rng.bounded(2) ? QString("http:").left(rng.bounded(6)) : QString();
        for (int n = rng.bounded(9); n > 0; --n)
            text += alphabet.at(rng.bounded(int(alphabet.size())));
        addresses << text;
    }
    for (const QString &text : std::as_const(addresses)) {
        const QString scheme = QUrl(text.trimmed()).scheme();
        QVERIFY2(kestrel::hasStreamScheme(text) == (scheme == "http" || scheme == "udp"),
                 qPrintable(text));
    }
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"

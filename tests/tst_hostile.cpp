// Files made to hurt or merely broken, and saves onto a full disk. A read
// must finish, say what it should and use memory in proportion to the file;
// a save that fails halfway must leave the old files whole. Both run in a
// forked child under a limit: an address space that may grow by only a few
// times the file's size, or a file size that plays the full disk. A read
// that holds too much, or a write that meets the limit, then ends the child
// and not the test.

#include "windowtest.h"

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

using namespace WindowTest;

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

// Saves `count` stations into dir as list.<format> (M3U extended), titled
// with `prefix` and their number but one of 1900 characters at `longAt`;
// gives the signals of the save.
QString save(const QString &format, const QString &dir, int count, const QString &prefix,
             int longAt)
{
    const QString path = dir + "/list." + format;
    const auto write = [&](auto &&file, auto slot) {
        QList<typename std::decay_t<decltype(file)>::Entry> entries(count);
        for (int i = 0; i < count; ++i) {
            entries[i].title = i == longAt ? QString(1900, u'L') : prefix + QString::number(i);
            entries[i].url = QUrl(QString("http://s%1.example/live").arg(i));
            if constexpr (std::is_same_v<std::decay_t<decltype(file)>, plsFile>)
                entries[i].type = 1 + i % 2;
        }
        file.setEntries(entries);
        return emitted(&file, [&] { slot(file); });
    };
    if (format == "pls")
        return write(plsFile(), [&](plsFile &file) { file.saveFile(path); });
    if (format == "xspf")
        return write(xspfFile(), [&](xspfFile &file) { file.saveFile(path); });
    return write(m3uFile(), [&](m3uFile &file) { file.saveExtendedFile(path); });
}

// Every file of a folder, hidden ones included, with its bytes.
QMap<QString, QByteArray> contents(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, bytesOf(dir + u'/' + name));
    return files;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void readsWithinMemory_data();
    void readsWithinMemory();
    void writersLeaveOldFiles_data();
    void writersLeaveOldFiles();
    void hugeCellsStayPaintable();
};

// A file of head, then unit `repeat` times, then tail, read as `format`.
// Reading it gives `result`: the signals, then the number of entries unless
// the reader may take what it can. The read may add `factor` times the
// file's size and 32 MiB to the address space.
void TestHostile::readsWithinMemory_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<qint64>("repeat");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("factor");

    const QByteArray xspfHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><playlist version=\"1\" "
                                "xmlns=\"http://xspf.org/ns/0/\"><trackList>";
    const QByteArray xspfTail = "</trackList></playlist>";
    const QByteArray flatPls = "File1=http://a.example/ Title1=Caf\xE9 ";
    const QByteArray closing = QByteArray("</a>").repeated(100000);
    const QByteArray track = "<track><title>" + QByteArray(900, 'T') +
                             "</title><location>http://a.example/live</location></track>";
    const QByteArray none;
    QByteArray fileLines = "[playlist]\r\n";
    for (int i = 1; i <= 1000000; ++i)
        fileLines +=
            "File" + QByteArray::number(i) + "=http://s" + QByteArray::number(i) + ".x/\r\n";
    // Decoded as Latin-1 once UTF-8 failed, which must free its text first.
    addRow("100 MB PLS without line breaks, not UTF-8", "pls", QByteArray("[playlist] "), flatPls,
           100 * MiB / flatPls.size(), none, "read 0 0", 4);
    // The one entry is an address as long as the file, twice its size as text.
    addRow("100 MB M3U without line breaks is one address", "m3u", QByteArray("http://a.example/"),
           QByteArray(1024, 'a'), qint64(100 * 1024), none, "read 0 1", 7);
    // Each is a station of its own; its parsed address takes some 290 bytes
    // for a line of 30.
    addRow("1,000,000 File lines without titles", "pls", fileLines, none, qint64(0), none,
           "read 0 1000000", 13);
    addRow("100 MB XSPF on one line", "xspf", xspfHead, track, 100 * MiB / track.size(), xspfTail,
           QString("read 0 %1").arg(100 * MiB / track.size()), 4);
    // Qt's XML reader keeps some 200 bytes for every element still open.
    addRow("100,000 nested elements inside a title", "xspf", xspfHead + "<track><title>",
           QByteArray("<a>"), qint64(100000), closing + "</title></track>" + xspfTail, "read -3 0",
           40);
}

void TestHostile::readsWithinMemory()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, unit);
    QFETCH(qint64, repeat);
    QFETCH(QByteArray, tail);
    QFETCH(QString, result);
    QFETCH(int, factor);
    QTemporaryDir dir;
    QFile file(dir.filePath("input"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(head) == head.size());
    // In pieces: in one go, a 100 MB file would take three copies of it.
    for (qint64 left = repeat; left > 0; left -= 1000)
        file.write(unit.repeated(qMin<qint64>(left, 1000)));
    file.write(tail);
    file.close();
    const qint64 allowance = factor * file.size() + 32 * MiB;
    // The signals, then the number of entries read.
    const auto read = [&](auto &&reader) {
        const QString result = emitted(&reader, [&] { reader.readFile(file.fileName()); });
        return result + u' ' + QString::number(reader.entries().size());
    };
    const QString output = inChild([=] { limitAddressSpace(allowance); },
                                   [&] {
                                       return format == "pls"   ? read(plsFile())
                                              : format == "m3u" ? read(m3uFile())
                                                                : read(xspfFile());
                                   });
    QCOMPARE(output.section(u' ', 0, int(result.count(u' '))), result);
}

// `before` entries are saved first without a limit, then `after` entries
// under a limit of `limit` bytes a file. The failed save may have replaced
// the files named in `replaced`, each with its whole new content; every
// other file keeps its old bytes.
void TestHostile::writersLeaveOldFiles_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("longAt");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QStringList>("replaced");
    addRow("PLS, one file", "pls", 2, 5, -1, qint64(100), QStringList());
    // Two files of short entries fit; the third, with one long title, does not.
    addRow("PLS, third of three files", "pls", 45, 39, 38, qint64(1600),
           QStringList{"list.pls", "list1.pls"});
    addRow("M3U extended", "m3u", 2, 5, -1, qint64(150), QStringList());
    addRow("XSPF", "xspf", 2, 5, -1, qint64(400), QStringList());
}

void TestHostile::writersLeaveOldFiles()
{
    QFETCH(QString, format);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, longAt);
    QFETCH(qint64, limit);
    QFETCH(QStringList, replaced);
    QTemporaryDir dir, reference;
    QCOMPARE(save(format, dir.path(), before, "Old ", -1), QStringLiteral("write 0"));
    QCOMPARE(save(format, reference.path(), after, "New ", longAt), QStringLiteral("write 0"));
    QMap<QString, QByteArray> expected = contents(dir.path());
    for (const QString &name : replaced) {
        expected.insert(name, bytesOf(reference.filePath(name)));
        QVERIFY(expected.value(name).size() <= limit);
    }
    // A disk full after `limit` bytes of any one file: writes beyond it fail
    // with EFBIG instead of killing the process.
    const auto fullDisk = [limit] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit value{};
        getrlimit(RLIMIT_FSIZE, &value);
        value.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_FSIZE, &value);
    };
    const QString output =
        inChild(fullDisk, [&] { return save(format, dir.path(), after, "New ", longAt); });
    QCOMPARE(output, QStringLiteral("write -1"));
    QCOMPARE(contents(dir.path()), expected); // no half-written file, no temporary one left behind
}

// A title and an address of ten million characters each, as a file without
// line breaks gives them, stay whole in their cells, while the table shows
// only as much of them as a screen could: laid out whole, they took seconds
// to paint, again at every repaint.
void TestHostile::hugeCellsStayPaintable()
{
    const QByteArray huge = QByteArray("http://a.example/") + QByteArray(10000000, 'a');
    Editor editor;
    const QString path = editor.path("huge.pls");
    QVERIFY(editor.active && writeBytes(path, "[playlist]\nFile1=" + huge + "\nTitle1=" + huge));
    FileDialog::setNextAnswer(path);
    editor.trigger("actionOpen");
    QCOMPARE(editor.table()->rowCount(), 1);
    auto *delegate = qobject_cast<QStyledItemDelegate *>(editor.table()->itemDelegate());
    QVERIFY(delegate);
    for (int column = 0; column < 2; ++column) {
        const QString text = editor.table()->item(0, column)->text();
        QCOMPARE(text.size(), huge.size());
        const QString shown = delegate->displayText(text, QLocale());
        QVERIFY2(!shown.isEmpty() && text.startsWith(shown) && shown.size() < 10000,
                 qPrintable(QString::number(shown.size())));
    }
    QVERIFY(!editor.window->grab().isNull());
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"

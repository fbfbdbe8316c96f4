#ifndef KESTREL_PLAYLISTFILETEST_H
#define KESTREL_PLAYLISTFILETEST_H

// Helpers shared by the tests of the playlist files: sample files, raw bytes,
// and what a reader or writer did, as text that a data row can state.

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <type_traits>

namespace PlaylistTest {

inline QString sample(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// "title|address", and "|type" after a PLS entry that is not Radio.
template<class Entry> QStringList describe(const QList<Entry> &entries)
{
    QStringList result;
    for (const Entry &entry : entries) {
        result << entry.title + u'|' + entry.url.toString();
        if constexpr (std::is_same_v<Entry, plsFile::Entry>)
            result.last() += entry.type == 1 ? QString() : u'|' + QString::number(entry.type);
    }
    return result;
}

// The signals that one call emitted, in order: "read" or "write" for the
// start, then each result code, as in "write -1".
template<class File, class Call> QString emitted(File *file, Call call)
{
    QObject scope; // ends the connections with this call
    QStringList log;
    QSignalSpy results(file, &File::readingFinished);
    QObject::connect(file, &File::startingReading, &scope, [&] { log << "read"; });
    QObject::connect(file, &File::startingWriting, &scope, [&] { log << "write"; });
    QObject::connect(file, &File::readingFinished, &scope,
                     [&] { log << QString::number(results.last().at(0).value<qint8>()); });
    call();
    return log.join(u' ');
}

// One data row "c" for each case, named by the case's `name`.
template<class Case> void addCases(std::initializer_list<Case> cases)
{
    QTest::addColumn<Case>("c");
    for (const Case &c : cases)
        QTest::newRow(c.name) << c;
}

// The cases of data/<folder>/read.txt, which says what reading each sample
// gives: "# case", "<file>: <signals>", then an indented line per entry.
inline void addReadCases(const QString &folder)
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("entries");
    QString name;
    QList<QStringList> cases; // name, file, signals, entries...
    for (const QByteArray &line : bytesOf(sample(folder + "/read.txt")).split('\n')) {
        const QString text = QString::fromUtf8(QByteArray::fromPercentEncoding(line));
        if (text.startsWith("# "))
            name = text.mid(2);
        else if (text.startsWith("    "))
            cases.last() << text.mid(4);
        else if (!text.isEmpty())
            cases.append({name, text.section(": ", 0, 0), text.section(": ", 1)});
    }
    for (const QStringList &c : std::as_const(cases))
        QTest::newRow(qPrintable(c[0])) << c[1] << c[2] << c.mid(3);
}

// Reads the row's file twice, by name and then by the name kept: each read
// gives the signals and appends the entries once more.
template<class File> void checkReads(const QString &folder)
{
    QFETCH(QString, file);
    QFETCH(QString, result);
    QFETCH(QStringList, entries);
    File reader;
    for (int round = 1; round <= 2; ++round) {
        if (result.endsWith("-3"))
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression("^Error parsing the xml-file: \".+\"$"));
        const auto read = [&] {
            round == 1 ? reader.readFile(sample(folder + u'/' + file)) : reader.readFile();
        };
        QCOMPARE(emitted(&reader, read), result);
        QCOMPARE(describe(reader.entries()), round == 1 ? entries : entries + entries);
    }
}

// A save over list.<format>, a copy of an old sample, beside a folder: the
// signals it gives, and the bytes that list.<format> then holds, those of
// data/<format>/written/<golden>. A failed save, without golden, leaves the
// old file as it was. `target` takes the place of list.<format>.
template<class File> struct SaveCase
{
    const char *name;
    QList<typename File::Entry> entries;
    void (File::*save)(QString);
    QString golden;
    QString result = QStringLiteral("write 0");
    QString target = {};
};

template<class File> void checkSaves(const QString &format, const QString &old)
{
    QFETCH(SaveCase<File>, c);
    QTemporaryDir dir;
    const QString list = dir.filePath("list." + format);
    QVERIFY(QFile::copy(sample(format + u'/' + old), list) && QDir(dir.path()).mkdir("folder"));
    File file;
    file.setEntries(c.entries);
    const QString path = c.target.isEmpty() ? list : dir.filePath(c.target);
    QCOMPARE(emitted(&file, [&] { (file.*c.save)(path); }), c.result);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list." + format});
    QCOMPARE(bytesOf(list),
             bytesOf(sample(format + u'/' + (c.golden.isEmpty() ? old : "written/" + c.golden))));
}

// Reads every input of fuzz/corpus/<format>, crashes once found included:
// each read ends with one of `results`, and `also` checks the reader further.
template<class File>
void replayCorpus(const QString &format, const QStringList &results,
                  const std::function<void(const File &)> &also = nullptr)
{
    const QDir dir(QStringLiteral(KESTREL_SOURCE_DIR "/fuzz/corpus/") + format);
    QVERIFY(!dir.isEmpty());
    for (const QString &name : dir.entryList(QDir::Files)) {
        File reader;
        const QString result = emitted(&reader, [&] { reader.readFile(dir.filePath(name)); });
        QVERIFY2(results.contains(result), qPrintable(name + ": " + result));
        if (also)
            also(reader);
    }
}

} // namespace PlaylistTest

#endif

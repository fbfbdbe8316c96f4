#ifndef KESTREL_PLAYLISTTEST_H
#define KESTREL_PLAYLISTTEST_H

// Sample files, raw bytes, and what a reader or writer reported.

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

// One data row: its columns in the order they were added.
template<typename... Columns> void addRow(const char *name, Columns... columns)
{
    (QTest::newRow(name) << ... << columns);
}

// The signals that one call emitted, in order: "read" or "write" for the
// start, then each result code, as in "write -1".
template<class File, class Call> QString emitted(File *file, Call call)
{
    QObject scope; // ends the connections with this call
    QStringList log;
    QObject::connect(file, &File::startingReading, &scope, [&] { log << "read"; });
    QObject::connect(file, &File::startingWriting, &scope, [&] { log << "write"; });
    QObject::connect(file, &File::readingFinished, &scope,
                     [&](qint8 code) { log << QString::number(code); });
    call();
    return log.join(u' ');
}

// What `save` writes for the entries: the golden form of a list of entries.
template<class File>
QByteArray saved(const QList<typename File::Entry> &entries, void (File::*save)(QString))
{
    QTemporaryDir dir;
    File file;
    file.setEntries(entries);
    (file.*save)(dir.filePath("list"));
    return bytesOf(dir.filePath("list"));
}

// Reads data/<format>/<file> by name, then again by the name kept, which
// appends its entries once more. Each read gives `result`, and the entries
// of either read, as `save` writes them, are the bytes of data/<format>/read/
// <file>, with "/" as "-" and the suffix of `save`; none there: no entries.
template<class File, class Golden = File>
void checkReads(const QString &format, const QString &file, const QString &result,
                void (Golden::*save)(QString))
{
    File reader;
    QCOMPARE(emitted(&reader, [&] { reader.readFile(sample(format + u'/' + file)); }), result);
    QCOMPARE(emitted(&reader, [&] { reader.readFile(); }), result);
    QList<typename Golden::Entry> entries;
    for (const auto &entry : reader.entries()) {
        entries.append({entry.title, entry.url});
        if constexpr (std::is_same_v<File, plsFile>)
            entries.last().type = entry.type;
    }
    const qsizetype half = entries.size() / 2;
    const QString name = QString(file).replace(u'/', u'-').section(u'.', 0, -2);
    const QString golden =
        sample(format + "/read/" + name) + (std::is_same_v<Golden, plsFile> ? ".pls" : ".m3u");
    const QByteArray expected = QFile::exists(golden) ? bytesOf(golden) : saved<Golden>({}, save);
    QCOMPARE(saved(entries.mid(0, half), save), expected);
    QCOMPARE(saved(entries.mid(half), save), expected);
}

} // namespace PlaylistTest

#endif

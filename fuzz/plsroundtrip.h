#ifndef KESTREL_PLSROUNDTRIP_H
#define KESTREL_PLSROUNDTRIP_H

// What the PLS reader makes of any file must survive a save and a second
// read: the same number of entries in the same order, the same addresses and
// kinds, and titles as the format keeps them (one line, trimmed, shortened
// only when the entry would not fit into a file otherwise). Shared by the
// round-trip fuzz target and the tests of the PLS writer.

#include "playlist/plsfile.h"
#include "playlist/streamaddress.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <algorithm>

namespace kestrel::roundtrip {

inline QString oneLine(QString text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n]"));
    return text.replace(lineBreak, QStringLiteral(" "));
}

inline QString compare(const QList<plsFile::Entry> &before, const QList<plsFile::Entry> &after)
{
    if (before.size() != after.size())
        return QStringLiteral("%1 entries became %2").arg(before.size()).arg(after.size());
    for (int i = 0; i < before.size(); ++i) {
        const plsFile::Entry &a = before.at(i);
        const plsFile::Entry &b = after.at(i);
        // A title shortened to fit keeps its start; one that fits stays whole.
        if (!oneLine(a.title).trimmed().startsWith(b.title.trimmed()))
            return QStringLiteral("the title of entry %1").arg(i);
        if ((a.type == 1) != (b.type == 1))
            return QStringLiteral("the kind of entry %1").arg(i);
        if (QUrl(oneLine(a.url.toString()).trimmed()).toString() != b.url.toString())
            return QStringLiteral("the address of entry %1").arg(i);
    }
    return QString();
}

// Saves the entries as dir/radio.pls (and its continuation files), reads
// every written file back and says what changed; empty when nothing did, or
// when the writer rightly refused an entry that fits no file or has no
// address that it could write.
inline QString difference(const QList<plsFile::Entry> &entries, const QString &dir)
{
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    const QString output = dir + QStringLiteral("/radio.pls");
    plsFile writer;
    qint8 result = 127;
    QObject::connect(&writer, &plsFile::readingFinished, [&result](qint8 code) { result = code; });
    writer.setEntries(entries);
    writer.saveFile(output);
    if (result == -4)
        return QString();
    const bool writable = std::all_of(entries.cbegin(), entries.cend(),
                                      [](const plsFile::Entry &e) { return isWritableUrl(e.url); });
    if (result == -5 && !writable)
        return QString();
    if (result != 0)
        return QStringLiteral("the save reported %1").arg(result);

    plsFile second;
    const qsizetype files = qMax<qsizetype>(1, plsFile::fileSizes(entries).size());
    for (int n = 0; n < files; ++n) {
        const QString name = n == 0 ? output : QStringLiteral("%1/radio%2.pls").arg(dir).arg(n);
        // The radio-box reads no more than 2 KiB of a file.
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("file %1 is missing").arg(n);
        if (file.size() > 2048)
            return QStringLiteral("file %1 has more than 2048 bytes").arg(n);
        second.readFile(name);
    }
    return compare(entries, second.entries());
}

} // namespace kestrel::roundtrip

#endif

#include "playlist/m3ufile.h"

#include "playlist/playlisttext.h"
#include "playlist/streamaddress.h"

#include <algorithm>
#include <utility>

namespace {

// The title follows the first comma outside double quotes, because quoted
// attribute values (tvg-name="Rock, Pop") may hold commas of their own. A
// line without any such comma is its own title.
QStringView titleOf(QStringView extinf)
{
    bool quoted = false;
    for (qsizetype i = 0; i < extinf.size(); ++i) {
        const QChar c = extinf.at(i);
        if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            return extinf.sliced(i + 1);
    }
    return extinf;
}

// The next line that is not blank, trimmed; empty at the end of the text.
QStringView nextNonEmpty(kestrel::PlaylistLines *lines)
{
    QStringView line;
    while (lines->next(&line)) {
        line = line.trimmed();
        if (!line.isEmpty())
            return line;
    }
    return {};
}

// One rule for every file, with or without a header: players write the
// header as "#EXTM3U", "#EXTM3U:" or "#EXTM3U8", and put directives such as
// "#EXTVLCOPT:" or "#EXTGRP:" between a title line and its address. So no
// line that begins with "#" is ever an address, and every other line is one,
// titled by the last "#EXTINF" line since the entry before it.
// Returns whether the text held any non-empty line.
bool readLines(kestrel::PlaylistLines *lines, QList<m3uFile::Entry> *entries)
{
    bool any = false;
    QString title;
    for (QStringView line = nextNonEmpty(lines); !line.isEmpty(); line = nextNonEmpty(lines)) {
        if (!line.startsWith(u'#')) {
            entries->append(m3uFile::Entry{std::exchange(title, QString()),
                                           kestrel::addressUrl(lines->take(line))});
        } else if (kestrel::containsWord(line, QLatin1String("#extinf"))) {
            title = titleOf(line).toString();
        }
        any = true;
    }
    return any;
}

} // namespace

m3uFile::m3uFile(QObject *parent)
    : QObject(parent)
{}

m3uFile::~m3uFile() = default;

QList<m3uFile::Entry> m3uFile::entries() const
{
    return m_entries;
}

void m3uFile::setEntries(const QList<Entry> &entries)
{
    m_entries = entries;
}

void m3uFile::clearEntries()
{
    m_entries.clear();
}

bool m3uFile::readBytes(QByteArray data)
{
    kestrel::PlaylistLines lines(std::move(data));
    // Every line that does not begin with "#" is an address or blank.
    m_entries.reserve(m_entries.size() + lines.countLinesNotStartingWith('#'));
    return readLines(&lines, &m_entries);
}

void m3uFile::readFile(QString filename)
{
    m_filename = filename;
    readFile();
}

void m3uFile::readFile()
{
    emit startingReading();
    QByteArray bytes;
    const qint8 result = kestrel::readWholeFile(m_filename, &bytes);
    if (result != 0) {
        emit readingFinished(result);
        return;
    }
    // A file without a single non-empty line is no playlist at all, and by
    // long-standing behaviour gets no result.
    if (readBytes(std::move(bytes)))
        emit readingFinished(0);
}

namespace {

// An invalid address renders as an empty line, which would turn the entry
// into nothing while the save reports success.
bool allWritable(const QList<m3uFile::Entry> &entries)
{
    return std::all_of(entries.cbegin(), entries.cend(), [](const m3uFile::Entry &entry) {
        return kestrel::isWritableUrl(entry.url);
    });
}

} // namespace

void m3uFile::saveSimpleFile(QString filename)
{
    m_filename = filename;
    saveSimpleFile();
}

void m3uFile::saveSimpleFile()
{
    emit startingWriting();
    if (!allWritable(m_entries)) {
        emit readingFinished(-5);
        return;
    }
    QString text;
    for (const Entry &entry : std::as_const(m_entries))
        text += kestrel::singleLine(entry.url.toString()) + u'\n';
    emit readingFinished(kestrel::saveTextAtomically(m_filename, text) ? 0 : -1);
}

void m3uFile::saveExtendedFile(QString filename)
{
    m_filename = filename;
    saveExtendedFile();
}

void m3uFile::saveExtendedFile()
{
    emit startingWriting();
    if (!allWritable(m_entries)) {
        emit readingFinished(-5);
        return;
    }
    QString text = QStringLiteral("#EXTM3U\n");
    for (const Entry &entry : std::as_const(m_entries)) {
        text += QLatin1String("#EXTINF:-1,") + kestrel::singleLine(entry.title) + u'\n';
        text += kestrel::singleLine(entry.url.toString()) + u'\n';
    }
    emit readingFinished(kestrel::saveTextAtomically(m_filename, text) ? 0 : -1);
}

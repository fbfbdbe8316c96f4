#include "playlist/plsfile.h"

#include "playlist/playlisttext.h"
#include "playlist/plslayout.h"
#include "playlist/streamaddress.h"

#include <algorithm>

plsFile::plsFile(QObject *parent)
    : QObject(parent)
{}

plsFile::~plsFile() = default;

QList<plsFile::Entry> plsFile::entries() const
{
    return m_entries;
}

void plsFile::setEntries(const QList<Entry> &entries)
{
    m_entries = entries;
}

void plsFile::clearEntries()
{
    m_entries.clear();
}

QList<int> plsFile::fileSizes(const QList<Entry> &entries)
{
    QList<int> sizes;
    if (entries.isEmpty())
        return sizes;
    const kestrel::pls::Layout layout = kestrel::pls::layoutFiles(entries);
    for (const kestrel::pls::FilePart &part : layout.files)
        sizes.append(int(part.count));
    return sizes;
}

void plsFile::readFile(QString filename)
{
    m_filename = filename;
    readFile();
}

void plsFile::readFile()
{
    emit startingReading();
    QByteArray bytes;
    const qint8 result = kestrel::readWholeFile(m_filename, &bytes);
    if (result == 0)
        readBytes(std::move(bytes));
    emit readingFinished(result);
}

void plsFile::saveFile(QString filename)
{
    m_filename = filename;
    saveFile();
}

// The whole list is checked and laid out before the first file is opened, so
// an entry without a valid address or one that can never fit stops the save
// while every file on disk is unchanged.
// Each file is replaced atomically; a failure stops at that file and leaves
// it as it was.
void plsFile::saveFile()
{
    emit startingWriting();
    if (!std::all_of(m_entries.cbegin(), m_entries.cend(),
                     [](const Entry &entry) { return kestrel::isWritableUrl(entry.url); })) {
        emit readingFinished(-5);
        return;
    }
    const kestrel::pls::Layout layout = kestrel::pls::layoutFiles(m_entries);
    if (layout.entryTooLong) {
        emit readingFinished(-4);
        return;
    }
    for (int n = 0; n < layout.files.size(); ++n) {
        const QString name = kestrel::pls::continuationName(m_filename, n);
        const QString text = kestrel::pls::fileText(m_entries, layout.files.at(n));
        if (!kestrel::saveTextAtomically(name, text)) {
            emit readingFinished(-1);
            return;
        }
    }
    emit readingFinished(0);
}

#include "playlist/plslayout.h"

#include "playlist/playlisttext.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>

namespace kestrel::pls {

namespace {

// The radio-box reads at most 20 entries and 2 KiB per file; one entry is
// kept in reserve. Sizes are bytes in the encoding that the file is written
// in, since the box counts what lies on the stick.
constexpr int maxEntriesPerFile = 19;
constexpr qsizetype maxFileSize = 2048;
// "[playlist]" + CR LF, "NumberOfEntries=" with two digits, the CR LF before
// the closing text and the closing text CR LF "Version=2" CR LF.
constexpr qsizetype fixedSize = 12 + 18 + 2 + 13;
// Five line breaks in front of an entry's lines (empty, File, Title, type and
// Length), counted even when a Radio entry has no type line.
constexpr qsizetype entryBreaks = 10;
// What one entry may take so that it fits alone: 45 + 1993 + 10 = 2048.
constexpr qsizetype entryBudget = maxFileSize - fixedSize - entryBreaks;

bool isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Bytes that the text takes in the file. Every encoding the system may use
// writes ASCII one byte a character, so only other text is encoded to count.
qsizetype encodedSize(QStringView text)
{
    if (isAscii(text))
        return text.size();
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    return QByteArray(encoder.encode(text)).size();
}

// Number of characters (UTF-16 units) of the title that stay when at least
// excess bytes are cut from its end. Whole characters are cut, a surrogate
// pair with both halves, so no character is ever written in part. -1 when
// the whole title is not enough.
qsizetype keptTitleLength(QStringView title, qsizetype excess)
{
    qsizetype kept = title.size();
    while (excess > 0 && kept > 0) {
        qsizetype width = 1;
        if (kept >= 2 && title.at(kept - 1).isLowSurrogate() &&
            title.at(kept - 2).isHighSurrogate())
            width = 2;
        excess -= encodedSize(title.sliced(kept - width, width));
        kept -= width;
    }
    return excess > 0 ? -1 : kept;
}

struct EntryLines
{
    QString file;
    QString title;
    QString type;
    QString length;

    qsizetype size() const
    {
        return encodedSize(file) + encodedSize(title) + type.size() + length.size();
    }
};

EntryLines linesFor(const plsFile::Entry &entry, qsizetype number)
{
    EntryLines lines;
    lines.file = QStringLiteral("File%1=%2").arg(number).arg(singleLine(entry.url.toString()));
    lines.title = QStringLiteral("Title%1=%2").arg(number).arg(singleLine(entry.title));
    if (entry.type != 1)
        lines.type = QStringLiteral("listtype=TV");
    lines.length = QStringLiteral("Length%1=-1").arg(number);
    return lines;
}

// Cuts the end of the title so that the entry keeps to its budget. The cut
// stops short of the "Title<k>=" prefix: a Title line without it is read by
// nobody, and the entry would be lost. Returns false when even an empty title
// leaves the entry over budget.
bool fitToBudget(EntryLines *lines, qsizetype number)
{
    const qsizetype excess = lines->size() - entryBudget;
    if (excess <= 0)
        return true;
    const qsizetype prefix = QStringLiteral("Title%1=").arg(number).size();
    const qsizetype kept = keptTitleLength(QStringView(lines->title).sliced(prefix), excess);
    if (kept < 0)
        return false;
    lines->title.truncate(prefix + kept);
    return true;
}

qsizetype digitCount(qsizetype number)
{
    qsizetype digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

// The size that linesFor() and fitToBudget() give an entry, worked out
// without building its lines: laying out a long list for the split label
// would otherwise build every line of every file. -1 when it cannot fit.
qsizetype fittedSize(const plsFile::Entry &entry, qsizetype number)
{
    const qsizetype digits = digitCount(number);
    const QString title = singleLine(entry.title);
    const qsizetype titleBytes = encodedSize(title);
    const qsizetype size = 4 + digits + 1 + encodedSize(singleLine(entry.url.toString())) + 5 +
                           digits + 1 + titleBytes + (entry.type != 1 ? 11 : 0) + 6 + digits + 3;
    const qsizetype excess = size - entryBudget;
    if (excess <= 0)
        return size;
    const qsizetype kept = keptTitleLength(title, excess);
    if (kept < 0)
        return -1;
    return size - titleBytes + encodedSize(QStringView(title).first(kept));
}

} // namespace

Layout layoutFiles(const QList<plsFile::Entry> &entries)
{
    Layout layout;
    qsizetype i = 0;
    do {
        FilePart part{i, 0};
        qsizetype estimate = fixedSize;
        while (i < entries.size()) {
            const qsizetype size = fittedSize(entries.at(i), part.count);
            if (size < 0) {
                // Alone at number 0 it has the shortest numbers it can get.
                if (part.count == 0) {
                    layout.entryTooLong = true;
                    layout.files.clear();
                    return layout;
                }
                break;
            }
            estimate += size + entryBreaks;
            if (estimate > maxFileSize || part.count >= maxEntriesPerFile)
                break;
            ++i;
            ++part.count;
        }
        layout.files.append(part);
    } while (i < entries.size());
    return layout;
}

QString fileText(const QList<plsFile::Entry> &entries, const FilePart &part)
{
    QStringList lines;
    lines.reserve(2 + 5 * part.count + 1);
    lines << QStringLiteral("[playlist]") << QStringLiteral("NumberOfEntries=%1").arg(part.count);
    for (qsizetype k = 0; k < part.count; ++k) {
        EntryLines entry = linesFor(entries.at(part.first + k), k);
        fitToBudget(&entry, k);
        lines << QString() << entry.file << entry.title;
        if (!entry.type.isEmpty())
            lines << entry.type;
        lines << entry.length;
    }
    lines << QStringLiteral("\r\nVersion=2\r\n");
    return lines.join(QStringLiteral("\r\n"));
}

// The number goes before the last suffix, so that "my.radio.pls" and
// "radio.txt.pls" continue under their own names and never in the files of
// an unrelated "my.pls" or "radio.pls".
QString continuationName(const QString &path, int number)
{
    if (number == 0)
        return path;
    const QFileInfo info(path);
    QString name =
        info.absolutePath() + QDir::separator() + info.completeBaseName() + QString::number(number);
    if (!info.suffix().isEmpty())
        name += QLatin1Char('.') + info.suffix();
    return name;
}

QStringList staleContinuationFiles(const QString &path, int written)
{
    QStringList stale;
    for (int number = qMax(written, 1);; ++number) {
        const QString name = continuationName(path, number);
        if (!QFileInfo(name).isFile())
            return stale;
        stale.append(name);
    }
}

} // namespace kestrel::pls

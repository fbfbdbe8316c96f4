#include "playlist/playlisttext.h"
#include "playlist/plsfile.h"
#include "playlist/streamaddress.h"

#include <QHash>

#include <algorithm>

#include <limits>

namespace {

bool isAscii(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// A line that begins with "listtype" marks TV when "tv" is left in it once
// every "listtype=" is taken out, all without regard to case.
bool isTvMarker(QStringView line)
{
    if (!isAscii(line)) {
        // Outside ASCII, Qt's case folding decides ("ſ" is an "s").
        if (!line.startsWith(QLatin1String("listtype"), Qt::CaseInsensitive))
            return false;
        QString rest = line.toString();
        rest.remove(QLatin1String("listtype="), Qt::CaseInsensitive);
        return rest.contains(QLatin1String("tv"), Qt::CaseInsensitive);
    }
    // The same in ASCII without a copy: the occurrences are skipped from the
    // left, without overlap, as QString::remove() takes them out, and a "t"
    // before a skipped one still meets a "v" after it.
    const QLatin1String marker("listtype=");
    if (!kestrel::startsWithWord(line, QLatin1String("listtype")))
        return false;
    char16_t previous = 0;
    for (qsizetype i = 0; i < line.size();) {
        if (kestrel::startsWithWord(line.sliced(i), marker)) {
            i += marker.size();
            continue;
        }
        const char16_t lower = line[i].unicode() | 0x20;
        if (previous == u't' && lower == u'v')
            return true;
        previous =
            line[i].unicode() >= u'A' && line[i].unicode() <= u'Z' ? lower : line[i].unicode();
        ++i;
    }
    return false;
}

// Only a line whose first two characters are "l" and "i" in either case, or
// outside ASCII, can begin with "listtype" without regard to case; any other
// line (a Length line, say) need not be decoded to know that it is no marker.
bool mayBeTvMarker(const kestrel::PlaylistLines &lines, kestrel::LineSpan span)
{
    if (span.size < 2)
        return false;
    const char16_t first = lines.firstUnit(span);
    const char16_t second = lines.firstUnit(kestrel::LineSpan{span.start + 1, span.size - 1});
    return (first >= 0x80 || (first | 0x20) == u'l') && (second >= 0x80 || (second | 0x20) == u'i');
}

// What a line begins with decides whether it is a comment, a File line or a
// Title line: white space that trimming removes, "#", ";", "f" or "t". No
// other ASCII character can start one, so such a line (Length, NumberOfEntries,
// an empty line) need not be decoded.
bool mayBeKeyLine(char16_t first)
{
    if (first >= 0x80 || (first >= 0x09 && first <= 0x0D) || first == u' ')
        return true;
    const char16_t lower = first | 0x20;
    return first == u'#' || first == u';' || lower == u'f' || lower == u't';
}

// Where the text after a line's first "=" lies, or the whole line without one.
kestrel::LineSpan valueSpan(const kestrel::PlaylistLines &lines, kestrel::LineSpan span)
{
    const kestrel::LineSpan key = lines.prefixBefore(span, '=');
    return key.size == span.size
               ? span
               : kestrel::LineSpan{key.start + key.size + 1, span.size - key.size - 1};
}

// Tabs anywhere in the address are dropped before it is trimmed. Trimming
// the value first gives the same text, since what a tab uncovers at either
// end is white space, and spares a copy for every address without tabs.
QString addressOf(const kestrel::PlaylistLines &lines, kestrel::LineSpan fileLine, QString *buffer)
{
    QString address = lines.decode(valueSpan(lines, fileLine), buffer).trimmed().toString();
    if (std::find(address.cbegin(), address.cend(), u'\t') != address.cend()) {
        address.remove(u'\t');
        address = std::move(address).trimmed();
    }
    return address;
}

// The first line of a title key and the line right after it, which may carry
// the "listtype" marker.
struct TitleLine
{
    kestrel::LineSpan line;
    kestrel::LineSpan next;
};

// The first Title line of each title key, found without regard to case.
// Nearly every file numbers its entries in plain decimal, so such keys go
// into an array by number and cost neither a hash nor an allocation; all
// other keys are case-folded, which makes equal keys exactly those that
// compare equal. A key counts as a number only when its digits have no
// leading zero ("Title01" is not "Title1") and stay below a bound tied to the
// file's size, so the array never outgrows the text.
class TitleIndex
{
public:
    explicit TitleIndex(qsizetype textSize)
        : m_maxNumber(qMin<qsizetype>(textSize / 8, std::numeric_limits<qint32>::max() - 1))
    {}

    // Records the line of a trimmed key that begins with "title" unless the
    // key already has one; returns the record that was added, or null.
    TitleLine *addFirst(QStringView key, kestrel::LineSpan line);
    // The Title line for the index text of a File line, or null.
    const TitleLine *find(const QString &index) const;
    // As find(), for the common File line "File<digits>" with blanks around.
    const TitleLine *findPlain(QStringView fileKey, bool *plain) const;

private:
    qsizetype number(QStringView digits) const;
    TitleLine *slot(qsizetype *position);

    qsizetype m_maxNumber;
    QList<TitleLine> m_lines;
    QList<qint32> m_byNumber; // position in m_lines + 1, 0 for none
    QHash<QString, qsizetype> m_byKey;
};

// The number that the digits spell, or -1 when they are no canonical number.
qsizetype TitleIndex::number(QStringView digits) const
{
    if (digits.isEmpty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == u'0'))
        return -1;
    qsizetype value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= m_maxNumber ? value : -1;
}

TitleLine *TitleIndex::slot(qsizetype *position)
{
    if (*position != 0)
        return nullptr;
    m_lines.append(TitleLine{});
    *position = m_lines.size();
    return &m_lines.back();
}

TitleLine *TitleIndex::addFirst(QStringView key, kestrel::LineSpan line)
{
    const qsizetype value = number(key.sliced(5));
    TitleLine *added = nullptr;
    if (value >= 0) {
        // Grown geometrically, never past the bound on numbers.
        if (m_byNumber.size() <= value)
            m_byNumber.resize(qMin(qMax(value + 1, 2 * m_byNumber.size()), m_maxNumber + 1));
        qsizetype position = m_byNumber[value];
        added = slot(&position);
        m_byNumber[value] = qint32(position);
    } else {
        added = slot(&m_byKey[key.toString().toCaseFolded()]);
    }
    if (added)
        added->line = line;
    return added;
}

const TitleLine *TitleIndex::find(const QString &index) const
{
    const qsizetype value = number(index);
    const qsizetype position = value >= 0
                                   ? (value < m_byNumber.size() ? m_byNumber[value] : 0)
                                   : m_byKey.value((QLatin1String("title") + index).toCaseFolded());
    return position > 0 ? &m_lines[position - 1] : nullptr;
}

const TitleLine *TitleIndex::findPlain(QStringView fileKey, bool *plain) const
{
    const QStringView key = fileKey.trimmed();
    const qsizetype value =
        kestrel::startsWithWord(key, QLatin1String("file")) ? number(key.sliced(4)) : -1;
    *plain = value >= 0;
    if (!*plain || value >= m_byNumber.size() || m_byNumber[value] == 0)
        return nullptr;
    return &m_lines[m_byNumber[value] - 1];
}

// The title of a File line is on the first line from the top whose key is
// "title" plus the File line's index text: its key with "file" removed.
const TitleLine *titleFor(const TitleIndex &titles, QStringView fileKey)
{
    bool plain = false;
    const TitleLine *found = titles.findPlain(fileKey, &plain);
    if (plain)
        return found;
    QString index = fileKey.toString().toLower();
    index.remove(QLatin1String("file"), Qt::CaseInsensitive);
    return titles.find(index.trimmed());
}

} // namespace

// A line that begins with "File" and holds "=" starts an entry, whatever its
// numbering. One pass notes every File line and the first line of every
// title key, so the work grows with the file's size and not with its square.
void plsFile::readBytes(QByteArray data)
{
    kestrel::PlaylistLines lines(std::move(data), true);
    TitleIndex titles(lines.size());
    QList<kestrel::LineSpan> fileLines;
    TitleLine *waitingForNext = nullptr;
    QString keyBuffer;
    while (lines.skip()) {
        const kestrel::LineSpan span = lines.lastSpan();
        if (waitingForNext) {
            waitingForNext->next = span;
            waitingForNext = nullptr;
        }
        if (!mayBeKeyLine(lines.firstUnit(span)))
            continue;
        // The key before the first "=" tells all that this pass needs, a
        // comment's "#" or ";" included, which can only come first; the
        // value, a title in any script, is decoded only when it is read.
        const kestrel::LineSpan keySpan = lines.prefixBefore(span, '=');
        const QStringView key = lines.decode(keySpan, &keyBuffer).trimmed();
        if (key.startsWith(u'#') || key.startsWith(u';'))
            continue;
        if (kestrel::startsWithWord(key, QLatin1String("file")) && keySpan.size < span.size) {
            fileLines.append(span);
            continue;
        }
        if (kestrel::startsWithWord(key, QLatin1String("title")))
            waitingForNext = titles.addFirst(key, span);
    }
    // Hand-made files lose or misnumber a Title line now and then; the
    // station is still there, only without a name.
    m_entries.reserve(m_entries.size() + fileLines.size());
    QString valueBuffer, nextBuffer;
    for (const kestrel::LineSpan fileSpan : std::as_const(fileLines)) {
        // The title is found by the File line's key alone.
        const TitleLine *title =
            titleFor(titles, lines.decode(lines.prefixBefore(fileSpan, '='), &keyBuffer));
        Entry entry;
        // Empty rather than null, as an empty Title line gives it, so that
        // the entry compares equal to itself once saved and read back.
        entry.title =
            title ? lines.decode(valueSpan(lines, title->line), &valueBuffer).trimmed().toString()
                  : QStringLiteral("");
        entry.url = kestrel::addressUrl(addressOf(lines, fileSpan, &valueBuffer));
        entry.type = title && mayBeTvMarker(lines, title->next) &&
                             isTvMarker(lines.decode(title->next, &nextBuffer))
                         ? 2
                         : 1;
        m_entries.append(std::move(entry));
    }
}

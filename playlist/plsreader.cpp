#include "playlist/playlisttext.h"
#include "playlist/plsfile.h"
#include "playlist/streamaddress.h"

#include <QHash>

#include <limits>

namespace {

// The text before a line's first "=", or the whole line when it has none.
QStringView keyPart(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.first(equals);
}

// The text after a line's first "=", or the whole line when it has none.
QStringView valuePart(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.sliced(equals + 1);
}

bool isTvMarker(QStringView line)
{
    if (!line.startsWith(QLatin1String("listtype"), Qt::CaseInsensitive))
        return false;
    QString rest = line.toString();
    rest.remove(QLatin1String("listtype="), Qt::CaseInsensitive);
    return rest.contains(QLatin1String("tv"), Qt::CaseInsensitive);
}

// Only a line that begins with "l" in either case, or with a character
// outside ASCII, can begin with "listtype" without regard to case; any other
// line need not be decoded to know that it is no marker.
bool mayBeTvMarker(char16_t first)
{
    return first >= 0x80 || (first | 0x20) == u'l';
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

// Tabs anywhere in the address are dropped before it is trimmed. Trimming
// the value first gives the same text, since what a tab uncovers at either
// end is white space, and spares a copy for every address without tabs.
QString addressOf(QStringView fileLine)
{
    QString address = valuePart(fileLine).trimmed().toString();
    if (address.contains(u'\t')) {
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
const TitleLine *titleFor(const TitleIndex &titles, QStringView fileLine)
{
    bool plain = false;
    const TitleLine *found = titles.findPlain(keyPart(fileLine), &plain);
    if (plain)
        return found;
    QString index = keyPart(fileLine).toString().toLower();
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
    while (lines.skip()) {
        if (waitingForNext) {
            waitingForNext->next = lines.lastSpan();
            waitingForNext = nullptr;
        }
        if (!mayBeKeyLine(lines.firstUnit(lines.lastSpan())))
            continue;
        const QStringView start = lines.line().trimmed();
        if (start.startsWith(u'#') || start.startsWith(u';'))
            continue;
        if (kestrel::startsWithWord(start, QLatin1String("file")) && start.contains(u'=')) {
            fileLines.append(lines.lastSpan());
            continue;
        }
        const QStringView key = keyPart(start).trimmed();
        if (kestrel::startsWithWord(key, QLatin1String("title")))
            waitingForNext = titles.addFirst(key, lines.lastSpan());
    }
    // Hand-made files lose or misnumber a Title line now and then; the
    // station is still there, only without a name.
    m_entries.reserve(m_entries.size() + fileLines.size());
    QString fileBuffer, titleBuffer, nextBuffer;
    for (const kestrel::LineSpan fileSpan : std::as_const(fileLines)) {
        const QStringView fileLine = lines.decode(fileSpan, &fileBuffer);
        const TitleLine *title = titleFor(titles, fileLine);
        Entry entry;
        // Empty rather than null, as an empty Title line gives it, so that
        // the entry compares equal to itself once saved and read back.
        entry.title = title
                          ? valuePart(lines.decode(title->line, &titleBuffer)).trimmed().toString()
                          : QStringLiteral("");
        entry.url = kestrel::addressUrl(addressOf(fileLine));
        entry.type = title && mayBeTvMarker(lines.firstUnit(title->next)) &&
                             isTvMarker(lines.decode(title->next, &nextBuffer))
                         ? 2
                         : 1;
        m_entries.append(std::move(entry));
    }
}

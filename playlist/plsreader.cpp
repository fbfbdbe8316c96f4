#include "playlist/playlisttext.h"
#include "playlist/plsfile.h"

#include <QHash>

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

// The first line of each title key and the line right after it, which may
// carry the "listtype" marker.
struct TitleLine
{
    QStringView line;
    QStringView next;
};

// Title keys are compared without regard to case. Case folding is what that
// comparison applies to each character, so equal folded keys are exactly the
// keys that compare equal.
QString titleKeyOfFileLine(QStringView fileLine)
{
    QString index = keyPart(fileLine).toString().toLower();
    index.remove(QLatin1String("file"), Qt::CaseInsensitive);
    return (QLatin1String("title") + index.trimmed()).toCaseFolded();
}

bool isTvMarker(QStringView line)
{
    if (!line.startsWith(QLatin1String("listtype"), Qt::CaseInsensitive))
        return false;
    QString rest = line.toString();
    rest.remove(QLatin1String("listtype="), Qt::CaseInsensitive);
    return rest.contains(QLatin1String("tv"), Qt::CaseInsensitive);
}

QString addressOf(QStringView fileLine)
{
    QString address = valuePart(fileLine).toString();
    address.remove(u'\t');
    return address.trimmed();
}

} // namespace

// Any line that mentions "file" starts an entry, whatever its numbering; its
// title is the first line from the top whose key is "title" plus the same
// index. One pass notes every File line and the first line of every title
// key, so the work grows with the file's size and not with its square.
void plsFile::readBytes(QByteArray data)
{
    const kestrel::PlaylistText decoded = kestrel::decodePlaylistText(std::move(data));
    kestrel::LineSplitter lines(decoded.text, decoded.cutAtNul);
    QHash<QString, TitleLine> titles;
    QList<QStringView> fileLines;
    TitleLine *waitingForNext = nullptr;
    QStringView line;
    while (lines.next(&line)) {
        if (waitingForNext) {
            waitingForNext->next = line;
            waitingForNext = nullptr;
        }
        if (line.contains(QLatin1String("file"), Qt::CaseInsensitive))
            fileLines.append(line);
        const QStringView key = keyPart(line).trimmed();
        if (key.startsWith(QLatin1String("title"), Qt::CaseInsensitive)) {
            const QString folded = key.toString().toCaseFolded();
            if (!titles.contains(folded))
                waitingForNext = &titles.insert(folded, TitleLine{line, {}}).value();
        }
    }
    m_entries.reserve(m_entries.size() + fileLines.size());
    for (const QStringView fileLine : std::as_const(fileLines)) {
        const auto found = titles.constFind(titleKeyOfFileLine(fileLine));
        if (found == titles.cend())
            continue;
        Entry entry;
        entry.title = valuePart(found->line).trimmed().toString();
        entry.url = QUrl(addressOf(fileLine));
        entry.type = isTvMarker(found->next) ? 2 : 1;
        m_entries.append(entry);
    }
}

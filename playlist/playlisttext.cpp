#include "playlist/playlisttext.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QTextStream>

namespace kestrel {

namespace {

QString decodeWith(QStringDecoder::Encoding encoding, QByteArrayView bytes, bool *error)
{
    // Stateless makes a sequence cut short by the end of the file an error
    // instead of state silently kept for input that never comes.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless |
                                         QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (error)
        *error = decoder.hasError();
    return text;
}

// Qt's UTF-16 decoder passes unpaired surrogates through. No encoding that a
// save writes can carry them, so a title holding one would change on the next
// save and read; the replacement character is what the file really says.
void replaceLoneSurrogates(QString &text)
{
    const qsizetype size = text.size();
    const QChar *data = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        if (!data[i].isSurrogate())
            continue;
        if (data[i].isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        text[i] = QChar::ReplacementCharacter;
        data = text.constData();
    }
}

// Files that are not UTF-8 were nearly all saved on Windows, in its Western
// code page: Latin-1 except for 0x80-0x9F, where it puts the typographic
// quotes, dashes, the ellipsis and the euro sign. Latin-1 would turn those
// into invisible control characters. The five bytes the code page leaves
// undefined keep their Latin-1 meaning, so no byte is lost.
QString fromWindows1252(QByteArrayView bytes)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const uchar c = uchar(byte);
        *out++ = QChar(c >= 0x80 && c < 0xA0 ? high[c - 0x80] : char16_t(c));
    }
    return text;
}

} // namespace

PlaylistText decodePlaylistText(QByteArray bytes)
{
    PlaylistText result;
    QByteArrayView view(bytes);
    // Windows editors save "Unicode" text as UTF-16 with a byte-order mark.
    // Such a file is not byte-oriented: its NUL bytes are halves of characters.
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        const auto encoding =
            view.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
        result.text = decodeWith(encoding, view.sliced(2), nullptr);
        replaceLoneSurrogates(result.text);
        result.cutAtNul = false;
        return result;
    }
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    bool invalid = false;
    result.text = decodeWith(QStringDecoder::Utf8, view, &invalid);
    if (invalid) {
        // One byte, one character keeps every byte of an older file readable.
        // Free the failed attempt first so that at most one decoded copy
        // lives beside the bytes.
        result.text = QString();
        result.text = fromWindows1252(view);
    }
    return result;
}

LineSplitter::LineSplitter(QStringView text, bool cutAtNul)
    : m_text(text)
    , m_cutAtNul(cutAtNul)
{}

// Each separator's next position is searched for only once it has been
// passed, so a file is scanned a constant number of times whatever mix of
// line ends it has.
qsizetype LineSplitter::nextPosition(char16_t c, qsizetype *cache) const
{
    if (*cache < m_pos) {
        const qsizetype found = m_text.indexOf(QChar(c), m_pos);
        *cache = found < 0 ? m_text.size() : found;
    }
    return *cache;
}

bool LineSplitter::next(QStringView *line)
{
    if (m_pos >= m_text.size())
        return false;
    const qsizetype cr = nextPosition(u'\r', &m_cr);
    const qsizetype lf = nextPosition(u'\n', &m_lf);
    const qsizetype end = qMin(cr, lf);
    qsizetype textEnd = end;
    if (m_cutAtNul)
        textEnd = qMin(end, nextPosition(u'\0', &m_nul));
    *line = m_text.sliced(m_pos, textEnd - m_pos);
    qsizetype after = end + 1;
    if (end == cr && after < m_text.size() && m_text.at(after) == u'\n')
        ++after;
    m_pos = after;
    return true;
}

qint8 openForReading(QFile *file)
{
    if (!file->exists())
        return -2;
    return file->open(QIODevice::ReadOnly) ? 0 : -1;
}

qint8 readWholeFile(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    const qint8 opened = openForReading(&file);
    if (opened != 0)
        return opened;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? 0 : -1;
}

namespace {

bool sameAscii(QChar c, char lower)
{
    if (lower >= 'a' && lower <= 'z')
        return (c.unicode() | 0x20) == lower;
    return c.unicode() == uchar(lower);
}

} // namespace

bool startsWithWord(QStringView text, QLatin1String word)
{
    if (text.size() < word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!sameAscii(text[i], word[i].toLatin1()))
            return false;
    }
    return true;
}

bool containsWord(QStringView text, QLatin1String word)
{
    const char first = word[0].toLatin1();
    for (qsizetype i = 0; i + word.size() <= text.size(); ++i) {
        if (sameAscii(text[i], first) && startsWithWord(text.sliced(i), word))
            return true;
    }
    return false;
}

QString singleLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String(" "));
    result.replace(u'\r', u' ');
    result.replace(u'\n', u' ');
    return result;
}

bool saveTextAtomically(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::System);
    out << text;
    out.flush();
    return commitWhenWritten(&file, out.status() == QTextStream::Ok);
}

// QSaveFile::commit() (Qt 6.4) ignores a failure of the last flush of its
// buffer, and would then put a cut-off file in place of a good one: a full
// disk is seen only by that flush when the content fits into the buffer.
// Flushing first turns such a failure into an error before anything is
// replaced.
bool commitWhenWritten(QSaveFile *file, bool written)
{
    if (!written || !file->flush() || file->error() != QFileDevice::NoError) {
        file->cancelWriting();
        return false;
    }
    return file->commit();
}

} // namespace kestrel

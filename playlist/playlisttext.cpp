#include "playlist/playlisttext.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QTextStream>

#include <cstring>
#include <utility>

namespace kestrel {

namespace {

// Stateless makes a sequence cut short by the end of the file an error
// instead of state silently kept for input that never comes. A byte-order
// mark after the first one is text and stays.
constexpr QStringDecoder::Flags decoderFlags =
    QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;

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
QChar *fromWindows1252(QByteArrayView bytes, QChar *out)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (const char byte : bytes) {
        const uchar c = uchar(byte);
        *out++ = QChar(c >= 0x80 && c < 0xA0 ? high[c - 0x80] : char16_t(c));
    }
    return out;
}

} // namespace

// The bytes are split at their line ends and each line is decoded only when
// it is read: CR, LF and NUL are single bytes in UTF-8 and Windows-1252 that
// never occur inside another character, so the lines are those of the
// decoded text, while the whole text never exists at once.
PlaylistLines::PlaylistLines(QByteArray bytes, bool decodeAgain)
    : m_decodeAgain(decodeAgain)
{
    const QByteArrayView view(bytes);
    // Windows editors save "Unicode" text as UTF-16 with a byte-order mark.
    // Such a file is not byte-oriented: its NUL bytes are halves of characters.
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(view.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                           : QStringDecoder::Utf16BE,
                               decoderFlags);
        m_text = decoder.decode(view.sliced(2));
        // The bytes go before the text is scanned.
        bytes = QByteArray();
        replaceLoneSurrogates(m_text);
        m_encoding = Encoding::Utf16;
        m_end = m_text.size();
        return;
    }
    m_bytes = std::move(bytes);
    if (m_bytes.startsWith("\xEF\xBB\xBF"))
        m_begin = 3;
    m_end = m_bytes.size();
    m_pos = m_begin;
    // One byte, one character keeps every byte of an older file readable.
    if (!QByteArrayView(m_bytes).sliced(m_begin).isValidUtf8())
        m_encoding = Encoding::Windows1252;
}

char16_t PlaylistLines::at(qsizetype pos) const
{
    return m_encoding == Encoding::Utf16 ? m_text.at(pos).unicode() : uchar(m_bytes.at(pos));
}

// memchr straight away: QByteArray::indexOf() costs as much again in checks
// and calls on the short lines of a playlist.
qsizetype PlaylistLines::find(char c, qsizetype from, qsizetype end) const
{
    if (m_encoding == Encoding::Utf16)
        return QStringView(m_text).first(end).indexOf(QLatin1Char(c), from);
    if (from >= end)
        return -1;
    const char *const data = m_bytes.constData();
    const void *found = std::memchr(data + from, c, size_t(end - from));
    return found ? static_cast<const char *>(found) - data : -1;
}

qsizetype PlaylistLines::find(char c, qsizetype from) const
{
    return find(c, from, m_end);
}

LineSpan PlaylistLines::prefixBefore(LineSpan span, char c) const
{
    const qsizetype found = find(c, span.start, span.start + span.size);
    return found < 0 ? span : LineSpan{span.start, found - span.start};
}

// Each separator's next position is searched for only once it has been
// passed, so a file is scanned a constant number of times whatever mix of
// line ends it has.
qsizetype PlaylistLines::nextPosition(char c, qsizetype *cache) const
{
    if (*cache < m_pos) {
        const qsizetype found = find(c, m_pos);
        *cache = found < 0 ? m_end : found;
    }
    return *cache;
}

bool PlaylistLines::skip()
{
    if (m_pos >= m_end)
        return false;
    const qsizetype cr = nextPosition('\r', &m_cr);
    const qsizetype lf = nextPosition('\n', &m_lf);
    const qsizetype end = qMin(cr, lf);
    qsizetype textEnd = end;
    if (m_encoding != Encoding::Utf16)
        textEnd = qMin(end, nextPosition('\0', &m_nul));
    m_last = LineSpan{m_pos, textEnd - m_pos};
    qsizetype after = end + 1;
    if (end == cr && after < m_end && at(after) == u'\n')
        ++after;
    m_pos = after;
    return true;
}

QStringView PlaylistLines::line()
{
    const QStringView text = decode(m_last, &m_line);
    m_lineSize = text.size();
    return text;
}

bool PlaylistLines::next(QStringView *line)
{
    if (!skip())
        return false;
    *line = this->line();
    if (m_pos >= m_end && !m_decodeAgain)
        m_bytes = QByteArray();
    return true;
}

QStringView PlaylistLines::decode(LineSpan span, QString *buffer) const
{
    if (m_encoding == Encoding::Utf16)
        return QStringView(m_text).sliced(span.start, span.size);
    // Neither encoding gives more characters than it has bytes. The buffer
    // only grows, and its old text is not kept when it does; at least one
    // character keeps it allocated, so that an empty line is not null.
    const qsizetype room = qMax<qsizetype>(span.size, 1);
    if (buffer->size() < room)
        *buffer = QString(room, Qt::Uninitialized);
    QChar *const begin = buffer->data();
    const QByteArrayView bytes = QByteArrayView(m_bytes).sliced(span.start, span.size);
    QChar *end = nullptr;
    if (m_encoding == Encoding::Utf8) {
        // Playlists are mostly ASCII, which widens without the decoder's
        // set-up for every short line.
        const char *const in = bytes.data();
        char16_t *const out = reinterpret_cast<char16_t *>(begin);
        qsizetype ascii = 0;
        for (quint64 word = 0; ascii + 8 <= bytes.size(); ascii += 8) {
            std::memcpy(&word, in + ascii, 8);
            if (word & 0x8080808080808080u)
                break;
            for (int k = 0; k < 8; ++k)
                out[ascii + k] = uchar(in[ascii + k]);
        }
        for (; ascii < bytes.size() && uchar(in[ascii]) < 0x80; ++ascii)
            out[ascii] = uchar(in[ascii]);
        end = begin + ascii;
        if (ascii < bytes.size()) {
            QStringDecoder decoder(QStringDecoder::Utf8, decoderFlags);
            end = decoder.appendToBuffer(end, bytes.sliced(ascii));
        }
    } else {
        end = fromWindows1252(bytes, begin);
    }
    return QStringView(begin, end - begin);
}

QString PlaylistLines::take(QStringView part)
{
    // A short line is copied, so that the buffer serves the next line.
    if (m_encoding == Encoding::Utf16 || part.size() < 4096 || part.data() != m_line.constData() ||
        part.size() != m_lineSize)
        return part.toString();
    QString taken = std::exchange(m_line, QString());
    // Shrinks in place, should the buffer have held a longer line before.
    taken.resize(m_lineSize);
    taken.squeeze();
    return taken;
}

qsizetype PlaylistLines::countLinesNotStartingWith(char c) const
{
    qsizetype count = 0;
    for (qsizetype pos = m_begin; pos < m_end;) {
        if (at(pos) != char16_t(uchar(c)))
            ++count;
        const qsizetype lf = find('\n', pos);
        pos = lf < 0 ? m_end : lf + 1;
    }
    return count;
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

QString decodeUtf8OrWindows1252(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    fromWindows1252(bytes, text.data());
    return text;
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

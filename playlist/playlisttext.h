#ifndef KESTREL_PLAYLISTTEXT_H
#define KESTREL_PLAYLISTTEXT_H

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringView>

// Text helpers shared by the line-based playlist readers and writers.
namespace kestrel {

// Where a line lies in a file, in the units PlaylistLines counts in; it can
// be decoded again once the reader needs the line's text.
struct LineSpan
{
    qsizetype start = 0;
    qsizetype size = 0;
};

// The lines of a playlist file, decoded one at a time. The file is UTF-16
// when it begins with a UTF-16 byte-order mark, otherwise UTF-8 when all of it
// is valid UTF-8 and Windows-1252 when not; a leading UTF-8 byte-order mark is
// skipped. A line ends at CR LF, LF or a lone CR; the line end is not part of
// the line. Text after the last line end is a line of its own, so "a\n" holds
// one line and "" none. In the byte-oriented encodings a NUL byte ends the
// text of its line.
class PlaylistLines
{
public:
    // The bytes are released once the last line has been read, unless
    // decodeAgain asks to keep them for decode().
    explicit PlaylistLines(QByteArray bytes, bool decodeAgain = false);

    // Gives the next line; false when no line is left. The view stays valid
    // until the next call.
    bool next(QStringView *line);
    // Moves to the next line without decoding it; false when none is left.
    // line() then decodes it, should it be needed (only with decodeAgain
    // once the last line is reached).
    bool skip();
    QStringView line();
    // Where the line that next() or skip() gave last lies.
    LineSpan lastSpan() const { return m_last; }
    // A part of the line that next() gave last as a string of its own. When
    // the part is the whole of a long line, the line's buffer becomes the
    // string instead of being copied: a huge line is then never held twice.
    QString take(QStringView part);
    // The text of a line given before; the view lives as long as buffer
    // stays unchanged.
    QStringView decode(LineSpan span, QString *buffer) const;
    // How many lines there are at most that do not begin with c, counted
    // without decoding: enough to reserve the entries of a read.
    qsizetype countLinesNotStartingWith(char c) const;
    // The first unit of a line, a byte or a UTF-16 unit, before decoding; 0
    // for an empty line. An ASCII character stands for itself either way.
    char16_t firstUnit(LineSpan span) const { return span.size > 0 ? at(span.start) : 0; }
    // The part of a line before its first c, an ASCII character, or the
    // whole line without one; found without decoding.
    LineSpan prefixBefore(LineSpan span, char c) const;
    // The file's size in the units of its spans.
    qsizetype size() const { return m_end; }

private:
    enum class Encoding { Utf8, Windows1252, Utf16 };

    char16_t at(qsizetype pos) const;
    qsizetype find(char c, qsizetype from) const;
    qsizetype find(char c, qsizetype from, qsizetype end) const;
    qsizetype nextPosition(char c, qsizetype *cache) const;

    // The file's bytes, or for UTF-16 its decoded text, never both.
    QByteArray m_bytes;
    QString m_text;
    Encoding m_encoding = Encoding::Utf8;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    qsizetype m_pos = 0;
    qsizetype m_cr = -1;
    qsizetype m_lf = -1;
    qsizetype m_nul = -1;
    LineSpan m_last;
    QString m_line;
    qsizetype m_lineSize = 0;
    bool m_decodeAgain;
};

// Checks that path names an existing file and opens it for reading.
// Returns 0 when open, -2 when no such file exists (an empty name included)
// and -1 when it exists but cannot be opened, a folder for instance.
qint8 openForReading(QFile *file);

// Reads a whole file with the codes of openForReading; a read error after
// opening gives -1, so that a damaged medium is not mistaken for a short
// playlist.
qint8 readWholeFile(const QString &path, QByteArray *bytes);

// Case-insensitive tests for the lower-case ASCII words that the readers
// look for ("file", "title", "#extinf"). They agree with Qt's case-insensitive
// comparison for every text, since no character outside ASCII matches one of
// these letters or a digit without regard to case (tests check Qt's tables),
// and they need no case table. Not for words with "k" or "s", which U+212A
// and U+017F match.
bool startsWithWord(QStringView text, QLatin1String word);
bool containsWord(QStringView text, QLatin1String word);

// The rule of PlaylistLines for bytes known to hold no UTF-16 (a header
// line, say): UTF-8 when valid, with a leading byte-order mark skipped, else
// Windows-1252.
QString decodeUtf8OrWindows1252(QByteArrayView bytes);

// Replaces each line break (CR LF, CR or LF) by one space, so that a title or
// address can never end its line early or forge a line of its own.
QString singleLine(const QString &text);

// Writes text in the system encoding to path through a QSaveFile, so that on
// any failure the file already there stays untouched. Returns true only when
// the text was written, flushed and committed.
bool saveTextAtomically(const QString &path, const QString &text);

// Puts a QSaveFile whose content has been written in place of its target, or
// throws the content away when any write failed. True when it took its place.
bool commitWhenWritten(QSaveFile *file, bool written);

} // namespace kestrel

#endif

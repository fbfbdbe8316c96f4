#ifndef KESTREL_PLAYLISTTEXT_H
#define KESTREL_PLAYLISTTEXT_H

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringView>

// Text helpers shared by the line-based playlist readers and writers.
namespace kestrel {

// A playlist file decoded to text. cutAtNul tells whether the file used a
// byte-oriented encoding, where a NUL byte ends the text of its line.
struct PlaylistText
{
    QString text;
    bool cutAtNul = true;
};

// Decodes a whole file: UTF-16 when it begins with a UTF-16 byte-order mark,
// otherwise UTF-8 when all of it is valid UTF-8 and Windows-1252 when not; a
// leading UTF-8 byte-order mark is skipped. Takes the bytes by value so that
// they are released as soon as the text exists.
PlaylistText decodePlaylistText(QByteArray bytes);

// Walks the lines of a text without copying it. A line ends at CR LF, LF or a
// lone CR; the line end is not part of the line. Text after the last line end
// is a line of its own, so "a\n" holds one line and "" none.
class LineSplitter
{
public:
    LineSplitter(QStringView text, bool cutAtNul);

    // Gives the next line, cut at its first NUL when the text asks for it.
    // Returns false when no line is left.
    bool next(QStringView *line);

private:
    qsizetype nextPosition(char16_t c, qsizetype *cache) const;

    QStringView m_text;
    qsizetype m_pos = 0;
    qsizetype m_cr = -1;
    qsizetype m_lf = -1;
    qsizetype m_nul = -1;
    bool m_cutAtNul;
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

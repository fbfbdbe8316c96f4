#ifndef KESTREL_PLAYLISTFILETEST_H
#define KESTREL_PLAYLISTFILETEST_H

// Helpers shared by the tests of the playlist file classes: sample files,
// raw bytes on disk, the signals in the order they came, and paths that can
// never be opened even by root.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace PlaylistTest {

inline QString sample(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Records every signal of a playlist file object as text, in the order
// emitted, such as {"startingReading", "readingFinished(0)"}.
class SignalLog
{
public:
    template<typename File> explicit SignalLog(File *file)
    {
        QObject::connect(file, &File::startingReading, [this] { events << "startingReading"; });
        QObject::connect(file, &File::startingWriting, [this] { events << "startingWriting"; });
        QObject::connect(file, &File::readingFinished, [this](qint8 code) {
            events << QStringLiteral("readingFinished(%1)").arg(code);
        });
    }

    QStringList events;
};

// The result codes of readingFinished, as a spy saw them.
inline QList<int> codes(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &arguments : spy)
        result << arguments.at(0).value<qint8>();
    return result;
}

// Paths that no one can open: a name under a regular file, a name under a
// missing folder, and a folder where a file is expected. Permissions would
// not do, since the tests run as root.
inline QString impossiblePath(const QTemporaryDir &dir, const QString &kind)
{
    if (kind == QLatin1String("under a file")) {
        writeBytes(dir.filePath("plain"), "x");
        return dir.filePath("plain/list");
    }
    if (kind == QLatin1String("missing folder"))
        return dir.filePath("missing/list");
    QDir(dir.path()).mkpath("folder");
    return dir.filePath("folder");
}

// The first character outside ASCII that equals one of the letters without
// regard to case, as "U+212a matches k"; empty when there is none. The
// readers match their keywords without case tables and rely on there being
// none for the letters of those words.
inline QString nonAsciiMatch(const QString &letters)
{
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text = QString::fromUcs4(&c, 1);
        for (const QChar letter : letters) {
            if (text.compare(QStringView(&letter, 1), Qt::CaseInsensitive) == 0)
                return QStringLiteral("U+%1 matches %2").arg(uint(c), 4, 16).arg(letter);
        }
    }
    return QString();
}

} // namespace PlaylistTest

#endif

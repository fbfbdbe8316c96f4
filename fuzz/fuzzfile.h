#ifndef KESTREL_FUZZFILE_H
#define KESTREL_FUZZFILE_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// The readers are meant for files, so every fuzz input becomes one: written
// to a scratch folder (in memory where the system offers /dev/shm).
inline QString fuzzScratchDir()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/kestrel-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kestrel-fuzz-XXXXXX"));
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

inline QString writeFuzzInput(const uint8_t *data, size_t size, const char *name)
{
    const QString path = fuzzScratchDir() + QLatin1Char('/') + QLatin1String(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}

#endif

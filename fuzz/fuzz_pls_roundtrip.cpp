// Every file the PLS reader accepts must survive a save and a second read
// (see plsroundtrip.h for what counts as the same).

#include "plsroundtrip.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The saves go to memory where the system offers it: one per input.
    static const QTemporaryDir scratch(QDir(QStringLiteral("/dev/shm")).exists()
                                           ? QStringLiteral("/dev/shm/kestrel-fuzz-XXXXXX")
                                           : QDir::tempPath() +
                                                 QStringLiteral("/kestrel-fuzz-XXXXXX"));
    plsFile first;
    first.readBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString changed =
        kestrel::roundtrip::difference(first.entries(), scratch.filePath(QStringLiteral("out")));
    if (!changed.isEmpty()) {
        std::fprintf(stderr, "round trip changed %s\n", qPrintable(changed));
        std::abort();
    }
    return 0;
}

#include "playlistgen.h"

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A whole process that reads one playlist and prints how many entries it
// holds, so that its time and peak memory can be taken from outside, start-up
// and all, as a user's program would spend them. bench/readcount.sh runs it.
//   kestrel_readcount FILE              read with the reader of the suffix
//   kestrel_readcount --baseline FILE   readAll and split at LF instead
//   kestrel_readcount --make FORMAT COUNT FILE
//                                       write a sample (pls, m3u, m3u-plain, xspf)
namespace {

template<class File> qsizetype readWith(const char *path)
{
    File file;
    file.readFile(QFile::decodeName(path));
    return file.entries().size();
}

// Kept out of line so that bench/instructions.sh can count what runs inside.
Q_NEVER_INLINE qsizetype readCount(const char *path)
{
    const QString name = QFile::decodeName(path).toLower();
    if (name.endsWith(QLatin1String(".pls")))
        return readWith<plsFile>(path);
    if (name.endsWith(QLatin1String(".m3u")))
        return readWith<m3uFile>(path);
    if (name.endsWith(QLatin1String(".xspf")))
        return readWith<xspfFile>(path);
    return -1;
}

Q_NEVER_INLINE qsizetype baselineCount(const char *path)
{
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readAll().split('\n').size();
}

bool make(const char *format, int count, const char *path)
{
    QByteArray bytes;
    if (std::strcmp(format, "pls") == 0)
        bytes = bench::makePls(count);
    else if (std::strcmp(format, "m3u") == 0)
        bytes = bench::makeM3u(count);
    else if (std::strcmp(format, "m3u-plain") == 0)
        bytes = bench::makeM3uPlain(count);
    else if (std::strcmp(format, "xspf") == 0)
        bytes = bench::makeXspf(count);
    else
        return false;
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    qsizetype count = -1;
    if (argc == 2)
        count = readCount(argv[1]);
    else if (argc == 3 && std::strcmp(argv[1], "--baseline") == 0)
        count = baselineCount(argv[2]);
    else if (argc == 5 && std::strcmp(argv[1], "--make") == 0)
        return make(argv[2], std::atoi(argv[3]), argv[4]) ? 0 : 1;
    if (count < 0) {
        std::fprintf(stderr, "usage: kestrel_readcount [--baseline] FILE\n"
                             "       kestrel_readcount --make FORMAT COUNT FILE\n");
        return 2;
    }
    std::printf("%lld\n", static_cast<long long>(count));
    return 0;
}

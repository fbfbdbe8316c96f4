#ifndef KESTREL_BENCH_PLAYLISTGEN_H
#define KESTREL_BENCH_PLAYLISTGEN_H

#include "playlist/plsfile.h"

#include <QByteArray>
#include <QList>

// Playlists of a given size for the benchmarks, as files of each format and
// as an entry list for the writers. Entry i is the same in every form.
namespace bench {

// Entries short enough for 19 to share one PLS file, every fifth one TV.
QList<plsFile::Entry> makeEntries(int count);

// One PLS file holding every entry, numbered from 1 as most players write.
QByteArray makePls(int count);
// An extended M3U file.
QByteArray makeM3u(int count);
// A plain M3U file: the addresses alone.
QByteArray makeM3uPlain(int count);
// An XSPF document with one track per entry.
QByteArray makeXspf(int count);

} // namespace bench

#endif

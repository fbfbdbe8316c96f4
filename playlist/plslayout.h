#ifndef KESTREL_PLSLAYOUT_H
#define KESTREL_PLSLAYOUT_H

#include "playlist/plsfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a PLS entry list is split over files that the radio-box accepts. The
// writer and plsFile::fileSizes both use it, so the counts shown to the user
// are the files that a save writes.
namespace kestrel::pls {

// A run of consecutive entries that goes into one file.
struct FilePart
{
    qsizetype first = 0;
    qsizetype count = 0;
};

struct Layout
{
    QList<FilePart> files;
    // An entry does not fit into a file even on its own with an empty title.
    bool entryTooLong = false;
};

// Splits the list into files of at most 19 entries and 2048 bytes in the
// encoding that the writer uses. An empty list gives one file without entries.
Layout layoutFiles(const QList<plsFile::Entry> &entries);

// The complete text of one file of a layout, lines ended by CR LF.
QString fileText(const QList<plsFile::Entry> &entries, const FilePart &part);

// Name of the file with the given number in a save to path: path itself for
// 0, else dir/base + number + "." + suffix, where the suffix is the part
// after the last dot and the base everything before it.
QString continuationName(const QString &path, int number);

// Continuation files of path beyond the first written ones that an earlier,
// longer save left behind: numbers written, written + 1, ... for as long as
// such a file exists. The radio-box would play them with the new ones.
QStringList staleContinuationFiles(const QString &path, int written);

} // namespace kestrel::pls

#endif

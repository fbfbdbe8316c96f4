// What the PLS reader makes of any file must survive a save and a second
// read: the same number of entries in the same order, the same addresses and
// kinds, and titles as the format keeps them (one line, trimmed, shortened
// only when the entry would not fit into a file otherwise).

#include "fuzzfile.h"
#include "playlist/plsfile.h"

#include <QDir>

#include <cstdio>

namespace {

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

[[noreturn]] void fail(const char *what, int index)
{
    std::fprintf(stderr, "round trip changed %s of entry %d\n", what, index);
    std::abort();
}

void compare(const QList<plsFile::Entry> &before, const QList<plsFile::Entry> &after)
{
    if (before.size() != after.size())
        fail("the number", int(after.size()));
    for (int i = 0; i < before.size(); ++i) {
        const plsFile::Entry &a = before.at(i);
        const plsFile::Entry &b = after.at(i);
        const QString title = oneLine(a.title).trimmed();
        // A title shortened to fit keeps its start; one that fits stays whole.
        if (!title.startsWith(b.title.trimmed()))
            fail("the title", i);
        if ((a.type == 1) != (b.type == 1))
            fail("the kind", i);
        const QString url = QUrl(oneLine(a.url.toString()).trimmed()).toString();
        if (url != b.url.toString())
            fail("the address", i);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = writeFuzzInput(data, size, "input.pls");
    plsFile first;
    first.readFile(input);
    const QList<plsFile::Entry> entries = first.entries();

    const QString output = fuzzScratchDir() + QStringLiteral("/out/radio.pls");
    QDir(fuzzScratchDir() + QStringLiteral("/out")).removeRecursively();
    QDir(fuzzScratchDir()).mkdir(QStringLiteral("out"));
    plsFile writer;
    qint8 result = 127;
    QObject::connect(&writer, &plsFile::readingFinished, [&result](qint8 code) { result = code; });
    writer.setEntries(entries);
    writer.saveFile(output);
    if (result == -4)
        return 0; // an entry that fits no file is refused, nothing to compare
    if (result != 0)
        std::abort();

    plsFile second;
    const QList<int> sizes = plsFile::fileSizes(entries);
    for (int n = 0; n < qMax<int>(1, int(sizes.size())); ++n) {
        const QString name =
            n == 0 ? output : QStringLiteral("%1/out/radio%2.pls").arg(fuzzScratchDir()).arg(n);
        second.readFile(name);
    }
    compare(entries, second.entries());
    return 0;
}

#include "playlistgen.h"

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/plslayout.h"
#include "playlist/streamaddress.h"
#include "playlist/xspffile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

// Every read is compared with the cheapest useful thing one can do with the
// same file, reading it and splitting it at LF. The two are timed in turns
// within one run, so that both meet the same state of the heap and of the
// machine, and the ratio holds from one machine to the next. Both are timed
// in the thread's processor time: on a machine shared with other builds, wall
// time mostly measures the wait for a core.
namespace {

qint64 cpuNow()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

enum Format { Pls, M3u, Xspf };

const char *const suffixes[] = {"pls", "m3u", "xspf"};

QString workPath(const QString &name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
}

QString sampleFile(Format format, int count)
{
    const QString path = workPath(QStringLiteral("sample%1.%2").arg(count).arg(suffixes[format]));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the sample %s", qPrintable(path));
        file.write(format == Pls   ? bench::makePls(count)
                   : format == M3u ? bench::makeM3u(count)
                                   : bench::makeXspf(count));
    }
    return path;
}

qsizetype baselineOnce(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = file.readAll().split('\n');
    return lines.size();
}

template<class File> qsizetype readOnce(const QString &path)
{
    File file;
    file.readFile(path);
    return file.entries().size();
}

qsizetype readFormat(Format format, const QString &path)
{
    switch (format) {
    case Pls:
        return readOnce<plsFile>(path);
    case M3u:
        return readOnce<m3uFile>(path);
    case Xspf:
        return readOnce<xspfFile>(path);
    }
    return 0;
}

// Times `work` in processor time, in turns with the baseline on `path`, and
// reports the work alone as the iteration's time; the counters give the
// baseline and the work as a multiple of it.
template<class Work>
void timeAgainstBaseline(benchmark::State &state, const QString &path, Work work)
{
    qint64 spentInWork = 0;
    qint64 baseline = 0;
    for (auto _ : state) {
        qint64 start = cpuNow();
        benchmark::DoNotOptimize(baselineOnce(path));
        baseline += cpuNow() - start;
        start = cpuNow();
        work();
        const qint64 spent = cpuNow() - start;
        spentInWork += spent;
        state.SetIterationTime(double(spent) / 1e9);
    }
    state.counters["baseline_ms"] = double(baseline) / double(state.iterations()) / 1e6;
    state.counters["x_baseline"] = double(spentInWork) / double(baseline);
}

// Reported time: the read alone, the object's destruction included.
void BM_Read(benchmark::State &state, Format format)
{
    const QString path = sampleFile(format, int(state.range(0)));
    timeAgainstBaseline(state, path, [&] {
        if (readFormat(format, path) != state.range(0))
            state.SkipWithError("the sample was not read completely");
    });
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

// Reported time: the QUrls of every address of the M3U sample built from
// their texts and destroyed again; the texts are made before. Every reader
// must build them, so this is the part of a read that no reader can cut.
// `shared` builds them as the readers do, with the scheme's text shared.
void BM_BuildUrls(benchmark::State &state, bool shared)
{
    const int count = int(state.range(0));
    QStringList texts;
    for (const plsFile::Entry &entry : bench::makeEntries(count))
        texts.append(entry.url.toString());
    timeAgainstBaseline(state, sampleFile(M3u, count), [&] {
        QList<QUrl> urls;
        urls.reserve(texts.size());
        for (const QString &text : std::as_const(texts))
            urls.append(shared ? kestrel::addressUrl(text) : QUrl(text));
        benchmark::DoNotOptimize(urls.data());
    });
}

template<class File, class Save>
void writeLoop(benchmark::State &state, const char *suffix, Save save)
{
    QList<typename File::Entry> entries;
    for (const plsFile::Entry &entry : bench::makeEntries(int(state.range(0))))
        entries.append(typename File::Entry{entry.title, entry.url});
    File file;
    file.setEntries(entries);
    const QString path = workPath(QStringLiteral("written%1.%2").arg(state.range(0)).arg(suffix));
    for (auto _ : state)
        (file.*save)(path);
}

void BM_WritePls(benchmark::State &state)
{
    plsFile file;
    file.setEntries(bench::makeEntries(int(state.range(0))));
    const QString path = workPath(QStringLiteral("written%1.pls").arg(state.range(0)));
    for (auto _ : state)
        file.saveFile(path);
    state.counters["files"] = double(plsFile::fileSizes(file.entries()).size());
}

// The text of every file of a PLS save without touching the disk: what the
// writer spends apart from the file system.
void BM_BuildPlsText(benchmark::State &state)
{
    const QList<plsFile::Entry> entries = bench::makeEntries(int(state.range(0)));
    for (auto _ : state) {
        const kestrel::pls::Layout layout = kestrel::pls::layoutFiles(entries);
        qsizetype size = 0;
        for (const kestrel::pls::FilePart &part : layout.files)
            size += kestrel::pls::fileText(entries, part).size();
        benchmark::DoNotOptimize(size);
    }
}

void BM_WriteM3u(benchmark::State &state)
{
    writeLoop<m3uFile>(state, "m3u", qOverload<QString>(&m3uFile::saveExtendedFile));
}

void BM_WriteXspf(benchmark::State &state)
{
    writeLoop<xspfFile>(state, "xspf", qOverload<QString>(&xspfFile::saveFile));
}

} // namespace

#define KESTREL_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)

BENCHMARK_CAPTURE(BM_Read, pls, Pls) KESTREL_SIZES->UseManualTime();
BENCHMARK_CAPTURE(BM_Read, m3u, M3u) KESTREL_SIZES->UseManualTime();
BENCHMARK_CAPTURE(BM_Read, xspf, Xspf) KESTREL_SIZES->UseManualTime();
BENCHMARK_CAPTURE(BM_BuildUrls, plain, false) KESTREL_SIZES->UseManualTime();
BENCHMARK_CAPTURE(BM_BuildUrls, shared, true) KESTREL_SIZES->UseManualTime();
BENCHMARK(BM_WritePls) KESTREL_SIZES;
BENCHMARK(BM_BuildPlsText) KESTREL_SIZES;
BENCHMARK(BM_WriteM3u) KESTREL_SIZES;
BENCHMARK(BM_WriteXspf) KESTREL_SIZES;

BENCHMARK_MAIN();

#include "../tests/streamserver.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/playlisttable.h"
#include "streamcheck/streamchecker.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <algorithm>

// Stream > Check streams on a long list, against the tests' stations on
// 127.0.0.1 in the same process (so the figures hold the servers' work too):
// how long, how many connections at once, and the memory it took. One in a
// hundred stations never answers in the second case; they cost the timeout,
// eight at a time.
namespace {

const char *const Paths[] = {"/icy", "/mpeg", "/gone", "/html", "/chain/2", "/ogg", "/utf8"};

// The process's peak resident set so far, in KiB.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void BM_Check(benchmark::State &state)
{
    const int entries = int(state.range(0));
    const int silentEvery = int(state.range(1));
    StreamServer server;
    int peakRunning = 0;
    int peakOpen = 0;
    const long before = peakKiB();
    for (auto _ : state) {
        StreamChecker checker;
        checker.setTimeout(2000);
        QEventLoop loop;
        int done = 0;
        QObject::connect(&checker, &StreamChecker::checked, &loop, [&] {
            ++done;
            peakRunning = std::max(peakRunning, checker.runningCount());
            peakOpen = std::max(peakOpen, server.openConnections());
        });
        QObject::connect(&checker, &StreamChecker::finished, &loop, &QEventLoop::quit);
        for (int i = 0; i < entries; ++i) {
            const bool silent = silentEvery > 0 && i % silentEvery == 0;
            checker.add(quint64(i), server.url(silent ? "/silent" : Paths[i % std::size(Paths)]),
                        i % 2 == 0);
        }
        loop.exec();
        if (done != entries)
            state.SkipWithError("not every entry was checked");
    }
    state.counters["peak_running"] = peakRunning;
    state.counters["peak_open_at_server"] = peakOpen;
    state.counters["peak_rss_growth_KiB"] = double(peakKiB() - before);
}

BENCHMARK(BM_Check)
    ->Args({1000, 0})
    ->Args({1000, 100})
    ->ArgNames({"entries", "silent_every"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// The same through the window: rows found again by their id, icons, names
// filled in, the progress bar.
void BM_CheckInWindow(benchmark::State &state)
{
    const int entries = int(state.range(0));
    StreamServer server;
    const long before = peakKiB();
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow window;
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableFile"));
        for (int i = 0; i < entries; ++i) {
            table->insertRow(i);
            table->setItem(i, 0, new QTableWidgetItem);
            // The window asks each address once; a query makes them differ.
            const QString address =
                server.url(Paths[i % std::size(Paths)]) + QStringLiteral("?%1").arg(i);
            table->setItem(i, 1, new QTableWidgetItem(address));
            auto *type = new QTableWidgetItem(QStringLiteral("Radio"));
            type->setData(PlaylistTable::KindRole, PlaylistTable::Radio);
            table->setItem(i, 2, type);
        }
        auto *progress = window.statusBar()->findChild<QProgressBar *>();
        state.ResumeTiming();
        window.findChild<QAction *>(QStringLiteral("actionCheckStreams"))->trigger();
        while (progress->isVisibleTo(&window))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["peak_rss_growth_KiB"] = double(peakKiB() - before);
}

BENCHMARK(BM_CheckInWindow)
    ->Arg(1000)
    ->ArgName("entries")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "playlistgen.h"

#include "mainwindow/mainwindow.h"
#include "playlist/plsfile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

// The window as its user meets it: a PLS file dropped onto it, saved with
// Save, rows deleted, the program quit. Each timing takes in one pass of the
// event loop after the action, since the window finishes some work (the split
// label, the first paint) only there. Beside the open and the save, in the
// same run and on the same file: the baseline (reading the bytes and
// splitting them at LF), and the playlist class alone doing the same read or
// write.
namespace {

// In memory where the system has a place for it: the figures are then the
// program's own work, not the disk's flushes, which would swamp them.
QTemporaryDir &workDir()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/kestrel-bench-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kestrel-bench-XXXXXX"));
    return dir;
}

QString samplePls(int count)
{
    const QString path = workDir().filePath(QStringLiteral("window%1.pls").arg(count));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bench::makePls(count)) < 0)
            qFatal("cannot write the sample %s", qPrintable(path));
    }
    return path;
}

qsizetype baselineOnce(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().split('\n').size();
}

qsizetype readerOnce(const QString &path)
{
    plsFile file;
    file.readFile(path);
    return file.entries().size();
}

// What the toolkit delivers when a file is dropped onto the window.
void dropOnto(MainWindow *window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
}

std::unique_ptr<MainWindow> shownWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

int rowsOf(MainWindow *window)
{
    return window->findChild<QTableWidget *>(QStringLiteral("tableFile"))->rowCount();
}

void trigger(MainWindow *window, const char *action)
{
    window->findChild<QAction *>(QString::fromLatin1(action))->trigger();
    QCoreApplication::processEvents();
}

// The resident set's high-water mark in bytes; with `reset` it is first set
// back to the present resident set, where the system allows it.
qint64 residentPeak(bool reset)
{
    if (reset) {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
    }
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

// Processor time of this thread, which the event loop does not spend while
// it waits: the work of an action whose last part (the split label) the
// window does only after the rows have been still for a moment.
qint64 threadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

template<typename Action> qint64 workNanoseconds(Action action)
{
    const qint64 start = threadNanoseconds();
    action();
    return threadNanoseconds() - start;
}

// Runs the event loop until the split label counts `rows` entries.
void waitForSplitLabel(MainWindow *window, int rows)
{
    const QString count = QString::number(rows) + u' ';
    QElapsedTimer patience;
    patience.start();
    while (patience.elapsed() < 10000) {
        for (const QLabel *label : window->statusBar()->findChildren<QLabel *>()) {
            if (label->text().startsWith(count) && label->text().contains(u','))
                return;
        }
        QTimer::singleShot(20, [] {});
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

template<typename Action> qint64 nanoseconds(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed();
}

void setRatios(benchmark::State &state, qint64 measured, qint64 baseline, qint64 alone,
               const char *aloneName)
{
    const double n = double(state.iterations());
    state.counters["baseline_ms"] = double(baseline) / n / 1e6;
    state.counters[aloneName] = double(alone) / n / 1e6;
    state.counters["x_baseline"] = double(measured) / double(baseline);
    state.counters[std::string("x_") + aloneName] = double(measured) / double(alone);
}

// Reported time: the work of the drop, from the event to the filled table
// with its labels, the split label included, in processor time. A fresh
// window each time; making it is not timed.
void BM_WindowOpen(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString path = samplePls(count);
    qint64 opening = 0, baseline = 0, reader = 0;
    for (auto _ : state) {
        baseline += workNanoseconds([&] { benchmark::DoNotOptimize(baselineOnce(path)); });
        reader += workNanoseconds([&] { benchmark::DoNotOptimize(readerOnce(path)); });
        state.PauseTiming();
        auto window = shownWindow();
        state.ResumeTiming();
        const qint64 spent = workNanoseconds([&] {
            dropOnto(window.get(), path);
            waitForSplitLabel(window.get(), count);
        });
        opening += spent;
        state.SetIterationTime(double(spent) / 1e9);
        if (rowsOf(window.get()) != count)
            state.SkipWithError("the file was not opened completely");
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    setRatios(state, opening, baseline, reader, "reader_ms");
}

// Reported time: Save of the opened playlist, every PLS file written. Beside
// it the writer alone with the same entries into a folder of its own.
void BM_WindowSave(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString source = samplePls(count);
    const QString target = workDir().filePath(QStringLiteral("saved%1/radio.pls").arg(count));
    const QString alone = workDir().filePath(QStringLiteral("alone%1/radio.pls").arg(count));
    QDir().mkpath(QFileInfo(target).path());
    QDir().mkpath(QFileInfo(alone).path());
    // An earlier run saved over it: the first file of a split keeps 19 entries.
    QFile::remove(target);
    QFile::copy(source, target);
    auto window = shownWindow();
    dropOnto(window.get(), target);
    QCoreApplication::processEvents();
    plsFile writer;
    writer.readFile(source);

    qint64 saving = 0, baseline = 0, writing = 0;
    for (auto _ : state) {
        baseline += nanoseconds([&] { benchmark::DoNotOptimize(baselineOnce(source)); });
        writing += nanoseconds([&] { writer.saveFile(alone); });
        window->setModified();
        const qint64 spent = nanoseconds([&] { trigger(window.get(), "actionSave"); });
        saving += spent;
        state.SetIterationTime(double(spent) / 1e9);
        if (window->isModified())
            state.SkipWithError("the save failed");
    }
    setRatios(state, saving, baseline, writing, "writer_ms");
    state.counters["files"] = double(plsFile::fileSizes(writer.entries()).size());
}

// Reported time: ten Deletes in a row in the middle of the table, as a held
// key gives them (the event loop runs once after each), until the split label
// counts the rows again, in processor time. `per_row_ms` is a tenth of it.
void BM_WindowDelete(benchmark::State &state)
{
    const int count = int(state.range(0));
    auto window = shownWindow();
    dropOnto(window.get(), samplePls(count));
    waitForSplitLabel(window.get(), count);
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("tableFile"));
    qint64 deleting = 0;
    for (auto _ : state) {
        const int before = table->rowCount();
        const qint64 spent = workNanoseconds([&] {
            for (int i = 0; i < 10; ++i) {
                table->setCurrentCell(table->rowCount() / 2, 0);
                trigger(window.get(), "actionDelete");
            }
            waitForSplitLabel(window.get(), rowsOf(window.get()));
        });
        deleting += spent;
        state.SetIterationTime(double(spent) / 1e9);
        // Delete takes the current row; a figure of Deletes that took nothing
        // would mean nothing.
        if (table->rowCount() != before - 10)
            state.SkipWithError("Delete did not take ten rows");
    }
    state.counters["per_row_ms"] = double(deleting) / double(state.iterations()) / 1e7;
}

// Reported time: quitting with an opened, unchanged playlist: the window
// closes (its settings are written) and goes, rows and all.
void BM_WindowQuit(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString path = samplePls(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = shownWindow();
        dropOnto(window.get(), path);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window->close();
        window.reset();
        QCoreApplication::processEvents();
    }
}

// Answers the question of a multi-row Delete with Yes, as soon as it shows.
class YesAnswerer
{
public:
    YesAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        m_timer.start(0);
    }

private:
    QTimer m_timer;
};

// Processor time of an action and one pass of the event loop after it:
// other programs on the machine move wall times by more than the steps take.
template<typename Action> qint64 stepNanoseconds(Action action)
{
    return workNanoseconds([&] {
        action();
        QCoreApplication::processEvents();
    });
}

// The editing steps over a whole list and their undo, each timed on its own:
// Sort by title of a list in address order, Remove duplicates of a list in
// which every address is there twice, side by side (so that the rows to go
// are scattered, every other one), and Delete of all rows chosen with
// Ctrl+A, the question answered. Reported time: the six together; the
// counters give each, in milliseconds.
void BM_WindowEditSteps(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString half = samplePls(count / 2);
    qint64 spent[6] = {};
    for (auto _ : state) {
        state.PauseTiming();
        auto window = shownWindow();
        dropOnto(window.get(), half);
        QCoreApplication::processEvents();
        dropOnto(window.get(), half);
        QCoreApplication::processEvents();
        trigger(window.get(), "actionSortAddress");
        auto *table = window->findChild<QTableWidget *>(QStringLiteral("tableFile"));
        state.ResumeTiming();
        qint64 now[6];
        now[0] = stepNanoseconds([&] { trigger(window.get(), "actionSortTitle"); });
        now[1] = stepNanoseconds([&] { trigger(window.get(), "actionUndo"); });
        now[2] = stepNanoseconds([&] { trigger(window.get(), "actionRemoveDuplicates"); });
        const bool halved = rowsOf(window.get()) == count / 2;
        now[3] = stepNanoseconds([&] { trigger(window.get(), "actionUndo"); });
        table->setFocus();
        table->selectAll();
        {
            YesAnswerer yes;
            now[4] = stepNanoseconds([&] { trigger(window.get(), "actionDelete"); });
        }
        const bool emptied = rowsOf(window.get()) == 0;
        now[5] = stepNanoseconds([&] { trigger(window.get(), "actionUndo"); });
        qint64 total = 0;
        for (int i = 0; i < 6; ++i) {
            spent[i] += now[i];
            total += now[i];
        }
        state.SetIterationTime(double(total) / 1e9);
        if (!halved || !emptied || rowsOf(window.get()) != count)
            state.SkipWithError("a step did not do its work");
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    const char *names[6] = {"sort_ms",        "sort_undo_ms", "dedupe_ms",
                            "dedupe_undo_ms", "delete_ms",    "delete_undo_ms"};
    for (int i = 0; i < 6; ++i)
        state.counters[names[i]] = double(spent[i]) / double(state.iterations()) / 1e6;
}

// The rise of the resident set's high-water mark when `path` is dropped onto
// a shown, empty window, until its split label is shown, in bytes.
qint64 openingPeak(const QString &path)
{
    auto window = shownWindow();
    const qint64 before = residentPeak(true);
    dropOnto(window.get(), path);
    waitForSplitLabel(window.get(), rowsOf(window.get()));
    return residentPeak(false) - before;
}

const char *const OpeningPeakArgument = "--opening-peak-of=";

// Peak memory of opening, per entry, measured in a fresh process (this program
// started again) so that nothing of an earlier benchmark is in its figures. A
// fork would not do: the raster engine's painting threads are gone in a
// forked child, which then waits for them forever.
void BM_WindowOpenMemory(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString path = samplePls(count);
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(OpeningPeakArgument) + path});
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            return state.SkipWithError("the measuring process failed");
        const qint64 rise = child.readAllStandardOutput().trimmed().toLongLong();
        state.counters["peak_bytes_per_entry"] = double(rise) / count;
        state.counters["file_bytes_per_entry"] = double(QFileInfo(path).size()) / count;
    }
}

} // namespace

#define KESTREL_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)

BENCHMARK(BM_WindowOpen) KESTREL_SIZES->UseManualTime();
BENCHMARK(BM_WindowSave) KESTREL_SIZES->UseManualTime();
BENCHMARK(BM_WindowDelete) KESTREL_SIZES->UseManualTime()->Iterations(20);
BENCHMARK(BM_WindowQuit) KESTREL_SIZES;
BENCHMARK(BM_WindowEditSteps)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK(BM_WindowOpenMemory) KESTREL_SIZES->Iterations(1);

// The window needs a QApplication, and the benchmarks no screen.
int main(int argc, char **argv)
{
    // The offscreen platform warns about every window it cannot size.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window reads and writes its settings in the working directory.
    QDir::setCurrent(workDir().path());
    if (argc == 2 && qstrncmp(argv[1], OpeningPeakArgument, qstrlen(OpeningPeakArgument)) == 0) {
        const QString path = QString::fromLocal8Bit(argv[1] + qstrlen(OpeningPeakArgument));
        std::printf("%lld\n", openingPeak(path));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

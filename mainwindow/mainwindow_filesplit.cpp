#include "mainwindow/mainwindow.h"

#include "ui/ui_mainwindow.h"

#include <QLabel>
#include <QTableWidget>
#include <QTimer>

namespace {

// English has no numerus translation file, so its singulars are spelled out.
QString entriesText(int count)
{
    if (count == 1)
        return MainWindow::tr("1 entry");
    return MainWindow::tr("%n entries", "", count);
}

QString filesText(int count)
{
    if (count == 1)
        return MainWindow::tr("1 file");
    return MainWindow::tr("%n files", "", count);
}

// Laying out a list of 100,000 entries takes a tenth of a second. Rows that
// change one after another (a held Delete key, moves) wait for the count
// until they have been still this long, so that a burst of changes costs one
// layout and not one per row.
constexpr int SettleMilliseconds = 100;

} // namespace

// Every change of the rows reaches the label through the table's model, so no
// editing path can forget it.
void MainWindow::setupFileSplit()
{
    m_fileSplitTimer = new QTimer(this);
    m_fileSplitTimer->setSingleShot(true);
    m_fileSplitTimer->setInterval(SettleMilliseconds);
    connect(m_fileSplitTimer, &QTimer::timeout, this, &MainWindow::showFileSplit);

    // The timer, not the window, receives the model's signals: the table
    // empties its model while the window is being destroyed, when no member
    // function of the window may run any more.
    QTimer *timer = m_fileSplitTimer;
    const auto schedule = [timer] { timer->start(); };
    const QAbstractItemModel *model = ui->tableFile->model();
    connect(model, &QAbstractItemModel::rowsInserted, timer, schedule);
    connect(model, &QAbstractItemModel::rowsRemoved, timer, schedule);
    connect(model, &QAbstractItemModel::rowsMoved, timer, schedule);
    connect(model, &QAbstractItemModel::dataChanged, timer, schedule);
    connect(model, &QAbstractItemModel::layoutChanged, timer, schedule);
    connect(model, &QAbstractItemModel::modelReset, timer, schedule);
}

// The language may change before the label exists: at start-up, when the
// stored language is loaded.
void MainWindow::scheduleFileSplit()
{
    if (m_fileSplitTimer)
        m_fileSplitTimer->start();
}

// The writer's own layout decides, so the label never promises a split that
// the save does not make. An entry that fits into no file makes the save
// fail, and the label says so before the user tries.
void MainWindow::showFileSplit()
{
    const int rows = ui->tableFile->rowCount();
    if (rows == 0) {
        m_lblFileSplit->clear();
        return;
    }
    const QList<int> sizes = plsFile::fileSizes(tableEntries());
    if (sizes.isEmpty()) {
        m_lblFileSplit->setText(tr("%1, one too long for the radio-box").arg(entriesText(rows)));
        return;
    }
    m_lblFileSplit->setText(
        tr("%1, %2", "entries, files").arg(entriesText(rows), filesText(int(sizes.size()))));
}

#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "mainwindow/rowcommands.h"
#include "streamcheck/streamchecker.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTableWidget>
#include <QUndoStack>

using namespace PlaylistTable;
using StreamCheck::Verdict;

namespace {

// A dot in the colour of a traffic light; drawn, so that it looks the same
// under every style and needs no image files.
QIcon verdictIcon(Verdict verdict)
{
    const QColor colour = verdict == Verdict::Answers ? QColor(0x2e, 0xa0, 0x43)
                          : verdict == Verdict::Dead  ? QColor(0xd0, 0x30, 0x30)
                                                      : QColor(0x90, 0x90, 0x90);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(130));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(pixmap);
}

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

void MainWindow::setupStreamCheck()
{
    m_checker = new StreamChecker(this);
    connect(m_checker, &StreamChecker::checked, this, &MainWindow::streamChecked);
    connect(m_checker, &StreamChecker::finished, this, &MainWindow::streamCheckFinished);

    // Like the status labels, these belong to the window, not to the form,
    // and carry no object name.
    m_checkProgress = new QProgressBar;
    m_checkProgress->setTextVisible(true);
    m_checkProgress->setMinimumWidth(160);
    m_checkProgress->hide();
    m_btnCancelCheck = new QPushButton(tr("Cancel"));
    m_btnCancelCheck->hide();
    ui->statusBar->insertPermanentWidget(0, m_checkProgress);
    ui->statusBar->insertPermanentWidget(1, m_btnCancelCheck);
    connect(m_btnCancelCheck, &QAbstractButton::clicked, m_checker, &StreamChecker::cancel);
}

void MainWindow::on_actionCheckStreams_triggered()
{
    if (m_checker->isRunning())
        return;
    m_checkResults.clear();
    m_checkAddresses.clear();
    syncCheckWithRows();
    followRowsInCheck();
    if (!m_checker->isRunning()) {
        streamCheckFinished();
        return;
    }
    ui->actionCheckStreams->setEnabled(false);
    showCheckProgress();
    m_checkProgress->show();
    m_btnCancelCheck->show();
}

// Every address is asked once, however many rows carry it. An empty title
// on any of them asks the station for its name.
void MainWindow::syncCheckWithRows()
{
    const QTableWidget *table = ui->tableFile;
    QHash<QString, bool> wanted;
    for (int row = 0; row < table->rowCount(); ++row) {
        bool &askName = wanted[cellText(table, row, UrlColumn)];
        askName = askName || cellText(table, row, TitleColumn).isEmpty();
    }
    QSet<QString> asked;
    for (auto it = m_checkAddresses.begin(); it != m_checkAddresses.end();) {
        if (wanted.contains(it.value())) {
            asked.insert(it.value());
            ++it;
        } else {
            m_checker->drop(it.key());
            it = m_checkAddresses.erase(it);
        }
    }
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (asked.contains(it.key()) || m_checkResults.contains(it.key()))
            continue;
        const quint64 id = m_nextCheckId++;
        m_checkAddresses.insert(id, it.key());
        m_checker->add(id, it.key(), it.value());
    }
}

// Rows change far less often than answers come in: the index of rows by
// address is made again here, so that each answer touches only its rows.
void MainWindow::followRowsInCheck()
{
    if (!m_checker)
        return;
    const QTableWidget *table = ui->tableFile;
    m_checkRows.clear();
    m_checkedRowCount = 0;
    // With nothing asked, pending or answered, no answer can come for a row:
    // the index of rows by address would serve nothing, and it is most of
    // what a change of many rows costs here. Old marks are still cleared below.
    const bool idle =
        !m_checker->isRunning() && m_checkResults.isEmpty() && m_checkAddresses.isEmpty();
    for (int row = 0; !idle && row < table->rowCount(); ++row) {
        const QString address = cellText(table, row, UrlColumn);
        m_checkRows[address].append(row);
        m_checkedRowCount += m_checkResults.contains(address);
    }
    if (m_checker->isRunning())
        syncCheckWithRows();
    for (int row = 0; row < table->rowCount(); ++row) {
        showCheckResult(row);
        if (m_checker->isRunning())
            fillInName(row);
    }
    showCheckProgress();
}

// Only a cell whose result changed is touched: each change repaints.
void MainWindow::showCheckResult(int row)
{
    QTableWidget *table = ui->tableFile;
    QTableWidgetItem *type = table->item(row, TypeColumn);
    if (!type)
        return;
    const auto found = m_checkResults.constFind(cellText(table, row, UrlColumn));
    if (found == m_checkResults.cend()) {
        if (type->data(CheckVerdictRole).isValid()) {
            type->setData(CheckVerdictRole, QVariant());
            type->setIcon(QIcon());
            type->setToolTip(QString());
        }
        return;
    }
    const QString tip = StreamCheck::describe(*found);
    if (type->data(CheckVerdictRole).toInt() == int(found->verdict) && type->toolTip() == tip)
        return;
    type->setData(CheckVerdictRole, int(found->verdict));
    type->setIcon(verdictIcon(found->verdict));
    type->setToolTip(tip);
}

void MainWindow::streamChecked(quint64 id, const StreamCheck::Result &result)
{
    const QString address = m_checkAddresses.take(id);
    if (address.isEmpty())
        return;
    m_checkResults.insert(address, result);
    const QList<int> rows = m_checkRows.value(address);
    for (int row : rows) {
        showCheckResult(row);
        fillInName(row);
    }
    m_checkedRowCount += int(rows.size());
    showCheckProgress();
}

// Only an empty title takes the station's name: what the user wrote, even
// while the check ran, stays. A row that gets an address already answered
// while the check runs takes its name too.
void MainWindow::fillInName(int row)
{
    QTableWidget *table = ui->tableFile;
    QTableWidgetItem *title = table->item(row, TitleColumn);
    if (!title || !title->text().isEmpty())
        return;
    const QString name = m_checkResults.value(cellText(table, row, UrlColumn)).name;
    if (name.isEmpty())
        return;
    title->setText(name);
    if (table->currentRow() == row && ui->leditTitle->text().isEmpty())
        ui->leditTitle->setText(name);
    setModified();
    // A filled-in name is no undo step; undoing back to the saved rows must
    // not make the document look saved while the name is still unsaved.
    m_undoStack->resetClean();
}

// Counted by rows, as the user sees them in the table.
void MainWindow::showCheckProgress()
{
    const int total = ui->tableFile->rowCount();
    m_checkProgress->setRange(0, qMax(1, total));
    m_checkProgress->setValue(m_checkedRowCount);
    m_checkProgress->setFormat(tr("%1 of %2 checked").arg(m_checkedRowCount).arg(total));
}

void MainWindow::streamCheckFinished()
{
    int counts[4] = {0, 0, 0, 0};
    const QTableWidget *table = ui->tableFile;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto found = m_checkResults.constFind(cellText(table, row, UrlColumn));
        if (found != m_checkResults.cend())
            ++counts[int(found->verdict)];
    }
    m_checkProgress->hide();
    m_btnCancelCheck->hide();
    ui->actionCheckStreams->setEnabled(true);
    const int answer = counts[int(Verdict::Answers)];
    const int dead = counts[int(Verdict::Dead)];
    const int unknown = counts[int(Verdict::Unknown)];
    showStatus(tr("%1 checked: %2 answer, %3 dead, %4 unknown")
                   .arg(answer + dead + unknown)
                   .arg(answer)
                   .arg(dead)
                   .arg(unknown),
               0);
}

// Rows go with their playlist (New, Close, Open); so does their check.
void MainWindow::stopStreamCheck()
{
    m_checker->stop();
    m_checkResults.clear();
    m_checkAddresses.clear();
    m_checkRows.clear();
    m_checkedRowCount = 0;
    m_checkProgress->hide();
    m_btnCancelCheck->hide();
    ui->actionCheckStreams->setEnabled(true);
}

// The language is loaded before the status bar gets these widgets.
void MainWindow::retranslateStreamCheck()
{
    if (!m_btnCancelCheck)
        return;
    m_btnCancelCheck->setText(tr("Cancel"));
    showCheckProgress();
}

void MainWindow::on_actionRemoveDead_triggered()
{
    const QTableWidget *table = ui->tableFile;
    QList<int> dead;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *type = table->item(row, TypeColumn);
        if (type && type->data(CheckVerdictRole).toInt() == int(Verdict::Dead))
            dead << row;
    }
    if (dead.isEmpty()) {
        showStatus(tr("No station was found dead."), 2000);
        return;
    }
    // English has no translation file to pick the singular from.
    const int count = int(dead.size());
    if (!askYesNo(count == 1 ? tr("Remove 1 dead station?")
                             : tr("Remove %n dead stations?", nullptr, count)))
        return;
    pushStep(new RemoveRows(m_rowTable, dead,
                            QString::fromLatin1(QT_TR_NOOP("Remove dead stations")), true));
}

#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "mainwindow/rowcommands.h"
#include "mainwindow/rowtable.h"
#include "playlist/streamaddress.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QBrush>
#include <QCollator>
#include <QColor>
#include <QLocale>
#include <QTableWidget>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace PlaylistTable;

namespace {

// Long enough to be read after an open, like the message about left-out entries.
constexpr int DuplicateMessageTimeout = 10000;

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

QList<int> identity(int count)
{
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

} // namespace

void MainWindow::setupSorting()
{
    connect(ui->actionSortTitle, &QAction::triggered, this, &MainWindow::slotSortByTitle);
    connect(ui->actionSortAddress, &QAction::triggered, this, &MainWindow::slotSortByAddress);
    connect(ui->actionSortType, &QAction::triggered, this, &MainWindow::slotSortByType);
    connect(ui->actionRemoveDuplicates, &QAction::triggered, this,
            &MainWindow::slotRemoveDuplicates);
}

// "Station 9" before "Station 10", and accents where the user's language puts
// them. The keys are made once per title: comparing titles through the
// collator each time costs more than the sort itself.
void MainWindow::slotSortByTitle()
{
    // Qt compares by code points in the C locale, numbers digit by digit and
    // capitals before all small letters; a system without a language set
    // gets the common rules instead.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const int rows = ui->tableFile->rowCount();
    QList<QCollatorSortKey> keys;
    keys.reserve(rows);
    for (int row = 0; row < rows; ++row)
        keys.append(collator.sortKey(cellText(ui->tableFile, row, TitleColumn)));
    QList<int> order = identity(rows);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys.at(a).compare(keys.at(b)) < 0; });
    sortRows(order);
}

void MainWindow::slotSortByAddress()
{
    const int rows = ui->tableFile->rowCount();
    QStringList keys;
    keys.reserve(rows);
    for (int row = 0; row < rows; ++row)
        keys.append(cellText(ui->tableFile, row, UrlColumn).toCaseFolded());
    QList<int> order = identity(rows);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys.at(a) < keys.at(b); });
    sortRows(order);
}

void MainWindow::slotSortByType()
{
    QList<int> order = identity(ui->tableFile->rowCount());
    std::stable_partition(order.begin(), order.end(), [this](int row) { return isRadioRow(row); });
    sortRows(order);
}

// A list already in order is left as it is: a step that changes nothing
// would only mark the playlist as changed.
void MainWindow::sortRows(const QList<int> &order)
{
    if (order == identity(int(order.size())))
        return;
    pushStep(new ReorderRows(m_rowTable, order, ui->tableFile->currentRow(),
                             QString::fromLatin1(QT_TR_NOOP("Sort"))));
}

// The first row of each address is kept, hidden rows included: Find only
// narrows what is shown, and a duplicate is one wherever it stands.
void MainWindow::slotRemoveDuplicates()
{
    const int rows = ui->tableFile->rowCount();
    QSet<QString> seen;
    seen.reserve(rows);
    QList<int> later;
    for (int row = 0; row < rows; ++row) {
        const QString key = m_rowTable->duplicateKey(row);
        if (seen.contains(key))
            later.append(row);
        else
            seen.insert(key);
    }
    if (later.isEmpty()) {
        showStatus(tr("No duplicate addresses"), DuplicateMessageTimeout);
        return;
    }
    pushStep(new RemoveRows(m_rowTable, later, QString::fromLatin1(QT_TR_NOOP("Remove duplicates")),
                            true));
    showStatus(tr("%n duplicate address(es) removed", "", int(later.size())),
               DuplicateMessageTimeout);
}

// Every row of a group is marked, each naming another row of it: the first
// names the second, the later ones the first, which Remove duplicates keeps.
// Only cells whose mark changes are touched.
int MainWindow::markDuplicates()
{
    QTableWidget *table = ui->tableFile;
    const int rows = table->rowCount();
    QHash<QString, int> firstRow;
    firstRow.reserve(rows);
    std::vector<int> other(size_t(rows), -1);
    int duplicates = 0;
    for (int row = 0; row < rows; ++row) {
        const QString key = m_rowTable->duplicateKey(row);
        const auto first = firstRow.constFind(key);
        if (first == firstRow.constEnd()) {
            firstRow.insert(key, row);
            continue;
        }
        other[size_t(row)] = first.value();
        if (other[size_t(first.value())] < 0)
            other[size_t(first.value())] = row;
        ++duplicates;
    }
    // Without marks before, only the duplicates need looking at.
    const bool hadMarks = m_duplicateCount > 0;
    const QBrush marked(QColor(255, 236, 179));
    for (int row = 0; row < rows; ++row) {
        QTableWidgetItem *item = table->item(row, UrlColumn);
        if (!item || (!hadMarks && other[size_t(row)] < 0))
            continue;
        const QString tip = other[size_t(row)] < 0
                                ? QString()
                                : tr("Same address as entry %1").arg(other[size_t(row)] + 1);
        if (item->toolTip() == tip)
            continue;
        item->setToolTip(tip);
        item->setBackground(tip.isEmpty() ? QBrush() : marked);
    }
    return duplicates;
}

void MainWindow::reportNewDuplicates(int before)
{
    if (m_duplicateCount > before)
        showStatus(tr("%n duplicate address(es)", "", m_duplicateCount), DuplicateMessageTimeout);
}

#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "ui/ui_mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QUrl>

using namespace PlaylistTable;

namespace {

// The radio-box plays only these two schemes. QUrl reports the scheme in lower
// case, so "HTTP://" passes while "https://" and a bare host name do not.
bool isStreamAddress(const QString &address)
{
    const QString scheme = QUrl(address).scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("udp");
}

// The kind goes beside the text, so that it survives a change of language:
// the text is for the user, the role is what the program reads.
void setKind(QTableWidgetItem *item, bool radio)
{
    item->setText(radio ? MainWindow::tr("Radio") : MainWindow::tr("TV"));
    item->setData(KindRole, radio ? Radio : TV);
}

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

QTableWidgetItem *cell(QTableWidget *table, int row, int column)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    return item;
}

} // namespace

// Anything but a TV mark counts as Radio, as the combo box and the files do.
bool MainWindow::isRadioRow(int row) const
{
    const QTableWidgetItem *item = ui->tableFile->item(row, TypeColumn);
    return !item || item->data(KindRole).toInt() != TV;
}

void MainWindow::on_tableFile_clicked(QModelIndex index)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    ui->leditTitle->setText(cellText(ui->tableFile, row, TitleColumn));
    ui->leditURL->setText(cellText(ui->tableFile, row, UrlColumn));
    ui->lblEntryID->setNum(row + 1);
    ui->comboType->setCurrentIndex(isRadioRow(row) ? 0 : 1);
}

void MainWindow::slotAddEntry()
{
    if (!isStreamAddress(ui->leditURL->text())) {
        showCritical(tr("The url of the stream must start with http:// or udp://!"));
        return;
    }
    addTableRow(ui->leditTitle->text(), ui->leditURL->text(), ui->comboType->currentIndex() == 0);
    setModified();
}

void MainWindow::slotEditEntry()
{
    if (!isStreamAddress(ui->leditURL->text())) {
        showCritical(tr("The url of the stream must start with http:// or udp://!"));
        return;
    }
    // Without a current row there is nothing to overwrite; marking the
    // playlist changed would make the user save a list that did not change.
    if (ui->tableFile->currentRow() < 0)
        return;
    updateCurrentRow(ui->leditTitle->text(), ui->leditURL->text(),
                     ui->comboType->currentIndex() == 0);
    setModified();
}

// The row comes from the number last clicked, not from the current row, so a
// second Delete removes the entry that moved up into that place. A number
// that names no row removes nothing, and nothing is then marked as changed.
void MainWindow::slotDeleteEntry()
{
    const int row = ui->lblEntryID->text().toInt() - 1;
    if (row < 0 || row >= ui->tableFile->rowCount())
        return;
    ui->tableFile->removeRow(row);
    showEntryCount();
    setModified();
}

// Opening a file appends every entry through here, so nothing in it may walk
// the table: one row at the end, three items and a number in the label keep a
// list of 100,000 entries loading in linear time.
void MainWindow::addTableRow(const QString &title, const QString &address, bool radio)
{
    if (!isStreamAddress(address))
        return;
    QTableWidget *table = ui->tableFile;
    const int row = table->rowCount();
    table->insertRow(row);
    showEntryCount();
    auto *type = new QTableWidgetItem;
    setKind(type, radio);
    table->setItem(row, TitleColumn, new QTableWidgetItem(title));
    table->setItem(row, UrlColumn, new QTableWidgetItem(address));
    table->setItem(row, TypeColumn, type);
}

void MainWindow::updateCurrentRow(const QString &title, const QString &address, bool radio)
{
    if (!isStreamAddress(address))
        return;
    QTableWidget *table = ui->tableFile;
    const int row = table->currentRow();
    if (row < 0)
        return;
    cell(table, row, TitleColumn)->setText(title);
    cell(table, row, UrlColumn)->setText(address);
    setKind(cell(table, row, TypeColumn), radio);
}

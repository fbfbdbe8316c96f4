#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "playlist/streamaddress.h"
#include "ui/ui_mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

using namespace PlaylistTable;

// Rows from files and typed addresses pass the one test that the converter
// uses too, so the table never holds an address that a save cannot write.
bool PlaylistTable::isStreamAddress(QStringView address)
{
    return kestrel::isStreamAddress(address);
}

namespace {

// The Type cell's two texts, looked up once for a whole block of rows.
struct KindTexts
{
    QString radio = MainWindow::tr("Radio");
    QString tv = MainWindow::tr("TV");
};

// The kind goes beside the text, so that it survives a change of language:
// the text is for the user, the role is what the program reads.
void setKind(QTableWidgetItem *item, bool radio, const KindTexts &texts = KindTexts())
{
    item->setText(radio ? texts.radio : texts.tv);
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

// A pasted address often brings a blank or a line break along; the row keeps
// the address without them.
bool MainWindow::typedAddressPasses(QString *address)
{
    *address = ui->leditURL->text().trimmed();
    if (isStreamAddress(*address))
        return true;
    if (kestrel::hasStreamScheme(*address))
        showCritical(tr("The address of the stream is not valid!"));
    else
        showCritical(tr("The url of the stream must start with http:// or udp://!"));
    return false;
}

void MainWindow::slotAddEntry()
{
    QString address;
    if (!typedAddressPasses(&address))
        return;
    addTableRow(ui->leditTitle->text(), address, ui->comboType->currentIndex() == 0);
    setModified();
}

void MainWindow::slotEditEntry()
{
    QString address;
    if (!typedAddressPasses(&address))
        return;
    // Without a current row there is nothing to overwrite; marking the
    // playlist changed would make the user save a list that did not change.
    if (ui->tableFile->currentRow() < 0)
        return;
    updateCurrentRow(ui->leditTitle->text(), address, ui->comboType->currentIndex() == 0);
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

namespace {

void fillRow(QTableWidget *table, int row, const Row &entry, const KindTexts &texts)
{
    auto *type = new QTableWidgetItem;
    setKind(type, entry.radio, texts);
    table->setItem(row, TitleColumn, new QTableWidgetItem(entry.title));
    table->setItem(row, UrlColumn, new QTableWidgetItem(entry.address));
    table->setItem(row, TypeColumn, type);
}

} // namespace

void MainWindow::addTableRow(const QString &title, const QString &address, bool radio)
{
    if (!isStreamAddress(address))
        return;
    QTableWidget *table = ui->tableFile;
    const int row = table->rowCount();
    table->insertRow(row);
    showEntryCount();
    fillRow(table, row, Row{title, address, radio}, KindTexts());
}

// A whole file's entries go in as one block of rows: inserted one by one,
// each would pass through the model, the views and the count label on its
// own, which costs more than reading the file did.
int MainWindow::addTableRows(const QList<Row> &rows)
{
    QList<const Row *> accepted;
    accepted.reserve(rows.size());
    for (const Row &row : rows) {
        if (isStreamAddress(row.address))
            accepted.append(&row);
    }
    QTableWidget *table = ui->tableFile;
    const int first = table->rowCount();
    table->setRowCount(first + int(accepted.size()));
    {
        // Each item would announce itself to every view and listener; the
        // block is announced once, when it is complete.
        const QSignalBlocker quiet(table->model());
        const KindTexts texts;
        for (int i = 0; i < accepted.size(); ++i)
            fillRow(table, first + i, *accepted[i], texts);
    }
    if (!accepted.isEmpty()) {
        QAbstractItemModel *model = table->model();
        emit model->dataChanged(model->index(first, 0),
                                model->index(table->rowCount() - 1, model->columnCount() - 1));
    }
    showEntryCount();
    return int(rows.size() - accepted.size());
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

#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "playlist/streamaddress.h"
#include "ui/ui_mainwindow.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
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

// In a list of whole rows Home and End go to the first and the last entry,
// as in other lists; the table alone would go to the first or last cell of
// the row, and so nowhere that the user could see.
class RowKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)
                key->setModifiers(key->modifiers() | Qt::ControlModifier);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// Anything but a TV mark counts as Radio, as the combo box and the files do.
bool MainWindow::isRadioRow(int row) const
{
    const QTableWidgetItem *item = ui->tableFile->item(row, TypeColumn);
    return !item || item->data(KindRole).toInt() != TV;
}

// A click on the row that is already current fills the editor again, so the
// user can throw away what was typed over it.
void MainWindow::on_tableFile_clicked(QModelIndex index)
{
    if (index.isValid())
        showEntry(index.row());
}

// The editor shows the current row however it became current (a click, the
// arrow keys, a move, a delete that took the row before it away), so Change
// and Delete act on the entry the user sees.
void MainWindow::setupEntryFollowing()
{
    QTableWidget *table = ui->tableFile;
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::followCurrentRow);
    table->installEventFilter(new RowKeys(table));
    // Rows going in or out above the current one, or a new order, move it
    // without another row becoming current: only its number changes. While
    // a row is being removed the current one still has its old number, so
    // the number is read again once the row is gone.
    QAbstractItemModel *model = table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &MainWindow::showEntryNumber);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &MainWindow::showEntryNumber);
    connect(model, &QAbstractItemModel::rowsMoved, this, &MainWindow::showEntryNumber);
    connect(model, &QAbstractItemModel::layoutChanged, this, &MainWindow::showEntryNumber);
}

void MainWindow::followCurrentRow(const QModelIndex &current)
{
    // Focus that arrives by Tab makes the first row current without
    // selecting it; the row that Delete would take is highlighted too.
    QItemSelectionModel *selection = ui->tableFile->selectionModel();
    if (current.isValid() && !selection->hasSelection())
        selection->select(current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    showEntry(current.row());
}

// With no row to show (the table emptied) the editor is cleared; the kind is
// the editor's setting and stays, as it does when a playlist is closed.
void MainWindow::showEntry(int row)
{
    if (row < 0) {
        ui->leditTitle->clear();
        ui->leditURL->clear();
        ui->lblEntryID->clear();
        return;
    }
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

void MainWindow::showEntryNumber()
{
    const int row = ui->tableFile->currentRow();
    if (row < 0)
        ui->lblEntryID->clear();
    else
        ui->lblEntryID->setNum(row + 1);
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

// The current row is the one the editor shows. Without one nothing is
// removed, and nothing is marked as changed.
void MainWindow::slotDeleteEntry()
{
    const int row = ui->tableFile->currentRow();
    if (row < 0)
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

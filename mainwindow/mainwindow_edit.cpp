#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "mainwindow/rowcommands.h"
#include "mainwindow/rowtable.h"
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

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

// In a list of whole rows Home and End go to the first and the last entry,
// as in other lists, and Shift+Home and Shift+End choose every row up to
// there; the table alone would go to the first or last cell of the row, and
// so nowhere that the user could see.
class RowKeys : public QObject
{
public:
    explicit RowKeys(QTableWidget *table)
        : QObject(table)
        , m_table(table)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Home && key->key() != Qt::Key_End) ||
            (key->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        const int target = shownRow(key->key() == Qt::Key_Home);
        if (target >= 0)
            goTo(target, key->modifiers() & Qt::ShiftModifier);
        return true;
    }

private:
    int shownRow(bool first) const
    {
        const int rows = m_table->rowCount();
        for (int i = 0; i < rows; ++i) {
            const int row = first ? i : rows - 1 - i;
            if (!m_table->isRowHidden(row))
                return row;
        }
        return -1;
    }

    void goTo(int row, bool extend)
    {
        QItemSelectionModel *selection = m_table->selectionModel();
        QAbstractItemModel *model = m_table->model();
        const int column = qMax(0, m_table->currentColumn());
        const QModelIndex target = model->index(row, column);
        if (extend && m_table->currentRow() >= 0) {
            const int from = m_table->currentRow();
            selection->select(
                QItemSelection(model->index(qMin(from, row), 0), model->index(qMax(from, row), 0)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
            selection->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        } else {
            selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
        }
        m_table->scrollTo(target);
    }

    QTableWidget *m_table;
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
    const int duplicates = m_duplicateCount;
    addTableRow(ui->leditTitle->text(), address, ui->comboType->currentIndex() == 0);
    reportNewDuplicates(duplicates);
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
    const int duplicates = m_duplicateCount;
    updateCurrentRow(ui->leditTitle->text(), address, ui->comboType->currentIndex() == 0);
    reportNewDuplicates(duplicates);
}

// With several rows chosen all of them go, after one question, since that
// is a lot to lose by a slip of the finger (Undo brings them back, but the
// user may not know that). One row is the current one, the one the editor
// shows; without one nothing is removed, and nothing is marked as changed.
void MainWindow::slotDeleteEntry()
{
    const QList<int> rows = selectedShownRows();
    if (rows.size() > 1) {
        if (!askYesNo(tr("Delete %n entries?", "", int(rows.size()))))
            return;
        pushStep(new RemoveRows(m_rowTable, rows, QString::fromLatin1(QT_TR_NOOP("Delete")), true));
        return;
    }
    const int row = ui->tableFile->currentRow();
    if (row < 0)
        return;
    pushStep(new RemoveRows(m_rowTable, {row}, QString::fromLatin1(QT_TR_NOOP("Delete")), true));
}

void MainWindow::addTableRow(const QString &title, const QString &address, bool radio)
{
    if (!isStreamAddress(address))
        return;
    pushStep(new InsertRows(m_rowTable, m_rowTable->count(), {Row{title, address, radio, {}}},
                            QString::fromLatin1(QT_TR_NOOP("Add"))));
}

void MainWindow::updateCurrentRow(const QString &title, const QString &address, bool radio)
{
    if (!isStreamAddress(address))
        return;
    const int row = ui->tableFile->currentRow();
    if (row < 0)
        return;
    pushStep(new ChangeRow(m_rowTable, row, Row{title, address, radio, {}},
                           QString::fromLatin1(QT_TR_NOOP("Change"))));
}

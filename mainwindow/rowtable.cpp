#include "mainwindow/rowtable.h"

#include "mainwindow/mainwindow.h"
#include "playlist/streamaddress.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableWidget>

using namespace PlaylistTable;

namespace {

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

// The address cell keeps its duplicate key, since the marks are renewed after
// every change of the rows and reading an address with QUrl is most of that
// work. Any change of the text forgets the key.
class AddressItem : public QTableWidgetItem
{
public:
    static constexpr int ItemType = QTableWidgetItem::UserType + 1;

    AddressItem(const QString &address, const QString &key)
        : QTableWidgetItem(address, ItemType)
        , m_key(key)
    {}

    void setData(int role, const QVariant &value) override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            m_key.clear();
        QTableWidgetItem::setData(role, value);
    }

    // Empty while not worked out.
    const QString &knownKey() const { return m_key; }

    const QString &key() const
    {
        if (m_key.isEmpty())
            m_key = kestrel::duplicateKey(text());
        return m_key;
    }

private:
    mutable QString m_key;
};

const AddressItem *addressItem(const QTableWidget *table, int row)
{
    const QTableWidgetItem *item = table->item(row, UrlColumn);
    return item && item->type() == AddressItem::ItemType ? static_cast<const AddressItem *>(item)
                                                         : nullptr;
}

} // namespace

RowTable::RowTable(QTableWidget *table)
    : m_table(table)
{}

int RowTable::count() const
{
    return m_table->rowCount();
}

// Anything but a TV mark counts as Radio, as the combo box and the files do.
Row RowTable::row(int index) const
{
    const QTableWidgetItem *type = m_table->item(index, TypeColumn);
    const AddressItem *address = addressItem(m_table, index);
    return Row{cellText(m_table, index, TitleColumn), cellText(m_table, index, UrlColumn),
               !type || type->data(KindRole).toInt() != TV,
               address ? address->knownKey() : QString()};
}

QString RowTable::duplicateKey(int index) const
{
    if (const AddressItem *address = addressItem(m_table, index))
        return address->key();
    return kestrel::duplicateKey(cellText(m_table, index, UrlColumn));
}

QList<Row> RowTable::rows() const
{
    QList<Row> result;
    const int rows = count();
    result.reserve(rows);
    for (int index = 0; index < rows; ++index)
        result.append(row(index));
    return result;
}

// Each item would announce itself to every view and listener; the block is
// announced once, when it is complete. The kind goes beside the Type text, so
// that it survives a change of language.
void RowTable::fill(int first, const QList<Row> &rows)
{
    const QString radio = MainWindow::tr("Radio");
    const QString tv = MainWindow::tr("TV");
    {
        const QSignalBlocker quiet(m_table->model());
        for (int i = 0; i < rows.size(); ++i) {
            const Row &entry = rows.at(i);
            auto *type = new QTableWidgetItem(entry.radio ? radio : tv);
            type->setData(KindRole, entry.radio ? Radio : TV);
            m_table->setItem(first + i, TitleColumn, new QTableWidgetItem(entry.title));
            m_table->setItem(first + i, UrlColumn, new AddressItem(entry.address, entry.key));
            m_table->setItem(first + i, TypeColumn, type);
        }
    }
    announce(first, first + int(rows.size()) - 1);
}

void RowTable::announce(int first, int last)
{
    if (last < first)
        return;
    QAbstractItemModel *model = m_table->model();
    emit model->dataChanged(model->index(first, 0), model->index(last, model->columnCount() - 1));
}

void RowTable::notify(bool rowsCameIn)
{
    if (changed)
        changed(rowsCameIn);
}

void RowTable::insert(int at, const QList<Row> &rows)
{
    if (rows.isEmpty())
        return;
    m_table->model()->insertRows(at, int(rows.size()));
    fill(at, rows);
    notify(true);
}

void RowTable::remove(int first, int count)
{
    if (count <= 0)
        return;
    m_table->model()->removeRows(first, count);
    notify(false);
}

// One removal of all rows; taking them off one at a time costs time in the
// square of their number.
void RowTable::replaceAll(const QList<Row> &rows)
{
    m_table->setRowCount(0);
    m_table->setRowCount(int(rows.size()));
    fill(0, rows);
    notify(true);
}

void RowTable::set(int index, const Row &row)
{
    {
        const QSignalBlocker quiet(m_table->model());
        for (int column : {TitleColumn, UrlColumn, TypeColumn}) {
            if (!m_table->item(index, column))
                m_table->setItem(index, column,
                                 column == UrlColumn ? new AddressItem({}, {})
                                                     : new QTableWidgetItem);
        }
        m_table->item(index, TitleColumn)->setText(row.title);
        m_table->item(index, UrlColumn)->setText(row.address);
        QTableWidgetItem *type = m_table->item(index, TypeColumn);
        type->setText(row.radio ? MainWindow::tr("Radio") : MainWindow::tr("TV"));
        type->setData(KindRole, row.radio ? Radio : TV);
    }
    announce(index, index);
    notify(true);
}

// The rows' own items move, so whatever they carry beside their texts (the
// kind, a duplicate's mark) goes with them.
void RowTable::move(int first, int count, int to)
{
    if (count <= 0 || first == to)
        return;
    const int columns = m_table->columnCount();
    QList<QTableWidgetItem *> items;
    items.reserve(count * columns);
    {
        const QSignalBlocker quiet(m_table->model());
        for (int r = first; r < first + count; ++r) {
            for (int c = 0; c < columns; ++c)
                items << m_table->takeItem(r, c);
        }
    }
    m_table->model()->removeRows(first, count);
    m_table->model()->insertRows(to, count);
    {
        const QSignalBlocker quiet(m_table->model());
        for (int i = 0; i < items.size(); ++i) {
            if (items.at(i))
                m_table->setItem(to + i / columns, i % columns, items.at(i));
        }
    }
    announce(qMin(first, to), qMax(first, to) + count - 1);
    notify(false);
}

void RowTable::permute(const QList<int> &order)
{
    const int rows = count();
    const int columns = m_table->columnCount();
    if (order.size() != rows)
        return;
    QList<QTableWidgetItem *> items(rows * columns, nullptr);
    {
        const QSignalBlocker quiet(m_table->model());
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c)
                items[r * columns + c] = m_table->takeItem(r, c);
        }
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (QTableWidgetItem *item = items.at(order.at(r) * columns + c))
                    m_table->setItem(r, c, item);
            }
        }
    }
    announce(0, rows - 1);
    notify(false);
}

// A row that Find hides is not made current: the nearest shown row below it,
// else above it, is; with none shown, no row is.
int RowTable::shownRowNear(int row) const
{
    const int rows = count();
    if (row < 0 || row >= rows || !m_table->isRowHidden(row))
        return row < rows ? row : -1;
    for (int below = row + 1; below < rows; ++below) {
        if (!m_table->isRowHidden(below))
            return below;
    }
    for (int above = row - 1; above >= 0; --above) {
        if (!m_table->isRowHidden(above))
            return above;
    }
    return -1;
}

void RowTable::select(int first, int count)
{
    QItemSelectionModel *selection = m_table->selectionModel();
    if (first >= 0 && first < m_table->rowCount() && m_table->isRowHidden(first)) {
        first = shownRowNear(first);
        count = 1;
    }
    if (first < 0 || first >= m_table->rowCount()) {
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        if (selected)
            selected(-1);
        return;
    }
    const int last = qMin(first + qMax(count, 1), m_table->rowCount()) - 1;
    const int column = qMax(0, m_table->currentColumn());
    selection->setCurrentIndex(m_table->model()->index(first, column),
                               QItemSelectionModel::NoUpdate);
    const QItemSelection block(m_table->model()->index(first, 0),
                               m_table->model()->index(last, m_table->columnCount() - 1));
    selection->select(block, QItemSelectionModel::ClearAndSelect);
    m_table->scrollTo(m_table->model()->index(first, column));
    if (selected)
        selected(first);
}

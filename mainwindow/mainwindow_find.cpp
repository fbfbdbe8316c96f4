#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include <functional>

using namespace PlaylistTable;

namespace {

// Escape in the filter field ends the search, as in a browser's find bar.
class EscapeKey : public QObject
{
public:
    EscapeKey(QObject *parent, std::function<void()> pressed)
        : QObject(parent)
        , m_pressed(std::move(pressed))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_pressed();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_pressed;
};

bool contains(const QTableWidget *table, int row, int column, const QString &text)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item && item->text().contains(text, Qt::CaseInsensitive);
}

} // namespace

void MainWindow::setupFilter()
{
    connect(ui->actionFind, &QAction::triggered, this, &MainWindow::slotFind);
    connect(ui->leditFilter, &QLineEdit::textChanged, this, &MainWindow::applyFilter);
    ui->leditFilter->installEventFilter(new EscapeKey(this, [this] { hideFilter(); }));
}

void MainWindow::slotFind()
{
    ui->leditFilter->show();
    ui->leditFilter->setFocus();
    ui->leditFilter->selectAll();
}

void MainWindow::hideFilter()
{
    ui->leditFilter->clear();
    ui->leditFilter->hide();
    ui->tableFile->setFocus();
}

bool MainWindow::isFilterActive() const
{
    return !ui->leditFilter->text().isEmpty();
}

// Only rows whose state changes are touched: hiding a row that is hidden
// already still costs the view a layout. A current row that the filter hides
// is let go, so that Change and Delete never act on a row the user cannot see.
void MainWindow::applyFilter()
{
    QTableWidget *table = ui->tableFile;
    const QString text = ui->leditFilter->text();
    const int rows = table->rowCount();
    int shown = 0;
    for (int row = 0; row < rows; ++row) {
        const bool show = text.isEmpty() || contains(table, row, TitleColumn, text) ||
                          contains(table, row, UrlColumn, text);
        if (table->isRowHidden(row) == show)
            table->setRowHidden(row, !show);
        shown += show ? 1 : 0;
    }
    m_shownRowCount = shown;
    const int current = table->currentRow();
    if (current >= 0 && table->isRowHidden(current))
        table->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    showEntryCount();
}

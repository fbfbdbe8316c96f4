#include "mainwindow/mainwindow.h"

#include "mainwindow/messagebox.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QUndoStack>

// Rows that were imported or typed but never saved are at stake too, even
// when the title carries no marker.
bool MainWindow::needsSaveQuestion() const
{
    if (isModified())
        return true;
    return m_lblFilePath->text().isEmpty() && ui->tableFile->rowCount() > 0;
}

bool MainWindow::closePlaylist()
{
    if (needsSaveQuestion()) {
        switch (MessageBox::question(
            nullptr, QMessageBox::NoIcon, {}, tr("The playlist has been modified."),
            tr("Do you want to save the changes?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
        case QMessageBox::Save:
            // A failed write or a cancelled Save as dialog must not cost the
            // user the entries that were to be saved.
            if (!saveDocument())
                return false;
            break;
        case QMessageBox::Cancel:
            return false;
        default:
            break;
        }
    }
    clearPlaylist();
    return true;
}

void MainWindow::clearPlaylist()
{
    stopStreamCheck();
    ui->leditTitle->clear();
    ui->leditURL->clear();
    ui->lblEntryID->clear();
    // One removal of all rows; taking them off the top one at a time costs
    // time in the square of their number.
    ui->tableFile->setRowCount(0);
    m_duplicateCount = 0;
    // A new playlist has no history: Undo must not bring back rows of the
    // one that was let go.
    m_undoStack->clear();
    setWindowTitle(tr("Kestrelpad"));
    setDocumentActionsEnabled(false);
    m_lblFilePath->clear();
    showEntryCount();
}

void MainWindow::on_actionNew_triggered()
{
    closePlaylist();
}

void MainWindow::on_actionClose_triggered()
{
    closePlaylist();
}

// The settings are written only when the window really closes; a close that
// the user called off leaves everything, the settings file included, as it was.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (needsSaveQuestion() && !closePlaylist()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

#include "mainwindow/mainwindow.h"

#include "mainwindow/filedialog.h"
#include "mainwindow/messagebox.h"
#include "mainwindow/playlisttable.h"
#include "playlist/plsfile.h"
#include "playlist/plslayout.h"
#include "ui/ui_mainwindow.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
#include <QUndoStack>
#include <QUrl>

using namespace PlaylistTable;

void MainWindow::slotSaveFile()
{
    saveDocument();
}

void MainWindow::on_actionSaveAs_triggered()
{
    saveDocumentAs();
}

bool MainWindow::saveDocument()
{
    if (m_lblFilePath->text().isEmpty())
        return saveDocumentAs();
    return savePlsFile(m_lblFilePath->text());
}

bool MainWindow::saveDocumentAs()
{
    const QString filter = tr("PLS Playlist") + QLatin1String(" (*.pls)");
    QString selectedFilter;
    QString name = FileDialog::getSaveFileName(this, tr("Kestrelpad"), m_pathPlayList, filter,
                                               &selectedFilter);
    if (name.isEmpty())
        return false;

    const QString previousPath = m_pathPlayList;
    m_pathPlayList = QFileInfo(name).absolutePath();
    // Some platform dialogs report no selected filter at all; with one filter
    // offered, that can only mean ours.
    if (!selectedFilter.isEmpty() && selectedFilter != filter)
        return false;
    if (QFileInfo(name).suffix() != QLatin1String("pls")) {
        name += QLatin1String(".pls");
        // The dialog asked about the name as typed; the file that is really
        // replaced may be another one.
        if (QFileInfo::exists(name) && !confirmReplace(name)) {
            m_pathPlayList = previousPath;
            return false;
        }
    }

    if (!savePlsFile(name)) {
        m_pathPlayList = previousPath;
        return false;
    }
    return true;
}

// The split label counts the files of these very entries, so that it shows
// what a save writes.
QList<plsFile::Entry> MainWindow::tableEntries() const
{
    const QTableWidget *table = ui->tableFile;
    const int rows = table->rowCount();
    QList<plsFile::Entry> entries;
    entries.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        plsFile::Entry entry;
        if (const QTableWidgetItem *item = table->item(row, TitleColumn))
            entry.title = item->text();
        if (const QTableWidgetItem *item = table->item(row, UrlColumn))
            entry.url = QUrl(item->text());
        entry.type = isRadioRow(row) ? Radio : TV;
        entries.append(entry);
    }
    return entries;
}

// The title and the path label name the document only once it is really on
// disk: after a failed write they stay as they were, so the playlist still
// counts as unsaved and closing still asks.
bool MainWindow::savePlsFile(const QString &path)
{
    const QList<plsFile::Entry> entries = tableEntries();

    // A writer that never reports leaves the result at failure.
    qint8 result = -1;
    plsFile file;
    connect(&file, &plsFile::readingFinished, this, &MainWindow::errors);
    connect(&file, &plsFile::readingFinished, this, [&result](qint8 code) { result = code; });
    file.setEntries(entries);
    file.saveFile(path);
    file.clearEntries();
    disconnect(&file, nullptr, this, nullptr);

    if (result != 0)
        return false;
    setDocumentTitle(QFileInfo(path).fileName());
    m_lblFilePath->setText(path);
    m_undoStack->setClean();
    // An empty list is written as one file without entries.
    offerStaleDeletion(path, qMax(1, int(plsFile::fileSizes(entries).size())));
    return true;
}

bool MainWindow::confirmReplace(const QString &path)
{
    const QString text =
        tr("%1 already exists. Do you want to replace it?").arg(QFileInfo(path).fileName());
    return MessageBox::question(this, QMessageBox::Question, tr("Kestrelpad"), text, {},
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

// The radio-box plays every numbered file it finds, so continuation files of
// a longer earlier save would bring deleted stations back. Deleting files the
// user did not name is theirs to decide.
void MainWindow::offerStaleDeletion(const QString &path, int written)
{
    const QStringList stale = kestrel::pls::staleContinuationFiles(path, written);
    if (stale.isEmpty())
        return;
    const int count = int(stale.size());
    QString names = QFileInfo(stale.first()).fileName();
    if (count > 1)
        names += QStringLiteral(" \u2026 ") + QFileInfo(stale.last()).fileName();
    const QString text =
        tr("%n older continuation file(s) (%1) would still be played by the radio-box. "
           "Delete them?",
           "", count)
            .arg(names);
    if (MessageBox::question(this, QMessageBox::Question, tr("Kestrelpad"), text, {},
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Yes) != QMessageBox::Yes)
        return;
    for (const QString &name : stale)
        QFile::remove(name);
}

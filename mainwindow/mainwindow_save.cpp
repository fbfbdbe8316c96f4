#include "mainwindow/mainwindow.h"

#include "mainwindow/filedialog.h"
#include "mainwindow/playlisttable.h"
#include "playlist/plsfile.h"
#include "ui/ui_mainwindow.h"

#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
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
    if (QFileInfo(name).suffix() != QLatin1String("pls"))
        name += QLatin1String(".pls");

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
    return true;
}

#include "mainwindow/mainwindow.h"

#include "mainwindow/commandline.h"
#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"
#include "ui/ui_mainwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTableWidget>
#include <QUrl>

namespace {

const QLatin1String UriListFormat("text/uri-list");

// Long enough to be read after an open; "done" from the read itself lasts 2 s
// and is replaced by this message.
constexpr int SkippedMessageTimeout = 10000;

// Painting and sorting stay off while a file's rows go in, so that the table
// neither repaints nor re-sorts per row; the view lays itself out once, when
// updates come back on.
class BulkAppend
{
public:
    explicit BulkAppend(QTableWidget *table)
        : m_table(table)
        , m_sorting(table->isSortingEnabled())
        , m_updates(table->updatesEnabled())
    {
        m_table->setSortingEnabled(false);
        m_table->setUpdatesEnabled(false);
    }
    ~BulkAppend()
    {
        m_table->setUpdatesEnabled(m_updates);
        m_table->setSortingEnabled(m_sorting);
    }
    BulkAppend(const BulkAppend &) = delete;
    BulkAppend &operator=(const BulkAppend &) = delete;

private:
    QTableWidget *m_table;
    bool m_sorting;
    bool m_updates;
};

QString skippedMessage(int count)
{
    // English has no numerus translation file, so its singular is spelled out.
    if (count == 1)
        return MainWindow::tr("1 entry skipped: the address must start with http:// or udp://");
    return MainWindow::tr("%n entries skipped: the address must start with http:// or udp://", "",
                          count);
}

// Appends the entries through `addRow` and returns how many of them the
// table refused.
template<typename Entry, typename AddRow>
int appendEntries(QTableWidget *table, const QList<Entry> &entries, AddRow addRow)
{
    const int before = table->rowCount();
    BulkAppend append(table);
    for (const Entry &entry : entries)
        addRow(entry);
    return int(entries.size()) - (table->rowCount() - before);
}

// The radio-box plays only http and udp streams, so other entries are left
// out; the user is told how many, or a shorter table would look like a bug.
void reportSkipped(MainWindow *window, int count)
{
    if (count <= 0)
        return;
    if (window->isBatchRun())
        CommandLine::printError(skippedMessage(count));
    else
        window->statusBar()->showMessage(skippedMessage(count), SkippedMessageTimeout);
}

} // namespace

void MainWindow::slotOpenFile()
{
    // After Cancel (or a save that did not happen) the old playlist stays and
    // the chosen file is merged into it, as the close question promised.
    if (hasDocument())
        closePlaylist();
    const QString filter = tr("PLS Playlist") + QLatin1String(" (*.pls);;") + tr("MP3-URL") +
                           QLatin1String(" (*.m3u);;") + tr("XML Shareable Playlist Format") +
                           QLatin1String(" (*.xspf)");
    openFile(QFileDialog::getOpenFileName(this, tr("PLS-File"), m_pathPlayList, filter));
}

// The document is set up before the read, so a PLS file that cannot be read
// still names itself in the title: the user sees which file failed.
void MainWindow::openFile(const QString &path)
{
    if (path.isEmpty())
        return;
    if (path.endsWith(QLatin1String(".pls"), Qt::CaseInsensitive)) {
        if (!hasDocument()) {
            setDocumentTitle(QFileInfo(path).fileName());
            m_pathPlayList = QFileInfo(path).absolutePath();
            if (ui->tableFile->rowCount() > 0)
                setModified();
            m_lblFilePath->setText(path);
        } else {
            setModified();
        }
        openPlsFile(path);
    } else if (path.endsWith(QLatin1String(".m3u"), Qt::CaseInsensitive)) {
        if (hasDocument())
            setModified();
        openM3uFile(path);
    } else if (path.endsWith(QLatin1String(".xspf"), Qt::CaseInsensitive)) {
        if (hasDocument())
            setModified();
        openXspfFile(path);
    }
}

void MainWindow::openPlsFile(const QString &path)
{
    plsFile reader;
    connect(&reader, &plsFile::readingFinished, this, &MainWindow::errors);
    reader.readFile(path);
    const int skipped =
        appendEntries(ui->tableFile, reader.entries(), [this](const plsFile::Entry &entry) {
            addTableRow(entry.title, entry.url.toString(), entry.type == 1);
        });
    reader.clearEntries();
    reader.disconnect(this);
    showEntryCount();
    reportSkipped(this, skipped);
}

void MainWindow::openM3uFile(const QString &path)
{
    m3uFile reader;
    connect(&reader, &m3uFile::readingFinished, this, &MainWindow::errors);
    reader.readFile(path);
    const int skipped =
        appendEntries(ui->tableFile, reader.entries(), [this](const m3uFile::Entry &entry) {
            addTableRow(entry.title, entry.url.toString(), true);
        });
    reader.clearEntries();
    reader.disconnect(this);
    showEntryCount();
    reportSkipped(this, skipped);
}

void MainWindow::openXspfFile(const QString &path)
{
    xspfFile reader;
    connect(&reader, &xspfFile::readingFinished, this, &MainWindow::errors);
    reader.readFile(path);
    const int skipped =
        appendEntries(ui->tableFile, reader.entries(), [this](const xspfFile::Entry &entry) {
            addTableRow(entry.title, entry.url.toString(), true);
        });
    reader.clearEntries();
    reader.disconnect(this);
    showEntryCount();
    reportSkipped(this, skipped);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(UriListFormat))
        event->acceptProposedAction();
}

// A drop merges without asking: the user put the files there on purpose.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl &url : urls)
        openFile(url.toLocalFile());
}

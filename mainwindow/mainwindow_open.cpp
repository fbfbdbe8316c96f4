#include "mainwindow/mainwindow.h"

#include "mainwindow/filedialog.h"
#include "mainwindow/playlisttable.h"
#include "mainwindow/rowcommands.h"
#include "mainwindow/rowtable.h"
#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/streamaddress.h"
#include "playlist/xspffile.h"
#include "ui/ui_mainwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTableWidget>
#include <QUndoStack>
#include <QUrl>

using PlaylistTable::Row;

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

// The rows for a file's entries, in file order. The reader's list goes
// first, so that the entries are not held twice while the table fills.
// Whether the radio-box plays an address, and its duplicate key, come from
// the QUrl that the reader built: reading each address with QUrl twice more
// would take longer than the read itself. An address that it does not play
// gets no key.
template<typename File, typename IsRadio> QList<Row> takeRows(File *reader, IsRadio isRadio)
{
    const auto entries = reader->entries();
    reader->clearEntries();
    QList<Row> rows;
    rows.reserve(entries.size());
    for (const auto &entry : entries) {
        Row row{entry.title, entry.url.toString(), isRadio(entry), QString()};
        if (kestrel::isStreamUrl(entry.url))
            row.key = kestrel::duplicateUrlKey(entry.url, row.address);
        rows.append(std::move(row));
    }
    return rows;
}

// The radio-box plays only http and udp streams, so other entries are left
// out; the user is told how many, or a shorter table would look like a bug.
void reportSkipped(MainWindow *window, int count)
{
    if (count <= 0)
        return;
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
    openFile(FileDialog::getOpenFileName(this, tr("PLS-File"), m_pathPlayList, filter));
}

// The document is set up before the read, so a PLS file that cannot be read
// still names itself in the title: the user sees which file failed. A file
// that starts a document is where Undo stops; one merged into a document is
// one step.
void MainWindow::openFile(const QString &path)
{
    if (path.isEmpty())
        return;
    if (path.endsWith(QLatin1String(".pls"), Qt::CaseInsensitive)) {
        const bool startsDocument = !hasDocument() && ui->tableFile->rowCount() == 0;
        if (!hasDocument()) {
            setDocumentTitle(QFileInfo(path).fileName());
            m_pathPlayList = QFileInfo(path).absolutePath();
            if (ui->tableFile->rowCount() > 0)
                setModified();
            m_lblFilePath->setText(path);
        } else {
            setModified();
        }
        appendRows(openPlsFile(path), !startsDocument);
        if (startsDocument)
            m_undoStack->clear();
    } else if (path.endsWith(QLatin1String(".m3u"), Qt::CaseInsensitive)) {
        importFile(path, &MainWindow::openM3uFile);
    } else if (path.endsWith(QLatin1String(".xspf"), Qt::CaseInsensitive)) {
        importFile(path, &MainWindow::openXspfFile);
    }
}

// Imported rows are in no file the window could save to: they are unsaved
// changes, or Save would stay disabled for the very rows to be converted.
void MainWindow::importFile(const QString &path, Reader read)
{
    const int rows = ui->tableFile->rowCount();
    appendRows((this->*read)(path), true);
    if (hasDocument() || ui->tableFile->rowCount() > rows)
        setModified();
}

// Rows whose address the radio-box cannot play are left out, and counted; a
// row with a key is one already found playable.
void MainWindow::appendRows(const QList<Row> &rows, bool undoable)
{
    QList<Row> accepted;
    accepted.reserve(rows.size());
    for (const Row &row : rows) {
        if (!row.key.isEmpty() || PlaylistTable::isStreamAddress(row.address))
            accepted.append(row);
    }
    const int duplicates = m_duplicateCount;
    if (!accepted.isEmpty()) {
        BulkAppend append(ui->tableFile);
        if (undoable)
            pushStep(new InsertRows(m_rowTable, m_rowTable->count(), accepted,
                                    QString::fromLatin1(QT_TR_NOOP("Open"))));
        else
            m_rowTable->insert(m_rowTable->count(), accepted);
    }
    reportSkipped(this, int(rows.size() - accepted.size()));
    reportNewDuplicates(duplicates);
}

QList<Row> MainWindow::openPlsFile(const QString &path)
{
    plsFile reader;
    connect(&reader, &plsFile::readingFinished, this, &MainWindow::errors);
    reader.readFile(path);
    reader.disconnect(this);
    return takeRows(&reader, [](const plsFile::Entry &entry) { return entry.type == 1; });
}

QList<Row> MainWindow::openM3uFile(const QString &path)
{
    m3uFile reader;
    connect(&reader, &m3uFile::readingFinished, this, &MainWindow::errors);
    reader.readFile(path);
    reader.disconnect(this);
    return takeRows(&reader, [](const m3uFile::Entry &) { return true; });
}

QList<Row> MainWindow::openXspfFile(const QString &path)
{
    xspfFile reader;
    connect(&reader, &xspfFile::readingFinished, this, &MainWindow::errors);
    reader.readFile(path);
    reader.disconnect(this);
    return takeRows(&reader, [](const xspfFile::Entry &) { return true; });
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(UriListFormat))
        event->acceptProposedAction();
}

// A drop merges without asking: the user put the files there on purpose.
// The files are opened only once the drop has returned: the program they
// were dragged from waits for the drop to end, and a box about a broken file
// would otherwise hold it up until the user closed the box.
void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        paths << url.toLocalFile();
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, paths] { openDropped(paths); }, Qt::QueuedConnection);
}

// The rows of all files of one drop are one step. A PLS file that starts the
// document starts the history instead, and is no step of it.
void MainWindow::openDropped(const QStringList &paths)
{
    auto *step = new StepGroup(QString::fromLatin1(QT_TR_NOOP("Drop")));
    for (const QString &path : paths) {
        const bool startsDocument = path.endsWith(QLatin1String(".pls"), Qt::CaseInsensitive) &&
                                    !hasDocument() && ui->tableFile->rowCount() == 0;
        m_dropStep = startsDocument ? nullptr : step;
        openFile(path);
    }
    m_dropStep = nullptr;
    if (step->isEmpty())
        delete step;
    else
        m_undoStack->push(step);
}

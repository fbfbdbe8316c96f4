#include "mainwindow/mainwindow.h"

#include "mainwindow/celldelegate.h"
#include "mainwindow/messagebox.h"
#include "mainwindow/rowtable.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QUndoStack>

namespace {

const QLatin1String ModifiedMarker("* ");

// __DATE__ pads single-digit days with a blank ("Dec  6 2026"); the About box
// shows the date as "Dec 6 2026".
QString buildDate()
{
    return QString::fromLatin1(__DATE__).simplified();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    ui->setupUi(this);
    ui->tableFile->setItemDelegate(new CellDelegate(ui->tableFile));
    // Rows are one line high: a wrapped address would show only its
    // "http://" and an ellipsis, where a cut-off single line shows the host.
    ui->tableFile->setWordWrap(false);

    loadSettings();
    installTranslators();
    createLanguageMenu();

    m_lblEntryCount = new QLabel;
    m_lblEntryCount->setNum(0);
    ui->statusBar->addPermanentWidget(m_lblEntryCount, 0);
    m_lblFilePath = new QLabel;
    m_lblFilePath->clear();
    ui->statusBar->addPermanentWidget(m_lblFilePath, 0);
    m_lblFileSplit = new QLabel;
    ui->statusBar->addPermanentWidget(m_lblFileSplit, 0);

    connect(ui->actionQuit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->btnQuit, &QAbstractButton::clicked, this, &MainWindow::close);
    connect(ui->actionOpen, &QAction::triggered, this, &MainWindow::slotOpenFile);
    connect(ui->actionAdd, &QAction::triggered, this, &MainWindow::slotAddEntry);
    connect(ui->btnAdd, &QAbstractButton::clicked, this, &MainWindow::slotAddEntry);
    connect(ui->actionEdit, &QAction::triggered, this, &MainWindow::slotEditEntry);
    connect(ui->btnEdit, &QAbstractButton::clicked, this, &MainWindow::slotEditEntry);
    connect(ui->actionDelete, &QAction::triggered, this, &MainWindow::slotDeleteEntry);
    connect(ui->btnDelete, &QAbstractButton::clicked, this, &MainWindow::slotDeleteEntry);
    connect(ui->actionSave, &QAction::triggered, this, &MainWindow::slotSaveFile);
    connect(ui->actionMoveUp, &QAction::triggered, this, &MainWindow::slotMoveEntryUp);
    connect(ui->actionMoveDown, &QAction::triggered, this, &MainWindow::slotMoveEntryDown);
    setupEntryFollowing();
    setupRowDrag();
    setupFileSplit();
    setupUndo();
    setupFilter();
    setupSorting();
    setupStreamCheck();

    setAcceptDrops(true);
    processCommandLine();

    // A command line that merged several playlists leaves them marked as
    // changed; the actions stay usable then, or Save could never be reached.
    if (!isModified())
        setDocumentActionsEnabled(false);
}

MainWindow::~MainWindow()
{
    // The stack announces its emptying while it goes, when the form it
    // would update is already gone.
    m_undoStack->disconnect(this);
    delete m_undoStack;
    delete m_rowTable;
    delete ui;
}

bool MainWindow::isModified() const
{
    return windowTitle().startsWith(ModifiedMarker);
}

bool MainWindow::hasDocument() const
{
    return windowTitle() != tr("Kestrelpad");
}

void MainWindow::setModified()
{
    if (isModified())
        return;
    setWindowTitle(ModifiedMarker + windowTitle());
    setDocumentActionsEnabled(true);
}

void MainWindow::setDocumentTitle(const QString &fileName)
{
    setWindowTitle(fileName + QLatin1String(" - ") + tr("Kestrelpad"));
    setDocumentActionsEnabled(false);
}

void MainWindow::setDocumentActionsEnabled(bool enabled)
{
    ui->actionNew->setEnabled(enabled);
    ui->actionSave->setEnabled(enabled);
    ui->actionSaveAs->setEnabled(enabled);
    ui->actionClose->setEnabled(enabled);
}

// While Find hides rows the label says how many of them are shown.
void MainWindow::showEntryCount()
{
    const int rows = ui->tableFile->rowCount();
    if (isFilterActive())
        m_lblEntryCount->setText(tr("%1 of %2 entries").arg(m_shownRowCount).arg(rows));
    else
        m_lblEntryCount->setNum(rows);
}

void MainWindow::showCritical(const QString &text)
{
    MessageBox::critical(this, tr("Kestrelpad"), text);
}

// A question whose safe answer, No, is the default: Enter alone must not
// throw entries away.
bool MainWindow::askYesNo(const QString &text)
{
    return MessageBox::question(this, QMessageBox::Question, tr("Kestrelpad"), text, {},
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::showStatus(const QString &text, int timeout)
{
    ui->statusBar->showMessage(text, timeout);
}

void MainWindow::errors(qint8 error)
{
    switch (error) {
    case 0:
        showStatus(tr("done"), 2000);
        break;
    case -1:
        showCritical(tr("Couldn't open the file!"));
        break;
    case -2:
        showCritical(tr("The file doesn't exist!"));
        break;
    case -3:
        showCritical(tr("Error while parsing the xml-file!"));
        break;
    case -4:
        showCritical(tr("An entry is too long for the radio-box!"));
        break;
    case -5:
        showCritical(tr("An entry has no valid address!"));
        break;
    default:
        break;
    }
}

void MainWindow::on_actionAbout_triggered()
{
    const QString text =
        tr("Kestrelpad\n\nWith this editor you can edit the pls-files\nfor the radio-box.\n"
           "Copy the pls-file to a FAT32-formated USB-Stick\nand open the file on your box. "
           "New entries will be stored.\nThe address of the stream must start with http:// or "
           "udp:// \nThe limits of the file: max 20 Entries, max 2KiB Filesize\n\n"
           "Version: %1\nDate: %2");
    MessageBox::about(this, tr("Kestrelpad"), text.arg(QStringLiteral("1.2")).arg(buildDate()));
}

void MainWindow::on_actionAboutQt_triggered()
{
    MessageBox::aboutQt(this, tr("Kestrelpad"));
}

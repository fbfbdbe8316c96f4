#include "mainwindow/mainwindow.h"

#include "mainwindow/rowcommands.h"
#include "mainwindow/rowtable.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QUndoStack>

#include <vector>

namespace {

const QLatin1String ModifiedMarker("* ");

// A line edit takes Ctrl+Z for its own typing even when it has none to take
// back, and the focus rests in the Title field more often than not: the keys
// would then do nothing at all. They go to the playlist unless the field has
// typing of its own to undo or redo.
class UndoKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *edit = qobject_cast<QLineEdit *>(watched);
        if (edit && event->type() == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(event);
            const bool redo = key->matches(QKeySequence::Redo) ||
                              (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
            if (key->matches(QKeySequence::Undo) && !edit->isUndoAvailable())
                return true;
            if (redo && !edit->isRedoAvailable())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void MainWindow::setupUndo()
{
    m_rowTable = new RowTable(ui->tableFile);
    m_rowTable->changed = [this](bool rowsCameIn) { rowsChanged(rowsCameIn); };
    m_rowTable->selected = [this](int row) { showEntry(row); };

    m_undoStack = new QUndoStack(this);
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &MainWindow::followCleanState);
    connect(m_undoStack, &QUndoStack::indexChanged, this, &MainWindow::showUndoTexts);
    connect(m_undoStack, &QUndoStack::canUndoChanged, this, &MainWindow::showUndoTexts);
    connect(m_undoStack, &QUndoStack::canRedoChanged, this, &MainWindow::showUndoTexts);
    connect(ui->actionUndo, &QAction::triggered, m_undoStack, &QUndoStack::undo);
    connect(ui->actionRedo, &QAction::triggered, m_undoStack, &QUndoStack::redo);
    auto *keys = new UndoKeys(this);
    for (QLineEdit *edit : {ui->leditTitle, ui->leditURL, ui->leditFilter})
        edit->installEventFilter(keys);
    showUndoTexts();
}

void MainWindow::pushStep(QUndoCommand *step)
{
    if (m_dropStep) {
        step->redo();
        m_dropStep->addDone(step);
        return;
    }
    m_undoStack->push(step);
}

// The steps keep their names in English and are named in the language of
// the moment, so a change of language renames the steps already taken. The
// language may change before the stack exists: at start-up, when the stored
// language is loaded.
void MainWindow::showUndoTexts()
{
    if (!m_undoStack)
        return;
    const QString undo = m_undoStack->undoText();
    const QString redo = m_undoStack->redoText();
    ui->actionUndo->setText(undo.isEmpty() ? tr("Undo")
                                           : tr("Undo %1").arg(tr(undo.toLatin1().constData())));
    ui->actionRedo->setText(redo.isEmpty() ? tr("Redo")
                                           : tr("Redo %1").arg(tr(redo.toLatin1().constData())));
    ui->actionUndo->setEnabled(m_undoStack->canUndo());
    ui->actionRedo->setEnabled(m_undoStack->canRedo());
}

// Back at the rows of the last save or open the playlist is unchanged again,
// so closing it asks nothing; a step away from them marks it again.
void MainWindow::followCleanState(bool clean)
{
    if (!clean) {
        setModified();
        return;
    }
    if (isModified())
        setWindowTitle(windowTitle().mid(ModifiedMarker.size()));
    setDocumentActionsEnabled(false);
}

// Rows that only went away or moved cannot make new duplicates; the marks
// still name rows by number, so they are renewed while there are any.
void MainWindow::rowsChanged(bool rowsCameIn)
{
    if (isFilterActive())
        applyFilter();
    showEntryCount();
    if (rowsCameIn || m_duplicateCount > 0)
        m_duplicateCount = markDuplicates();
    followRowsInCheck();
}

// Rows hidden by Find are not the user's choice even when a range of the
// selection runs over them.
QList<int> MainWindow::selectedShownRows() const
{
    const QTableWidget *table = ui->tableFile;
    std::vector<bool> chosen(size_t(table->rowCount()), false);
    for (const QItemSelectionRange &range : table->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            chosen[size_t(row)] = !table->isRowHidden(row);
    }
    QList<int> rows;
    for (int row = 0; row < int(chosen.size()); ++row) {
        if (chosen[size_t(row)])
            rows.append(row);
    }
    return rows;
}
